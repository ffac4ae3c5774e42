# A CUSTOM.INI that is a FIFO (or a device) is neither read nor replaced, and
# never holds the program up: it starts, says so, and SIGTERM still ends it.
. "$(dirname "$0")/common.bash"

dir=$scratch/fifo
portable_copy "$dir"
mkfifo "$dir/CUSTOM.INI"
start "$dir/tivorum" || done_case
poll 5 window_titled '^Tivoru$' >/dev/null || fail "no box about the FIFO in place of CUSTOM.INI"
kill -TERM "$PID"
wait_exit "$PID"
status=$?
[ "$status" -eq 0 ] || fail "SIGTERM: exit status $status"
[ -p "$dir/CUSTOM.INI" ] || fail "the FIFO was replaced: $(ls -l "$dir")"
ls -a "$dir" | grep -q '\.tmp' && fail "a temporary file was left: $(ls -a "$dir")"
done_case
