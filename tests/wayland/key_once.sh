# A key acts once under Wayland, in a "." and a "," locale.
. "$(dirname "$0")/common.bash"
. "$(dirname "$0")/../lib/key_once_case.bash"
