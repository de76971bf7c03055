#!/usr/bin/env bash
# Checks of the scripts' own decisions: which source entries setup derives from a machine's apt
# sources, that the 32-bit probe's answer can be forced (to play the other kind of machine), that
# every Windows test's Wine bound lies inside its ctest timeout, and that Windows programs run side
# by side never share a Wine prefix or display.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
source "$top/scripts/lib/env.sh"
passed=0
failed=0

check() {
  local name=$1 expected=$2 actual=$3
  if [ "$expected" = "$actual" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED %s\n  expected: %s\n  actual:   %s\n' "$name" "$expected" "$actual"
  fi
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# --- deb-src entries follow the machine's own Debian entries, and only those
mkdir -p "$scratch/apt/sources.list.d"
echo "VERSION_CODENAME=bookworm" >"$scratch/os-release"
cat >"$scratch/apt/sources.list" <<'LIST'
# deb http://commented.invalid/debian bookworm main
deb http://mirror.invalid/debian bookworm main contrib
deb [arch=amd64 signed-by=/k.gpg] http://mirror.invalid/security bookworm-security main
deb http://vendor.invalid/apt cloud-sdk-bookworm main
deb-src http://mirror.invalid/debian bookworm main
LIST
cat >"$scratch/apt/sources.list.d/debian.sources" <<'SOURCES'
Types: deb deb-src
URIs: http://a.invalid/debian http://b.invalid/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
Enabled: no
URIs: http://disabled.invalid/debian
Suites: bookworm
Components: main

Types: deb
URIs: http://vendor.invalid/node
Suites: nodistro
Components: main
SOURCES
expected=$(cat <<'EXPECTED'
deb-src http://mirror.invalid/debian bookworm main contrib
deb-src [arch=amd64 signed-by=/k.gpg] http://mirror.invalid/security bookworm-security main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://a.invalid/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://a.invalid/debian bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://b.invalid/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://b.invalid/debian bookworm-updates main
EXPECTED
)
check "deb-src entries from one-line and deb822 sources" "$expected" \
  "$(SUNDREL_OS_RELEASE="$scratch/os-release" "$top/scripts/lib/deb-src-entries.sh" "$scratch/apt")"
rm "$scratch/apt/sources.list" "$scratch/apt/sources.list.d/debian.sources"
check "no Debian entries, no source entries" "" \
  "$(SUNDREL_OS_RELEASE="$scratch/os-release" "$top/scripts/lib/deb-src-entries.sh" "$scratch/apt")"

# --- the 32-bit probe: forced answers, and the real one agrees with the loader
check "forced no: only the 64-bit programs run" "win64" "$(SUNDREL_RUN_32BIT=no runnable_wine_arches)"
check "forced yes: both run" "win32 win64" "$(SUNDREL_RUN_32BIT=yes runnable_wine_arches)"
if "$SUNDREL_WINE32_LOADER" --version >/dev/null 2>&1; then real=yes; else real=no; fi
check "the probe asks the 32-bit loader" "$real" "$(unset SUNDREL_RUN_32BIT; can_run_32bit && echo yes || echo no)"
check "each architecture has its own prefix" "$SUNDREL_BUILD/wineprefix-win32 $SUNDREL_BUILD/wineprefix-win64" \
  "$(use_wine win32 && echo "$WINEPREFIX") $(use_wine win64 && echo "$WINEPREFIX")"

# --- the Wine wrapper stops a hung test before ctest does, so its log is printed
for tree in win32 win64; do
  [ -d "$SUNDREL_BUILD/$tree" ] || continue
  inside=$(ctest --test-dir "$SUNDREL_BUILD/$tree" --show-only=json-v1 | awk '
    /"name" : "ENVIRONMENT"/ { env = 1 }
    env && /SUNDREL_WINE_TIMEOUT=/ { match($0, /SUNDREL_WINE_TIMEOUT=[0-9]+/); bound = substr($0, RSTART + 21, RLENGTH - 21); env = 0 }
    /"name" : "TIMEOUT"/ { timeout_next = 1; next }
    timeout_next && /"value"/ { gsub(/[^0-9.]/, ""); timeout = $0; timeout_next = 0 }
    timeout != "" && bound != "" { tests++; if (bound + 0 >= timeout + 0) bad++; timeout = bound = "" }
    END { print (tests > 0 && bad == 0) ? "yes" : "no (" tests " tests, " bad + 0 " bounds outside)" }')
  check "$tree: every Wine bound lies inside its ctest timeout" "yes" "$inside"
done

# --- Windows programs run side by side each get a slot of their own: prefix and display
slot_of() {
  "$top/scripts/lib/wine-run" win64 cmd /c 'echo %WINEPREFIX% %DISPLAY%' | tr -d '\r'
}
(
  export SUNDREL_BUILD=$scratch/build
  source "$top/scripts/lib/xvfb.sh"
  trap 'stop_xvfb; for s in 0 1; do (use_wine win64 "$s" && "$WINESERVER" -k 2>/dev/null); done' EXIT
  start_xvfb_slots 2
  read -r first second <<<"$SUNDREL_WINE_DISPLAYS"
  check "a lone program takes the first slot" "$SUNDREL_BUILD/wineprefix-win64 $first" "$(slot_of)"
  mkdir -p "$SUNDREL_BUILD"
  exec 6>"$SUNDREL_BUILD/wine-slot-win64-0.lock"
  flock 6
  check "beside a running one, a program takes the next slot" "$SUNDREL_BUILD/wineprefix-win64-slot1 $second" "$(slot_of)"
  exec 6>&-
  echo "$passed $failed" >"$scratch/slot-counts"
)
read -r passed failed <"$scratch/slot-counts" || failed=$((failed + 1))

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
