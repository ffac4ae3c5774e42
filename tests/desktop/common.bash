# Shared by the desktop case scripts (sourced): start the real program, find
# its window, type into it and close it as a user would, and check results.
# Needs DISPLAY and BIN, as tests/desktop/run exports them.
set -uo pipefail

failures=0
scratch=$(mktemp -d)
chmod 755 "$scratch"
started=()

finish() {
  local pid
  for pid in "${started[@]}"; do
    kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
  done
  rm -rf "$scratch"
}
trap finish EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Ends the case: non-zero when any check failed.
done_case() {
  exit $((failures > 0))
}

# A portable copy of the program in folder $1: the executable and its help
# file side by side, as in the build folder.
portable_copy() {
  mkdir -p "$1"
  cp "$BIN/tivorum" "$BIN/CALC.ELP" "$1/"
  chmod 755 "$1" "$1/tivorum"
}

# start COMMAND...: runs it in the background from the scratch folder; sets
# PID and WID, the main window once the window manager has framed it.
start() {
  (cd "$scratch" && exec "$@") >>"$scratch/program.log" 2>&1 &
  PID=$!
  started+=("$PID")
  WID=
  local i
  for i in $(seq 150); do
    WID=$(xdotool search --all --onlyvisible --pid "$PID" --name '^Tivorum$' 2>/dev/null | head -n1)
    if [ -n "$WID" ] && xprop -id "$WID" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; then
      return 0
    fi
    sleep 0.1
  done
  fail "no framed main window for: $*"
  cat "$scratch/program.log"
  return 1
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

# Waits up to $2 seconds (default 10) for process $1 to end; its exit status.
wait_exit() {
  local i
  for i in $(seq $((${2:-10} * 10))); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$1" 2>/dev/null; then
    fail "process $1 still running"
    return 1
  fi
  wait "$1"
}

# Closes window $1 of process $2 through the window manager (Alt+F4, as its
# close box does) and waits for the program to end.
close_window() {
  timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  xdotool key --clearmodifiers alt+F4
  wait_exit "$2" || fail "closing did not end the program"
}

# The value of key $3 in section $2 of INI file $1 (first match, any case).
ini_value() {
  awk -v s="$2" -v k="$3" '
    { sub(/\r$/, "") }
    /^\[/ { inside = tolower($0) == tolower("[" s "]"); next }
    inside && index($0, "=") {
      key = substr($0, 1, index($0, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", key)
      if (tolower(key) == tolower(k)) { v = substr($0, index($0, "=") + 1); gsub(/^[ \t]+|[ \t]+$/, "", v); print v; exit }
    }' "$1" 2>/dev/null
}

# Waits up to 5 seconds for key $3 of section $2 in file $1 to read $4.
wait_value() {
  local i
  for i in $(seq 50); do
    [ "$(ini_value "$1" "$2" "$3")" = "$4" ] && return 0
    sleep 0.1
  done
  return 1
}
