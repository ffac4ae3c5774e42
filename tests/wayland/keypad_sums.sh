# The keypad's sums under Wayland, whose Qt plugin marks no key as the
# keypad's, in a "." and a "," locale.
. "$(dirname "$0")/common.bash"
. "$(dirname "$0")/../lib/keypad_case.bash"
