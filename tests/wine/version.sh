#!/bin/sh
# SPDX-License-Identifier: MIT
# version.sh WINE PREFIX DRIVER ZELVAN VERSION: the version resource reads, as
# Explorer reads it, version VERSION in Italian with the Unicode code page,
# product and internal name Zelvan, and the icon comes in 16 and 32 pixels
# and larger.
set -eu
wine=$1 driver=$3 zelvan=$4 version=$5
. "$(dirname "$0")/env.sh"
wine_env "$2"
out=$PWD/version.txt
"$wine" "$driver" version "$zelvan" </dev/null >"$out.crlf" 2>&1
tr -d '\r' <"$out.crlf" >"$out"
cat "$out"
status=0
for line in Translation=041004B0 FileVersion="$version" ProductVersion="$version" \
    ProductName=Zelvan InternalName=Zelvan 'IconSizes=16,32,48,64,256'; do
    grep -qx "$line" "$out" || { echo "missing: $line" >&2; status=1; }
done
exit $status
