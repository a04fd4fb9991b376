#!/usr/bin/env bash
# The built program on a real X server: it starts and fades in, a click on
# 翻译 reaches the loopback service, the result is readable through the copy
# button and the X11 clipboard, and the close button ends it with code 0.
set -u
PROGRAM=$(realpath "$1")
PORT=$2
here=$(dirname "$0")
source "$here/desktop_helpers.sh"

: >"$work/pendrix.ini"  # not the first run: no welcome popup
python3 "$here/fake_service.py" "$PORT" "$work" &
service_pid=$!
wait_for 10 test -e "$work/ready" || fail "the loopback service did not start"

start_program
wait_for 10 has_window 601x451 || fail "no main window"
read -r x y < <(window_at 601x451)
echo "main window at $x,$y"
sleep 2  # the fade-in takes 1.25 s

click_at $((x + 262 + 37)) $((y + 214 + 12))  # 按钮1
wait_for 10 test -e "$work/request-1" || fail "the translate click never reached the service"
head -c 200 "$work/request-1"; echo
grep -q '^POST /translate HTTP/1.1' "$work/request-1" || fail "not a POST to /translate"
grep -q 'type=AUTO&i=' "$work/request-1" || fail "the form body lacks the direction and text"

sleep 1
click_at $((x + 426 + 37)) $((y + 214 + 12))  # 按钮4: copy
wait_for 5 sh -c "xclip -o -selection clipboard | grep -q 'Kestara translator'" ||
  fail "the clipboard does not hold the translation: '$(xclip -o -selection clipboard 2>&1)'"
echo "clipboard: $(xclip -o -selection clipboard)"
[ "$(xclip -o -selection clipboard)" = "欢迎使用 Kestara translator" ] || fail "wrong clipboard text"

click_at $((x + 550 + 22)) $((y + 1 + 9))  # 图形按钮1: fading close
wait_for 5 program_ended || fail "the close button did not end the program"
wait "$program_pid"
code=$?
program_pid=
[ "$code" -eq 0 ] || fail "exit code $code"
