#!/usr/bin/env bash
# Creates the Wine prefix once (about 15 s) and reuses it afterwards.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.dez-ready-2" ] && exit 0
rm -rf "$WINEPREFIX"
wine64 wineboot -i </dev/null >/dev/null 2>&1 || true
wineserver -w
[ -d "$WINEPREFIX/drive_c/windows" ] || { echo "prefix.sh: wineboot did not create $WINEPREFIX" >&2; exit 1; }
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
for f in /usr/share/fonts/truetype/liberation/*.ttf; do
  [ -f "$f" ] && cp "$f" "$WINEPREFIX/drive_c/windows/Fonts/"
done
reg=$(mktemp --suffix=.reg)
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Tahoma"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"

; Xvfb has no window manager: a managed window that hides waits 2 s for one.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
wine64 regedit /S "$(winepath -w "$reg" 2>/dev/null || echo "Z:$reg")" </dev/null >/dev/null 2>&1 || true
wineserver -w
rm -f "$reg"
touch "$WINEPREFIX/.dez-ready-2"
