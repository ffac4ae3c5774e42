# The window's place survives a display that goes away without a session
# manager to warn the program (the X server ends, a logout that kills it): it
# is written once the window has stood still for a moment after a move.
. "$(dirname "$0")/common.bash"

dir=$scratch/gone
portable_copy "$dir"
ini=$dir/CUSTOM.INI
printf '[Location]\r\nTop=100\r\nLeft=100\r\n' >"$ini"

# An X server and window manager of this case's own, to end under the program.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" \
  >"$scratch/xvfb.log" 2>&1 &
own_xvfb=$!
started+=("$own_xvfb")
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
[ -s "$scratch/display" ] || { fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"; done_case; }
export DISPLAY=:$(head -n1 "$scratch/display")
openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
started+=("$!")
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

start "$dir/tivorum" || done_case
type_into "$WID" 4s7
xdotool windowmove "$WID" 333 222
sleep 0.3
xdotool windowmove "$WID" 350 240
# Longer than the quiet time after the last move.
sleep 1.5
frame=$(frame_place "$WID")
kill "$own_xvfb"
wait "$own_xvfb" 2>/dev/null
wait_exit "$PID"
saved="$(ini_value "$ini" Location Left),$(ini_value "$ini" Location Top)"
[ "$saved" = "$frame" ] || fail "display gone: saved place $saved, window frame was at $frame"
loc7=$(ini_value "$ini" "Calculator Memory" "Memory Loc. 7")
[ "$loc7" = 4 ] || fail "display gone: location 7 holds '$loc7'"
done_case
