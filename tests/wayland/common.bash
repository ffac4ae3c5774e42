# Shared by the Wayland case scripts (sourced): the real program on the sway
# that tests/wayland/run started, driven as a user would through wtype and
# the clipboard. Needs BIN and the session the run script exports.
here_wayland=$(dirname "${BASH_SOURCE[0]}")
. "$here_wayland/../lib/case.bash"
. "$here_wayland/user.bash"
: "${WAYLAND_DISPLAY:?run through tests/wayland/run}" "${SWAYSOCK:?run through tests/wayland/run}"

# A portable copy of the program in folder $1 that the program's user owns.
user_copy() {
  portable_copy "$1"
  give_to_user "$1"
}

# The command $@ on the compositor's swaymsg; quiet, its status says whether
# it found a window.
sway() {
  "${as_user[@]}" swaymsg -q "$@" 2>/dev/null
}

# Waits up to $2 seconds (default 10) for a window of the program PID whose
# title matches the pattern $1 (the main window, a box, a dialog) and gives
# it the focus.
focus_window() {
  poll "${2:-10}" sway "[pid=$PID title=\"$1\"] focus"
}

# start_in DIR LOCALE: runs the portable copy in DIR under LOCALE through
# Qt's wayland platform; sets PID once its main window has the focus.
start_in() {
  (cd "$1" && exec "${as_user[@]}" env LANG="$2" LC_ALL="$2" QT_QPA_PLATFORM=wayland \
    ./tivorum) >>"$scratch/program.log" 2>&1 &
  PID=$!
  started+=("$PID")
  focus_window '^Tivorum$' && return 0
  fail "no main window from $1/tivorum under $2"
  cat "$scratch/program.log"
  return 1
}

# Types one sequence of key names (keysyms as xdotool names them, and
# chords such as ctrl+v) into the focused window. Every call is a fresh
# virtual keyboard, whose first keys may be lost while the compositor hands
# its keymap to the program: hence the pause before them.
press() {
  local key args=(-s 800)
  for key in "$@"; do
    case $key in
      ctrl+?*) args+=(-M ctrl -k "${key#ctrl+}" -m ctrl) ;;
      *) args+=(-k "$key") ;;
    esac
  done
  "${as_user[@]}" wtype "${args[@]}"
}

# The keysyms wtype sends are the keypad's with NumLock on already.
numlock() { :; }

# Puts standard input on the clipboard, as text.
to_clipboard() {
  "${as_user[@]}" wl-copy --type text/plain
}

clear_clipboard() {
  "${as_user[@]}" wl-copy --clear
}

clipboard() {
  "${as_user[@]}" wl-paste --no-newline --type text/plain 2>/dev/null
}

# Whether the program PID shows no window titled as the pattern $1.
no_window() {
  ! sway "[pid=$PID title=\"$1\"] nop"
}

# Closes the main window as its close box does and waits for the end.
end_program() {
  sway "[pid=$PID title=\"^Tivorum\$\"] kill" || fail "no main window to close"
  wait_exit "$PID" || fail "closing did not end the program"
}
