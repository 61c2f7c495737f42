#!/usr/bin/env bash
# Builds the program and starts it; arguments are passed to the program, and without any it opens
# the sample drawing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh
cmake -S . -B build -G Ninja
cmake --build build --parallel 2 --target vantrocad
if [ $# -eq 0 ]; then
  exec build/vantrocad samples/flange.dca
fi
exec build/vantrocad "$@"
