#!/bin/sh
# The desktop entry and icon the installer puts into the user's folders: both
# entries valid by the freedesktop rules, starting the program in its folder.
#   install_desktop_test.sh SOURCE_DIR ICON.png
set -eu
src=$1
icon=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/Games/Zembra"
XDG_DATA_HOME="$tmp/share" "$src/tools/install_desktop.sh" "$tmp/Games/Zembra" "$icon"
fail() { echo "FAIL: $*"; exit 1; }
for f in "$tmp/share/applications/zembra.desktop" "$tmp/Games/Zembra/zembra.desktop"; do
  [ -f "$f" ] || fail "$f missing"
  desktop-file-validate "$f" || fail "$f is not a valid desktop entry"
  grep -qx "Exec=\"$tmp/Games/Zembra/zembra\"" "$f" || fail "$f does not start the installed program"
  grep -qx "Path=$tmp/Games/Zembra" "$f" || fail "$f does not start in the program's folder"
done
grep -qx "Icon=zembra" "$tmp/share/applications/zembra.desktop" || fail "menu entry names no theme icon"
cmp -s "$icon" "$tmp/share/icons/hicolor/256x256/apps/zembra.png" || fail "icon not in the hicolor theme"
cmp -s "$icon" "$tmp/Games/Zembra/zembra.png" || fail "icon not beside the program"
# A second run replaces, it does not fail or leave temporary files.
XDG_DATA_HOME="$tmp/share" "$src/tools/install_desktop.sh" "$tmp/Games/Zembra" "$icon"
if find "$tmp" -name '*.new' | grep -q .; then fail "temporary files left"; fi
echo "desktop entry ok"
