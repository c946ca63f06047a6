#!/usr/bin/env bash
# Makes the release in out/package/: KFWS_Airdrop-<version>.zip and beside it the setup
# program KFWS_Airdrop-<version>-setup.exe, both from the release tree the build lays out in
# BUILD_DIR/release. The zip holds ПРОЧТИ.txt and README.txt at its top; Modules\ and
# Effects\, exactly what a manual installation copies into the simulator's folder; and
# Tools\, the aircraft makers' tools (simhost, which then loads ..\Modules\KFWS_Airdrop.dll),
# kept outside the simulator. Called by ./dev package.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${1:?usage: tools/package.sh BUILD_DIR}
VERSION=$("$ROOT/release/version.sh" "$ROOT/src/module/Version.h")
NAME=KFWS_Airdrop-$VERSION
RELEASE=$BUILD_DIR/release
OUT=${KFWS_PACKAGE_OUT:-$ROOT/out/package}
STAGE=$OUT/$NAME

for built in "$RELEASE/$NAME-setup.exe" "$RELEASE/stage/main/Modules/KFWS_Airdrop.dll"; do
  [ -f "$built" ] || { echo "[package] $built is missing: build first (needs makensis, cmark-gfm)" >&2; exit 1; }
done

rm -rf "$STAGE" "$OUT/$NAME.zip" "$OUT/$NAME-setup.exe"
mkdir -p "$STAGE"
cp -r "$RELEASE/stage/main/." "$STAGE/"
cp -r "$RELEASE/stage/tools/Modules/KestrelFieldWorks/Tools" "$STAGE/Tools"
# The notes at the top: UTF-8 with a byte-order mark and Windows line ends, for Notepad.
note() { { printf '\357\273\277'; sed -e "s/@VERSION@/$VERSION/g" -e 's/\r\?$/\r/' "$1"; } >"$2"; }
note "$ROOT/release/text/readme.ru.txt" "$STAGE/ПРОЧТИ.txt"
note "$ROOT/release/text/readme.en.txt" "$STAGE/README.txt"

# Names stored as UTF-8 with the flag that says so (Windows shows ПРОЧТИ.txt as such).
LC_ALL=C.UTF-8 bsdtar --format zip --options zip:hdrcharset=UTF-8 -C "$STAGE" -cf "$OUT/$NAME.zip" \
  ПРОЧТИ.txt README.txt Modules Effects Tools
cp "$RELEASE/$NAME-setup.exe" "$OUT/"
rm -rf "$STAGE"
echo "[package] $OUT/$NAME.zip"
echo "[package] $OUT/$NAME-setup.exe"
LC_ALL=C.UTF-8 bsdtar -tf "$OUT/$NAME.zip"
