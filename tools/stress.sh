#!/usr/bin/env bash
# The long reliability runs: every reliability_*_test program of the build folder under
# Wine (the display and the Wine prefix come from ./dev stress) with its long size, then
# the figures they printed. ./dev test runs the same programs with their bounded sizes.
#
#   tools/stress.sh BUILD_DIR [--scale N] [--seed S] [--only NAME]
#
# --scale N multiplies the long sizes (default 1: a million texts, 5 000 configuration
# files, 100 000 keystrokes, 2 000 storm sequences, 1 000 dialogs and drops, 10 000
# paints, 4 000 aircraft packages and a 256 MB aircraft.cfg); --seed S replaces every program's fixed seed; --only NAME runs one program
# (e.g. --only keys). The figures also go to BUILD_DIR/stress-figures.txt.
# Exit status 0 only when every program passed.
set -uo pipefail

BUILD_DIR=${1:?usage: tools/stress.sh BUILD_DIR [--scale N] [--seed S] [--only NAME]}
shift
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SCALE=1
ONLY=
unset KFWS_STRESS_SEED
while [ $# -gt 0 ]; do
  case "$1" in
    --scale) SCALE=${2:?}; shift 2 ;;
    --seed) export KFWS_STRESS_SEED=${2:?}; shift 2 ;;
    --only) ONLY=${2:?}; shift 2 ;;
    *) echo "tools/stress.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done
export KFWS_STRESS_SCALE=$SCALE

programs=()
for program in "$BUILD_DIR"/reliability_*_test.exe; do
  [ -e "$program" ] || continue
  name=$(basename "$program" .exe)
  name=${name#reliability_}
  name=${name%_test}
  if [ -z "$ONLY" ] || [ "$ONLY" = "$name" ]; then programs+=("$program"); fi
done
if [ ${#programs[@]} -eq 0 ]; then
  echo "tools/stress.sh: no reliability programs in $BUILD_DIR (build first)" >&2
  exit 2
fi

FIGURES=$BUILD_DIR/stress-figures.txt
LOGS=$BUILD_DIR/stress-logs
mkdir -p "$LOGS"
{
  echo "Long reliability run, $(date -u '+%Y-%m-%d %H:%M UTC'), scale $SCALE, seed ${KFWS_STRESS_SEED:-fixed}"
  echo "$(wine --version 2>/dev/null), $(uname -m), $(nproc) cores"
} > "$FIGURES"

status=0
summary=()
for program in "${programs[@]}"; do
  name=$(basename "$program" .exe)
  log=$LOGS/$name.log
  printf '[stress] %s ... ' "$name" >&2
  start=$(date +%s)
  (cd "$BUILD_DIR" && "$ROOT/cmake/wine-run.sh" "$program") >"$log" 2>&1
  result=$?
  seconds=$(( $(date +%s) - start ))
  if [ $result -eq 0 ]; then verdict=passed; else verdict=FAILED; status=1; fi
  printf '%s in %d s\n' "$verdict" "$seconds" >&2
  summary+=("$(printf '%-28s %-7s %5d s' "$name" "$verdict" "$seconds")")
  grep -a '^FIGURE ' "$log" | sed 's/^FIGURE /  /' | tee -a "$FIGURES"
  if [ $result -ne 0 ]; then
    grep -a -E 'Failure|FATAL|^  ' "$log" | head -40
    echo "  (whole output: $log)"
  fi
done

echo
echo "Programs (scale $SCALE):"
printf '  %s\n' "${summary[@]}" | tee -a "$FIGURES"
echo "Figures written to $FIGURES"
exit $status
