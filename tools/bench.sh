#!/usr/bin/env bash
# The benchmark: runs airdrop_benchmark.exe under Wine (the display and the Wine prefix
# come from ./dev bench), then prints the DLL's size and what it imports, and checks both:
# under 64 KiB, and system DLLs only. Extra arguments go to the program (--samples N).
# Exit status 0 only when every target is met.
set -uo pipefail

BUILD_DIR=${1:?usage: tools/bench.sh BUILD_DIR [--samples N]}
shift
ROOT=$(cd "$(dirname "$0")/.." && pwd)
DLL=$BUILD_DIR/KFWS_Airdrop.dll
PROGRAM=$BUILD_DIR/airdrop_benchmark.exe
OBJDUMP=${OBJDUMP:-i686-w64-mingw32-objdump}
SIZE_LIMIT=65536
SYSTEM_DLLS="kernel32.dll user32.dll gdi32.dll advapi32.dll shlwapi.dll msvcrt.dll comctl32.dll"

status=0
(cd "$BUILD_DIR" && "$ROOT/cmake/wine-run.sh" "$PROGRAM" "$@") || status=1
echo
# The readiness check (simhost --check) on generated simulator folders of 250 and 1 000
# aircraft side by side: within 4x the floor, the cost per aircraft flat.
(cd "$BUILD_DIR" && "$ROOT/cmake/wine-run.sh" "$BUILD_DIR/check_benchmark.exe") || status=1

echo
size=$(stat -c %s "$DLL")
if [ "$size" -lt "$SIZE_LIMIT" ]; then verdict="met"; else verdict="MISSED"; status=1; fi
printf 'KFWS_Airdrop.dll: %d bytes (%s KiB); target under 64 KiB: %s\n' "$size" "$(awk -v s="$size" 'BEGIN { printf "%.1f", s / 1024 }')" "$verdict"

# The import list: each DLL with the functions taken from it.
echo "Imports:"
"$OBJDUMP" -p "$DLL" | awk '
  /^[[:space:]]*DLL Name:/ { if (name != "") print "  " name ":" list; name = $3; list = ""; next }
  name != "" && /^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[A-Za-z_]/ { list = list " " $3; next }
  name != "" && /^[[:space:]]*$/ && list != "" { print "  " name ":" list; name = ""; list = "" }
  END { if (name != "") print "  " name ":" list }'

foreign=""
for name in $("$OBJDUMP" -p "$DLL" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z'); do
  case " $SYSTEM_DLLS " in *" $name "*) ;; *) foreign="$foreign $name" ;; esac
done
if [ -z "$foreign" ]; then
  echo "Imports beyond system DLLs: none (met)"
else
  echo "Imports beyond system DLLs:$foreign (MISSED)"
  status=1
fi
exit $status
