#!/bin/sh
# Checks the built module: PE32 for i386, exports exactly Linkage and ImportTable,
# imports only system DLLs.
set -u
dll=$1
objdump=${2:-i686-w64-mingw32-objdump}
case "$objdump" in *NOTFOUND*|"") objdump=i686-w64-mingw32-objdump ;; esac
fail=0

format=$("$objdump" -f "$dll" | sed -n 's/.*file format //p')
[ "$format" = "pei-i386" ] || { echo "format is '$format', expected pei-i386"; fail=1; }

exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s+\[' | awk '{print $NF}' | sort | tr '\n' ' ')
[ "$exports" = "ImportTable Linkage " ] || { echo "exports are '$exports', expected 'ImportTable Linkage'"; fail=1; }

imports=$("$objdump" -p "$dll" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
for name in $imports; do
  case "$name" in
    kernel32.dll|user32.dll|shlwapi.dll|msvcrt.dll|gdi32.dll|advapi32.dll) ;;
    *) echo "imports non-system DLL $name"; fail=1 ;;
  esac
done
echo "format: $format"
echo "exports: $exports"
echo "imports:" $imports
exit $fail
