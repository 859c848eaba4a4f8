# Installed like a desktop program: the command line, a copy installed into a scratch
# prefix (settings in $XDG_CONFIG_HOME/pigmentor, the installed ReadMe from any folder,
# save dialogs that ask before replacing a theme and complete its name), one running
# instance under a window manager and a tray, and a theme named on the command line.
build=$(dirname "$program")
scratch=$(mktemp -d)
trap 'stop_program; e2e_cleanup; rm -rf "$scratch"' EXIT
focus_window() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null
  settle
}

# ---- Command line: no window for these.
out=$("$program" --version 2>&1); status=$?
check "--version prints the version and exits 0" "$main_title 0" "$out $status"
out=$("$program" --help 2>/dev/null); status=$?
check "--help prints the usage and exits 0" "Usage: pigmentor [OPTION]... [FILE]... 0" "$(head -1 <<<"$out") $status"
err=$("$program" --frobnicate 2>&1 >/dev/null); status=$?
check "an unknown option: one line, the help hint, status 2" \
  "pigmentor: unknown option '--frobnicate'|Try 'pigmentor --help' for more information.|2" \
  "$(tr '\n' '|' <<<"$err")$status"
err=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" 2>&1); status=$?
check "without a display: one clear line and status 1" \
  "pigmentor: cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set) 1" \
  "$err $status"
err=$(DISPLAY=:9876 "$program" 2>&1); status=$?
check "an unreachable display: one line, status 1, no abort" \
  "pigmentor: cannot open a window: the display :9876 cannot be reached 1" "$err $status"

# ---- An installed copy.
prefix=$scratch/prefix
if ! cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
  cat "$scratch/install.log"
  check "the build installs into a scratch prefix" "0" "1"
  exit 0
fi
export XDG_CONFIG_HOME=$scratch/config
config=$XDG_CONFIG_HOME/pigmentor
elsewhere=$scratch/elsewhere
mkdir -p "$elsewhere"
start_installed() { # [args...]: the installed program, started in a folder without a ReadMe
  (cd "$elsewhere" && exec "$prefix/bin/pigmentor" "$@") >"$scratch/program.log" 2>&1 & app=$!
  main=$(wait_window "$main_title") || { echo "FAILED: the installed program showed no window"; failed=$((failed + 1)); cat "$scratch/program.log"; return 1; }
  settle
}
quit_program() { # through File > Exit, so that the settings are written
  focus_window "$main"
  key alt+f
  key x
  wait_exit
  check "$1" "0" "$status"
}

start_installed || exit 0
check "a first start makes \$XDG_CONFIG_HOME/pigmentor" "yes" "$([ -d "$config" ] && echo yes || echo no)"

# The ReadMe: none in the current folder, so the installed one.
focus_window "$main"
key alt+h
click_on "View ReadMe.txt"
viewer=$(wait_window "Pigmentor ReadMe.txt") && found=yes || found=no
check "View ReadMe.txt opens the viewer from any folder" "yes" "$found"
check "and shows no error" "0" "$(shown_count 'Text Editor')"
focus_window "$viewer"
set_clipboard "(nothing copied)"
key ctrl+a ctrl+c
first_line() { clipboard | head -1 | tr -d '\r'; }
wait_for "the viewer shows the installed ReadMe" "$(head -1 "$prefix/share/pigmentor/ReadMe.txt" | tr -d '\r')" \
  first_line
key Escape
wait_until output_is 0 shown_count 'Pigmentor ReadMe.txt'

# Themes: an existing file is replaced only after Yes; a name without extension gets one.
themes=$scratch/themes
mkdir -p "$themes"
printf '123456ABCDEF654321\r\n' > "$themes/old.pmtm"
focus_window "$main"
key ctrl+m
station=$(wait_window "Color Matching Station") || true
save_theme_as() { # path, then the keys that answer the question (if any)
  focus_window "$station"
  key ctrl+s
  wait_window "Save Theme As" >/dev/null
  # The file name box has the focus once the dialog is in the accessibility tree.
  wait_until atspi focused "Save Theme As" >/dev/null
  settle
  xdotool type --delay 20 "$1"
  key Return
}
asked() { atspi tree "Save Theme As" | grep -c 'already exists' | tr -d ' '; }
bytes_of() { tr -d '\r\n' < "$1" 2>/dev/null; }
save_theme_as "$themes/old.pmtm"
wait_for "replacing a theme asks first" "1" asked
key alt+n
dialog_back() { echo "$(shown_count 'Save Theme As') $(asked)"; }
wait_for "No brings the save dialog back" "1 0" dialog_back
key Escape
wait_until output_is 0 shown_count 'Save Theme As'
check "No, then Cancel: the file keeps its bytes" "123456ABCDEF654321" "$(bytes_of "$themes/old.pmtm")"
save_theme_as "$themes/old.pmtm"
wait_until output_is 1 asked
key alt+y
wait_for "Yes replaces it" "FFFFFF000000000000" bytes_of "$themes/old.pmtm"
wait_until output_is 0 shown_count 'Save Theme As'
save_theme_as "$themes/mine"
saved_mine() {
  echo "$([ -f "$themes/mine.pmtm" ] && echo yes || echo no) $([ -e "$themes/mine" ] && echo yes || echo no) $(shown_count 'Save Theme As')"
}
wait_for "mine is saved as mine.pmtm, without a question" "yes no 0" saved_mine

quit_program "File > Exit ends the installed copy with status 0"
check "its settings are in \$XDG_CONFIG_HOME/pigmentor" "pmtmprefs.ini pmtsetgs.ini" \
  "$(cd "$config" && ls | tr '\n' ' ' | sed 's/ $//')"
check "and nothing is written beside the installed program" "pigmentor" "$(ls "$prefix/bin" | tr '\n' ' ' | sed 's/ $//')"

# ---- One instance, under a window manager with a tray (tray and task bar, no splash).
if start_wm && start_tray; then
  printf '0\r\n0\r\n0\r\n0\r\n2\r\n0\r\n' > "$config/pmtprefs.ini"
  start_installed || exit 0
  first=$app
  xdotool windowminimize "$main"
  hidden() { xprop -id "$main" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN && echo yes || echo no; }
  wait_for "the first copy is minimized" "yes" hidden
  (cd "$elsewhere" && timeout 30 "$prefix/bin/pigmentor") >/dev/null 2>&1; status=$?
  check "a second start ends at once with status 0" "0" "$status"
  wait_for "and brings the first back from minimized" "no" hidden
  wait_for "to the front" "$main" xdotool getactivewindow
  check "the first keeps running" "yes" "$(kill -0 "$first" 2>/dev/null && echo yes || echo no)"
  check "one copy, so one tray icon" "1" \
    "$(xwininfo -root -tree | grep -c '"Pigmentor": ("pigmentor" "Pigmentor")')"

  # A theme handed over by a later start opens in the first copy's station.
  printf '00FF00FFFFFF000000\r\n' > "$themes/some.pmtm"
  (cd "$themes" && timeout 30 "$prefix/bin/pigmentor" some.pmtm) >/dev/null 2>&1; status=$?
  check "a later start with a theme hands it over and ends with 0" "0" "$status"
  wait_window "Color Matching Station" >/dev/null && found=yes || found=no
  check "the first copy opens the station" "yes" "$found"
  wait_for "with the theme's colours" "Background 00FF00, object FFFFFF, text 000000" \
    atspi describe Sample "Color Matching Station"
  quit_program "the first copy still exits with status 0"
fi

# ---- A theme named on the command line, with nothing running.
printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' > "$config/pmtprefs.ini"
printf '3366FF000000FFFFFF\r\n' > "$themes/blue.pmtm"
(cd "$themes" && exec "$prefix/bin/pigmentor" blue.pmtm) >"$scratch/program.log" 2>&1 & app=$!
wait_window "Color Matching Station" >/dev/null && found=yes || found=no
check "pigmentor blue.pmtm opens the station" "yes" "$found"
wait_for "with the theme loaded" "Background 3366FF, object 000000, text FFFFFF" \
  atspi describe Sample "Color Matching Station"
main=$(wait_window "$main_title")
quit_program "and exits with status 0"
