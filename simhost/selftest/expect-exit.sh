#!/bin/sh
# Runs a command and passes when it ends with the expected exit code and printed the
# expected text: simhost's exit codes are what make scenarios usable as tests.
#   expect-exit.sh CODE TEXT COMMAND...
want=$1
text=$2
shift 2
output=$("$@" 2>&1)
got=$?
printf '%s\n' "$output"
if [ "$got" -ne "$want" ]; then
  echo "expected exit code $want, got $got"
  exit 1
fi
if ! printf '%s\n' "$output" | grep -qF -- "$text"; then
  echo "expected the output to hold: $text"
  exit 1
fi
exit 0
