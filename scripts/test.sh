#!/usr/bin/env bash
# Builds everything and runs every test. Pass --sanitize for the address and undefined-behaviour
# sanitizer build (in build-sanitize/).
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  options+=(-DVANTRO_SANITIZE=ON -DVANTRO_BUILD_BENCHMARKS=OFF)
fi

scripts/install-packages.sh
cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build" --parallel 2
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel 2
