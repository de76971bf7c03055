# Shared settings of the scripts; sourced, never run.
SUNDREL_TOP=${SUNDREL_TOP:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
SUNDREL_BUILD=${SUNDREL_BUILD:-$SUNDREL_TOP/build}
# What outlives one checkout, so that another clone of the project on this machine starts warm:
# the compiler cache, the Windows libraries built from Debian's sources, the first Wine prefix.
SUNDREL_CACHE=${SUNDREL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/sundrel}
export CCACHE_DIR=${CCACHE_DIR:-$SUNDREL_CACHE/ccache}
# Paths inside the checkout are hashed relative to it, so the same commit cloned into another
# folder hits the cache; the debug trees' working folder is left out of the hash for the same reason.
export CCACHE_BASEDIR=$SUNDREL_TOP CCACHE_NOHASHDIR=1
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-8G}
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
# prefix of its own, so the two builds never share (or confuse) one. Tests that run side by side
# each take a slot, and every slot past the first has a prefix (so a server and a desktop) of its own.
#   use_wine win32|win64 [slot]
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
  local slot=${2:-0}
  if [ "$slot" = 0 ]; then
    export WINEPREFIX=$SUNDREL_BUILD/wineprefix-$1
  else
    export WINEPREFIX=$SUNDREL_BUILD/wineprefix-$1-slot$slot
  fi
}

# Where the Windows libraries cross-built from Debian's sources live: a folder of the user's
# cache named after everything that decides their build (the scripts, the toolchain files and the
# cross compilers' versions), so every clone of the same setup shares one build of them.
deps_root() {
  local key
  key=$({
    cat "$SUNDREL_TOP"/scripts/lib/build-mingw-*.sh "$SUNDREL_TOP"/scripts/lib/debian-source.sh \
      "$SUNDREL_TOP"/cmake/mingw-*.cmake
    dpkg-query -W gcc-mingw-w64-i686-posix gcc-mingw-w64-x86-64-posix 2>/dev/null
  } | sha256sum | cut -c1-12)
  echo "$SUNDREL_CACHE/deps-$key"
}
