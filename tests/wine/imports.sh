#!/bin/sh
# SPDX-License-Identifier: MIT
# imports.sh OBJDUMP EXE: the executable must import only DLLs that every
# Windows has, so that it runs copied alone onto any machine.
set -eu
objdump=$1 exe=$2
dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
echo "$exe imports:" $dlls
[ -n "$dlls" ] || { echo "no imports read" >&2; exit 1; }
status=0
for dll in $dlls; do
    case $dll in
    kernel32.dll | user32.dll | gdi32.dll | winmm.dll | msvcrt.dll | comctl32.dll | advapi32.dll | \
        shell32.dll | ole32.dll | oleaut32.dll | uxtheme.dll | dwmapi.dll | shcore.dll) ;;
    *) echo "not a system DLL: $dll" >&2; status=1 ;;
    esac
done
exit $status
