#!/usr/bin/env bash
# Creates the project's Wine prefix of one architecture once, with the settings that the program
# and its tests need. Several test processes may ask at the same time, so the work is done under
# a lock and marked finished only at its end.
#   wine-prefix.sh win32|win64
set -euo pipefail
source "$(dirname "$0")/env.sh"
use_wine "${1:?usage: wine-prefix.sh win32|win64}"

ready=$WINEPREFIX/.sundrel-ready
[ -f "$ready" ] && exit 0
mkdir -p "$SUNDREL_BUILD"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$ready" ] && exit 0

rm -rf "$WINEPREFIX"
"$WINELOADER" wineboot -i >/dev/null 2>&1 || true

reg_file=$(mktemp --suffix=.reg)
trap 'rm -f "$reg_file"' EXIT
cat >"$reg_file" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"MS Sans Serif"="WenQuanYi Micro Hei"
"MS Shell Dlg"="WenQuanYi Micro Hei"
"MS Shell Dlg 2"="WenQuanYi Micro Hei"
"Tahoma"="WenQuanYi Micro Hei"
REG
"$WINELOADER" regedit "$reg_file" >/dev/null 2>&1

# Wine does not pick up its own Marlett by itself; the caption-button glyphs need it.
for f in /usr/share/wine/fonts/marlett.ttf /usr/lib/wine/fonts/marlett.ttf; do
  [ -f "$f" ] && cp "$f" "$WINEPREFIX/drive_c/windows/Fonts/" && break
done
"$WINESERVER" -w
if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg"; then
  echo "wine-prefix: the settings did not reach $WINEPREFIX" >&2
  exit 1
fi
touch "$ready"
