# Shared by the input cases (sourced after a driver: tests/desktop/common.bash
# or tests/wayland/common.bash, which give start_in, press, numlock,
# to_clipboard, clear_clipboard, clipboard, focus_window, no_window,
# user_copy and end_program).

# Waits for the windows titled as the pattern $1 to be gone and the main
# window to have the focus again.
wait_main() {
  poll 10 no_window "$1"
  focus_window '^Tivorum$'
}

# Every input case runs under a "." and a "," locale.
case_locales=(C.UTF-8 de_DE.UTF-8)
for lang in "${case_locales[@]}"; do
  locale -a | grep -qix "${lang/UTF-8/utf8}" ||
    { fail "locale $lang is missing (scripts/setup makes it)"; done_case; }
done

# localized TEXT LOCALE: TEXT, written with "." as the point and "," between
# thousands, as LOCALE writes it.
localized() {
  if [ "$(LC_ALL=$2 locale decimal_point)" = , ]; then
    printf '%s' "$1" | tr '.,' ',.'
  else
    printf '%s' "$1"
  fi
}

# seeded_copy DIR: a portable copy in DIR whose ten memory locations hold
# "none", so that a store into one shows at once.
seeded_copy() {
  mkdir -p "$1"
  {
    printf '[Calculator Memory]\r\n'
    printf 'Memory Loc. %s=none\r\n' 0 1 2 3 4 5 6 7 8 9
  } >"$1/CUSTOM.INI"
  user_copy "$1"
}

# stored DIR N: memory location N in DIR/CUSTOM.INI once a store has
# written it (up to 5 seconds).
stored() {
  poll 5 differs "$1/CUSTOM.INI" "Calculator Memory" "Memory Loc. $2" none
  ini_value "$1/CUSTOM.INI" "Calculator Memory" "Memory Loc. $2"
}

has_text() {
  [ -n "$(clipboard)" ]
}

# tape [KEY...]: the keys typed, the tape's lines, through its Copy key and
# the clipboard.
tape() {
  clear_clipboard
  press "$@" y
  if poll 5 has_text; then
    clipboard
    echo
  else
    fail "the tape's Copy key put nothing on the clipboard"
  fi
}
