#!/bin/sh
# Puts the game into the desktop's menu (freedesktop conventions, the
# user's own folders): an icon in the hicolor theme and a desktop entry that
# starts the program in its folder; a copy of the entry sits in the folder.
#
#   tools/install_desktop.sh FOLDER ICON.png
set -eu
folder=$1
icon=$2
data="${XDG_DATA_HOME:-${HOME:-/root}/.local/share}"
mkdir -p "$data/icons/hicolor/256x256/apps" "$data/applications"
cp "$icon" "$folder/zembra.png"
cp "$icon" "$data/icons/hicolor/256x256/apps/zembra.png.new"
mv -f "$data/icons/hicolor/256x256/apps/zembra.png.new" "$data/icons/hicolor/256x256/apps/zembra.png"

entry() {
  cat <<ENTRY
[Desktop Entry]
Type=Application
Version=1.4
Name=Zembra
GenericName=Card Game
GenericName[ru]=Карточная игра
GenericName[de]=Kartenspiel
GenericName[fr]=Jeu de cartes
GenericName[es]=Juego de cartas
GenericName[zh_CN]=纸牌游戏
GenericName[it]=Gioco di carte
GenericName[cs]=Karetní hra
GenericName[ja]=カードゲーム
GenericName[ko]=카드 게임
Comment=Two-handed trick-taking card game with 24 cards, trumps and marriages
Exec="$folder/zembra"
Path=$folder
Icon=$1
Terminal=false
Categories=Game;CardGame;
Keywords=cards;trumps;marriage;66;
StartupNotify=true
ENTRY
}
entry zembra >"$data/applications/zembra.desktop.new"
mv -f "$data/applications/zembra.desktop.new" "$data/applications/zembra.desktop"
# The copy in the folder names its icon by path: it works without the theme.
entry "$folder/zembra.png" >"$folder/zembra.desktop"
chmod +x "$folder/zembra.desktop"
if command -v update-desktop-database >/dev/null 2>&1; then
  update-desktop-database -q "$data/applications" 2>/dev/null || true
fi
