#!/usr/bin/env bash
# Builds the file readers' libFuzzer targets with clang (in build-fuzz/) and runs each on a copy of
# its seed corpus for the given number of seconds (default 60). Exits non-zero on any crash.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

scripts/install-packages.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVANTRO_FUZZ=ON -DVANTRO_WERROR=ON -DVANTRO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz --parallel 2 --target fuzz_drawing_file fuzz_part_file fuzz_pap_file fuzz_ini fuzz_dxf

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run() {
  local target=$1 corpus=$2
  shift 2
  mkdir -p "$work/$corpus"
  cp "fuzz/corpus/$corpus"/* "$work/$corpus/"
  echo "Fuzzing $target for ${seconds} s"
  (cd "$work" && "$OLDPWD/build-fuzz/fuzz/$target" "$@" -max_total_time="$seconds" -print_final_stats=1 \
      "$work/$corpus" 2>&1 | grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' || true)
  # libFuzzer writes crash-* files when it finds a fault.
  if ls "$work"/crash-* >/dev/null 2>&1; then
    echo "$target found a crash:" "$work"/crash-*
    return 1
  fi
}
run fuzz_drawing_file drawing
# The merge reads part files and drawing files alike, so the drawing seeds join its own.
mkdir -p "$work/part"
cp fuzz/corpus/drawing/* "$work/part/"
run fuzz_part_file part
run fuzz_pap_file pap -max_len=4096
run fuzz_ini ini -dict="$PWD/fuzz/ini.dict" -max_len=20000
# The real-world DXF files beside the repository, where present, join the seeds (the small ones:
# large seeds slow every run).
if [ -d ../shared/dxf-corpus ]; then
  mkdir -p "$work/dxf"
  find ../shared/dxf-corpus -name '*.dxf' -size -100k -exec cp {} "$work/dxf/" \;
fi
run fuzz_dxf dxf -dict="$PWD/fuzz/dxf.dict" -max_len=200000 -rss_limit_mb=2048
