#!/usr/bin/env bash
# Makes the project's Wine prefix of one architecture (and test slot) ready, with the settings
# that the program and its tests need. The prefix is made once per machine, as a template in the
# user's cache named after this script and Wine's version, and copied into the build folder for
# each slot: a copy takes under a second, booting a prefix far longer. Several test processes may
# ask at the same time, so each step is done under a lock and marked finished only at its end.
#   wine-prefix.sh win32|win64 [slot]
set -euo pipefail
source "$(dirname "$0")/env.sh"
arch=${1:?usage: wine-prefix.sh win32|win64 [slot]}
use_wine "$arch" "${2:-0}"

ready=$WINEPREFIX/.sundrel-ready
[ -f "$ready" ] && exit 0
slot_prefix=$WINEPREFIX

key=$({ cat "$0"; "$WINELOADER" --version; } | sha256sum | cut -c1-12)
template=$SUNDREL_CACHE/wineprefix-$arch-$key
mkdir -p "$SUNDREL_CACHE"
(
  flock 9
  [ -f "$template/.sundrel-ready" ] && exit 0
  export WINEPREFIX=$template
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
  # The server writes the registry out when it ends; the template is copied only after that.
  "$WINESERVER" -w
  if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg"; then
    echo "wine-prefix: the settings did not reach $WINEPREFIX" >&2
    exit 1
  fi
  touch "$WINEPREFIX/.sundrel-ready"
) 9>"$template.lock"

mkdir -p "$SUNDREL_BUILD"
exec 9>"$slot_prefix.lock"
flock 9
[ -f "$ready" ] && exit 0
rm -rf "$slot_prefix" "$slot_prefix.copy"
cp -a "$template" "$slot_prefix.copy"
mv "$slot_prefix.copy" "$slot_prefix"
