#!/usr/bin/env bash
# Builds libjpeg-turbo from Debian's source package as a static library for a Windows build.
#   build-mingw-jpeg.sh [i686|x86_64]
set -euo pipefail
source "$(dirname "$0")/env.sh"
source "$(dirname "$0")/debian-source.sh"
arch=${1:-i686}
prefix=$(deps_root)/jpeg-$arch

[ -f "$prefix/lib/libjpeg.a" ] && exit 0
lock_deps
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

src=$(debian_source libjpeg-turbo)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$SUNDREL_TOP/cmake/mingw-$arch.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$work/install" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
  -DWITH_JPEG8=OFF >/dev/null
cmake --build "$work/build" --target install >/dev/null
rm -rf "$prefix"
mv "$work/install" "$prefix"
