# Shared by scripts/run and scripts/test: installs what is missing, configures and builds.
# Sourced, not run.

TUBRIX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TUBRIX_BUILD="${TUBRIX_BUILD:-$TUBRIX_ROOT/build}"

# The one package list. What the build reads from the system must come from TUBRIX_PACKAGES and
# their dependencies (scripts/check-packages proves it); TUBRIX_TEST_PACKAGES are the tools that
# tests, screenshots and packaging run.
TUBRIX_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
    libsqlitecpp-dev libsqlite3-dev
    libexpected-dev nlohmann-json3-dev libcli11-dev libqpdf-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation qt6-translations-l10n
)
TUBRIX_TEST_PACKAGES=(
    poppler-utils xvfb xauth
    desktop-file-utils appstream shared-mime-info
    dpkg-dev file lintian
)

# tubrix_missing_packages PACKAGE...: those of them that are not installed.
tubrix_missing_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    echo "${missing[@]}"
}

# tubrix_install [test]: installs the build's packages, and the tests' too when asked.
tubrix_install() {
    command -v dpkg-query >/dev/null || { echo "This script installs with apt (Debian 12)." >&2; return 1; }
    local wanted=("${TUBRIX_PACKAGES[@]}")
    [ "${1:-}" = "test" ] && wanted+=("${TUBRIX_TEST_PACKAGES[@]}")
    local missing
    missing="$(tubrix_missing_packages "${wanted[@]}")"
    [ -z "$missing" ] && return 0
    echo "Installing: $missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

tubrix_build() {
    local werror=OFF
    [ "${CI:-}" = "true" ] && werror=ON
    if [ ! -f "$TUBRIX_BUILD/build.ninja" ]; then
        cmake -S "$TUBRIX_ROOT" -B "$TUBRIX_BUILD" -G Ninja \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUBRIX_WERROR="$werror"
    fi
    cmake --build "$TUBRIX_BUILD"
}
