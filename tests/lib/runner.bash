# Shared by the run scripts of tests/desktop and tests/wayland (sourced).

# Exports BIN, the build's bin folder (BIN, else BUILD_DIR, else build/);
# fails with a word when the program is not there.
find_program() {
  local build=${BUILD_DIR:-build}
  case $build in /*) ;; *) build="$(dirname "${BASH_SOURCE[0]}")/../../$build" ;; esac
  export BIN=${BIN:-$build/bin}
  [ -x "$BIN/tivorum" ] && return 0
  echo "$1: no program at $BIN/tivorum (build first)"
  return 1
}

# Runs case script $1; with TRACE set, traced with times into its log.
run_case() {
  if [ -n "${TRACE:-}" ]; then
    bash -c 'PS4="+ \$(date +%T.%N | cut -c1-12) "; set -x; . "$0"' "$1"
  else
    bash "$1"
  fi
}

# run_cases LABEL FOLDER LOGS [NAME...]: runs every FOLDER/*.sh (or the
# named ones), each logged into the folder LOGS and shown when it fails;
# fails when any case does.
run_cases() {
  local label=$1 folder=$2 logs=$3 case name start cases=() failed=()
  shift 3
  for name in "$@"; do cases+=("$folder/$name.sh"); done
  ((${#cases[@]})) || cases=("$folder"/*.sh)
  for case in "${cases[@]}"; do
    name=$(basename "$case" .sh)
    start=$SECONDS
    if run_case "$case" >"$logs/$name.log" 2>&1; then
      echo "$label $name: passed ($((SECONDS - start)) s)"
    else
      echo "$label $name: FAILED ($((SECONDS - start)) s)"
      sed 's/^/  /' "$logs/$name.log"
      failed+=("$name")
    fi
  done
  if ((${#failed[@]})); then
    echo "$label: ${#failed[@]} case(s) failed: ${failed[*]}"
    return 1
  fi
  echo "$label: every case passed"
}
