#!/usr/bin/env bash
# Builds the project-block fuzzer with clang (ASan, UBSan, libFuzzer) and
# runs it for SECONDS (default 60) from the seed corpus in fuzz/corpus (the
# demo cart and hostile carts as blocks) with the block's markers as its
# dictionary.
# New inputs go to a scratch folder, so the committed corpus stays small.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build/fuzz
cmake -S . -B "$build" -DMERVANE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target block_fuzzer -j2 >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build/fuzz/block_fuzzer" "$scratch" fuzz/corpus -dict=fuzz/block.dict \
  -max_total_time="$seconds" -rss_limit_mb=512 -malloc_limit_mb=64 \
  -max_len=65536 -print_final_stats=1 2>&1 | tail -n 12
echo "fuzz: ${seconds}s without a finding"
