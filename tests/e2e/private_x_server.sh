# Sourced by the scripts that run tavro on an X server of their own (Xvfb, no
# window manager): a work folder, a cleanup on exit that ends the program
# (tavro_pid), any helper servers (helper_pids) and the X server, and the
# server itself.

# tavro_require_tools <exit status> <packages hint> <tool>...: exits with the
# status when a tool is missing.
tavro_require_tools() {
  local status=$1 hint=$2 tool
  shift 2
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIPPED: $tool is not installed (packages $hint)"
      exit "$status"
    fi
  done
}

work=$(mktemp -d)
xvfb_pid=
tavro_pid=
helper_pids=()  # servers started on top of the X server (a window manager, a compositor)
tavro_cleanup() {
  [ -n "$tavro_pid" ] && kill "$tavro_pid" 2>/dev/null
  local helper
  for helper in "${helper_pids[@]}"; do kill "$helper" 2>/dev/null; done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap tavro_cleanup EXIT

# tavro_start_x_server [<width>x<height>]: starts Xvfb (1024x768 unless told)
# on a free display number, which it tells through a pipe, and exports DISPLAY.
tavro_start_x_server() {
  local display_fd display_number
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" -screen 0 "${1:-1024x768}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  if ! read -r -t 10 -u "$display_fd" display_number; then
    echo "Xvfb did not start"
    cat "$work/xvfb.log"
    exit 1
  fi
  exec {display_fd}>&-
  export DISPLAY=:$display_number
}

# The text of the focused field, copied through the clipboard (the caller's
# `keys` function types Ctrl+A, Ctrl+C). An empty field copies nothing, and the
# clipboard keeps what was put there before.
readonly NOTHING='<nothing copied>'
focused_text() {
  printf '%s' "$NOTHING" | xclip -selection clipboard -i >/dev/null 2>&1
  keys ctrl+a ctrl+c
  local text tries
  for tries in $(seq 10); do
    text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null)
    [ "$text" != "$NOTHING" ] && break
    sleep 0.1
  done
  [ "$text" = "$NOTHING" ] && text=
  printf '%s' "$text"
}

# Whether the program (tavro_pid) still runs, a zombie counting as ended.
running() {
  local state
  state=$(ps -o stat= -p "$tavro_pid" 2>/dev/null) || return 1
  [ "${state:0:1}" != Z ]
}

# Failures are counted, each told with the step it happened in ($step).
failures=0
step=
fail() {
  echo "FAIL [$step]: $*"
  failures=$((failures + 1))
}

# eventually <command>...: whether the command succeeds within five seconds.
eventually() {
  local tries
  for tries in $(seq 50); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# tavro_report <what passed>: exits 1 if anything failed, else says what passed.
tavro_report() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures failures"
    exit 1
  fi
  echo "$1"
}
