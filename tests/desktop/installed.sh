# An installed copy keeps its settings in the user's configuration folder,
# never in its bin folder.
. "$(dirname "$0")/common.bash"

prefix=$scratch/prefix
home=$scratch/home
mkdir -p "$home"
cmake --install "$BIN/.." --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
  { fail "cmake --install failed: $(cat "$scratch/install.log")"; done_case; }

start env HOME="$home" XDG_CONFIG_HOME="$scratch/config" "$prefix/bin/tivorum" || done_case
type_into "$WID" 7s4
close_window "$WID" "$PID"
value=$(ini_value "$scratch/config/tivorum/CUSTOM.INI" "Calculator Memory" "Memory Loc. 4")
[ "$value" = 7 ] || fail "\$XDG_CONFIG_HOME/tivorum/CUSTOM.INI holds location 4 '$value'"

start env -u XDG_CONFIG_HOME HOME="$home" "$prefix/bin/tivorum" || done_case
type_into "$WID" 8s5
close_window "$WID" "$PID"
value=$(ini_value "$home/.config/tivorum/CUSTOM.INI" "Calculator Memory" "Memory Loc. 5")
[ "$value" = 8 ] || fail "~/.config/tivorum/CUSTOM.INI holds location 5 '$value'"

# A relative XDG_CONFIG_HOME is ignored, as the XDG rules say: the settings
# never follow the folder the program was started from.
start env XDG_CONFIG_HOME=relative HOME="$home" "$prefix/bin/tivorum" || done_case
type_into "$WID" 6s6
close_window "$WID" "$PID"
value=$(ini_value "$home/.config/tivorum/CUSTOM.INI" "Calculator Memory" "Memory Loc. 6")
[ "$value" = 6 ] || fail "relative XDG_CONFIG_HOME: ~/.config/tivorum/CUSTOM.INI holds location 6 '$value'"
[ -e "$scratch/relative" ] && fail "a relative XDG_CONFIG_HOME made a folder in the working folder"

[ -e "$prefix/bin/CUSTOM.INI" ] && fail "CUSTOM.INI was written into the bin folder"
done_case
