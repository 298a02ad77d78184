#!/usr/bin/env bash
# tavro_ensure_debian_sources on fake apt trees: apt's sources as deb822 files
# only (Debian 12's containers), as one-line lists only, as both, with a
# deb-src entry already there (fetched or not), with no Debian entry, and
# for a user who is not root. Where entries are added, apt itself must read
# them as source entries.
#
#   debian_sources_test.sh <source tree>
set -uo pipefail
source "$1/tools/dependencies.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

deb822_main='Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg'
one_line_main='deb http://deb.debian.org/debian bookworm main
# deb-src http://deb.debian.org/debian bookworm main
deb http://deb.debian.org/debian-security bookworm-security main'

# tree NAME: a fresh fake root with apt's folders, printed.
tree() {
  local root=$work/$1
  mkdir -p "$root/etc/apt/sources.list.d" "$root/var/lib/apt/lists/partial" "$root/var/cache/apt/archives/partial"
  touch "$root/var/lib/dpkg-status"
  echo "$root"
}

# run ROOT UID: the function as a user of that id, with apt-get update
# recorded in ROOT/updates instead of run; its output in ROOT/output.
run() {
  local root=$1 uid=$2
  (id() { echo "$uid"; }
   apt-get() { echo "$*" >>"$root/updates"; }
   tavro_ensure_debian_sources "$root") >"$root/output" 2>&1
}

# The URIs apt would fetch for ROOT's sources, read by apt itself.
source_uris() {
  local root=$1
  command apt-get update --print-uris -o Dir::Etc="$root/etc/apt" -o Dir::State="$root/var/lib/apt" \
    -o Dir::Cache="$root/var/cache/apt" -o Dir::State::status="$root/var/lib/dpkg-status" \
    -o Debug::NoLocking=1 2>&1 | grep -o "'[^']*/source/Sources[^']*'"
}

check() {
  local name=$1 condition=$2
  if ! eval "$condition"; then
    echo "FAIL [$name]: $condition"
    sed 's/^/  | /' "$work/$name/output"
    fail=1
  fi
}

# Each case: its sources, then what must hold of the root afterwards.
root=$(tree deb822_only)
printf '%s\n' "$deb822_main" >"$root/etc/apt/sources.list.d/debian.sources"
run "$root" 0; status=$?
check deb822_only '[ $status -eq 0 ]'
check deb822_only '[ -f $root/etc/apt/sources.list.d/tavro-debian-src.sources ]'
check deb822_only '[ ! -e $root/etc/apt/sources.list.d/tavro-debian-src.list ]'
check deb822_only '[ "$(source_uris "$root" | wc -l)" -eq 3 ]'
check deb822_only 'grep -qx "update -qq" $root/updates'

root=$(tree one_line_only)
printf '%s\n' "$one_line_main" >"$root/etc/apt/sources.list"
run "$root" 0; status=$?
check one_line_only '[ $status -eq 0 ]'
check one_line_only '[ -f $root/etc/apt/sources.list.d/tavro-debian-src.list ]'
check one_line_only '[ ! -e $root/etc/apt/sources.list.d/tavro-debian-src.sources ]'
check one_line_only '[ "$(source_uris "$root" | wc -l)" -eq 2 ]'
check one_line_only 'grep -qx "update -qq" $root/updates'

root=$(tree both)
printf '%s\n' "$deb822_main" >"$root/etc/apt/sources.list.d/debian.sources"
printf '%s\n' "deb http://ftp.bg.debian.org/debian bookworm contrib" >"$root/etc/apt/sources.list.d/mirror.list"
run "$root" 0; status=$?
check both '[ $status -eq 0 ]'
check both 'grep -q "^deb-src .*contrib" $root/etc/apt/sources.list.d/tavro-debian-src.list'
check both '[ "$(grep -c "^Types: deb-src$" $root/etc/apt/sources.list.d/tavro-debian-src.sources)" -eq 2 ]'
check both '[ "$(source_uris "$root" | grep -c "/contrib/source/")" -eq 1 ] && [ "$(source_uris "$root" | wc -l)" -eq 4 ]'

root=$(tree present_not_fetched)
printf '%s\n' "${deb822_main/Types: deb/Types: deb deb-src}" >"$root/etc/apt/sources.list.d/debian.sources"
run "$root" 0; status=$?
check present_not_fetched '[ $status -eq 0 ]'
check present_not_fetched '[ -z "$(ls $root/etc/apt/sources.list.d | grep tavro)" ]'
check present_not_fetched 'grep -qx "update -qq" $root/updates'

root=$(tree present_and_fetched)
printf '%s\n' "deb-src http://deb.debian.org/debian bookworm main" >"$root/etc/apt/sources.list"
touch "$root/var/lib/apt/lists/deb.debian.org_debian_dists_bookworm_main_source_Sources.lz4"
run "$root" 0; status=$?
check present_and_fetched '[ $status -eq 0 ]'
check present_and_fetched '[ ! -e $root/updates ]'
check present_and_fetched '[ -z "$(ls $root/etc/apt/sources.list.d)" ]'

root=$(tree not_root)
printf '%s\n' "$deb822_main" >"$root/etc/apt/sources.list.d/debian.sources"
run "$root" 1000; status=$?
check not_root '[ $status -eq 1 ]'
check not_root '[ ! -e $root/updates ] && [ "$(ls $root/etc/apt/sources.list.d)" = debian.sources ]'
check not_root 'grep -q "^    Types: deb-src$" $root/output && grep -q "apt-get update" $root/output'

root=$(tree no_debian_entry)
printf '%s\n' "deb http://example.org/packages stable main" >"$root/etc/apt/sources.list"
run "$root" 0; status=$?
check no_debian_entry '[ $status -eq 1 ] && [ ! -e $root/updates ]'
check no_debian_entry 'grep -q "no Debian archive" $root/output'

exit $fail
