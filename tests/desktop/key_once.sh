# A key acts once on X11, in a "." and a "," locale.
. "$(dirname "$0")/common.bash"
. "$(dirname "$0")/../lib/key_once_case.bash"
