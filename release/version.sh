#!/bin/sh
# Prints the module's version, major.minor.patch.build, from the header the DLL's version
# resource is made from: the one place the number is kept.
header=${1:-$(dirname "$0")/../src/module/Version.h}
v=
for part in MAJOR MINOR PATCH BUILD; do
  n=$(sed -n "s/^#define KFWS_VERSION_$part  *\([0-9][0-9]*\).*/\1/p" "$header")
  [ -n "$n" ] || { echo "version.sh: no KFWS_VERSION_$part in $header" >&2; exit 1; }
  v=${v:+$v.}$n
done
echo "$v"
