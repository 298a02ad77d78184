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

source "$(dirname "$0")/private_x_server.sh"
tavro_require_tools "$SKIPPED" "xvfb xdotool xclip x11-utils" Xvfb xdotool xclip xwininfo xprop
tavro_start_x_server
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
export LC_ALL=C.UTF-8

# Client-area heights of the windows, from their layouts: the menu bar's
# height is the window's height less the client area's.
declare -A CLIENT_HEIGHT=([Form1]=146 [Form2]=113 [Form3]=106 [Form4]=158 [Form5]=126 [Form6]=89)
# Window titles as xdotool patterns; the Parallelepiped window's is empty.
declare -A TITLE=([Form1]='^Standart$' [Form2]='^Functional$' [Form3]='^Triangle$' [Form4]='^ $'
                  [Form5]='^Help$' [Form6]='^Brackets$')

start_program() {
  "$TAVRO" >"$work/tavro.log" 2>&1 &
  tavro_pid=$!
}

# Waits for a window to be shown and prints its id.
window_of() {
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "${TITLE[$1]}" 2>/dev/null | head -n 1)
  [ -n "$id" ] || return 1
  echo "$id"
}

# Waits until a window is shown; the current window is then $window.
expect_window() {
  window=$(window_of "$1") || { fail "$1 did not open"; return 1; }
  current=$1
  sleep 0.2
}

expect_gone() {
  local tries
  for tries in $(seq 50); do
    xdotool search --onlyvisible --name "${TITLE[$1]}" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "$1 is still open"
}

# Clicks the middle of a control given by its client rectangle.
click() {
  local left=$1 top=$2 width=$3 height=$4 menu
  menu=$(($(xwininfo -id "$window" | awk '/Height:/ {print $2}') - CLIENT_HEIGHT[$current]))
  xdotool mousemove --window "$window" $((left + width / 2)) $((menu + top + height / 2)) click 1
  sleep 0.15
}

keys() {
  xdotool key --delay 40 "$@"
  sleep 0.15
}

type_text() {
  xdotool type --delay 40 "$1"
  sleep 0.1
}

# The text of a field given by its client rectangle.
field_text() {
  click "$@"
  focused_text
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
  for tries in $(seq 50); do
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
  left=$(xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l)
  [ "$left" -eq 0 ] || fail "$left windows left on the screen"
}

# Controls, by client rectangle.
F1_TEXT1="48 0 209 19"; F1_TEXT2="48 24 209 19"; F1_TEXT3="8 56 249 19"
F1_PLUS="0 80 41 65"; F1_MEM1="264 0 41 17"; F1_MRC1="0 0 41 17"; F1_EXIT="256 112 49 33"
F2_TEXT1="0 0 201 19"; F2_EXIT="304 80 145 33"
F3_TEXT1="16 0 153 19"; F3_EXIT="208 72 33 33"
F4_TEXT1="16 0 161 19"; F4_EXIT="184 128 73 25"
F6_TEXT1="8 0 97 19"; F6_TEXT2="104 0 17 19"

step="start, 2 + 3"
start_program
if expect_window Form1; then
  height=$(xwininfo -id "$window" | awk '/Height:/ {print $2}')
  width=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
  [ "$width" -eq 307 ] || fail "Standart is $width pixels wide"
  [ "$height" -gt 146 ] || fail "Standart has no room for its menu bar ($height pixels high)"
  # The focus is in the first number's field from the start.
  type_text 2
  keys Tab
  type_text 3
  click $F1_PLUS
  expect_text 5 "$(field_text $F1_TEXT3)" "Text3 after 2 + 3"
  expect_text 2 "$(field_text $F1_TEXT1)" "Text1"
  keys ctrl+e
  expect_end
fi

step="a switch keeps the cells"
start_program
if expect_window Form1; then
  click $F1_TEXT1
  type_text 7
  click $F1_MEM1
  click $F1_TEXT2
  keys ctrl+f
  expect_gone Form1
  expect_window Form2
  keys ctrl+s
  expect_window Form1
  expect_text "" "$(field_text $F1_TEXT1)" "Text1 after coming back"
  click $F1_MRC1
  expect_text 7 "$(field_text $F1_TEXT1)" "Text1 after MRC"
  click $F1_EXIT
  expect_end
fi

step="every mode by its shortcut from a text field"
start_program
if expect_window Form1; then
  click $F1_TEXT2
  keys ctrl+b
  expect_window Form6 && click $F6_TEXT1 && keys ctrl+t
  expect_window Form3 && click $F3_TEXT1 && keys ctrl+p
  if expect_window Form4; then
    title=$(xprop -id "$window" _NET_WM_NAME)
    case $title in *Tavro* | *tavro*) fail "the empty title shows the program's name: $title" ;; esac
    click $F4_TEXT1 && keys ctrl+f
  fi
  expect_window Form2 && click $F2_TEXT1 && keys ctrl+s
  expect_window Form1 && click $F1_TEXT1 && keys ctrl+e
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
    Form1) click $F1_EXIT ;;
    Form2) click $F2_EXIT ;;
    Form3) click $F3_EXIT ;;
    Form4) click $F4_EXIT ;;
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
  xdotool windowfocus --sync "$triangle"
  keys alt+h
  helps=$(xdotool search --onlyvisible --name "${TITLE[Form5]}" | wc -l)
  [ "$helps" -eq 1 ] || fail "$helps Help windows"
  xdotool windowfocus --sync "$triangle"
  keys ctrl+e
  expect_end
fi

step="a one-character field"
start_program
if expect_window Form1; then
  keys ctrl+b
  if expect_window Form6; then
    click $F6_TEXT2
    type_text '*/'
    expect_text '*' "$(field_text $F6_TEXT2)" "operator field"
    keys Escape Return  # Escape does nothing; Enter in a field does nothing
    window_of Form6 >/dev/null || fail "Enter or Escape in a field closed the window"
    keys ctrl+e
    expect_end
  fi
fi

tavro_report "all end-to-end scenarios passed"
