#!/usr/bin/env bash
# Saves a PNG of the main window and of every screen of the wizard, for a few example sections,
# into docs/screenshots/ (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TUBRIX_BUILD:-build}"
cmake --build "$build" --target tubrix-capturas
export QT_QPA_PLATFORM=offscreen
out=docs/screenshots
mkdir -p "$out"
"$build/bin/tubrix-capturas" "$out/nueva-seccion"
for ejemplo in prfv-largo-plazo-zanja-terraplenada-freatico pe-sdr33-suelo-blando-no-valido \
               fibrocemento-une-presion-terraplen-cuna-hormigon; do
    "$build/bin/tubrix-capturas" "$out/$ejemplo" "examples/$ejemplo.tbx"
done
echo "Capturas en $out/"
