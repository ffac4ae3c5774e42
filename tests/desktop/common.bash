# Shared by the desktop case scripts (sourced): start the real program, find
# its window, type into it and close it as a user would, and check results.
# Needs DISPLAY and BIN, as tests/desktop/run exports them.
. "$(dirname "${BASH_SOURCE[0]}")/../lib/case.bash"

# start COMMAND...: runs it in the background from the scratch folder; sets
# PID and WID, the main window once the window manager has framed it.
start() {
  (cd "$scratch" && exec "$@") >>"$scratch/program.log" 2>&1 &
  PID=$!
  started+=("$PID")
  WID=
  poll 15 framed && return 0
  fail "no framed main window for: $*"
  cat "$scratch/program.log"
  return 1
}

# Sets WID to the main window of PID once the window manager has framed it.
framed() {
  WID=$(xdotool search --all --onlyvisible --pid "$PID" --name '^Tivorum$' 2>/dev/null | head -n1)
  [ -n "$WID" ] && xprop -id "$WID" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='
}

# The client area of window $1 on the screen: x,y,w,h.
client_geometry() {
  xwininfo -id "$1" | awk '
    /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF}
    END {print x "," y "," w "," h}'
}

# The frame's top-left corner of window $1: left,top.
frame_place() {
  local extents x y
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  read -r fl _ ft _ <<<"$extents"
  IFS=, read -r x y _ <<<"$(client_geometry "$1")"
  echo "$((x - fl)),$((y - ft))"
}

# Gives window $1 the focus and types $2 into it.
type_into() {
  timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  xdotool type --delay 30 "$2"
}

# Closes window $1 of process $2 through the window manager (Alt+F4, as its
# close box does) and waits for the program to end.
close_window() {
  timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  xdotool key --clearmodifiers alt+F4
  wait_exit "$2" || fail "closing did not end the program"
}

# The driver the shared input cases (tests/lib/*_case.bash) use; the Wayland
# run has the same functions.

# A portable copy of the program in folder $1 for the cases' program.
user_copy() {
  portable_copy "$1"
}

# start_in DIR LOCALE: runs the portable copy in DIR under LOCALE; sets PID
# and WID once its main window has the focus.
start_in() {
  start env LANG="$2" LC_ALL="$2" "$1/tivorum" || return 1
  timeout 5 xdotool windowactivate --sync "$WID" 2>/dev/null || xdotool windowfocus --sync "$WID"
}

# Types one sequence of key names (keysyms, and chords such as ctrl+v) into
# the focused window.
press() {
  xdotool key --clearmodifiers --delay 40 "$@"
}

# numlock on|off: sets the keyboard's NumLock.
numlock() {
  local now
  now=$(xset q | sed -n 's/.*Num Lock: *\(o[nf]*\).*/\1/p')
  [ "$now" = "$1" ] || xdotool key Num_Lock
}

# Puts standard input on the clipboard, as text.
to_clipboard() {
  xclip -selection clipboard
}

clear_clipboard() {
  printf '' | xclip -selection clipboard
}

clipboard() {
  xclip -o -selection clipboard 2>/dev/null
}

# The first window of the program PID whose title matches the pattern $1.
window_titled() {
  xdotool search --all --onlyvisible --pid "$PID" --name "$1" 2>/dev/null | head -n1 | grep .
}

activate() {
  local window
  window=$(window_titled "$1") || return 1
  timeout 5 xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
}

# Waits up to $2 seconds (default 10) for a window of the program PID whose
# title matches the pattern $1 and gives it the focus.
focus_window() {
  poll "${2:-10}" activate "$1"
}

# Whether the program PID shows no window titled as the pattern $1.
no_window() {
  ! window_titled "$1" >/dev/null
}

# Closes the main window as its close box does and waits for the end.
end_program() {
  close_window "$WID" "$PID"
}
