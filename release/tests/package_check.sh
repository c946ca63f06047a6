#!/bin/sh
# Makes the release zip into a scratch folder with tools/package.sh and checks what a
# pilot unpacks: the notes at the top (UTF-8 with a byte-order mark, CRLF, the version),
# the simulator's folders with the module, effects, bitmaps and guides, the makers' tools
# in the top folder Tools and no second copy of the module anywhere, every link and
# picture of the guides' pages found inside the zip, and the setup program beside the zip.
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
    Tools/simhost.exe Tools/scenarios/demo.script Tools/simulator/Aircraft/; do
  printf '%s\n' "$list" | grep -qxF "$entry" || fail "missing $entry"
done
# Nothing may land in the configuration folder: a manual copy would overwrite a pilot's file.
if printf '%s\n' "$list" | grep -q '^Modules/KestrelFieldWorks/KFWS_Airdrop/.'; then fail "a file in KFWS_Airdrop/"; fi
# Only the notes and the folders a manual installation copies, and Tools, at the top; one
# module, the one the simulator loads (simhost uses it too).
other=$(printf '%s\n' "$list" | grep -v -e '^ПРОЧТИ\.txt$' -e '^README\.txt$' -e '^Modules/' -e '^Effects/' -e '^Tools/' || true)
[ -z "$other" ] || fail "unexpected at the top: $other"
dlls=$(printf '%s\n' "$list" | grep -i '\.dll$' | grep -vxF Modules/KFWS_Airdrop.dll || true)
[ -z "$dlls" ] || fail "a second module or another DLL: $dlls"
# Every link and picture of the guides' pages is a file inside the zip (with the heading an
# #anchor names); only links to the web may lead outside.
mkdir "$OUT/unpacked"
LC_ALL=C.UTF-8 bsdtar -xf "$ZIP" -C "$OUT/unpacked"
python3 - "$OUT/unpacked" <<'EOF_PY' || fail "a link of the guides leads nowhere"
import html.parser, os, re, sys, urllib.parse
top = os.path.realpath(sys.argv[1])
class Page(html.parser.HTMLParser):
    def __init__(self, path):
        super().__init__()
        self.ids, self.refs = set(), []
        with open(path, encoding="utf-8") as f:
            self.feed(f.read())
    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if attrs.get("id"):
            self.ids.add(attrs["id"])
        for name in ("href", "src"):
            if attrs.get(name) is not None:
                self.refs.append((tag, attrs[name]))
pages, broken = {}, []
def page(path):
    if path not in pages:
        pages[path] = Page(path)
    return pages[path]
for folder, _, files in os.walk(top):
    for name in files:
        if not name.endswith(".html"):
            continue
        here = os.path.join(folder, name)
        for tag, ref in page(here).refs:
            if re.match(r"^(https?|mailto):", ref):
                continue
            path, _, fragment = ref.partition("#")
            target = os.path.realpath(os.path.join(folder, urllib.parse.unquote(path))) if path else here
            where = "%s: <%s> %s" % (os.path.relpath(here, top), tag, ref)
            if not (target == top or target.startswith(top + os.sep)) or not os.path.isfile(target):
                broken.append(where + ": no such file in the zip")
            elif fragment and target.endswith(".html") and urllib.parse.unquote(fragment) not in page(target).ids:
                broken.append(where + ": no such heading")
for line in broken:
    print("package_check: " + line, file=sys.stderr)
sys.exit(1 if broken else 0)
EOF_PY
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
