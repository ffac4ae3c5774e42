# A paste is one operand, read whole in the locale's way: blanks and line
# ends around it, a sign, thousands in groups of three, an exponent and a
# number longer than the entry are understood, and a pending Sto is
# cancelled rather than given a location by the pasted digits. Each pasted
# number is doubled and stored (Sto and a digit write at once), then read
# back from CUSTOM.INI.
. "$(dirname "${BASH_SOURCE[0]}")/input.bash"

long=1$(printf '0%.0s' {1..99})
# keys before the paste | clipboard (printf %b) | twice its number | memory
# location; "." as the point and "," between thousands
rows=(
  "| -1,234.50\n|-2469|2"
  "5 s|42|84|3"
  "|1e3|2000|5"
  "|$long|2E99|6"
)
# The "4" of the "42" pasted after Sto would pick this location.
untouched=4

for lang in "${case_locales[@]}"; do
  dir=$scratch/paste-$lang
  seeded_copy "$dir"
  start_in "$dir" "$lang" || continue
  for row in "${rows[@]}"; do
    IFS='|' read -r before text want n <<<"$row"
    text=$(localized "$text" "$lang")
    want=$(localized "$want" "$lang")
    read -ra before <<<"$before"
    printf '%b' "$text" | to_clipboard
    press Escape Escape "${before[@]}" ctrl+v asterisk 2 equal s "$n"
    got=$(stored "$dir" "$n")
    [ "$got" = "$want" ] ||
      fail "$lang: ${before[*]:+${before[*]}, then }a paste of '${text:0:20}' times 2 gives '$got', expected '$want'"
  done
  got=$(ini_value "$dir/CUSTOM.INI" "Calculator Memory" "Memory Loc. $untouched")
  [ "$got" = none ] || fail "$lang: the paste after Sto stored '$got' into location $untouched"
  end_program
done
done_case
