# The numeric keypad computes, NumLock on or off: its + - * / and Enter are
# the operations and "=", never the main keyboard's E+, E- and 1/x, its
# decimal key is the point whether it sends "." or ",", and with NumLock off
# its keys are read by their place. Each result is stored (Sto and a digit
# write at once) and read back from CUSTOM.INI.
. "$(dirname "${BASH_SOURCE[0]}")/input.bash"

# NumLock | keys | memory location | result, with "." as the point
rows=(
  "on|7 KP_Add 2 KP_Enter|1|9"
  "on|1 0 0 KP_Subtract 2 0 KP_Enter|2|80"
  "on|KP_6 KP_Multiply KP_7 KP_Enter|3|42"
  "on|7 KP_Divide 2 KP_Enter|4|3.5"
  "on|KP_1 KP_Decimal KP_5 KP_Add 1 KP_Enter|5|2.5"
  "on|KP_1 KP_Separator KP_5 KP_Subtract KP_0 KP_Enter|6|1.5"
  "off|KP_End KP_Down KP_Add KP_Next KP_Enter|7|15"
  "off|KP_Home KP_Delete KP_Begin KP_Multiply KP_Right KP_Enter|8|45"
)

for lang in "${case_locales[@]}"; do
  dir=$scratch/keypad-$lang
  seeded_copy "$dir"
  start_in "$dir" "$lang" || continue
  for state in on off; do
    sequence=()
    for row in "${rows[@]}"; do
      IFS='|' read -r lock keys n _ <<<"$row"
      read -ra keys <<<"$keys"
      [ "$lock" = "$state" ] && sequence+=(Escape Escape "${keys[@]}" s "$n")
    done
    numlock "$state"
    press "${sequence[@]}"
  done
  for row in "${rows[@]}"; do
    IFS='|' read -r lock keys n want <<<"$row"
    want=$(localized "$want" "$lang")
    got=$(stored "$dir" "$n")
    [ "$got" = "$want" ] || fail "$lang: NumLock $lock, $keys gives '$got', expected '$want'"
  done
  end_program
done
done_case
