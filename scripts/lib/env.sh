# Shared settings of the scripts; sourced, never run.
SUNDREL_TOP=${SUNDREL_TOP:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
SUNDREL_BUILD=${SUNDREL_BUILD:-$SUNDREL_TOP/build}
export WINEPREFIX=${WINEPREFIX:-$SUNDREL_BUILD/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
