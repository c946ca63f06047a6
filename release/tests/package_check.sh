#!/bin/sh
# Makes the release zip into a scratch folder with tools/package.sh and checks what a
# pilot unpacks: the notes at the top (UTF-8 with a byte-order mark, CRLF, the version),
# the simulator's folders with the module, effects, bitmaps and guides, simhost under
# Tools, and the setup program beside the zip.
# Usage: package_check.sh SOURCE_ROOT BUILD_DIR
set -eu
ROOT=$1 BUILD_DIR=$2
VERSION=$("$ROOT/release/version.sh")
OUT=$BUILD_DIR/release/package-check
rm -rf "$OUT"
KFWS_PACKAGE_OUT=$OUT "$ROOT/tools/package.sh" "$BUILD_DIR" >/dev/null
ZIP=$OUT/KFWS_Airdrop-$VERSION.zip
fail() { echo "package_check: $*" >&2; exit 1; }
[ -f "$OUT/KFWS_Airdrop-$VERSION-setup.exe" ] || fail "no setup program beside the zip"
list=$(LC_ALL=C.UTF-8 bsdtar -tf "$ZIP")
for entry in ПРОЧТИ.txt README.txt Modules/KFWS_Airdrop.dll Effects/fx_KFWS_Desant.fx \
    Effects/fx_KFWS_Cargo.fx Effects/fx_KFWS_Fire.fx Effects/Texture/fx_KFWS_Canopy.bmp \
    Modules/KestrelFieldWorks/Docs/user-guide.ru.html Modules/KestrelFieldWorks/Docs/user-guide.en.html \
    "Modules/KestrelFieldWorks/Docs/Trainer 1.cfg" Modules/KestrelFieldWorks/KFWS_Airdrop/ \
    Modules/KestrelFieldWorks/Tools/simhost.exe Modules/KestrelFieldWorks/Tools/KFWS_Airdrop.dll; do
  printf '%s\n' "$list" | grep -qxF "$entry" || fail "missing $entry"
done
# Nothing may land in the configuration folder: a manual copy would overwrite a pilot's file.
if printf '%s\n' "$list" | grep -q '^Modules/KestrelFieldWorks/KFWS_Airdrop/.'; then fail "a file in KFWS_Airdrop/"; fi
for note in ПРОЧТИ.txt README.txt; do
  text=$(LC_ALL=C.UTF-8 bsdtar -xOf "$ZIP" "$note" | od -An -tx1 | tr -d ' \n')
  case "$text" in efbbbf*) ;; *) fail "$note has no byte-order mark" ;; esac
  lf=$(LC_ALL=C.UTF-8 bsdtar -xOf "$ZIP" "$note" | tr -cd '\n' | wc -c)
  crlf=$(LC_ALL=C.UTF-8 bsdtar -xOf "$ZIP" "$note" | grep -c "$(printf '\r')\$" || true)
  [ "$lf" -gt 0 ] && [ "$lf" -eq "$crlf" ] || fail "$note: $crlf of $lf lines end in CRLF"
  LC_ALL=C.UTF-8 bsdtar -xOf "$ZIP" "$note" | grep -q "KFWS_Airdrop-$VERSION-setup.exe" || fail "$note lacks the version"
done
rm -rf "$OUT"
echo "package_check: $ZIP as expected"
