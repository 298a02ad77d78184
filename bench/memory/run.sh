#!/usr/bin/env bash
# Resident memory of one Tavro run over many mode switches made by their
# shortcut keys only, on a private Xvfb with no window manager. The switches
# go round all five mode windows, each by a shortcut of the window that is
# open: Standart -Ctrl+F-> Functional -Ctrl+T-> Triangle -Ctrl+P->
# Parallelepiped -Ctrl+S-> Standart -Ctrl+B-> Brackets -Ctrl+S-> Standart.
# Prints VmRSS every `step` switches as a Markdown table, and the growth from
# the 100th switch to the last.
#
#   bench/memory/run.sh <path of tavro> [switches [step]]   (2000 and 100 by default)
#
# Needs Xvfb and xdotool (packages xvfb xdotool).
set -uo pipefail

readonly TAVRO=${1:?usage: run.sh <path of tavro> [switches [step]]}
readonly SWITCHES=${2:-2000}
readonly STEP=${3:-100}

source "$(dirname "$0")/../../tests/e2e/helpers.sh"
tavro_require_tools 1 "xvfb xdotool" Xvfb xdotool
tavro_start_x_server
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
export LC_ALL=C.UTF-8

# The window each key opens from the window before it, and its title as an
# xdotool pattern (the Parallelepiped window's title is empty).
readonly KEYS=(ctrl+f ctrl+t ctrl+p ctrl+s ctrl+b ctrl+s)
readonly TITLES=('^Functional$' '^Triangle$' '^ $' '^Standart$' '^Brackets$' '^Standart$')

# Waits until the window with the title has the keyboard focus.
wait_for_focus() {
  local tries id
  for tries in $(seq 200); do
    id=$(xdotool getwindowfocus 2>/dev/null) &&
      [[ $(xdotool getwindowname "$id" 2>/dev/null) =~ $1 ]] && return 0
    sleep 0.01
  done
  echo "no window matching '$1' took the focus" >&2
  return 1
}

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$tavro_pid/status"; }

"$TAVRO" >"$work/tavro.log" 2>&1 &
tavro_pid=$!
wait_for_focus '^Standart$' || exit 1

echo "| switches | VmRSS (KiB) |"
echo "|---:|---:|"
echo "| 0 | $(rss_kib) |"
at_100=
for ((switch = 1; switch <= SWITCHES; switch++)); do
  i=$(((switch - 1) % ${#KEYS[@]}))
  xdotool key "${KEYS[$i]}"
  wait_for_focus "${TITLES[$i]}" || exit 1
  if ((switch % STEP == 0)); then
    rss=$(rss_kib)
    echo "| $switch | $rss |"
    ((switch == 100)) && at_100=$rss
  fi
done
[ -n "$at_100" ] && echo "growth from switch 100 to $SWITCHES: $(($(rss_kib) - at_100)) KiB"
