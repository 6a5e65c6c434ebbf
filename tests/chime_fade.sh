#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The generated chime: 16-bit mono, its peak at -3 dBFS, and faded to
# silence at the end, its last 20 ms below -60 dBFS, so that it ends without
# a click.
#   chime_fade.sh TaDa.wav
set -euo pipefail
wav=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v sox >/dev/null || fail "sox is missing (scripts/test installs it)"
[ -f "$wav" ] || fail "no chime at $wav"

[ "$(soxi -b "$wav")" = 16 ] && [ "$(soxi -c "$wav")" = 1 ] || fail "not 16-bit mono: $(soxi "$wav")"
# Peak levels in dBFS; digital silence reads -inf.
peak() { sox "$wav" -n "$@" stats 2>&1 | awk '/^Pk lev dB/ { print ($4 == "-inf" ? -999 : $4) }'; }
whole=$(peak)
last=$(peak trim -0.02)
length=$(soxi -D "$wav")
echo "chime: ${length}s, peak ${whole} dBFS, last 20 ms ${last} dBFS"
awk -v p="$whole" 'BEGIN { exit !(p > -3.5 && p < -2.5) }' || fail "peak ${whole} dBFS, not -3"
awk -v p="$last" 'BEGIN { exit !(p < -60) }' || fail "the last 20 ms peak at ${last} dBFS"
