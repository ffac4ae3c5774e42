# The pop-up windows (context menus) a program shows on X11 (sourced).

# popups_of PID: the ids of the viewable override-redirect windows of process
# PID other than tooltips: its open menus. Qt gives a menu neither a title
# nor a window type of its own, so they are told by these.
popups_of() {
  local w info
  for w in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x/ { print $1 }'); do
    xprop -id "$w" _NET_WM_PID 2>/dev/null | grep -q "= $1\$" || continue
    info=$(xwininfo -id "$w" 2>/dev/null)
    [[ $info == *"Map State: IsViewable"* && $info == *"Override Redirect State: yes"* ]] ||
      continue
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && continue
    echo "$w"
  done
}
