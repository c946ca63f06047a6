#!/usr/bin/env bash
# Captures the configuration dialog in its three modes (creating, editing, locked) under
# Wine and saves the pictures as docs/dialog-<mode>.png. BUILD_DIR as for ./dev.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
KFWS_DIALOG_PICTURES="Z:$OUT" KFWS_TARGETS=dialog_picture_test "$ROOT/dev" test -R '^dialog_picture_test$'
mkdir -p "$ROOT/docs"
for mode in creating editing locked; do
  convert "$OUT/dialog-$mode.bmp" -strip "$ROOT/docs/dialog-$mode.png"
  echo "docs/dialog-$mode.png"
done
