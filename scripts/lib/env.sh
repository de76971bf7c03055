# Shared settings of the scripts; sourced, never run.
SUNDREL_TOP=${SUNDREL_TOP:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
SUNDREL_BUILD=${SUNDREL_BUILD:-$SUNDREL_TOP/build}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Debian's loaders. The `wine` command is no help here: it picks the 32-bit loader whenever that
# file is executable, even on a machine whose kernel refuses to run it.
SUNDREL_WINE32_LOADER=/usr/lib/wine/wine
SUNDREL_WINE64_LOADER=/usr/lib/wine/wine64

# The one answer to "can this machine run 32-bit x86 code?": yes when the 32-bit Wine loader
# starts. SUNDREL_RUN_32BIT=yes|no forces the answer (the scripts' own tests use it to play the
# other kind of machine). The answer is exported, so the scripts a script starts ask only once.
can_run_32bit() {
  if [ -z "${SUNDREL_RUN_32BIT:-}" ]; then
    if [ -x "$SUNDREL_WINE32_LOADER" ] && "$SUNDREL_WINE32_LOADER" --version >/dev/null 2>&1; then
      SUNDREL_RUN_32BIT=yes
    else
      SUNDREL_RUN_32BIT=no
    fi
    export SUNDREL_RUN_32BIT
  fi
  [ "$SUNDREL_RUN_32BIT" = yes ]
}

# The Windows architectures whose programs this machine runs: win64 always, win32 where it can.
runnable_wine_arches() {
  if can_run_32bit; then echo "win32 win64"; else echo "win64"; fi
}

# Points Wine at one architecture: its own prefix, loader and server. Each architecture has a
# prefix of its own, so the two builds never share (or confuse) one.
#   use_wine win32|win64
use_wine() {
  case "$1" in
    win32)
      export WINEARCH=win32 WINELOADER=$SUNDREL_WINE32_LOADER WINESERVER=/usr/lib/wine/wineserver32
      ;;
    win64)
      export WINEARCH=win64 WINELOADER=$SUNDREL_WINE64_LOADER WINESERVER=/usr/lib/wine/wineserver64
      ;;
    *)
      echo "use_wine: unknown architecture '$1' (win32 or win64)" >&2
      return 1
      ;;
  esac
  export WINEPREFIX=$SUNDREL_BUILD/wineprefix-$1
}
