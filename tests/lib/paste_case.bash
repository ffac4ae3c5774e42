# A paste is one operand, read in the locale's way: a sign, an exponent and
# blanks and line ends around the number are understood. Each pasted number
# is doubled and stored (Sto and a digit write at once), then read back from
# CUSTOM.INI.
. "$(dirname "${BASH_SOURCE[0]}")/input.bash"

# clipboard (printf %b) | twice its number | memory location; "." as the point
rows=(
  "2.5|5|1"
  "-1.5|-3|2"
  " 7\n|14|3"
  "1e3|2000|4"
)

for lang in "${case_locales[@]}"; do
  dir=$scratch/paste-$lang
  locations=()
  for row in "${rows[@]}"; do
    IFS='|' read -r _ _ n <<<"$row"
    locations+=("$n")
  done
  seeded_copy "$dir" "${locations[@]}"
  start_in "$dir" "$lang" || continue
  for row in "${rows[@]}"; do
    IFS='|' read -r text want n <<<"$row"
    text=$(localized "$text" "$lang")
    want=$(localized "$want" "$lang")
    printf '%b' "$text" | to_clipboard
    press Escape Escape ctrl+v asterisk 2 equal s "$n"
    got=$(stored "$dir" "$n")
    [ "$got" = "$want" ] || fail "$lang: a paste of '$text' times 2 gives '$got', expected '$want'"
  done
  end_program
done
done_case
