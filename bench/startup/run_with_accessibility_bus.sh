#!/usr/bin/env bash
# bench/startup/run.sh with a session bus and an accessibility bus running,
# as on a desktop where assistive technology is available: the start-up of a
# program that joins the accessibility bus, against the bare-Qt floor.
#
#   bench/startup/run_with_accessibility_bus.sh [runs [options]]
#
# With TAVRO_BENCH_SCREEN_READER=1 a screen reader counts as on (the bus's
# ScreenReaderEnabled), so that the floor joins the bus as well. The buses are
# private to this run and stopped at its end.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/dependencies.sh
tavro_ensure_packages dbus at-spi2-core libglib2.0-bin

source tests/e2e/private_buses.sh
work=$(mktemp -d)
cleanup() {
  tavro_stop_buses
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work/runtime GSETTINGS_BACKEND=memory
mkdir -m 700 "$XDG_RUNTIME_DIR"
tavro_start_buses "$work"
if [ "${TAVRO_BENCH_SCREEN_READER:-0}" = 1 ]; then
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status ScreenReaderEnabled '<true>' >/dev/null
fi
bench/startup/run.sh "$@"
