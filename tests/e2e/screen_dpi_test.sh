#!/usr/bin/env bash
# The line drawings and the pencil pointer on an X server whose Xft.dpi asks
# for 120 and 144 dpi, with no scale factor set: Qt scales the windows by the
# dpi over 96 (1.25 and 1.5), and the pixel test runs on X11 itself.
#
#   screen_dpi_test.sh <path of scaled_drawing_test>
#
# Exits 77 (skipped) when Xvfb, xrdb or xprop is missing.
set -uo pipefail

readonly TEST=${1:?usage: screen_dpi_test.sh <path of scaled_drawing_test>}
readonly SKIPPED=77

source "$(dirname "$0")/helpers.sh"
tavro_require_tools "$SKIPPED" "xvfb x11-xserver-utils x11-utils" Xvfb xrdb xprop
tavro_start_x_server
# The server resets, and forgets its resources, when its last client leaves:
# one client stays connected throughout.
xprop -root -spy >/dev/null 2>&1 &
helper_pids+=($!)
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_SCALE_FACTOR_ROUNDING_POLICY
unset QT_USE_PHYSICAL_DPI WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8

failures=0
for dpi_scale in 120:1.25 144:1.5; do
  dpi=${dpi_scale%%:*}
  scale=${dpi_scale#*:}
  # Until the staying client is connected, the resources may go with a reset.
  for tries in $(seq 50); do
    echo "Xft.dpi: $dpi" | xrdb -nocpp -merge
    xrdb -query | grep -q "^Xft.dpi:[[:space:]]*$dpi\$" && break
    sleep 0.1
  done
  if ! TAVRO_EXPECTED_SCALE=$scale "$TEST" >"$work/test.log" 2>&1; then
    echo "FAIL at Xft.dpi $dpi (scale $scale):"
    grep -E 'FAIL|Loc' "$work/test.log"
    failures=$((failures + 1))
  else
    echo "Xft.dpi $dpi: $(grep -c '^PASS' "$work/test.log") checks passed at scale $scale"
  fi
done
[ "$failures" -eq 0 ]
