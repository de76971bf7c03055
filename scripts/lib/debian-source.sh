# Sourced by the scripts that cross-build a library for the Windows trees.

# Unpacks a Debian source package once, under $SUNDREL_BUILD/deps/src, and prints its folder.
debian_source() {
  local package=$1
  local src_root=$SUNDREL_BUILD/deps/src
  mkdir -p "$src_root"
  if ! ls -d "$src_root/$package"-*/ >/dev/null 2>&1; then
    (cd "$src_root" && apt-get source -qq "$package" >/dev/null 2>&1) ||
      (cd "$src_root" && apt-get source "$package" >&2)
  fi
  ls -d "$src_root/$package"-*/ | head -n 1
}
