#!/usr/bin/env bash
# The keyboard on a real X server with a window manager: the numeric keypad
# computes with NumLock off and on, the program leaves NumLock as it found
# it, "=" and Escape act, and Ctrl+C / Ctrl+V carry numbers through the
# clipboard. Needs DISPLAY (with a window manager running) and BIN, the
# build's bin folder; prints what failed and exits 1 on a failure.
set -uo pipefail
: "${DISPLAY:?DISPLAY is needed}" "${BIN:?BIN is needed}"

work=$(mktemp -d)
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
cp "$BIN/tivorum" "$work/"
[ -f "$BIN/CALC.ELP" ] && cp "$BIN/CALC.ELP" "$work/"

failures=0
fail() {
  echo "keys: $*" >&2
  failures=$((failures + 1))
}
numlock() { xset q | sed -n 's/.*Num Lock: *\(o[nf]*\).*/\1/p'; }
# The number the calculator shows, read through its own Ctrl+C.
shown() {
  printf '' | xclip -selection clipboard
  xdotool key --clearmodifiers ctrl+c
  sleep 0.3
  xclip -o -selection clipboard 2>/dev/null
}
expect() {
  local what=$1 want=$2 got
  got=$(shown)
  [ "$got" = "$want" ] || fail "$what: shows '$got', expected '$want'"
}
press() {
  xdotool key --delay 60 "$@"
  sleep 0.2
}

[ "$(numlock)" = on ] && xdotool key Num_Lock
[ "$(numlock)" = off ] || fail "could not switch NumLock off before the start"

(cd "$work" && exec ./tivorum) &
app_pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Tivorum$' | head -n 1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 1

[ "$(numlock)" = off ] && echo "keys: NumLock off stays off" ||
  fail "NumLock was off before the start and is '$(numlock)' now"

# NumLock off: the keypad sends navigation keys, read by their place.
press KP_End KP_Down KP_Add KP_Next KP_Enter
expect "keypad 1 2 + 3 Enter with NumLock off" 15

press Num_Lock
[ "$(numlock)" = on ] || fail "NumLock did not come on"
press Escape Escape KP_1 KP_2 KP_Add KP_3 KP_Enter
expect "keypad 1 2 + 3 Enter with NumLock on" 15
press Escape Escape KP_8 KP_Divide KP_2 KP_Enter
expect "keypad 8 / 2 Enter" 4
press Escape Escape 2 KP_Add 2 equal
expect "2 + 2 =" 4
press 7
press Escape
expect "Escape clears" 0

press 1 2 period 5
got=$(shown)
[ "$got" = 12.5 ] || fail "Ctrl+C put '$got' on the clipboard, expected 12.5"

press Escape Escape
printf '2.5' | xclip -selection clipboard
sleep 0.2
press ctrl+v KP_Multiply KP_2 KP_Enter
expect "Ctrl+V of 2.5 then * 2 Enter" 5

# Leave NumLock as this script found it: off.
[ "$(numlock)" = on ] && xdotool key Num_Lock
((failures == 0)) && echo "keys: all passed"
exit $((failures > 0))
