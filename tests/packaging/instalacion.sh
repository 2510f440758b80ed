#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `cmake --install build --prefix P` does, and
# checks what a Linux desktop and a user meet there: the layout, the desktop entry, the icons, the
# project-file type and the AppStream metadata (each validated by its own tool), and the
# installed programs, which find their catalogue in ../share/tubrix.
#   instalacion.sh BUILD SOURCE APP_ID VERSION
set -euo pipefail
build="$1" fuente="$2" id="$3" version="$4"
source "$(dirname "$0")/comun.sh"
necesita desktop-file-validate desktop-file-utils
necesita appstreamcli appstream
necesita update-mime-database shared-mime-info

prefijo="$(realpath "$(mktemp -d)")"
trap 'rm -rf "$prefijo"' EXIT
cmake --install "$build" --prefix "$prefijo" >/dev/null

echo "Instalado en P = $prefijo:"
(cd "$prefijo" && find . -type f | sed 's|^\./|  P/|' | sort)
for f in bin/tubrix bin/tubrix-cli share/tubrix/DatosS.db \
    "share/applications/$id.desktop" "share/mime/packages/$id.xml" \
    "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg" \
    share/man/man1/tubrix.1.gz share/man/man1/tubrix-cli.1.gz \
    share/doc/tubrix/copyright share/doc/tubrix/catalogo.md; do
    [ -f "$prefijo/$f" ] || falla "falta P/$f"
done
for size in 16 24 32 48 64 128 256; do
    png="$prefijo/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$png" ] || falla "falta el icono de $size px"
    file "$png" | grep -q "PNG image data, $size x $size," || falla "$png: $(file -b "$png")"
done
[ ! -e "$prefijo/bin/DatosS.db" ] || falla "el catálogo está en bin/"

desktop-file-validate "$prefijo/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefijo/share/metainfo/$id.metainfo.xml"
# The type database built from the package names *.tbx "Proyecto Tubrix".
XDG_DATA_DIRS="$prefijo/share" update-mime-database "$prefijo/share/mime"
grep -qx "application/x-tubrix:\*\.tbx" "$prefijo/share/mime/globs" ||
    falla "la base de tipos no asocia *.tbx: $(cat "$prefijo/share/mime/globs")"
grep -q "<comment>Proyecto Tubrix</comment>" "$prefijo/share/mime/application/x-tubrix.xml" &&
    grep -qaF "CORRUGADO(1.0)." "$prefijo/share/mime/magic" ||
    falla "la base de tipos no describe el proyecto Tubrix"

espera_veredicto "$prefijo/bin/tubrix-cli" "$fuente/examples/pvc-sn8-zanja-trafico.tbx" 0 "Tubo válido"
espera_veredicto "$prefijo/bin/tubrix-cli" "$fuente/examples/pe-sdr33-suelo-blando-no-valido.tbx" 1 \
    "Tubo NO válido"
espera_versiones "$prefijo/bin" "$version"

# Without the catalogue the message names every place looked in.
mv "$prefijo/share/tubrix/DatosS.db" "$prefijo/DatosS.db"
estado=0
mensaje="$("$prefijo/bin/tubrix-cli" calc "$fuente/examples/pvc-sn8-zanja-trafico.tbx" 2>&1)" ||
    estado=$?
[ "$estado" -eq 2 ] || falla "sin catálogo, estado $estado"
grep -qF "    $prefijo/bin/DatosS.db" <<<"$mensaje" || falla "sin catálogo: $mensaje"
grep -qF "    $prefijo/share/tubrix/DatosS.db" <<<"$mensaje" || falla "sin catálogo: $mensaje"
echo "Instalación correcta."
