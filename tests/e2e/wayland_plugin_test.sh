#!/usr/bin/env bash
# The real tavro executable on Qt's Wayland plugin (QT_QPA_PLATFORM=wayland)
# under a real compositor: every window, Help included, tells the compositor
# it is fixed (minimum and maximum size equal, both the window's size, which
# is what the window geometry and every size the compositor asks say too), so
# that no compositor offers maximise or resizing. Read from the program's
# WAYLAND_DEBUG log by wayland_sizes.py; the windows are opened with their
# shortcut keys.
#
#   wayland_plugin_test.sh <path of tavro> weston|mutter
#
# weston runs in a window of a private Xvfb (its x11 backend), typed into with
# xdotool. mutter (GNOME's compositor) runs headless on a private session bus,
# typed into through its remote-desktop interface; there the program also
# runs through Xwayland, as it does by default, and must keep its fixed size
# hints and its centred start.
#
# Exits 77 (skipped) when the compositor or a tool it needs is missing.
set -uo pipefail

readonly TAVRO=${1:?usage: wayland_plugin_test.sh <path of tavro> weston|mutter}
readonly COMPOSITOR=${2:?usage: wayland_plugin_test.sh <path of tavro> weston|mutter}
readonly SKIPPED=77
readonly HERE=$(dirname "$0")

source "$HERE/helpers.sh"
case $COMPOSITOR in
  weston)
    tavro_require_tools "$SKIPPED" "xvfb weston xdotool qt6-wayland" Xvfb weston xdotool
    ;;
  mutter)
    tavro_require_tools "$SKIPPED" "mutter dbus xdotool x11-utils" mutter dbus-daemon xdotool xprop xwininfo
    if ! "$TAVRO_PYTHON" -c 'from gi.repository import Gio' 2>/dev/null; then
      echo "SKIPPED: Python's GObject bindings are not installed (package python3-gi)"
      exit "$SKIPPED"
    fi
    ;;
  *)
    echo "usage: wayland_plugin_test.sh <path of tavro> weston|mutter"
    exit 2
    ;;
esac
tavro_read_layouts
unset QT_QPA_PLATFORM QT_SCALE_FACTOR WAYLAND_DISPLAY WAYLAND_SOCKET XDG_SESSION_TYPE
export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
readonly SOCKET=tavro-wayland

case $COMPOSITOR in
  weston)
    tavro_start_x_server 1280x1024
    xdotool mousemove 1200 1000
    weston --backend=x11-backend.so --socket="$SOCKET" --width=1024 --height=768 --idle-time=0 \
      --log="$work/compositor.log" >/dev/null 2>&1 &
    helper_pids+=($!)
    compositor_ready() { [ -S "$XDG_RUNTIME_DIR/$SOCKET" ]; }
    # Keys go to the compositor's window, with the pointer in it.
    keys() {
      xdotool mousemove 500 400
      local combination
      for combination in "$@"; do
        xdotool key "$combination"
        sleep 0.3
      done
    }
    ;;
  mutter)
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config GSETTINGS_BACKEND=memory
    mkdir -p "$HOME"
    dbus-daemon --session --nofork --nopidfile --address="unix:path=$work/session_bus" \
      >"$work/bus.log" 2>&1 &
    helper_pids+=($!)
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/session_bus
    eventually test -S "$work/session_bus" || { echo "the session bus did not start"; exit 1; }
    unset DISPLAY
    mutter --headless --wayland --virtual-monitor 1024x768 --wayland-display="$SOCKET" \
      >"$work/compositor.log" 2>&1 &
    helper_pids+=($!)
    x_display() { sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$work/compositor.log"; }
    compositor_ready() { [ -S "$XDG_RUNTIME_DIR/$SOCKET" ] && [ -n "$(x_display)" ]; }
    keys() { "$TAVRO_PYTHON" "$HERE/mutter_keys.py" "$@"; }
    ;;
esac
started=$(date +%s.%N)
eventually compositor_ready || { echo "$COMPOSITOR did not start"; cat "$work/compositor.log"; exit 1; }

# opened <title>: whether the log shows a window of that title.
opened() { grep -qF "set_title(\"$1\")" "$work/tavro.log"; }
# focused <title>: whether the compositor has given the keyboard to that
# window, that is, to a surface after the window was made. A window names
# itself before the compositor shows it; keys sent in between are lost.
focused() {
  awk -v title="set_title(\"$1\")" 'index($0, title) { made = NR }
    /wl_keyboard@[0-9]+\.enter\(/ { entered = NR } END { exit !(made && entered > made) }' \
    "$work/tavro.log"
}

step="Qt's Wayland plugin under $COMPOSITOR"
env -u DISPLAY WAYLAND_DISPLAY="$SOCKET" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$TAVRO" \
  >"$work/tavro.out" 2>"$work/tavro.log" &
tavro_pid=$!
titles=()
for window in Form1 Form3 Form2 Form6 Form4 Form5; do titles+=("$(tavro_title "$window")"); done
eventually opened "${titles[0]}" || { echo "no window"; grep -v '^\[' "$work/tavro.log"; exit 1; }
# Standart -> Triangle -> Functional -> Brackets -> Parallelepiped, then Help,
# each key sent once the window before has the keyboard.
shortcut=(ctrl+t ctrl+f ctrl+b ctrl+p alt+h)
for i in "${!shortcut[@]}"; do
  eventually focused "${titles[$i]}" || fail "'${titles[$i]}' never had the keyboard"
  keys "${shortcut[$i]}"
  eventually opened "${titles[$((i + 1))]}" || fail "${shortcut[$i]} opened no window '${titles[$((i + 1))]}'"
  sleep 0.3
done
running || fail "the program ended"
"$TAVRO_PYTHON" "$HERE/wayland_sizes.py" "$work/tavro.log" "${titles[@]}" || failures=$((failures + 1))
kill "$tavro_pid"
wait "$tavro_pid" 2>/dev/null
tavro_pid=

if [ "$COMPOSITOR" = mutter ]; then
  step="through Xwayland under mutter"
  export DISPLAY XAUTHORITY
  DISPLAY=$(x_display)
  XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
  WAYLAND_DISPLAY=$SOCKET XDG_SESSION_TYPE=wayland "$TAVRO" >"$work/tavro.out" 2>"$work/tavro.log" &
  tavro_pid=$!
  shown() { window=$(tavro_search --onlyvisible --name "$(tavro_title_pattern Form1)" | head -n 1) && [ -n "$window" ]; }
  window=
  eventually shown || { echo "no window on Xwayland"; cat "$work/tavro.log"; exit 1; }
  grep -q libqwayland "/proc/$tavro_pid/maps" && fail "the Wayland plugin is loaded"
  sleep 0.5
  hints=$(xprop -id "$window" WM_NORMAL_HINTS)
  min=$(sed -n 's/.*minimum size: \(.*\)/\1/p' <<<"$hints")
  max=$(sed -n 's/.*maximum size: \(.*\)/\1/p' <<<"$hints")
  [ -n "$min" ] && [ "$min" = "$max" ] || fail "the frame is not fixed: minimum '$min', maximum '$max'"
  # The window's client area is centred on the screen (the frame is not yet
  # known when the program places it).
  read -r x y w h < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF }
    /Absolute upper-left Y/ { y = $NF } /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }')
  read -r sw sh < <(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
  off_x=$((2 * x + w - sw))
  off_y=$((2 * y + h - sh))
  echo "  through Xwayland: minimum $min, maximum $max; client area at $x,$y of ${w}x$h on ${sw}x$sh"
  [ "${off_x#-}" -le 2 ] && [ "${off_y#-}" -le 2 ] || fail "not centred: the client area is at $x,$y"
fi

awk -v from="$started" -v to="$(date +%s.%N)" -v on="$COMPOSITOR" \
  'BEGIN { printf "%s run: %.1f s\n", on, to - from }'
tavro_report "every window fixed on Qt's Wayland plugin under $COMPOSITOR"
