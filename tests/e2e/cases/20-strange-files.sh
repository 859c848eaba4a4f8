# Strange files and endings: bad files named at start are told on standard error while the
# others open, a name that is not UTF-8 loads, the window keeps its size whatever the
# colour, SIGTERM writes the settings as Exit does, and pipes in place of the settings
# files or of ReadMe.txt never stop the program.
new_work
mkfifo "$work/fifo.pmt"
printf 'garbage\r\n' > "$work/junk.pmt"
printf '10 20 30 \r\n' > "$work/$(printf 'caf\xe9.pmt')"
start_program /nonexistent.pmt fifo.pmt junk.pmt "$(printf 'caf\xe9.pmt')" || exit 1
check "bad files named at start are told on standard error, one line each" \
  "$(printf 'pigmentor: /nonexistent.pmt: No such file or directory\npigmentor: %s/fifo.pmt: It is a pipe, not a regular file\npigmentor: %s/junk.pmt: It is not a Pigmentor colour file' "$work" "$work")" \
  "$(grep '^pigmentor: ' "$work/program.log")"
focus_main
key ctrl+c
check "a file whose name is not UTF-8 loads, after the bad ones" "0A141E" "$(clipboard)"

sizes=""
for code in 990000 660000 FFFFFF 777777 000000 C0FFEE; do
  set_clipboard "$code"
  focus_main
  key F2
  sizes="$sizes $(xdotool getwindowgeometry "$main" | awk '/Geometry/ {print $2}')"
done
check "the main window keeps its size whatever the colour" "1" \
  "$(printf '%s\n' $sizes | sort -u | wc -l | tr -d ' ')"

for _ in 1 2 3; do # the pasted code, checked before the signal
  set_clipboard "336699"
  focus_main
  key F2
  key ctrl+c
  [ "$(clipboard)" = 336699 ] && break
done
kill -TERM "$app"
wait_exit
check "SIGTERM ends the program with status 0" "0" "$status"
check "SIGTERM writes the settings as Exit does" "$(printf '0\r\n0\r\n"51 102153"\r\n')" \
  "$(cat "$work/pmtsetgs.ini")"
rm -rf "$work"; work=""

# Pipes as the settings files (in the user's folder) and as ReadMe.txt.
new_work
cp "$program" "$work/pigmentor"
config="$work/config/pigmentor"
mkdir -p "$config"
for f in pmtprefs.ini pmtsetgs.ini pmtrecent.ini pmtmprefs.ini; do mkfifo "$config/$f"; done
mkfifo "$work/ReadMe.txt"
(cd "$work" && XDG_CONFIG_HOME="$work/config" exec ./pigmentor) >"$work/program.log" 2>&1 & app=$!
main=$(wait_window "$main_title") && shown=yes || shown=no
check "pipes as the settings files: the main window opens" "yes" "$shown"
if [ "$shown" = yes ]; then
  focus_main
  key alt+h
  key Down Return
  box=$(wait_window '^Pigmentor$')
  check "a pipe as ReadMe.txt: a message box, at once" "yes" "$([ -n "$box" ] && echo yes || echo no)"
  key Return
  focus_main
  key F4
  wait_exit
  check "pipes as the settings files: Exit ends with status 0" "0" "$status"
  check "the pipes are left as they were" "yes" \
    "$([ -p "$config/pmtsetgs.ini" ] && [ -p "$config/pmtrecent.ini" ] && [ -p "$config/pmtmprefs.ini" ] && echo yes || echo no)"
  check "the settings that could not be written are named on standard error" \
    "pigmentor: $config/pmtsetgs.ini: It is a pipe, not a regular file" \
    "$(grep '^pigmentor: ' "$work/program.log")"
fi
