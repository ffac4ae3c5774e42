# The keypad's sums on X11, in a "." and a "," locale.
. "$(dirname "$0")/common.bash"
. "$(dirname "$0")/../lib/keypad_case.bash"
