#!/usr/bin/env bash
# End-to-end tests of the real tavro executable on its own X server (Xvfb, no
# window manager), driven with xdotool and read back through the clipboard
# with xclip.
#
#   desktop_test.sh <path of tavro>
#
# Exits 77 (skipped) when Xvfb, xdotool, xclip or xwininfo is not installed.
set -uo pipefail

readonly TAVRO=${1:?usage: desktop_test.sh <path of tavro>}
readonly SKIPPED=77

source "$(dirname "$0")/helpers.sh"
tavro_require_tools "$SKIPPED" "xvfb xdotool xclip x11-utils" Xvfb xdotool xclip xwininfo xprop
tavro_start_x_server
# TAVRO_WINDOW_MANAGER=openbox runs the scenarios under a window manager.
if [ "${TAVRO_WINDOW_MANAGER:-}" = openbox ]; then tavro_start_window_manager; fi
tavro_read_layouts
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
export LC_ALL=C.UTF-8

# Every start's output goes to the one log. A program that a failed scenario
# left running is ended first, so that its windows do not fail the next one.
start_program() {
  if [ -n "$tavro_pid" ]; then
    kill "$tavro_pid" 2>/dev/null
    wait "$tavro_pid" 2>/dev/null
  fi
  echo "---- $step" >>"$work/tavro.log"
  "$TAVRO" >>"$work/tavro.log" 2>&1 &
  tavro_pid=$!
}

# Waits for a window to be shown and prints its id.
window_of() {
  tavro_wait_shown "$(tavro_title_pattern "$1")"
}

# Waits until a window is shown; the current window is then $window.
expect_window() {
  window=$(window_of "$1") || { fail "$1 did not open"; return 1; }
  current=$1
  pause 0.2
}

expect_gone() {
  local tries
  for tries in $(seq "$(tries 50)"); do
    tavro_search --onlyvisible --name "$(tavro_title_pattern "$1")" >/dev/null || return 0
    sleep 0.1
  done
  fail "$1 is still open"
}

# Clicks the middle of a control of the current window, by its layout's name.
click() {
  local at x y
  at=$(tavro_control_centre "$current" "$1" "$window") || { fail "no $1 to click in $current"; return 1; }
  read -r x y <<<"$at"
  xdotool mousemove "$x" "$y" click 1
  pause 0.15
}

keys() {
  xdotool key --delay 40 "$@"
  pause 0.15
}

type_text() {
  xdotool type --delay 40 "$1"
  pause 0.1
}

# The text of a field of the current window, by its layout's name.
field_text() {
  click "$1" && focused_text
}

expect_text() {
  local expected=$1 actual=$2 what=$3
  [ "$actual" = "$expected" ] || fail "$what: expected '$expected', got '$actual'"
}

# Whether the program is still running (a zombie has ended).
# Waits for the program to end and checks its exit status and that no window
# is left.
expect_end() {
  local tries status left
  for tries in $(seq "$(tries 50)"); do
    running || break
    sleep 0.1
  done
  if running; then
    fail "the program did not end"
    kill "$tavro_pid"
    wait "$tavro_pid"
    tavro_pid=
    return
  fi
  wait "$tavro_pid"
  status=$?
  tavro_pid=
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  left=$(tavro_search --onlyvisible --name '.' | wc -l)
  [ "$left" -eq 0 ] || fail "$left windows left on the screen"
}

step="start, 2 + 3"
start_program
if expect_window Form1; then
  height=$(xwininfo -id "$window" | awk '/Height:/ {print $2}')
  width=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
  read -r client_width client_height <<<"$(tavro_client_size Form1)"
  [ "$width" -eq "$client_width" ] || fail "$(tavro_title Form1) is $width pixels wide"
  [ "$height" -gt "$client_height" ] ||
    fail "$(tavro_title Form1) has no room for its menu bar ($height pixels high)"
  # The focus is in the first number's field from the start.
  type_text 2
  keys Tab
  type_text 3
  click Command1  # +
  expect_text 5 "$(field_text Text3)" "Text3 after 2 + 3"
  expect_text 2 "$(field_text Text1)" "Text1"
  keys ctrl+e
  expect_end
fi

step="a switch keeps the cells"
start_program
if expect_window Form1; then
  click Text1
  type_text 7
  click Command10  # MEM of the first number
  click Text2
  keys ctrl+f
  expect_gone Form1
  expect_window Form2
  keys ctrl+s
  expect_window Form1
  expect_text "" "$(field_text Text1)" "Text1 after coming back"
  click Command11  # its MRC
  expect_text 7 "$(field_text Text1)" "Text1 after MRC"
  click Command9  # Exit
  expect_end
fi

step="every mode by its shortcut from a text field"
start_program
if expect_window Form1; then
  click Text2
  keys ctrl+b
  expect_window Form6 && click Text1 && keys ctrl+t
  expect_window Form3 && click Text1 && keys ctrl+p
  if expect_window Form4; then
    title=$(xprop -id "$window" _NET_WM_NAME)
    case $title in *Tavro* | *tavro*) fail "the empty title shows the program's name: $title" ;; esac
    click Text1 && keys ctrl+f
  fi
  expect_window Form2 && click Text1 && keys ctrl+s
  expect_window Form1 && click Text1 && keys ctrl+e
  expect_end
fi

for mode in Form2 Form3 Form4; do
  step="Ctrl+E in a text field of $mode"
  start_program
  expect_window Form1 || continue
  case $mode in
    Form2) keys ctrl+f ;;
    Form3) keys ctrl+t ;;
    Form4) keys ctrl+p ;;
  esac
  expect_window "$mode" || continue
  type_text 12  # the focus is in the first field
  keys ctrl+e
  expect_end
done

for mode in Form1 Form2 Form3 Form4 Form6; do
  step="the Exit button of $mode"
  start_program
  expect_window Form1 || continue
  case $mode in
    Form2) keys ctrl+f ;;
    Form3) keys ctrl+t ;;
    Form4) keys ctrl+p ;;
    Form6) keys ctrl+b ;;
  esac
  expect_window "$mode" || continue
  case $mode in
    Form1) click Command9 ;;
    Form2) click exit ;;
    Form3 | Form4) click Command4 ;;
    Form6) keys Return ;;  # the EXIT button has the focus when the window opens
  esac
  expect_end
done

step="access keys, Help beside Triangle"
start_program
if expect_window Form1; then
  keys alt+o
  keys f  # &Functional
  expect_window Form2
  keys alt+o
  keys t  # &Triangle
  expect_window Form3
  keys alt+h
  expect_window Form5
  window_of Form3 >/dev/null || fail "Triangle closed when Help opened"
  # Back in the Triangle window, Help again leaves one Help window.
  triangle=$(window_of Form3)
  tavro_focus "$triangle"
  keys alt+h
  helps=$(tavro_search --onlyvisible --name "$(tavro_title_pattern Form5)" | wc -l)
  [ "$helps" -eq 1 ] || fail "$helps Help windows"
  tavro_focus "$triangle"
  keys ctrl+e
  expect_end
fi

step="a one-character field"
start_program
if expect_window Form1; then
  keys ctrl+b
  if expect_window Form6; then
    click Text2
    type_text '*/'
    expect_text '*' "$(field_text Text2)" "operator field"
    keys Escape Return  # Escape does nothing; Enter in a field does nothing
    window_of Form6 >/dev/null || fail "Enter or Escape in a field closed the window"
    keys ctrl+e
    expect_end
  fi
fi

tavro_report "all end-to-end scenarios passed"
