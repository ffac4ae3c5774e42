# A key acts once: the keypad's Enter and Return press "=" on their press and
# their release reaches no other key, and Return closing an error box or the
# help window does not press "=" behind it. Read back from the tape.
. "$(dirname "${BASH_SOURCE[0]}")/input.bash"

for lang in "${case_locales[@]}"; do
  dir=$scratch/once-$lang
  user_copy "$dir"
  start_in "$dir" "$lang" || continue
  numlock on
  printf 'abc' | to_clipboard
  press Escape Escape 3 asterisk 5 equal ctrl+v
  if focus_window '^Tivoru$'; then
    press Return
    wait_main '^Tivoru$' || fail "$lang: the error box did not close"
  else
    fail "$lang: no error box for a paste of 'abc'"
  fi
  # F1 turns help mode on; the second shows the help window.
  press 4 asterisk 4 equal F1 F1
  if focus_window '^Help$'; then
    press Return
    wait_main '^Help$' || fail "$lang: the help window did not close"
  else
    fail "$lang: no help window after F1 F1"
  fi
  lines=$(tape 5 KP_Add 3 KP_Enter 6 asterisk 7 Return)
  # result line | how it was reached
  for row in "= 15|Return on the error box" "= 16|Return on the help window" \
    "= 8|5 KP_Add 3 KP_Enter" "= 42|6 * 7 Return"; do
    IFS='|' read -r line what <<<"$row"
    n=$(grep -cx -- "$line" <<<"$lines")
    ((n == 1)) || fail "$lang: $what: the tape holds '$line' $n times: $(tr '\n' '|' <<<"$lines")"
  done
  end_program
done
done_case
