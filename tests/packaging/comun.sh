# Shared by the installation and package tests. Sourced, not run.

falla() {
    echo "FALLO: $*" >&2
    exit 1
}

necesita() { # necesita PROGRAM PACKAGE
    command -v "$1" >/dev/null || falla "$1 no está instalado (paquete $2; scripts/test lo instala)"
}

# espera_veredicto CLI PROJECT STATUS TEXT: the program's verdict on an example project.
espera_veredicto() {
    local salida estado=0
    salida="$("$1" calc "$2" 2>&1)" || estado=$?
    [ "$estado" -eq "$3" ] || falla "$1 calc $(basename "$2"): estado $estado, se esperaba $3:
$salida"
    grep -qF "$4" <<<"$salida" || falla "$1 calc $(basename "$2") no dice \"$4\":
$salida"
}

# espera_versiones BIN_FOLDER VERSION: both programs name the build's version.
espera_versiones() {
    local cli gui
    cli="$("$1/tubrix-cli" --version)" || falla "tubrix-cli --version falla"
    [ "$cli" = "tubrix-cli $2" ] || falla "tubrix-cli --version dice \"$cli\""
    gui="$(QT_QPA_PLATFORM=offscreen "$1/tubrix" --version)" || falla "tubrix --version falla"
    [ "$gui" = "Tubrix $2" ] || falla "tubrix --version dice \"$gui\""
}
