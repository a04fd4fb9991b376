# Shared by the end-to-end scripts: start the built program in a fresh
# working directory on the test desktop and find its windows. Every wait
# is bounded.

work=$(mktemp -d /tmp/kestara-e2e.XXXXXX)
program_pid=
service_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$service_pid" ] && kill "$service_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# wait_for SECONDS COMMAND...: retries the command every 0.1 s.
wait_for() {
  local limit=$(( $1 * 10 )); shift
  local i
  for ((i = 0; i < limit; i++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

start_program() {
  (cd "$work" && exec "$PROGRAM" >"$work/program.log" 2>&1) &
  program_pid=$!
}

# Prints "x y" of the first visible top-level window of the given size.
window_at() {
  xwininfo -root -children 2>/dev/null | awk -v size="$1" '
    $0 ~ size"\\+" { split($0, a, size); split(a[2], p, "+"); print p[2], p[3]; exit }'
}

has_window() { [ -n "$(window_at "$1")" ]; }

program_running() { kill -0 "$program_pid" 2>/dev/null; }

program_ended() { ! program_running; }

click_at() {
  xdotool mousemove "$1" "$2" mousedown 1 mouseup 1
}

# Number of icons docked in the system tray: the children of trayer's panel
# other than its own 1x1 helper window.
tray_icons() {
  local panel
  panel=$(xwininfo -root -tree 2>/dev/null | awk '/"panel": \("panel" "trayer"\)/ { print $1; exit }')
  [ -n "$panel" ] || { echo 0; return; }
  xwininfo -children -id "$panel" 2>/dev/null | awk '/ [0-9]+x[0-9]+\+/ && !/ 1x1\+/ { n++ } END { print n + 0 }'
}

# Icons other programs left docked do not count: compare with a baseline.
tray_baseline=0
has_tray_icon() { [ "$(tray_icons)" -gt "$tray_baseline" ]; }
no_tray_icon() { ! has_tray_icon; }
