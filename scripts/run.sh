#!/usr/bin/env bash
# Builds the program and starts it; arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh
cmake -S . -B build -G Ninja
cmake --build build --parallel 2 --target vantrocad
exec build/vantrocad "$@"
