#!/usr/bin/env bash
# The real tavro executable under a window manager (openbox on a private
# Xvfb): the frames it asks for, and the Help window brought back by choosing
# Help again after the user minimised it.
#
#   window_manager_test.sh <path of tavro>
#
# Exits 77 (skipped) when Xvfb, openbox, xdotool or x11-utils is missing.
set -uo pipefail

readonly TAVRO=${1:?usage: window_manager_test.sh <path of tavro>}
readonly SKIPPED=77

source "$(dirname "$0")/helpers.sh"
tavro_require_tools "$SKIPPED" "xvfb openbox xdotool x11-utils" Xvfb openbox xdotool xprop xwininfo
tavro_start_x_server
tavro_read_layouts
unset QT_QPA_PLATFORM QT_SCALE_FACTOR WAYLAND_DISPLAY XDG_SESSION_TYPE
export LC_ALL=C.UTF-8

# Reads an X property of a window (or of the root window for "-root").
property() {
  if [ "$1" = -root ]; then xprop -root "$2"; else xprop -id "$1" "$2"; fi 2>/dev/null
}
active_window() { property -root _NET_ACTIVE_WINDOW | sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p'; }
map_state() { xwininfo -id "$1" 2>/dev/null | sed -n 's/.*Map State: //p'; }

# Waits up to five seconds until a command succeeds.
is_active() { [ "$(active_window)" = "$(printf '0x%x' "$1")" ]; }
is_hidden() { property "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
is_shown() { ! is_hidden "$1" && [ "$(map_state "$1")" = IsViewable ]; }

shown_named() { found=$(tavro_search --onlyvisible --name "$1" | head -n 1) && [ -n "$found" ]; }
find_window() {
  found=
  eventually shown_named "$1"
  echo "$found"
}

started=$(date +%s.%N)
tavro_start_window_manager

"$TAVRO" >"$work/tavro.log" 2>&1 &
tavro_pid=$!

step="Triangle"
standard=$(find_window "$(tavro_title_pattern Form1)")
[ -n "$standard" ] || { echo "the program did not open its first window"; cat "$work/tavro.log"; exit 1; }
eventually is_active "$standard" || fail "Standart is not the active window"
xdotool key ctrl+t
triangle=$(find_window "$(tavro_title_pattern Form3)")
[ -n "$triangle" ] || { echo "the Triangle window did not open"; exit 1; }
eventually is_active "$triangle" || fail "Triangle is not the active window"

step="Help by Alt+H"
xdotool key alt+h
help=$(find_window "$(tavro_title_pattern Form5)")
[ -n "$help" ] || { echo "the Help window did not open"; exit 1; }
eventually is_active "$help" || fail "Help is not the active window"

# Both frames are fixed: the window manager offers neither maximising nor
# resizing. Only Triangle asks for a minimise button (Motif function and
# decoration bits 0x8 and 0x20); openbox keeps its own iconify button on every
# frame whatever the hints say.
step="frames"
for window in "$triangle" "$help"; do
  actions=$(property "$window" _NET_WM_ALLOWED_ACTIONS)
  case $actions in
    *MAXIMIZE* | *_NET_WM_ACTION_RESIZE*) fail "window $window can be resized: $actions" ;;
  esac
done
motif_minimise() {
  local hints
  hints=$(property "$1" _MOTIF_WM_HINTS | sed -n 's/.* = //p' | tr -d ' ')
  IFS=, read -r flags functions decorations _ <<<"$hints"
  echo $(((functions & 0x8) != 0)),$(((decorations & 0x20) != 0))
}
[ "$(motif_minimise "$triangle")" = 1,1 ] || fail "Triangle asks for no minimise button"
[ "$(motif_minimise "$help")" = 0,0 ] || fail "Help asks for a minimise button"

step="Help minimised, then chosen again"
xdotool windowminimize "$help"
eventually is_hidden "$help" || fail "Help was not minimised"
xdotool windowactivate --sync "$triangle"
eventually is_active "$triangle" || fail "Triangle is not the active window"
xdotool key alt+h
eventually is_shown "$help" || fail "Help stays minimised ($(property "$help" _NET_WM_STATE))"
eventually is_active "$help" || fail "Help is not the active window (active: $(active_window))"
[ "$(tavro_search --onlyvisible --name "$(tavro_title_pattern Form5)" | wc -l)" -eq 1 ] || fail "more than one Help window"

step="Help behind Triangle, chosen again"
xdotool windowactivate --sync "$triangle"
xdotool key alt+h
eventually is_active "$help" || fail "Help is not the active window (active: $(active_window))"

step="Exit"
xdotool windowactivate --sync "$triangle"
xdotool key ctrl+e
ended() { ! running; }
eventually ended || fail "the program did not end"
tavro_pid=

awk -v from="$started" -v to="$(date +%s.%N)" 'BEGIN { printf "window manager run: %.1f s\n", to - from }'
tavro_report "frames as asked for; Help came back when chosen again"
