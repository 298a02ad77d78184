#!/usr/bin/env bash
# The real tavro executable started where there is no display (an SSH
# terminal, a text console, a service): one line on standard error that says
# so and names the variables it looked at, exit status 1, no abort; the same
# where the check finds an X server but Qt cannot connect to it. With a
# window system chosen that needs no display (offscreen) it still starts.
#
#   no_display_test.sh <path of tavro>
#
# Exits 77 (skipped) when Xvfb is missing (it gives a display number that was
# just in use and is free again).
set -uo pipefail

readonly TAVRO=${1:?usage: no_display_test.sh <path of tavro>}
readonly SKIPPED=77

source "$(dirname "$0")/helpers.sh"
tavro_require_tools "$SKIPPED" "xvfb" Xvfb

# A display number whose server has ended. The number stays this script's:
# its lock file, as X servers keep them, names this script, so that no other
# X server takes it while the test runs (one that did would be found).
lock=
for attempt in 1 2 3; do
  tavro_start_x_server
  tavro_end "$xvfb_pid"
  xvfb_pid=
  if (set -C && printf '%10d\n' $$ >"/tmp/.X${DISPLAY#:}-lock") 2>/dev/null; then
    lock=/tmp/.X${DISPLAY#:}-lock
    break
  fi
done
[ -n "$lock" ] || { echo "no display number stayed free"; exit 1; }
trap 'status=$?; rm -f "$lock"; tavro_cleanup "$status"' EXIT
readonly GONE=$DISPLAY
unset DISPLAY

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# without_display <expected words> <variable=value>...: runs tavro with only
# PATH, HOME, XDG_RUNTIME_DIR and the given variables, and checks what it
# says and returns.
without_display() {
  local expected=$1 status lines
  shift
  env -i PATH="$PATH" HOME="$work" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" LC_ALL=C.UTF-8 "$@" \
    timeout 20 "$TAVRO" >"$work/out" 2>"$work/err" </dev/null
  status=$?
  lines=$(wc -l <"$work/err")
  [ "$status" -eq 1 ] || fail "ended with status $status, not 1"
  [ "$lines" -eq 1 ] || fail "$lines lines on standard error, not one: $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "printed on standard output: $(cat "$work/out")"
  grep -q '^tavro: no display to open its windows on: ' "$work/err" || fail "said: $(cat "$work/err")"
  grep -qF "$expected" "$work/err" || fail "did not say '$expected': $(cat "$work/err")"
  echo "  $* -> $(cat "$work/err")"
}

step="neither DISPLAY nor WAYLAND_DISPLAY"
without_display "DISPLAY and WAYLAND_DISPLAY are not set"

step="DISPLAY naming a server that is gone"
without_display "no X server answers at DISPLAY=$GONE; WAYLAND_DISPLAY is not set" DISPLAY="$GONE"

step="a Wayland session whose compositor is gone"
without_display "no Wayland compositor answers at WAYLAND_DISPLAY=wayland-9" \
  WAYLAND_DISPLAY=wayland-9 XDG_SESSION_TYPE=wayland

step="Wayland chosen, no compositor"
without_display "QT_QPA_PLATFORM=wayland; WAYLAND_DISPLAY is not set" QT_QPA_PLATFORM=wayland

step="X chosen, DISPLAY gone"
without_display "QT_QPA_PLATFORM=xcb; no X server answers at DISPLAY=$GONE" \
  QT_QPA_PLATFORM=xcb DISPLAY="$GONE"

# A server the display check reaches but Qt cannot use (it accepts each
# connection and closes it at once): Qt gives up, and the program says so in
# the same one line instead of aborting.
step="an X server that ends every connection"
"$TAVRO_PYTHON" -c '
import socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind("\0/tmp/.X11-unix/X" + sys.argv[1])
server.listen(8)
open(sys.argv[2], "w").close()
while True:
    server.accept()[0].close()
' "${GONE#:}" "$work/listening" >"$work/fake_server.log" 2>&1 &
helper_pids+=($!)
# What the fake server printed is in fake_server.log, shown if the test fails.
if eventually test -e "$work/listening"; then
  without_display "could not connect to display $GONE" DISPLAY="$GONE"
else
  fail "the server that ends every connection did not start"
fi

# Offscreen needs no display: the program starts and runs until it is ended.
step="offscreen without a display"
env -i PATH="$PATH" HOME="$work" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" LC_ALL=C.UTF-8 \
  QT_QPA_PLATFORM=offscreen "$TAVRO" >"$work/out" 2>"$work/err" </dev/null &
tavro_pid=$!
sleep 2
running || fail "the program ended: $(cat "$work/err")"
grep -q 'no display' "$work/err" && fail "said: $(cat "$work/err")"
kill "$tavro_pid"
wait "$tavro_pid" 2>/dev/null
tavro_pid=

tavro_report "without a display: one line and status 1; offscreen still starts"
