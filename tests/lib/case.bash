# Shared by the case scripts of tests/desktop and tests/wayland (sourced): a
# scratch folder, the programs a case started ended with it, failures counted,
# portable copies and the settings file read back.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/poll.bash"

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

ended() {
  ! kill -0 "$1" 2>/dev/null
}

# Waits up to $2 seconds (default 10) for process $1 to end; its exit status.
wait_exit() {
  if ! poll "${2:-10}" ended "$1"; then
    fail "process $1 still running"
    return 1
  fi
  wait "$1"
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

# reads FILE SECTION KEY VALUE, differs FILE SECTION KEY VALUE
reads() {
  [ "$(ini_value "$1" "$2" "$3")" = "$4" ]
}

differs() {
  ! reads "$@"
}

# Waits up to 5 seconds for key $3 of section $2 in file $1 to read $4.
wait_value() {
  poll 5 reads "$@"
}
