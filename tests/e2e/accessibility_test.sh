#!/usr/bin/env bash
# The real tavro executable as a screen reader meets it through AT-SPI, on a
# private X server, session bus and accessibility bus: what is announced
# after a button press, the Help text on opening, field limits against a
# screen reader's editing, labels tied to their fields, the keys menu entries
# offer, and a screen reader that turns on after the program started.
# accessibility_test.py does the checking.
#
#   accessibility_test.sh <path of tavro>
#
# Exits 77 (skipped) when Xvfb, xdotool, dbus-daemon, gdbus, the AT-SPI bus
# launcher or python3-pyatspi is missing.
set -uo pipefail

readonly TAVRO=${1:?usage: accessibility_test.sh <path of tavro>}
readonly SKIPPED=77
# pyatspi is a Debian package: the system's Python, not one of a user's own.
PYTHON=/usr/bin/python3
[ -x "$PYTHON" ] || PYTHON=$(command -v python3)

source "$(dirname "$0")/helpers.sh"
source "$(dirname "$0")/private_buses.sh"
tavro_require_tools "$SKIPPED" "xvfb xdotool dbus libglib2.0-bin" Xvfb xdotool dbus-daemon gdbus
if [ ! -x "$TAVRO_AT_SPI_LAUNCHER" ] || ! "$PYTHON" -c 'import pyatspi' 2>/dev/null; then
  echo "SKIPPED: the AT-SPI bus launcher or pyatspi is not installed (packages at-spi2-core python3-pyatspi)"
  exit "$SKIPPED"
fi

cleanup() {
  local status=$?
  tavro_stop_buses
  tavro_cleanup "$status"
}
trap cleanup EXIT

tavro_start_x_server
tavro_read_layouts
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_LINUX_ACCESSIBILITY_ALWAYS_ON AT_SPI_BUS_ADDRESS LANG LANGUAGE
export LC_ALL=C.UTF-8
# Nothing of the user's settings or earlier runs: a fresh home, settings in
# memory only, so that no screen reader is on when the program starts.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config GSETTINGS_BACKEND=memory
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

tavro_start_buses "$work"

"$TAVRO" >"$work/tavro.log" 2>&1 &
tavro_pid=$!
if ! tavro_wait_shown "$(tavro_title_pattern Form1)" 10 >/dev/null; then
  echo "FAIL: the Standard window did not open"
  cat "$work/tavro.log"
  exit 1
fi

"$PYTHON" "$(dirname "$0")/accessibility_test.py"
status=$?
if ! running; then
  echo "FAIL: tavro ended during the test"
  status=1
fi
exit "$status"
