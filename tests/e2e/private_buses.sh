# Sourced by the scripts that see the program as a screen reader does: a
# session bus and an accessibility bus of their own, their sockets and logs in
# a folder the script owns.

readonly TAVRO_AT_SPI_LAUNCHER=/usr/libexec/at-spi-bus-launcher

bus_pid=
launcher_pid=

# tavro_start_buses <folder>: starts both buses, exports
# DBUS_SESSION_BUS_ADDRESS and returns once the accessibility bus answers.
tavro_start_buses() {
  local folder=$1
  dbus-daemon --session --nofork --nopidfile --address="unix:path=$folder/session_bus" \
    >"$folder/bus.log" 2>&1 &
  bus_pid=$!
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$folder/session_bus
  for _ in $(seq 50); do [ -S "$folder/session_bus" ] && break; sleep 0.1; done
  # Without DISPLAY the launcher leaves the X server alone; Qt would otherwise
  # find the bus through the X root window and turn accessibility on at once.
  env -u DISPLAY "$TAVRO_AT_SPI_LAUNCHER" --launch-immediately >"$folder/launcher.log" 2>&1 &
  launcher_pid=$!
  for _ in $(seq 50); do
    gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress \
      >/dev/null 2>&1 && break
    sleep 0.1
  done
}

# Ends both; the launcher takes its accessibility bus and registry with it.
tavro_stop_buses() {
  [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
  launcher_pid=
  bus_pid=
}
