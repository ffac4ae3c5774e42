# A 10 MB paste under Wayland. Its refusal does not depend on the locale
# (the X11 run tries both): here under the "," one only, to keep the run
# short.
big_paste_locales=(de_DE.UTF-8)
. "$(dirname "$0")/common.bash"
. "$(dirname "$0")/../lib/big_paste_case.bash"
