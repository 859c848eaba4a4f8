# CSS colours in and out, the screen eyedropper and the recent colours.
start_program || exit 1
dialog_text() { atspi tree "${2:-Pigmentor}" | grep -c -F "$1"; } # text [window title]

# Shift+F2 reads a CSS colour off the real clipboard; Ctrl+C copies its code.
focus_main
set_clipboard "rgb(51, 102, 153)"
key shift+F2
key ctrl+c
check "Shift+F2 with rgb(51, 102, 153), then Ctrl+C" "336699" "$(clipboard)"

# File > Copy as CSS > rgb(), by keyboard.
set_clipboard "nothing yet"
key alt+f; key a; key Down; key Down; key Return
check "Copy as CSS > rgb() copies the CSS text" "rgb(51, 102, 153)" "$(clipboard)"

# F2 keeps refusing a "#" with the same box as ever.
set_clipboard "#336699"
key F2
sleep 0.5
check "F2 with #336699 shows the '#' message" "1" "$(dialog_text 'Please enter the Hex Code ONLY, no #!')"
key Return
sleep 0.3

# A CSS colour with alpha 0 is refused and changes nothing.
set_clipboard "#ff000000"
key shift+F2
sleep 0.5
check "Shift+F2 with a transparent colour says why" "1" "$(dialog_text 'opaque colors only' 'Transparent Color')"
key Return
sleep 0.3
key ctrl+c
check "and the colour stays" "336699" "$(clipboard)"

# A window of a known colour elsewhere on the screen, picked by the keyboard.
display -size 160x120 -geometry +1000+600 -title css-swatch "xc:#12AB34" & swatch=$!
wait_window css-swatch >/dev/null
sleep 0.5
focus_main
xdotool mousemove 1060 650
key ctrl+shift+p
sleep 0.8
check "the eyedropper covers the screen" "yes" \
  "$(xdotool search --onlyvisible --name 'Pick from Screen' >/dev/null 2>&1 && echo yes || echo no)"
key Right
key Down
key Return
sleep 0.5
kill $swatch 2>/dev/null; wait $swatch 2>/dev/null
focus_main
key ctrl+c
check "the picked pixel's code lands in Label1" "12AB34" "$(clipboard)"

# Escape cancels a pick and changes nothing.
xdotool mousemove 5 5
key ctrl+shift+p
sleep 0.8
key Escape
sleep 0.3
focus_main
key ctrl+c
check "Escape in the eyedropper changes nothing" "12AB34" "$(clipboard)"

# The recent colours survive a restart, newest first.
key F4
wait_exit
check "the recent colours file, newest first" "$(printf '12AB34\r\n336699\r\n')" \
  "$(head -c 16 "$work/pmtrecent.ini" 2>/dev/null)"
start_program || exit 1
check "after a restart the newest swatch is the picked colour" "yes" \
  "$(locate 'Recent color 12AB34' >/dev/null && echo yes || echo no)"
# A click on the older swatch applies it.
click_on "Recent color 336699"
focus_main
key ctrl+c
check "a click on a recent swatch applies its colour" "336699" "$(clipboard)"
key F4
wait_exit

# A 10 MiB or binary recent colours file does not stop the program.
for kind in big binary; do
  new_work
  if [ $kind = big ]; then head -c 10485760 /dev/zero | tr '\0' 'A' > "$work/pmtrecent.ini"
  else head -c 3000 /dev/urandom > "$work/pmtrecent.ini"; fi
  start_program || continue
  focus_main
  key F4
  wait_exit
  check "a $kind pmtrecent.ini: the program runs and exits with 0" "0" "$status"
  rm -rf "$work"; work=""
done
