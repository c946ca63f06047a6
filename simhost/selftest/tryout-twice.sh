#!/bin/sh
# The guide's try-out, run twice from the release's Tools folder: both runs pass, and the
# Tools folder (the program, the scenarios, the shipped example simulator folder) is
# byte for byte what it was before.
#   tryout-twice.sh SOURCE_ROOT BUILD_DIR EMULATOR
set -eu
ROOT=$1 BUILD_DIR=$2 EMULATOR=$3
WORK=$BUILD_DIR/tryout-twice
TOOLS=$WORK/Modules/KestrelFieldWorks/Tools
rm -rf "$WORK"
mkdir -p "$TOOLS/scenarios"
cp "$BUILD_DIR/simhost.exe" "$BUILD_DIR/KFWS_Airdrop.dll" "$TOOLS/"
cp "$ROOT/simhost/scenarios/demo.script" "$TOOLS/scenarios/"
"$ROOT/tools/simulator-copy.sh" "$ROOT/examples/simulator" "$TOOLS/simulator" --unconfigured
state() { (cd "$TOOLS" && find . -print0 | LC_ALL=C sort -z | xargs -0 ls -ld --time-style=+ | awk '{$2=""; print}'; \
           find . -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum); }
state >"$WORK/before.txt"
for run in 1 2; do
  (cd "$TOOLS" && "$EMULATOR" simhost.exe --simulator simulator --script 'scenarios\demo.script') >"$WORK/run$run.txt" 2>&1 ||
    { tail -20 "$WORK/run$run.txt"; echo "run $run failed"; exit 1; }
  state >"$WORK/after$run.txt"
  diff "$WORK/before.txt" "$WORK/after$run.txt" || { echo "run $run changed the Tools folder"; exit 1; }
done
grep -h "scenario passed" "$WORK/run1.txt" "$WORK/run2.txt"
