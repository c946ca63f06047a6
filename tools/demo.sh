#!/usr/bin/env bash
# The module's main job in the stand-in simulator, for a newcomer to follow: runs the
# demo scenario on a copy of the example simulator folder (choose the transport, configure
# it through the dialog, load, drop, status report, cargo, emergency unload) and leaves its
# transcript, the simulator folder with the configuration file it made and PNG pictures of
# the host window and the dialog in out/demo/.
# Called by ./dev demo with the build folder; ./dev has started the display and Wine.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${1:?usage: tools/demo.sh BUILD_DIR}
OUT=$ROOT/out/demo

rm -rf "$OUT"
mkdir -p "$OUT"
"$ROOT/tools/simulator-copy.sh" "$ROOT/examples/simulator" "$OUT/simulator" --unconfigured
cd "$OUT"
status=0
"$ROOT/cmake/wine-run.sh" "$BUILD_DIR/simhost.exe" \
  --simulator "$OUT/simulator" --in-place \
  --script "$ROOT/simhost/scenarios/demo.script" \
  --out "$OUT" --transcript "$OUT/transcript.txt" || status=$?

# The pictures are written uncompressed; ImageMagick, where present, packs them smaller.
if convert -version 2>/dev/null | grep -q ImageMagick; then
  for picture in "$OUT"/*.png; do
    convert "$picture" -strip -define png:compression-level=9 "$picture.tmp" && mv "$picture.tmp" "$picture"
  done
fi

echo
echo "[demo] transcript:  $OUT/transcript.txt"
echo "[demo] pictures:    $(cd "$OUT" && ls -1 ./*.png | tr '\n' ' ')"
echo "[demo] config file: $OUT/simulator/Modules/KestrelFieldWorks/KFWS_Airdrop/"
echo "[demo] everything is in $OUT"
exit "$status"
