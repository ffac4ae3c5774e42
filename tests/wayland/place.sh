# Under Wayland the compositor neither tells nor takes a window's place: Top
# and Left stay byte for byte as an X11 session saved them (a place off
# every screen, which X11 would bring back, and an odd text too), while a
# store is still written at once and closing still saves.
. "$(dirname "$0")/common.bash"

# Top | Left | locale
rows=(
  "300|200|C.UTF-8"
  "4000|-5000|de_DE.UTF-8"
  " 0120 |7|C.UTF-8"
)
for row in "${rows[@]}"; do
  IFS='|' read -r top left lang <<<"$row"
  dir=$scratch/place-$lang-$left
  mkdir -p "$dir"
  printf '[Location]\r\nTop=%s\r\nLeft=%s\r\n[Calculator Memory]\r\nMemory Loc. 1=0\r\n' \
    "$top" "$left" >"$dir/CUSTOM.INI"
  grep -a -E '^(Top|Left)=' "$dir/CUSTOM.INI" >"$dir/place.before"
  user_copy "$dir"
  start_in "$dir" "$lang" || continue
  press 4 s 1
  wait_value "$dir/CUSTOM.INI" "Calculator Memory" "Memory Loc. 1" 4 ||
    fail "Top '$top', Left '$left': a store was not written at once"
  end_program
  grep -a -E '^(Top|Left)=' "$dir/CUSTOM.INI" >"$dir/place.after"
  cmp -s "$dir/place.before" "$dir/place.after" ||
    fail "Top '$top', Left '$left' became: $(tr '\r\n' '  ' <"$dir/place.after")"
  [ "$(ini_value "$dir/CUSTOM.INI" "Calculator Memory" "Memory Loc. 1")" = 4 ] ||
    fail "Top '$top', Left '$left': closing lost the store: $(cat -A "$dir/CUSTOM.INI")"
done
done_case
