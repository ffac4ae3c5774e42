# A CUSTOM.INI its user made read-only is never replaced; the refusal is shown
# once, in a box. Root may write anything, so the program runs as nobody.
. "$(dirname "$0")/common.bash"

dir=$scratch/readonly
home=$scratch/home
portable_copy "$dir"
mkdir -p "$home/.config" "$home/run"
chmod 700 "$home/run"
ini=$dir/CUSTOM.INI
printf '; mine\r\n[Calculator Memory]\r\nMemory Loc. 1=42\r\n' >"$ini"
cp "$ini" "$scratch/before"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody:nogroup "$dir" "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 0444 "$ini"

start "${as_user[@]}" env HOME="$home" XDG_CONFIG_HOME="$home/.config" \
  XDG_RUNTIME_DIR="$home/run" "$dir/tivorum" || done_case
type_into "$WID" 4s1
if focus_window '^Tivoru$' 5; then
  xdotool key Return
else
  fail "no box after a store into a read-only CUSTOM.INI"
fi
# A second store and the close must not show the box again (the program
# would then not end).
type_into "$WID" 5s2
close_window "$WID" "$PID"
cmp -s "$ini" "$scratch/before" || fail "the read-only file changed: $(cat -A "$ini")"
mode=$(stat -c %a "$ini")
[ "$mode" = 444 ] || fail "the file's mode is now $mode"
ls -a "$dir" | grep -q '\.tmp' && fail "a temporary file was left: $(ls -a "$dir")"
done_case
