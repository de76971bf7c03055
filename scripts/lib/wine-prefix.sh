#!/usr/bin/env bash
# Creates the project's Wine prefix once. Several test processes may ask at the same time, so
# the work is done under a lock and marked finished only at its end.
set -euo pipefail
source "$(dirname "$0")/env.sh"

ready=$WINEPREFIX/.sundrel-ready
[ -f "$ready" ] && exit 0
mkdir -p "$SUNDREL_BUILD"
exec 9>"$SUNDREL_BUILD/.wineprefix.lock"
flock 9
[ -f "$ready" ] && exit 0

rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 || true

reg_file=$(mktemp --suffix=.reg)
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
wine regedit "$reg_file" >/dev/null 2>&1
rm -f "$reg_file"

# Wine does not pick up its own Marlett by itself; the caption-button glyphs need it.
for f in /usr/share/wine/fonts/marlett.ttf /usr/lib/wine/fonts/marlett.ttf; do
  [ -f "$f" ] && cp "$f" "$WINEPREFIX/drive_c/windows/Fonts/" && break
done
wineserver -w
touch "$ready"
