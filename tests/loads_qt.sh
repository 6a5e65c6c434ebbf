#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Lists the Qt libraries a binary loads, directly or through other libraries.
# Fails when there is any, or when the binary cannot be read.
set -euo pipefail
binary=$1
libraries=$(ldd "$binary") || { echo "ldd cannot read $binary"; exit 2; }
qt=$(grep -o 'libQt[^ ]*' <<<"$libraries" | sort -u | tr '\n' ' ' || true)
if [ -n "$qt" ]; then
    echo "$(basename "$binary") loads Qt: $qt"
    exit 1
fi
echo "$(basename "$binary") loads no Qt library; it loads: $(awk '{print $1}' <<<"$libraries" | tr '\n' ' ')"
