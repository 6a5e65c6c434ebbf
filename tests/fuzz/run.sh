#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the minutes fuzzer for a bounded number of inputs: RUNS=100000 by
# default, e.g.
#   RUNS=-1 MAX_TIME=3600 tests/fuzz/run.sh     # an hour
# Usage: run.sh [OUT_DIR [FUZZER]]. Without FUZZER (the build's compiler is not
# Clang), builds it first from this folder's CMake file with clang++.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/build/fuzz}
fuzzer=${2:-}
mkdir -p "$out/corpus"

if [ -z "$fuzzer" ]; then
    command -v clang++ >/dev/null || { echo "clang++ is missing (scripts/test installs it)"; exit 1; }
    cmake -S "$here" -B "$out/build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build "$out/build"
    fuzzer=$out/build/minutes_fuzz
fi

# Seeds: what users type, and what they should not.
for seed in 5 " 5 " 60 60.5 4.5 0.5 -3 abc "" 32767 32768 1e400 5,5 +1 .5 5. "1 2" 1.000 1,000 12.345,6; do
    printf '%s' "$seed" >"$out/corpus/seed-$(printf '%s' "$seed" | md5sum | cut -c1-8)"
done

UBSAN_OPTIONS=halt_on_error=1 "$fuzzer" -runs="${RUNS:-100000}" \
    -max_total_time="${MAX_TIME:-0}" -max_len=256 -timeout=5 "$out/corpus"
