#!/usr/bin/env bash
# Makes a working copy of a simulator folder (the example one, examples/simulator, for the
# demo and the scenarios) with the release's own effect files and bitmaps installed into
# its Effects folder, as a pilot's simulator has them after the install. --unconfigured
# leaves out the configuration files, for a run that configures its aircraft itself.
# Usage: tools/simulator-copy.sh SOURCE DEST [--unconfigured]
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
SOURCE=${1:?usage: tools/simulator-copy.sh SOURCE DEST [--unconfigured]}
DEST=${2:?usage: tools/simulator-copy.sh SOURCE DEST [--unconfigured]}

rm -rf "$DEST"
mkdir -p "$DEST"
cp -R "$SOURCE/." "$DEST"
if [ "${3:-}" = --unconfigured ]; then
  rm -rf "$DEST/Modules/KestrelFieldWorks/KFWS_Airdrop"
  rmdir "$DEST/Modules/KestrelFieldWorks" "$DEST/Modules" 2>/dev/null || true
fi
mkdir -p "$DEST/Effects/Texture"
for fx in "$ROOT"/release/effects/*.fx; do
  sed 's/\r\?$/\r/' "$fx" >"$DEST/Effects/$(basename "$fx")"
done
python3 "$ROOT/release/make_textures.py" "$DEST/Effects/Texture"
