# A 10 MB paste on X11, in a "." and a "," locale.
. "$(dirname "$0")/common.bash"
. "$(dirname "$0")/../lib/big_paste_case.bash"
