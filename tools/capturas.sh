#!/usr/bin/env bash
# Saves a PNG of the main window and of every screen of the wizard, for a few example sections,
# into docs/screenshots/ (no display needed): on a 1920×1080 screen, then on a 1024×600 one and
# on 1920×1080 at 200 % (960×540 of room), where the screens scroll their content.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TUBRIX_BUILD:-build}"
cmake --build "$build" --target tubrix-capturas
pantallas="$PWD/tests/gui/data"
out=docs/screenshots
mkdir -p "$out"
captura() { # captura SCREEN_CONFIG SCALE OUT_DIR [PROJECT]
    QT_QPA_PLATFORM="offscreen:configfile=$pantallas/$1" QT_SCALE_FACTOR="$2" \
        "$build/bin/tubrix-capturas" "${@:3}"
}
captura pantalla-1920x1080.json 1 "$out/nueva-seccion"
for ejemplo in prfv-largo-plazo-zanja-terraplenada-freatico pe-sdr33-suelo-blando-no-valido \
               fibrocemento-une-presion-terraplen-cuna-hormigon; do
    captura pantalla-1920x1080.json 1 "$out/$ejemplo" "examples/$ejemplo.tbx"
done
ejemplo=prfv-largo-plazo-zanja-terraplenada-freatico
captura pantalla-1024x600.json 1 "$out/1024x600/$ejemplo" "examples/$ejemplo.tbx"
captura pantalla-1920x1080.json 2 "$out/escala-2x/$ejemplo" "examples/$ejemplo.tbx"
captura pantalla-1920x1080.json 1 "$out/obra" examples/colector-pvc-sn2.tbo
echo "Capturas en $out/"
