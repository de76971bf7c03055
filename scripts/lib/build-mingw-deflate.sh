#!/usr/bin/env bash
# Builds libdeflate's decompressor from Debian's source package as a static library for a
# Windows build.
#   build-mingw-deflate.sh [i686|x86_64]
set -euo pipefail
source "$(dirname "$0")/env.sh"
source "$(dirname "$0")/debian-source.sh"
arch=${1:-i686}
prefix=$(deps_root)/deflate-$arch

[ -f "$prefix/lib/libdeflate.a" ] && exit 0
lock_deps
[ -f "$prefix/lib/libdeflate.a" ] && exit 0

src=$(debian_source libdeflate)

# Its Makefile builds inside the source folder, so each architecture builds in a copy.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$src" "$work/src"
make -C "$work/src" -j2 CC="$arch-w64-mingw32-gcc" AR="$arch-w64-mingw32-ar" DECOMPRESSION_ONLY=1 \
  libdeflatestatic.lib >/dev/null
mkdir -p "$work/install/include" "$work/install/lib"
cp "$work/src/libdeflate.h" "$work/install/include/"
cp "$work/src/libdeflatestatic.lib" "$work/install/lib/libdeflate.a"
rm -rf "$prefix"
mv "$work/install" "$prefix"
