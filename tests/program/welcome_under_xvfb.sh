#!/usr/bin/env bash
# The first start of the built program in a fresh directory, on a desktop
# with a system tray: the marker is written, the welcome popup rises out of
# the bottom-right corner with a tray icon that is gone once it rests, and
# the popup closes itself about 10 s after it appeared.
set -u
PROGRAM=$(realpath "$1")
here=$(dirname "$0")
source "$here/desktop_helpers.sh"

screen_w=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
screen_h=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[2] }')

tray_baseline=$(tray_icons)
start_program
wait_for 10 has_window 601x451 || fail "no main window"
wait_for 10 has_window 325x262 || fail "no welcome popup"
[ -e "$work/pendrix.ini" ] || fail "no marker file"
grep -q '^Tavrilo - http' "$work/pendrix.ini" || fail "marker content: $(cat "$work/pendrix.ini")"

# Follow the rise: the popup's left edge stays on the right edge of the
# screen and its top climbs; the tray icon shows up meanwhile.
seen_icon=0
tops=()
for _ in $(seq 1 60); do
  read -r x y < <(window_at 325x262)
  [ -n "${x:-}" ] || break
  [ "$x" -eq $((screen_w - 325)) ] || fail "popup's left edge at $x"
  if [ ${#tops[@]} -eq 0 ] || [ "${tops[-1]}" != "$y" ]; then tops+=("$y"); fi
  has_tray_icon && seen_icon=1
  [ "$y" -eq $((screen_h - 288)) ] && break
  sleep 0.1
done
echo "tops seen: ${tops[*]}"
[ "${tops[-1]}" -eq $((screen_h - 288)) ] || fail "popup rests at ${tops[-1]}, not $((screen_h - 288))"
[ ${#tops[@]} -ge 4 ] || fail "the popup did not rise step by step"
[ "$seen_icon" -eq 1 ] || fail "no tray icon while the popup rose"
wait_for 3 no_tray_icon ||
  fail "the tray icon is still there at rest"

# The automatic close after 10 s, then a 1.4 s fade-out.
popup_gone() { ! has_window 325x262; }
wait_for 15 popup_gone || fail "the popup never closed"
program_running || fail "the program ended with the popup"
