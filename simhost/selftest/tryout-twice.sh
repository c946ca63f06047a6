#!/bin/sh
# The guide's try-out, run twice from each place the release puts simhost: the unpacked
# zip's Tools folder (the module in ..\Modules) and a simulator folder's
# Modules\KestrelFieldWorks\Tools (the simulator's Modules\KFWS_Airdrop.dll). Neither has a
# module of its own beside simhost. Every run passes, and the Tools folder (the program,
# the scenarios, the shipped example simulator folder) is byte for byte what it was before.
#   tryout-twice.sh SOURCE_ROOT BUILD_DIR EMULATOR
set -eu
ROOT=$1 BUILD_DIR=$2 EMULATOR=$3
WORK=$BUILD_DIR/tryout-twice
rm -rf "$WORK"
state() { (cd "$1" && find . -print0 | LC_ALL=C sort -z | xargs -0 ls -ld --time-style=+ | awk '{$2=""; print}'; \
           find . -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum); }
for layout in zip/Tools sim/Modules/KestrelFieldWorks/Tools; do
  TOOLS=$WORK/$layout
  top=$WORK/${layout%%/*}
  mkdir -p "$TOOLS/scenarios" "$top/Modules"
  cp "$BUILD_DIR/simhost.exe" "$TOOLS/"
  cp "$BUILD_DIR/KFWS_Airdrop.dll" "$top/Modules/"
  cp "$ROOT/simhost/scenarios/demo.script" "$TOOLS/scenarios/"
  "$ROOT/tools/simulator-copy.sh" "$ROOT/examples/simulator" "$TOOLS/simulator" --unconfigured
  state "$TOOLS" >"$WORK/before.txt"
  for run in 1 2; do
    (cd "$TOOLS" && "$EMULATOR" simhost.exe --simulator simulator --script 'scenarios\demo.script') >"$WORK/run$run.txt" 2>&1 ||
      { tail -20 "$WORK/run$run.txt"; echo "$layout: run $run failed"; exit 1; }
    state "$TOOLS" >"$WORK/after$run.txt"
    diff "$WORK/before.txt" "$WORK/after$run.txt" || { echo "$layout: run $run changed the Tools folder"; exit 1; }
    grep -h "scenario passed" "$WORK/run$run.txt" | sed "s|^|$layout: |"
  done
done
