#!/usr/bin/env bash
# The real tavro executable on a Wayland session: weston with Xwayland, shown
# in a window of a private Xvfb (weston's x11 backend), so that xdotool can
# work the compositor's pointer and keyboard. With the Wayland display and
# session type set and no platform chosen, the program runs through Xwayland:
# the compositor's window manager draws its frames, the title bar's controls
# and gestures neither end it nor lose what was typed, and Help comes back
# when chosen again after it was minimised.
#
#   wayland_test.sh <path of tavro>
#
# Exits 77 (skipped) when Xvfb, weston, Xwayland, xdotool, xclip or x11-utils
# is missing.
set -uo pipefail

readonly TAVRO=${1:?usage: wayland_test.sh <path of tavro>}
readonly SKIPPED=77

source "$(dirname "$0")/helpers.sh"
tavro_require_tools "$SKIPPED" "xvfb weston xwayland xdotool xclip x11-utils" \
  Xvfb weston Xwayland xdotool xclip xprop xwininfo
# The compositor's output is a 1024x768 window at the top left of a larger
# screen, so the pointer can enter it from outside: weston takes pointer
# motion only after the pointer has entered its window.
tavro_start_x_server 1280x1024
tavro_read_layouts
readonly OUTER=$DISPLAY
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
export LC_ALL=C.UTF-8


started=$(date +%s.%N)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
xdotool mousemove 1200 1000
weston --backend=x11-backend.so --xwayland --socket=tavro-wayland --width=1024 --height=768 \
  --idle-time=0 --log="$work/weston.log" >/dev/null 2>&1 &
helper_pids+=($!)
xwayland_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" 2>/dev/null; }
compositor_ready() { [ -S "$XDG_RUNTIME_DIR/tavro-wayland" ] && [ -n "$(xwayland_display)" ]; }
eventually compositor_ready || { echo "weston did not start"; cat "$work/weston.log"; exit 1; }
readonly XWAYLAND=$(xwayland_display)

# Tools that talk to Xwayland, and input through the compositor's window.
on_xwayland() { DISPLAY=$XWAYLAND "$@"; }
keys() {
  xdotool key --delay 40 "$@"
  sleep 0.2
}
shown_named() { found=$(on_xwayland tavro_search --onlyvisible --name "$1" | head -n 1) && [ -n "$found" ]; }
find_window() {
  found=
  eventually shown_named "$1"
  echo "$found"
}
# The top left corner of a window's client area on the compositor's output,
# where Xwayland puts it too.
corner() { on_xwayland xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }'; }
# Each click enters the compositor's window afresh, from outside it.
click_at() {
  xdotool mousemove 1200 1000
  sleep 0.1
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click --repeat "${3:-1}" --delay 120 1
  sleep 0.5
}
readonly NOTHING_COPIED="<nothing copied>"
focused_text() {
  printf '%s' "$NOTHING_COPIED" | on_xwayland xclip -selection clipboard -i >/dev/null 2>&1
  keys ctrl+a ctrl+c
  local text
  text=$(timeout 5 env DISPLAY="$XWAYLAND" xclip -o -selection clipboard 2>/dev/null)
  [ "$text" = "$NOTHING_COPIED" ] && text=
  printf '%s' "$text"
}

step="start on a Wayland session"
WAYLAND_DISPLAY=tavro-wayland XDG_SESSION_TYPE=wayland DISPLAY=$XWAYLAND "$TAVRO" >"$work/tavro.log" 2>&1 &
tavro_pid=$!
standard=$(find_window "$(tavro_title_pattern Form1)")
[ -n "$standard" ] || { echo "no window on Xwayland"; cat "$work/tavro.log"; exit 1; }
shown=$(date +%s.%N)
grep -q libqwayland "/proc/$tavro_pid/maps" && fail "the Wayland plugin is loaded"
hints=$(on_xwayland xprop -id "$standard" WM_NORMAL_HINTS)
min=$(sed -n 's/.*minimum size: \(.*\)/\1/p' <<<"$hints")
max=$(sed -n 's/.*maximum size: \(.*\)/\1/p' <<<"$hints")
[ -n "$min" ] && [ "$min" = "$max" ] || fail "the frame is not fixed: minimum '$min', maximum '$max'"

step="typing, then a double click on the title bar"
read -r x y <<<"$(on_xwayland tavro_control_centre Form1 Text1 "$standard")"
click_at "$x" "$y"  # the first number
xdotool type --delay 40 12345
sleep 0.2
read -r x y <<<"$(corner "$standard")"
click_at $((x + 100)) $((y - 12)) 2  # the title bar that weston draws
running || fail "the program ended"
read -r x y <<<"$(on_xwayland tavro_control_centre Form1 Text1 "$standard")"
click_at "$x" "$y"
[ "$(focused_text)" = 12345 ] || fail "the typed number is lost"
sleep 0.5
size=$(on_xwayland xwininfo -id "$standard" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
# Weston's window manager maximises any X11 window on a double click on its
# title bar; the window takes its own size back.
[ "$size" = "${min/ by /x}" ] || fail "the window was resized to $size"

# Weston's window manager offers no minimise button, and ignores a request to
# minimise: Help cannot get lost. Its close button closes it alone.
step="Help"
keys ctrl+t
triangle=$(find_window "$(tavro_title_pattern Form3)")
[ -n "$triangle" ] || { echo "Triangle did not open"; exit 1; }
keys alt+h
help=$(find_window "$(tavro_title_pattern Form5)")
[ -n "$help" ] || { echo "Help did not open"; exit 1; }
map_state() { on_xwayland xwininfo -id "$1" 2>/dev/null | sed -n 's/.*Map State: //p'; }
is_viewable() { [ "$(map_state "$help")" = IsViewable ]; }
is_gone() { ! is_viewable; }
on_xwayland xdotool windowminimize "$help"
sleep 0.5
is_viewable || fail "Help was minimised"
read -r x y <<<"$(corner "$help")"
width=$(on_xwayland xwininfo -id "$help" | awk '/Width:/ { print $2 }')
click_at $((x + width - 12)) $((y - 12))  # the close button
eventually is_gone || fail "Help did not close"
running || fail "the program ended with Help"
read -r x y <<<"$(corner "$triangle")"
click_at $((x + 100)) $((y - 12))  # Triangle's title bar: the active window again
keys alt+h
help=$(find_window "$(tavro_title_pattern Form5)")
[ -n "$help" ] || fail "Help did not open again"

step="Exit with Help open"
# A point of Triangle's title bar that Help's frame does not cover.
read -r hx hy <<<"$(corner "$help")"
read -r hw hh <<<"$(on_xwayland xwininfo -id "$help" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')"
spot=
for left in $(seq $((x + 10)) 10 $((x + 200))); do
  if [ "$left" -lt $((hx - 8)) ] || [ "$left" -gt $((hx + hw + 8)) ] || [ $((y - 12)) -lt $((hy - 32)) ] ||
    [ $((y - 12)) -gt $((hy + hh + 8)) ]; then
    spot=$left
    break
  fi
done
if [ -z "$spot" ]; then
  click_at $((hx + hw - 12)) $((hy - 12))  # Help covers it all: closed first
  spot=$((x + 100))
fi
click_at "$spot" $((y - 12))
keys ctrl+e
ended() { ! running; }
eventually ended || fail "the program did not end"
if ! running; then
  wait "$tavro_pid"
  status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
fi
tavro_pid=

awk -v from="$started" -v shown="$shown" -v to="$(date +%s.%N)" \
  'BEGIN { printf "wayland run: %.1f s (compositor start to first window %.2f s)\n", to - from, shown - from }'
tavro_report "on Xwayland, with fixed frames; nothing ended or lost by the title bar"
