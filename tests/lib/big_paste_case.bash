# A 10 MB clipboard is answered at once: it is refused with a box right
# away, the program computes on as before, and a SIGTERM that comes right
# after the next such paste ends it at once, with what was stored kept.
. "$(dirname "${BASH_SOURCE[0]}")/input.bash"

big=$scratch/big.txt
head -c 10000000 /dev/zero | tr '\0' 7 >"$big"

for lang in "${big_paste_locales[@]:-${case_locales[@]}}"; do
  dir=$scratch/big-$lang
  seeded_copy "$dir"
  start_in "$dir" "$lang" || continue
  to_clipboard <"$big"
  press ctrl+v
  # Waits that a frozen program would overrun many times over.
  if focus_window '^Tivoru$' 5; then
    press Return
    wait_main '^Tivoru$' || fail "$lang: the box of a 10 MB paste did not close"
  else
    fail "$lang: no box within 5 s of a 10 MB paste"
  fi
  press 2 asterisk 3 equal s 1 ctrl+v
  got=$(stored "$dir" 1)
  [ "$got" = 6 ] || fail "$lang: after the 10 MB paste 2 * 3 gives '$got'"
  kill -TERM "$PID"
  wait_exit "$PID" 5 || fail "$lang: SIGTERM right after a 10 MB paste did not end the program"
  [ "$(ini_value "$dir/CUSTOM.INI" "Calculator Memory" "Memory Loc. 1")" = 6 ] ||
    fail "$lang: the store was lost: $(cat -A "$dir/CUSTOM.INI")"
done
done_case
