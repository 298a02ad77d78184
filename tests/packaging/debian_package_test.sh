#!/usr/bin/env bash
# Unpacks the built Debian package into a temporary root, checks its files and
# dependencies, and starts the unpacked program on a private X server, where
# its window's X11 class must be the one the desktop entry names.
#
#   debian_package_test.sh <package folder>
set -euo pipefail
source "$(dirname "$0")/package_of.sh"
for tool in dpkg-deb Xvfb xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
package_of "$1"

work=$(mktemp -d)
server=
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

echo "package: $(basename "$deb")"

fail=0
expect_file() {
  if [ -f "$work/root/$1" ]; then echo "ok: $1"; else echo "MISSING: $1"; fail=1; fi
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

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
  [[ "$depends" == *"$library"* ]] || { echo "Depends lacks $library"; fail=1; }
done
version=$(dpkg-deb -f "$deb" Version)
[ "$version" = "$TAVRO_VERSION" ] || { echo "version $version, the project's is $TAVRO_VERSION"; fail=1; }

# Start the unpacked program on its own X server and wait for its window.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
read -r -t 10 -u "$fd" display || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$display"
QT_QPA_PLATFORM=xcb "$work/root/usr/bin/tavro" &
program=$!
if window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Standart$' 2>/dev/null | head -n 1) &&
  [ -n "$window" ]; then
  echo "ok: the unpacked program shows its Standart window"
  # WM_CLASS(STRING) = "tavro", "Tavro": the instance, then the class.
  class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
  entry=$(sed -n 's/^StartupWMClass=//p' "$work/root/usr/share/applications/org.tavro.Tavro.desktop")
  if [ -n "$class" ] && [ "$class" = "$entry" ]; then
    echo "ok: the window's class $class is the desktop entry's StartupWMClass"
  else
    echo "the window's class '$class' is not the desktop entry's StartupWMClass '$entry'"; fail=1
  fi
else
  echo "the unpacked program showed no window"; fail=1
fi
exit $fail
