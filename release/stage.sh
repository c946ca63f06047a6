#!/usr/bin/env bash
# Lays out the release as it lands in the simulator's folder, for the installer and the
# zip alike, and writes the installer's file lists from that layout:
#   OUT/stage/main   the module, the effect files and bitmaps, the guides (HTML) with
#                    their pictures and the example configuration file
#   OUT/stage/tools  simhost (without a module of its own: it loads the simulator's
#                    Modules\KFWS_Airdrop.dll), the example aircraft, the example simulator
#                    folder and the scenarios, under Modules/KestrelFieldWorks/Tools as the
#                    installer puts them (the zip carries that folder as a top folder Tools)
#   OUT/nsis/<part>-install.nsh, -delete.nsh, -rmdir.nsh   one line per folder or file
# Usage: release/stage.sh SOURCE_ROOT BUILD_DIR OUT
set -euo pipefail

ROOT=$1 BUILD_DIR=$2 OUT=$3
VERSION=$("$ROOT/release/version.sh" "$ROOT/src/module/Version.h")
MAIN=$OUT/stage/main TOOLS=$OUT/stage/tools NSIS=$OUT/nsis
KFW=Modules/KestrelFieldWorks

for built in KFWS_Airdrop.dll simhost.exe; do
  [ -f "$BUILD_DIR/$built" ] || { echo "stage.sh: $BUILD_DIR/$built is missing" >&2; exit 1; }
done
rm -rf "$OUT/stage" "$NSIS"
mkdir -p "$MAIN/Effects/Texture" "$MAIN/$KFW/Docs" "$MAIN/$KFW/KFWS_Airdrop" "$TOOLS/$KFW/Tools/aircraft" \
  "$TOOLS/$KFW/Tools/scenarios" "$NSIS"

crlf() { sed 's/\r\?$/\r/' "$1" >"$2"; }

# The simulator's side: module, effects, bitmaps.
cp "$BUILD_DIR/KFWS_Airdrop.dll" "$MAIN/Modules/"
for fx in "$ROOT"/release/effects/*.fx; do crlf "$fx" "$MAIN/Effects/$(basename "$fx")"; done
python3 "$ROOT/release/make_textures.py" "$MAIN/Effects/Texture"

# The guides as HTML pages, with the pictures they show, and the example configuration.
# --unsafe keeps the guides' own anchors (<a id="..."></a> in headings), which their links
# point at: cmark-gfm gives headings no ids of its own.
for lang in ru en; do
  md=$ROOT/docs/user-guide.$lang.md
  title=$(sed -n '1s/^# *//p' "$md" | sed "s/^KFWS_Airdrop /KFWS_Airdrop $VERSION /")
  {
    printf '<!DOCTYPE html>\n<html lang="%s">\n<head>\n<meta charset="utf-8">\n' "$lang"
    printf '<title>%s</title>\n' "$title"
    cat "$ROOT/release/text/guide-style.html"
    printf '</head>\n<body>\n'
    cmark-gfm --unsafe --extension table --extension autolink "$md" |
      sed -e "1s|^<h1>KFWS_Airdrop |<h1>KFWS_Airdrop $VERSION |"
    printf '</body>\n</html>\n'
  } >"$MAIN/$KFW/Docs/user-guide.$lang.html"
  { grep -o '!\[[^]]*\]([^)]*)' "$md" || true; } | sed 's/.*](\([^)]*\))/\1/' | while read -r pic; do
    case "$pic" in /*|*..*|*://*) echo "stage.sh: picture outside docs/: $pic" >&2; exit 1 ;; esac
    mkdir -p "$MAIN/$KFW/Docs/$(dirname "$pic")"
    cp "$ROOT/docs/$pic" "$MAIN/$KFW/Docs/$pic"
  done
done
cp "$ROOT/examples/Modules/KestrelFieldWorks/KFWS_Airdrop/"*.cfg "$MAIN/$KFW/Docs/"
# Headings with ids, links to the pages as shipped, none to files that are not.
python3 "$ROOT/release/guide_html.py" "$MAIN/$KFW/Docs"

# The tools for aircraft makers; simhost uses the simulator's module, no copy of its own.
cp "$BUILD_DIR/simhost.exe" "$TOOLS/$KFW/Tools/"
for f in "$ROOT"/examples/aircraft/*.aircraft; do crlf "$f" "$TOOLS/$KFW/Tools/aircraft/$(basename "$f")"; done
for f in "$ROOT"/simhost/scenarios/*.script; do crlf "$f" "$TOOLS/$KFW/Tools/scenarios/$(basename "$f")"; done
"$ROOT/tools/simulator-copy.sh" "$ROOT/examples/simulator" "$TOOLS/$KFW/Tools/simulator" --unconfigured

# The installer's lists, from the layout: <part>-install.nsh creates each folder (parents
# first) through KFWS_MakeDir, which notes the folders it creates, then writes each file
# through KFWS_Put with the CRC-32 of its bytes, which the installer records; <part>-delete.nsh
# removes exactly those files through KFWS_Remove (only while still as installed) and
# <part>-rmdir.nsh the folders (children first) through KFWS_RemoveDirIfMade.
nsis_path() { sed -e 's/\$/$$/g' -e 's|/|\\|g'; }
for part in main tools; do
  src=$OUT/stage/$part
  (cd "$src" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort) >"$NSIS/$part.dirs"
  (cd "$src" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$NSIS/$part.files"
  {
    nsis_path <"$NSIS/$part.dirs" | sed 's|.*|!insertmacro KFWS_MakeDir "&"|'
    while read -r f; do
      crc=$(python3 -c 'import sys, zlib; print("%08X" % zlib.crc32(open(sys.argv[1], "rb").read()))' "$src/$f")
      printf '!insertmacro KFWS_Put "%s" "%s" "%s" "%s"\n' "$(dirname "$f" | nsis_path)" \
        "$(printf '%s' "$src/$f" | sed 's/\$/$$/g')" "$crc" "$(printf '%s' "$f" | nsis_path)"
    done <"$NSIS/$part.files"
  } >"$NSIS/$part-install.nsh"
  nsis_path <"$NSIS/$part.files" | sed 's|.*|!insertmacro KFWS_Remove "&"|' >"$NSIS/$part-delete.nsh"
  LC_ALL=C sort -r "$NSIS/$part.dirs" | nsis_path |
    sed 's|.*|!insertmacro KFWS_RemoveDirIfMade "&"|' >"$NSIS/$part-rmdir.nsh"
done
echo "$VERSION" >"$OUT/version.txt"
