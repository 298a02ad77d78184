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

work=$(mktemp -d)
bus_pid=
launcher_pid=
cleanup() {
  [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work/runtime GSETTINGS_BACKEND=memory
mkdir -m 700 "$XDG_RUNTIME_DIR"
dbus-daemon --session --nofork --nopidfile --address="unix:path=$work/session_bus" >/dev/null 2>&1 &
bus_pid=$!
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/session_bus
for _ in $(seq 50); do [ -S "$work/session_bus" ] && break; sleep 0.1; done
# Without DISPLAY the launcher does not announce the bus on the X server,
# which would turn accessibility on in every Qt program.
env -u DISPLAY /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher_pid=$!
for _ in $(seq 50); do
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done
if [ "${TAVRO_BENCH_SCREEN_READER:-0}" = 1 ]; then
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status ScreenReaderEnabled '<true>' >/dev/null
fi
bench/startup/run.sh "$@"
