#!/usr/bin/env bash
# Builds the file readers' fuzz targets with clang (libFuzzer, with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs them.
#   fuzz/run.sh                 runs every seed file once through every target (what CI does)
#   fuzz/run.sh RUNS [TARGET]   fuzzes one target from its seeds for RUNS executions:
#                               saved_work (the reader, the default), saved_work_restore
#                               or class_setup (the class set-up file)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/prepare.sh

ensure_packages clang libclang-rt-14-dev
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DCROSSMERE_UI=OFF -DCROSSMERE_FUZZ=ON -DCROSSMERE_BUILD_TESTS=OFF -DCROSSMERE_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz -j2

seeds=build/fuzz/seeds/saved_work
mkdir -p "$seeds"
build/fuzz/fuzz/crossmere_saved_work_seeds "$seeds"
export ASAN_OPTIONS=detect_leaks=1
seeds_of() { [ "$1" = class_setup ] && echo fuzz/class_setup_seeds || echo "$seeds"; }
if [ $# -eq 0 ]; then
  for target in saved_work saved_work_restore class_setup; do
    build/fuzz/fuzz/crossmere_${target}_fuzz -runs=0 "$(seeds_of $target)"
  done
else
  target=${2:-saved_work}
  corpus=build/fuzz/corpus/$target
  artifacts=build/fuzz/artifacts/$target
  mkdir -p "$corpus" "$artifacts"
  build/fuzz/fuzz/crossmere_${target}_fuzz -runs="$1" -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$corpus" "$(seeds_of "$target")"
fi
