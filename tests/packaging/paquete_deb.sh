#!/usr/bin/env bash
# Builds the Debian package with CPack, checks its name and dependencies, unpacks it into a
# temporary folder (nothing is installed on the machine) and runs the unpacked programs; lintian
# must find no errors (its warnings are shown).
#   paquete_deb.sh BUILD SOURCE VERSION
set -euo pipefail
build="$1" fuente="$2" version="$3"
source "$(dirname "$0")/comun.sh"
necesita dpkg-shlibdeps dpkg-dev
necesita file file
necesita lintian lintian

trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$trabajo/paquete" >"$trabajo/cpack.log" 2>&1 ||
    falla "cpack: $(cat "$trabajo/cpack.log")"
deb="$trabajo/paquete/tubrix_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || falla "cpack no ha hecho $(basename "$deb"): $(ls "$trabajo/paquete")"

dpkg-deb --field "$deb" Package Version Architecture Depends Installed-Size
depende="$(dpkg-deb --field "$deb" Depends)"
for p in fonts-liberation qt6-translations-l10n libqt6widgets6 libqt6charts6 libqt6svg6 libstdc++6; do
    tr ',' '\n' <<<"$depende" | sed 's/^ *//; s/ .*//' | grep -qxF "$p" ||
        falla "el paquete no depende de $p: $depende"
done

dpkg-deb -x "$deb" "$trabajo/raiz"
espera_veredicto "$trabajo/raiz/usr/bin/tubrix-cli" "$fuente/examples/pvc-sn8-zanja-trafico.tbx" 0 \
    "Tubo válido"
espera_versiones "$trabajo/raiz/usr/bin" "$version"

echo "lintian:"
lintian --fail-on error "$deb" || falla "lintian encuentra errores"
echo "Paquete correcto: $(basename "$deb")"
