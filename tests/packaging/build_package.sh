#!/usr/bin/env bash
# Builds the Debian package from a build tree into a folder of its own, where
# the other packaging tests find it.
#
#   build_package.sh <build tree> <output folder>
set -euo pipefail
build_dir=$1
out=$2
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed (package dpkg-dev)"; exit 77; }
done
rm -rf "$out"
mkdir -p "$out"
(cd "$build_dir" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
ls "$out"/tavro_*.deb
