#!/usr/bin/env bash
# Makes the release zip in out/package/: the module, the stand-in simulator with its
# example aircraft and demo scenario, an example configuration file and the user guide
# in Russian and English. Called by ./dev package with the build folder.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${1:?usage: tools/package.sh BUILD_DIR}
VERSION=1.0.0.377
NAME=KFWS_Airdrop-$VERSION
STAGE=$ROOT/out/package/$NAME
ZIP=$ROOT/out/package/$NAME.zip

for built in KFWS_Airdrop.dll simhost.exe; do
  [ -f "$BUILD_DIR/$built" ] || { echo "[package] $BUILD_DIR/$built is missing: build first" >&2; exit 1; }
done

rm -rf "$STAGE" "$ZIP"
mkdir -p "$STAGE/Modules/KestrelFieldWorks/KFWS_Airdrop" "$STAGE/simhost/aircraft"
# What goes into the simulator's folder.
cp "$BUILD_DIR/KFWS_Airdrop.dll" "$STAGE/Modules/"
cp "$ROOT/examples/Modules/KestrelFieldWorks/KFWS_Airdrop/"*.cfg "$STAGE/Modules/KestrelFieldWorks/KFWS_Airdrop/"
# The stand-in simulator finds the module beside itself.
cp "$BUILD_DIR/simhost.exe" "$BUILD_DIR/KFWS_Airdrop.dll" "$STAGE/simhost/"
cp "$ROOT/examples/aircraft/"*.aircraft "$STAGE/simhost/aircraft/"
cp "$ROOT/simhost/scenarios/demo.script" "$STAGE/simhost/"
cp "$ROOT/docs/user-guide.ru.md" "$STAGE/USER-GUIDE.ru.md"
cp "$ROOT/docs/user-guide.en.md" "$STAGE/USER-GUIDE.en.md"

# Text files get Windows line ends, for Notepad.
find "$STAGE" \( -name '*.md' -o -name '*.aircraft' -o -name '*.script' \) -print0 |
  while IFS= read -r -d '' text; do sed -i 's/\r\?$/\r/' "$text"; done

(cd "$ROOT/out/package" && zip -q -r -X "$NAME.zip" "$NAME")
echo "[package] $ZIP"
(cd "$ROOT/out/package" && zip -sf "$NAME.zip")
