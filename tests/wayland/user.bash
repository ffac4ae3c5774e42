# The user the compositor and the program run as (sourced): sway refuses to
# run as root, so under root both run as WAYLAND_USER (default nobody), and
# so do the clients that talk to them.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  export WAYLAND_USER=${WAYLAND_USER:-nobody}
  as_user=(setpriv --reuid="$WAYLAND_USER" --regid="$(id -g "$WAYLAND_USER")" --clear-groups)
fi

# Hands the files and folders $@ to that user.
give_to_user() {
  ((${#as_user[@]} == 0)) || chown -R "$WAYLAND_USER:$(id -g "$WAYLAND_USER")" "$@"
}
