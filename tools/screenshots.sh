#!/usr/bin/env bash
# Takes a screenshot of each of the six windows into docs/form1.png ...
# docs/form6.png (form5.png is the Help window), on an X server of its own.
#
#   tools/screenshots.sh [path of tavro]     (default: build/release/bin/tavro)
#
# Needs Xvfb, xdotool and ImageMagick's import. Any extra environment (for
# example QT_SCALE_FACTOR=2) is passed on to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

tavro=${1:-build/release/bin/tavro}
[ -x "$tavro" ] || { echo "no program at $tavro; build it first (tools/start builds it)" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is needed (packages xvfb xdotool imagemagick)" >&2; exit 1; }
done

source tests/e2e/private_x_server.sh
tavro_start_x_server
unset QT_QPA_PLATFORM

"$tavro" >"$work/tavro.log" 2>&1 &
tavro_pid=$!

window_of() {
  timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

shoot() {
  local pattern=$1 file=$2 window
  window=$(window_of "$pattern")
  sleep 0.5  # let it paint
  import -window "$window" "$file"
  echo "$file: $(identify -format '%wx%h' "$file")"
}

keys() {
  xdotool key --delay 50 "$@"
  sleep 0.3
}

mkdir -p docs
shoot '^Standart$' docs/form1.png
keys ctrl+f
shoot '^Functional$' docs/form2.png
keys ctrl+t
shoot '^Triangle$' docs/form3.png
keys alt+h
shoot '^Help$' docs/form5.png
xdotool windowfocus --sync "$(window_of '^Triangle$')"
keys ctrl+p
shoot '^ $' docs/form4.png  # the Parallelepiped window's title is empty
keys alt+o b  # its Brackets entry has no shortcut
shoot '^Brackets$' docs/form6.png
keys Return  # EXIT has the focus
wait "$tavro_pid"
tavro_pid=
