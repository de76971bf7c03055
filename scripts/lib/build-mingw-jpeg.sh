#!/usr/bin/env bash
# Builds libjpeg-turbo from Debian's source package as a static library for the Windows build.
set -euo pipefail
source "$(dirname "$0")/env.sh"

[ -f "$SUNDREL_JPEG_PREFIX/lib/libjpeg.a" ] && exit 0

src_root=$SUNDREL_BUILD/deps/src
mkdir -p "$src_root"
if ! ls -d "$src_root"/libjpeg-turbo-*/ >/dev/null 2>&1; then
  (cd "$src_root" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1) ||
    (cd "$src_root" && apt-get source libjpeg-turbo)
fi
src=$(ls -d "$src_root"/libjpeg-turbo-*/ | head -n 1)

work=$SUNDREL_BUILD/deps/jpeg-i686-build
rm -rf "$work"
cmake -S "$src" -B "$work" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$SUNDREL_TOP/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$SUNDREL_JPEG_PREFIX" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
  -DWITH_JPEG8=OFF >/dev/null
cmake --build "$work" --target install >/dev/null
rm -rf "$work"
