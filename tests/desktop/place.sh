# The window comes back where it was closed, start after start, and a place
# off every screen (a monitor since unplugged) is brought back onto the screen.
. "$(dirname "$0")/common.bash"

dir=$scratch/place
portable_copy "$dir"
ini=$dir/CUSTOM.INI
printf '[Location]\r\nTop=300\r\nLeft=200\r\n' >"$ini"

first=
for cycle in 1 2 3 4 5; do
  start "$dir/tivorum" || done_case
  geometry=$(client_geometry "$WID")
  frame=$(frame_place "$WID")
  first=${first:-$geometry}
  [ "$geometry" = "$first" ] || fail "start $cycle: client area at $geometry, at the first start $first"
  [ "$frame" = "200,300" ] || fail "start $cycle: frame at $frame, saved at Left 200, Top 300"
  close_window "$WID" "$PID"
  saved="$(ini_value "$ini" Location Left),$(ini_value "$ini" Location Top)"
  [ "$saved" = "200,300" ] || fail "close $cycle: saved Left,Top $saved"
done

read -r screen_w screen_h < <(xwininfo -root | awk '/^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF} END {print w, h}')
for place in "4000 -3000" "-5000 100" "200 99999"; do
  read -r top left <<<"$place"
  printf '[Location]\r\nTop=%s\r\nLeft=%s\r\n' "$top" "$left" >"$ini"
  start "$dir/tivorum" || done_case
  IFS=, read -r x y w _ <<<"$(client_geometry "$WID")"
  IFS=, read -r _ frame_top <<<"$(frame_place "$WID")"
  if ((x < 0 || x + w > screen_w || frame_top < 0 || y > screen_h - 20)); then
    fail "saved Top $top, Left $left: client area at $x,$y (${w} wide), off the ${screen_w}x$screen_h screen"
  fi
  close_window "$WID" "$PID"
done

# A place saved on a larger screen brings the whole window, frame and all,
# onto this one, not just the corner of its title bar.
for place in "1900 2500" "1900 300" "300 2500"; do
  read -r top left <<<"$place"
  printf '[Location]\r\nTop=%s\r\nLeft=%s\r\n' "$top" "$left" >"$ini"
  start "$dir/tivorum" || done_case
  IFS=, read -r x y w h <<<"$(client_geometry "$WID")"
  read -r fl fr ft fb < <(xprop -id "$WID" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  if ((x - fl < 0 || y - ft < 0 || x + w + fr > screen_w || y + h + fb > screen_h)); then
    fail "saved Top $top, Left $left: frame at $((x - fl)),$((y - ft)) to $((x + w + fr)),$((y + h + fb)), not all on the ${screen_w}x$screen_h screen"
  fi
  close_window "$WID" "$PID"
done
done_case
