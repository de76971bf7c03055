# Sourced by the scripts that cross-build a library for the Windows trees.

# Unpacks a Debian source package once, under the libraries' cache folder, and prints its folder.
debian_source() {
  local package=$1
  local src_root
  src_root=$(deps_root)/src
  mkdir -p "$src_root"
  if ! ls -d "$src_root/$package"-*/ >/dev/null 2>&1; then
    (cd "$src_root" && apt-get source -qq "$package" >/dev/null 2>&1) ||
      (cd "$src_root" && apt-get source "$package" >&2)
  fi
  ls -d "$src_root/$package"-*/ | head -n 1
}

# Takes the libraries' cache folder for this script, so that two clones building at once do not
# build the same library into one folder; released when the script ends.
lock_deps() {
  mkdir -p "$(deps_root)"
  exec 8>"$(deps_root)/.lock"
  flock 8
}
