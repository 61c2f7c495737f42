#!/usr/bin/env bash
# Renders the main window offscreen at 1280x800 and 1920x1080 into docs/, writes the sample
# drawing samples/flange.dca and renders it alone into docs/flange.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
cmake -S . -B build -G Ninja
cmake --build build --target ui_tests vantrocad
mkdir -p docs samples
VANTRO_SCREENSHOT_DIR="$PWD/docs" VANTRO_SAMPLES_DIR="$PWD/samples" QT_QPA_PLATFORM=offscreen build/tests/ui_tests --gtest_filter='*TheWindowFitsAtTheReferenceSizes*:*TheTextDialogPicture*'
QT_QPA_PLATFORM=offscreen build/vantrocad --convert samples/flange.dca docs/flange.png --size 1000x600
