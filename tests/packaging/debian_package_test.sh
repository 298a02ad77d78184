#!/usr/bin/env bash
# Unpacks the built Debian package into a temporary root, checks its files and
# dependencies, and starts the unpacked program on a private X server, where
# its window's X11 class must be the one the desktop entry names. The X
# server, the work folder, the cleanup and the window titles come from the
# end-to-end scripts' helpers (TAVRO_E2E_HELPERS names them, and they want
# TAVRO_REPLAY; CTest sets both).
#
#   debian_package_test.sh <package folder>
set -euo pipefail
source "$(dirname "$0")/package_of.sh"
source "${TAVRO_E2E_HELPERS:?TAVRO_E2E_HELPERS must name tests/e2e/helpers.sh}"
tavro_require_tools 77 "dpkg xvfb xdotool x11-utils" dpkg-deb Xvfb xdotool xprop
package_of "$1"

echo "package: $(basename "$deb")"

step="files"
expect_file() {
  if [ -f "$work/root/$1" ]; then echo "ok: $1"; else fail "missing $1"; fi
}
dpkg-deb -x "$deb" "$work/root"
expect_file usr/bin/tavro
expect_file usr/share/applications/org.tavro.Tavro.desktop
expect_file usr/share/metainfo/org.tavro.Tavro.metainfo.xml
for size in 16 32 48 64 128 256; do expect_file "usr/share/icons/hicolor/${size}x${size}/apps/org.tavro.Tavro.png"; done
expect_file usr/share/icons/hicolor/scalable/apps/org.tavro.Tavro.svg
expect_file usr/share/man/man1/tavro.1.gz
expect_file usr/share/doc/tavro/copyright
expect_file usr/share/doc/tavro/changelog.gz

step="control fields"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library"
done
version=$(dpkg-deb -f "$deb" Version)
[ "$version" = "$TAVRO_VERSION" ] || fail "version $version, the project's is $TAVRO_VERSION"

# Start the unpacked program on its own X server and wait for its window.
step="the unpacked program"
tavro_start_x_server
tavro_read_layouts
QT_QPA_PLATFORM=xcb "$work/root/usr/bin/tavro" >"$work/tavro.log" 2>&1 &
tavro_pid=$!
if window=$(tavro_wait_shown "$(tavro_title_pattern Form1)" 15); then
  echo "ok: the unpacked program shows its $(tavro_title Form1) window"
  # WM_CLASS(STRING) = "tavro", "Tavro": the instance, then the class.
  class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
  entry=$(sed -n 's/^StartupWMClass=//p' "$work/root/usr/share/applications/org.tavro.Tavro.desktop")
  if [ -n "$class" ] && [ "$class" = "$entry" ]; then
    echo "ok: the window's class $class is the desktop entry's StartupWMClass"
  else
    fail "the window's class '$class' is not the desktop entry's StartupWMClass '$entry'"
  fi
else
  fail "the unpacked program showed no window"
fi
tavro_report "the package holds its files, starts and names its window's class"
