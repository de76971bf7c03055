#!/usr/bin/env bash
# Prints a source-package entry ("deb-src", one-line format) for every binary entry of the
# machine's own apt sources that serves its Debian release, so the project names no host and
# follows whatever mirror the machine is set to. Entries of other suites (third-party
# repositories) are left out: they may publish no sources, and apt-get update would then fail.
#   deb-src-entries.sh [sources folder, default /etc/apt]
set -euo pipefail
apt_dir=${1:-/etc/apt}
codename=$(. "${SUNDREL_OS_RELEASE:-/etc/os-release}" && echo "${VERSION_CODENAME:-}")
[ -n "$codename" ] || { echo "deb-src-entries: /etc/os-release names no release" >&2; exit 1; }

shopt -s nullglob
one_line=("$apt_dir"/sources.list "$apt_dir"/sources.list.d/*.list)
deb822=("$apt_dir"/sources.list.d/*.sources)
{
  # One-line entries: deb [options] URI suite components...
  for f in "${one_line[@]}"; do
    [ -f "$f" ] || continue
    awk -v codename="$codename" '
      $1 != "deb" { next }
      {
        options = ""; i = 2
        if ($2 ~ /^\[/) { while (i <= NF && $i !~ /\]$/) { options = options $i " "; i++ } options = options $i " "; i++ }
        uri = $i; suite = $(i + 1); components = ""
        for (j = i + 2; j <= NF; j++) components = components " " $j
        if (suite == codename || index(suite, codename "-") == 1) print "deb-src " options uri " " suite components
      }' "$f"
  done
  # deb822 stanzas: Types, URIs, Suites, Components, Signed-By, Enabled.
  for f in "${deb822[@]}"; do
    [ -f "$f" ] || continue
    awk -v codename="$codename" -v RS="" -F "\n" '
      {
        types = uris = suites = components = signed = ""; enabled = "yes"
        for (n = 1; n <= NF; n++) {
          line = $n
          if (line ~ /^#/) continue
          key = tolower(line); sub(/:.*/, "", key)
          value = line; sub(/^[^:]*:[ \t]*/, "", value)
          if (key == "types") types = value
          else if (key == "uris") uris = value
          else if (key == "suites") suites = value
          else if (key == "components") components = value
          else if (key == "signed-by") signed = value
          else if (key == "enabled") enabled = tolower(value)
        }
        if (enabled == "no" || (" " types " ") !~ / deb /) next
        options = signed == "" ? "" : "[signed-by=" signed "] "
        nu = split(uris, uri_list, /[ \t]+/); ns = split(suites, suite_list, /[ \t]+/)
        for (u = 1; u <= nu; u++) for (s = 1; s <= ns; s++) {
          suite = suite_list[s]
          if (uri_list[u] != "" && (suite == codename || index(suite, codename "-") == 1))
            print "deb-src " options uri_list[u] " " suite " " components
        }
      }' "$f"
  done
} | awk 'NF && !seen[$0]++'
