#!/usr/bin/env bash
# Builds everything and runs every test. Pass --sanitize for the address and undefined-behaviour
# sanitizer build (in build-sanitize/). In CI (CI=true) or with --fuzz the file readers' fuzzers
# also run for 60 s each. Warnings are errors here, as in CI; a plain cmake build only warns.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
options=(-DVANTRO_WERROR=ON)
fuzz="${CI:-false}"
if [ "${1:-}" = "--fuzz" ]; then
  fuzz=true
elif [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  options+=(-DVANTRO_SANITIZE=ON -DVANTRO_BUILD_BENCHMARKS=OFF)
fi

scripts/install-packages.sh
cmake -S . -B "$build" -G Ninja "${options[@]}"
cmake --build "$build" --parallel 2
if [ "$fuzz" = true ]; then
  scripts/fuzz.sh 60
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel 2 --timeout 300
