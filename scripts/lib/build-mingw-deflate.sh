#!/usr/bin/env bash
# Builds libdeflate's decompressor from Debian's source package as a static library for a
# Windows build.
#   build-mingw-deflate.sh [i686|x86_64]
set -euo pipefail
source "$(dirname "$0")/env.sh"
source "$(dirname "$0")/debian-source.sh"
arch=${1:-i686}
prefix=$SUNDREL_BUILD/deps/deflate-$arch

[ -f "$prefix/lib/libdeflate.a" ] && exit 0

src=$(debian_source libdeflate)

# Its Makefile builds inside the source folder, so each architecture builds in a copy.
work=$SUNDREL_BUILD/deps/deflate-$arch-build
rm -rf "$work"
cp -r "$src" "$work"
make -C "$work" -j2 CC="$arch-w64-mingw32-gcc" AR="$arch-w64-mingw32-ar" DECOMPRESSION_ONLY=1 \
  libdeflatestatic.lib >/dev/null
mkdir -p "$prefix/include" "$prefix/lib"
cp "$work/libdeflate.h" "$prefix/include/"
cp "$work/libdeflatestatic.lib" "$prefix/lib/libdeflate.a"
rm -rf "$work"
