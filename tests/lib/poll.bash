# Waiting for a condition by the clock (sourced).

# poll SECONDS COMMAND...: runs COMMAND every tenth of a second until it
# succeeds, for about SECONDS seconds of the clock (however slow the
# machine); fails when it never did.
poll() {
  local end=$((SECONDS + $1 + 1))
  shift
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
}
