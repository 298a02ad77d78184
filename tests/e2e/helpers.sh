# Sourced by the end-to-end scripts, the package test and the other scripts
# that run tavro on an X server of their own (Xvfb, no window manager): a work
# folder, a cleanup on exit that ends, each by its PID, the program
# (tavro_pid), any helper servers (helper_pids) and the X server, and on a
# failure shows their logs; the server
# itself; the windows' titles and where their controls are, read from the
# program's own layouts; and the counting and report of failures.

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

# Every wait and pause of the scripts is multiplied by TAVRO_PATIENCE (1
# unless set): under Wine, starting, switching and ending a program take
# seconds where they take milliseconds on Linux.
readonly TAVRO_PATIENCE=${TAVRO_PATIENCE:-1}
# pause <seconds>: a pause to let the program catch up, times the patience.
pause() {
  sleep "$(awk -v seconds="$1" -v patience="$TAVRO_PATIENCE" 'BEGIN { print seconds * patience }')"
}
# tries <count>: how often a loop polls (or how many seconds it waits), times
# the patience.
tries() {
  echo $(($1 * TAVRO_PATIENCE))
}

work=$(mktemp -d)
xvfb_pid=
tavro_pid=
helper_pids=()  # servers started on top of the X server (a window manager, a compositor)
# Safe under set -e too: whatever has ended already, the rest is still ended.
# When the script fails (any status but 0 and 77, a skip), what the program
# and the servers printed is shown. A script's own exit trap that does
# more passes the status it got on: tavro_cleanup <status>.
tavro_cleanup() {
  local status=${1:-$?}
  local pid
  for pid in "$tavro_pid" "${helper_pids[@]}" "$xvfb_pid"; do [ -z "$pid" ] || tavro_end "$pid"; done
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then tavro_show_logs; fi
  rm -rf "$work"
}
# tavro_end <pid>: ends a process the script started, asked first (SIGTERM),
# killed when it has not ended in five seconds. Safe under set -e.
tavro_end() {
  kill "$1" 2>/dev/null || return 0
  local tries
  for tries in $(seq 50); do
    tavro_alive "$1" || break
    sleep 0.1
  done
  if tavro_alive "$1"; then kill -KILL "$1" 2>/dev/null || true; fi
  wait "$1" 2>/dev/null || true
}
# tavro_alive <pid>: whether the process runs, a zombie counting as ended.
tavro_alive() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [ "${state:0:1}" != Z ]
}
# tavro_show_logs: the end of every log of the work folder (the program's
# tavro.log, the X server's xvfb.log, the window manager's, the compositor's).
tavro_show_logs() {
  local log
  for log in "$work"/*.log "$work"/*.out; do
    [ -f "$log" ] || continue
    echo "---- ${log##*/} (its last 100 lines)"
    tail -n 100 "$log"
  done
}
trap tavro_cleanup EXIT

# tavro_start_x_server [<width>x<height>]: starts Xvfb (1024x768 unless told)
# on a free display number, which it tells through a pipe, and exports DISPLAY.
# The server never resets: an X server resets whenever its last client leaves,
# and ends every connection it accepted meanwhile, so with the scripts' short
# clients (xdotool, xprop, the program itself) coming and going, one that
# connects as another leaves would now and then be cut off.
tavro_start_x_server() {
  local display_fd display_number
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset \
    >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  if ! read -r -t 10 -u "$display_fd" display_number; then
    echo "Xvfb did not start"
    cat "$work/xvfb.log"
    exit 1
  fi
  exec {display_fd}>&-
  export DISPLAY=:$display_number
}

# tavro_start_window_manager: starts openbox on the X server and waits until
# it manages the screen. Under a window manager each window gets the keyboard
# focus as it opens; without one, Qt takes it itself on Linux, but Wine leaves
# it with the window under the pointer.
tavro_start_window_manager() {
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  helper_pids+=($!)
  eventually tavro_window_manager_runs || { echo "openbox did not start"; exit 1; }
}
tavro_window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# tavro_focus <window id>: gives a window the keyboard focus, through the
# window manager where one runs (which would otherwise take it back).
tavro_focus() {
  if tavro_window_manager_runs; then
    xdotool windowactivate --sync "$1" 2>/dev/null
  else
    xdotool windowfocus --sync "$1"
  fi
}

# The windows' layouts as tavro-replay --layouts prints them (TAVRO_REPLAY is
# its path; CTest sets it), read once by tavro_read_layouts into TAVRO_TITLE,
# TAVRO_CLIENT_SIZE ("<width> <height>") by window name and TAVRO_RECT
# ("<x> <y> <width> <height>", client coordinates) by "<window>.<control>",
# for the buttons and fields; labels take no click. The JSON itself is left in
# $work/layouts.json, exported as TAVRO_LAYOUTS for the scripts' helpers in
# other languages.
if [ -x /usr/bin/python3 ]; then TAVRO_PYTHON=/usr/bin/python3; else TAVRO_PYTHON=$(command -v python3); fi
declare -A TAVRO_TITLE=() TAVRO_CLIENT_SIZE=() TAVRO_RECT=()
tavro_read_layouts() {
  if [ -z "${TAVRO_REPLAY:-}" ] || [ ! -x "$TAVRO_REPLAY" ]; then
    echo "TAVRO_REPLAY must name the tavro-replay program (ctest sets it); it is '${TAVRO_REPLAY:-}'"
    exit 1
  fi
  export TAVRO_LAYOUTS=$work/layouts.json
  "$TAVRO_REPLAY" --layouts >"$TAVRO_LAYOUTS" || { echo "tavro-replay --layouts failed"; exit 1; }
  local line
  # A line a window: its name, client width and height, and title (which may
  # be empty, and comes last); then a line a button or field: the window's
  # name, the control's, and its rectangle.
  while IFS=$'\t' read -r -a line; do
    case ${line[0]} in
      window)
        TAVRO_CLIENT_SIZE[${line[1]}]="${line[2]} ${line[3]}"
        TAVRO_TITLE[${line[1]}]=${line[4]:-}
        ;;
      control) TAVRO_RECT[${line[1]}.${line[2]}]="${line[3]} ${line[4]} ${line[5]} ${line[6]}" ;;
    esac
  done < <("$TAVRO_PYTHON" -c '
import json, sys
for window in json.load(open(sys.argv[1], encoding="utf-8"))["windows"]:
    size = window["client"]
    print("window", window["name"], size["width"], size["height"], window["title"], sep="\t")
    for control in window["controls"]:
        if control["kind"] != "label":
            rect = control["rect"]
            print("control", window["name"], control["name"], rect["x"], rect["y"], rect["width"],
                  rect["height"], sep="\t")
' "$TAVRO_LAYOUTS")
  [ ${#TAVRO_TITLE[@]} -gt 0 ] || { echo "no windows in $TAVRO_LAYOUTS"; exit 1; }
}

# tavro_title <window>: the title the window system shows for a window
# ("Form1"). An empty title shows as a single blank, which keeps the
# program's name out of the title bar.
tavro_title() {
  [ -n "${TAVRO_TITLE[$1]+set}" ] || { echo "no window $1 in the layouts" >&2; return 1; }
  printf '%s' "${TAVRO_TITLE[$1]:- }"
}

# tavro_title_pattern <window>: that title as an xdotool pattern, whole.
tavro_title_pattern() {
  local title
  title=$(tavro_title "$1") || return 1
  printf '^%s$' "$(sed 's/[][\\.*^$(){}?+|]/\\&/g' <<<"$title")"
}

# tavro_search <xdotool search arguments...>: the windows xdotool finds, one id
# a line; status 1 when none. A window destroyed while xdotool walks the
# window tree ends xdotool with an X error (BadWindow on QueryTree), as if
# nothing matched: measured once in 20 searches while another client mapped
# and destroyed windows, as a program does when it switches windows or
# starts under Wine. The search is then made again, at most 20 times.
tavro_search() {
  local found attempt errors=$work/xdotool-search.log
  for attempt in $(seq 20); do
    found=$(xdotool search "$@" 2>"$errors.last") || true
    grep -q 'X Error' "$errors.last" || break
    cat "$errors.last" >>"$errors"
  done
  rm -f "$errors.last"
  [ -n "$found" ] || return 1
  printf '%s\n' "$found"
}
# tavro_wait_shown <pattern> [seconds]: the id of the first visible window of
# that name, waited for up to the seconds given (10, times the patience);
# status 1 when none came.
tavro_wait_shown() {
  local deadline=$((SECONDS + ${2:-$(tries 10)})) found
  while :; do
    found=$(tavro_search --onlyvisible --name "$1" | head -n 1) || true
    if [ -n "$found" ]; then
      echo "$found"
      return 0
    fi
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# tavro_client_size <window>: "<width> <height>" of the window's client area.
tavro_client_size() {
  [ -n "${TAVRO_CLIENT_SIZE[$1]+set}" ] || { echo "no window $1 in the layouts" >&2; return 1; }
  printf '%s' "${TAVRO_CLIENT_SIZE[$1]}"
}

# tavro_control_centre <window> <control> <window id>: "<x> <y>", the middle
# of a button or field on the screen, for the window shown with that X window
# id. The client area fills the window below its menu bar.
tavro_control_centre() {
  local rect=${TAVRO_RECT[$1.$2]-} left top width height client_height x y window_height
  [ -n "$rect" ] || { echo "no control $2 in the layout of $1" >&2; return 1; }
  read -r left top width height <<<"$rect"
  read -r _ client_height <<<"${TAVRO_CLIENT_SIZE[$1]}"
  read -r x y window_height < <(xwininfo -id "$3" 2>/dev/null |
    awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } /Height:/ { h = $2 }
         END { print x, y, h }')
  [ -n "$window_height" ] || { echo "no window $3 on the screen" >&2; return 1; }
  echo $((x + left + width / 2)) $((y + window_height - client_height + top + height / 2))
}

# The text of the focused field, copied through the clipboard (the caller's
# `keys` function types Ctrl+A, Ctrl+C). An empty field copies nothing, and the
# clipboard keeps what was put there before. The copy is awaited for up to
# five seconds (the keys wait behind whatever the program has still to
# handle); where none comes, copies.log in the work folder says so, so that an
# empty field and a copy that never came can be told apart when a test fails.
readonly NOTHING='<nothing copied>'
focused_text() {
  printf '%s' "$NOTHING" | xclip -selection clipboard -i >/dev/null 2>&1
  keys ctrl+a ctrl+c
  local text tries
  for tries in $(seq "$(tries 50)"); do
    text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null)
    [ "$text" != "$NOTHING" ] && break
    sleep 0.1
  done
  if [ "$text" = "$NOTHING" ]; then
    text=
    echo "[$step] no copy of the focused field within $(tries 5) s: it is empty, or the program did not answer" \
      >>"$work/copies.log"
  fi
  printf '%s' "$text"
}

# Whether the program (tavro_pid) still runs, a zombie counting as ended.
running() { tavro_alive "$tavro_pid"; }

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
  for tries in $(seq "$(tries 50)"); do
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
