# Memory survives a second copy of the program and a kill: each store is
# written at once and only what a copy changed is written.
. "$(dirname "$0")/common.bash"

dir=$scratch/two
portable_copy "$dir"
ini=$dir/CUSTOM.INI
for order in a-first b-first; do
  rm -f "$ini"
  start "$dir/tivorum" || done_case
  a_pid=$PID a_wid=$WID
  start "$dir/tivorum" || done_case
  b_pid=$PID b_wid=$WID
  type_into "$a_wid" 111s1
  type_into "$b_wid" 222s2
  if [ "$order" = a-first ]; then
    close_window "$a_wid" "$a_pid"
    close_window "$b_wid" "$b_pid"
  else
    close_window "$b_wid" "$b_pid"
    close_window "$a_wid" "$a_pid"
  fi
  loc1=$(ini_value "$ini" "Calculator Memory" "Memory Loc. 1")
  loc2=$(ini_value "$ini" "Calculator Memory" "Memory Loc. 2")
  [ "$loc1,$loc2" = "111,222" ] ||
    fail "two copies, $order closed: locations 1 and 2 hold '$loc1' and '$loc2', not 111 and 222"
done

# SIGTERM (what a logout sends) after a store and a move of the window.
dir=$scratch/term
portable_copy "$dir"
ini=$dir/CUSTOM.INI
start "$dir/tivorum" || done_case
type_into "$WID" 5s3
wait_value "$ini" "Calculator Memory" "Memory Loc. 3" 5 || fail "a store was not written at once"
xdotool windowmove "$WID" 150 120
sleep 0.5
frame=$(frame_place "$WID")
kill -TERM "$PID"
wait_exit "$PID"
status=$?
[ "$status" -eq 0 ] || fail "SIGTERM: exit status $status"
loc3=$(ini_value "$ini" "Calculator Memory" "Memory Loc. 3")
[ "$loc3" = 5 ] || fail "SIGTERM: location 3 holds '$loc3'"
saved="$(ini_value "$ini" Location Left),$(ini_value "$ini" Location Top)"
[ "$saved" = "$frame" ] || fail "SIGTERM: saved place $saved, window frame at $frame"
ls -a "$dir" | grep -q '\.tmp' && fail "SIGTERM: a temporary file was left: $(ls -a "$dir")"
done_case
