# The tape comes back: after a kill -9 every line written before it, with two
# copies open the tape of the one that ended last, and for an installed copy
# from $XDG_STATE_HOME/tivorum. The tape's menu opens once on the Menu key
# and on a right click, and a note added through it survives a kill -9.
# Tapes are read through the Copy key.
. "$(dirname "$0")/common.bash"

# The tape of window $1, one line per line, through its Copy key.
tape_of() {
  printf '' | xclip -selection clipboard
  timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  xdotool key --clearmodifiers alt+y
  sleep 0.3
  xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}

# Types keypad keys into window $1: "12+3=" writes 12, +, 3 and "= 15".
compute() {
  local keys=() c i
  for ((i = 0; i < ${#2}; i++)); do
    c=${2:i:1}
    case $c in
      +) keys+=(KP_Add) ;;
      =) keys+=(KP_Enter) ;;
      *) keys+=("KP_$c") ;;
    esac
  done
  timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  xdotool key --delay 40 "${keys[@]}"
  sleep 0.3
}

expect_tape() {
  local got
  got=$(tape_of "$1")
  [ "$got" = "$2" ] || fail "$3: the tape shows '$(echo "$got" | tr '\n' '|')', expected '$(echo "$2" | tr '\n' '|')'"
}

# kill -9: nothing written before it is lost, and the next start adopts it.
dir=$scratch/killed
portable_copy "$dir"
start "$dir/tivorum" || done_case
compute "$WID" "12+3="
kill -KILL "$PID"
wait "$PID" 2>/dev/null
start "$dir/tivorum" || done_case
expect_tape "$WID" $'12\n+\n3\n= 15' "after a kill -9"
compute "$WID" "4+4="
close_window "$WID" "$PID"
start "$dir/tivorum" || done_case
expect_tape "$WID" $'12\n+\n3\n= 15\n4\n+\n4\n= 8' "after a kill -9 and a restart"
close_window "$WID" "$PID"
leftovers=$(cd "$dir" && ls | grep '^tape\.journal\.' || true)
[ -z "$leftovers" ] || fail "files left beside the journal: $leftovers"

. "$(dirname "$0")/../lib/popups.bash"

# The number of menus the program shows.
menus_shown() {
  popups_of "$PID" | wc -l
}
menus_are() {
  [ "$(menus_shown)" -eq "$1" ]
}

# opens_once HOW COMMAND...: COMMAND opens one menu, Escape closes it, and no
# second one follows.
opens_once() {
  local how=$1
  shift
  "$@"
  poll 5 menus_are 1 || fail "$how opened no menu"
  press Escape
  poll 5 menus_are 0 || fail "Escape did not close the menu opened by $how"
  sleep 0.5
  menus_are 0 || fail "$how opened the menu twice"
}

dir=$scratch/menu
portable_copy "$dir"
start "$dir/tivorum" || done_case
compute "$WID" "12+3="
opens_once "the Menu key" press Menu
opens_once "Shift+F10" press shift+F10
opens_once "a right click on the tape" xdotool mousemove --window "$WID" 280 200 click 3
# Below the last line: the caret goes to the end of the tape.
xdotool mousemove --window "$WID" 280 200 click 1
opens_once "the Menu key on the tape" press Menu
press Menu
poll 5 menus_are 1 || fail "the Menu key opened no menu"
press n
poll 5 xdotool search --onlyvisible --pid "$PID" --name '^Add Note$' >/dev/null ||
  fail "Add Note… asked for no note"
xdotool type --delay 30 "for the bus"
press Return
sleep 0.3
expect_tape "$WID" $'12\n+\n3\n= 15  [for the bus]' "a note added through the menu"
kill -KILL "$PID"
wait "$PID" 2>/dev/null
start "$dir/tivorum" || done_case
expect_tape "$WID" $'12\n+\n3\n= 15  [for the bus]' "a note after a kill -9"
close_window "$WID" "$PID"

# Two copies at once: each keeps its own tape; the next start shows the one
# that ended last.
dir=$scratch/two
portable_copy "$dir"
for order in a-last b-last; do
  rm -f "$dir"/tape.journal*
  start "$dir/tivorum" || done_case
  a_pid=$PID a_wid=$WID
  start "$dir/tivorum" || done_case
  b_pid=$PID b_wid=$WID
  compute "$a_wid" "1+1="
  compute "$b_wid" "2+5="
  compute "$a_wid" "3+3="
  expect_tape "$a_wid" $'1\n+\n1\n= 2\n3\n+\n3\n= 6' "copy a, $order"
  expect_tape "$b_wid" $'2\n+\n5\n= 7' "copy b, $order"
  if [ "$order" = a-last ]; then
    close_window "$b_wid" "$b_pid"
    close_window "$a_wid" "$a_pid"
    want=$'1\n+\n1\n= 2\n3\n+\n3\n= 6'
  else
    close_window "$a_wid" "$a_pid"
    close_window "$b_wid" "$b_pid"
    want=$'2\n+\n5\n= 7'
  fi
  start "$dir/tivorum" || done_case
  expect_tape "$WID" "$want" "the next start after two copies, $order"
  close_window "$WID" "$PID"
done

# An installed copy keeps its journal in $XDG_STATE_HOME/tivorum, a relative
# XDG_STATE_HOME is ignored for ~/.local/state/tivorum.
prefix=$scratch/prefix
home=$scratch/home
mkdir -p "$home"
if cmake --install "$BIN/.." --prefix "$prefix" >"$scratch/install.log" 2>&1; then
  start env HOME="$home" XDG_STATE_HOME="$scratch/state" "$prefix/bin/tivorum" || done_case
  compute "$WID" "6+1="
  close_window "$WID" "$PID"
  [ -f "$scratch/state/tivorum/tape.journal" ] || fail "no journal in \$XDG_STATE_HOME/tivorum"
  start env HOME="$home" XDG_STATE_HOME=relative "$prefix/bin/tivorum" || done_case
  compute "$WID" "6+2="
  close_window "$WID" "$PID"
  [ -f "$home/.local/state/tivorum/tape.journal" ] || fail "no journal in ~/.local/state/tivorum"
  ls "$prefix/bin" | grep -q journal && fail "a journal was written into the bin folder"
else
  fail "cmake --install failed: $(cat "$scratch/install.log")"
fi
done_case
