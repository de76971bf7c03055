#!/usr/bin/env bash
# How much of the main window's full repaint (every control's picture rebuilt) is the program's
# own code, as opposed to Wine, the X server and the kernel: the repaint is sampled with perf, and
# the samples that fall inside the program's own image are counted. A run of one round is taken
# away from a run of many, so start-up does not count. Run by hand from the repository's root
# (needs perf, Debian's linux-perf):
#
#   bench/controls/own_code_time.sh win32|win64 [rounds]
#
# Prints the program's own time per repaint and the functions that take most of it.
set -euo pipefail

arch=${1:?usage: own_code_time.sh win32|win64 [rounds]}
rounds=${2:-301}
frequency=4000
exe=build/$arch/bench/controls/main_window_paint_bench.exe
case $arch in
  win32) objdump=i686-w64-mingw32-objdump nm=i686-w64-mingw32-nm ;;
  win64) objdump=x86_64-w64-mingw32-objdump nm=x86_64-w64-mingw32-nm ;;
  *) echo "usage: own_code_time.sh win32|win64 [rounds]" >&2; exit 2 ;;
esac
command -v perf >/dev/null || { echo "perf is missing (apt-get install linux-perf)" >&2; exit 2; }
[[ -f $exe ]] || { echo "$exe is missing: scripts/build $arch first" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

image_base=$((16#$($objdump -p "$exe" | awk '$1 == "ImageBase" {print $2}')))
image_end=$((image_base + 16#$($objdump -p "$exe" | awk '$1 == "SizeOfImage" {print $2}')))
# Addresses are compared as text of one width (awk here may not read hexadecimal).
low=$(printf '%016x' $image_base)
high=$(printf '%016x' $image_end)
# shellcheck disable=SC2016  # awk code, not shell
pad='{ a = sprintf("%16s", tolower($1)); gsub(/ /, "0", a) }'

# The sampled addresses of the program's own process that lie inside its image, one per line,
# as 16 hexadecimal digits.
own_samples() {
  local count=$1 data=$work/perf-$1.data
  perf record -q -o "$data" -F $frequency -- scripts/lib/wine-run "$arch" "$exe" "$count" rebuilt >/dev/null 2>&1
  perf script -i "$data" --comm main_window_pai -F ip,dso 2>/dev/null >"$work/samples-$count"
  # The C runtime's copies and fills are counted apart: most of them are ours, some Wine's.
  grep -c -i 'msvcrt\|ucrtbase' "$work/samples-$count" >"$work/runtime-$count" || true
  awk -v lo="$low" -v hi="$high" "$pad"' a >= lo && a < hi { print a }' "$work/samples-$count"
}

own_samples "$rounds" >"$work/many"
own_samples 1 >"$work/one"
many=$(wc -l <"$work/many")
one=$(wc -l <"$work/one")
runtime=$(($(cat "$work/runtime-$rounds") - $(cat "$work/runtime-1")))
awk -v many="$many" -v one="$one" -v c="$runtime" -v f=$frequency -v r="$rounds" 'BEGIN {
  printf "own code per full repaint: %.2f ms (%d samples at %d Hz over %d rounds, less %d for start-up)\n",
         (many - one) * 1000 / f / (r - 1), many, f, r, one
  printf "C runtime per full repaint: %.2f ms\n", c * 1000 / f / (r - 1) }'

# Each sample goes to the function whose start is the nearest at or below it.
{
  $nm -C --defined-only "$exe" | awk "$pad"' $2 ~ /^[tT]$/ { name = $0; sub(/^[^ ]+ [^ ]+ /, "", name); print a " S " name }'
  sed 's/$/ @/' "$work/many"
} | sort -s -k1,1 | awk '$2 == "S" { $1 = ""; $2 = ""; name = substr($0, 3); next } { count[name]++ }
  END { for (n in count) printf "%6d  %s\n", count[n], substr(n, 1, 100) }' | sort -rn | head -12
