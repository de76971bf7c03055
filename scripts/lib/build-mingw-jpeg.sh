#!/usr/bin/env bash
# Builds libjpeg-turbo from Debian's source package as a static library for a Windows build.
#   build-mingw-jpeg.sh [i686|x86_64]
set -euo pipefail
source "$(dirname "$0")/env.sh"
source "$(dirname "$0")/debian-source.sh"
arch=${1:-i686}
prefix=$SUNDREL_BUILD/deps/jpeg-$arch

[ -f "$prefix/lib/libjpeg.a" ] && exit 0

src=$(debian_source libjpeg-turbo)

work=$SUNDREL_BUILD/deps/jpeg-$arch-build
rm -rf "$work"
cmake -S "$src" -B "$work" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$SUNDREL_TOP/cmake/mingw-$arch.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
  -DWITH_JPEG8=OFF >/dev/null
cmake --build "$work" --target install >/dev/null
rm -rf "$work"
