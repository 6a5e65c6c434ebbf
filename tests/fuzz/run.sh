#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the minutes fuzzer with clang (libFuzzer, AddressSanitizer, UBSan) and
# runs it for a bounded number of inputs: RUNS=100000 by default, e.g.
#   RUNS=-1 MAX_TIME=3600 tests/fuzz/run.sh     # an hour
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/build/fuzz}
mkdir -p "$out/corpus"

command -v clang++ >/dev/null || { echo "clang++ is missing (scripts/test installs it)"; exit 1; }
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root" "$here/minutes_fuzz.cpp" "$root/alarm/minutes.cpp" -o "$out/minutes_fuzz"

# Seeds: what users type, and what they should not.
for seed in 5 " 5 " 60 60.5 4.5 0.5 -3 abc "" 32767 32768 1e400 5,5 +1 .5 5. "1 2"; do
    printf '%s' "$seed" >"$out/corpus/seed-$(printf '%s' "$seed" | md5sum | cut -c1-8)"
done

UBSAN_OPTIONS=halt_on_error=1 "$out/minutes_fuzz" -runs="${RUNS:-100000}" \
    -max_total_time="${MAX_TIME:-0}" -max_len=256 -timeout=5 "$out/corpus"
