# CSS colours in and out, the screen eyedropper and the recent colours.
start_program || exit 1
dialog_text() { atspi tree "${2:-Pigmentor}" | grep -c -F "$1"; } # text [window title]

# Shift+F2 reads a CSS colour off the real clipboard; Ctrl+C copies its code.
focus_main
set_clipboard "rgb(51, 102, 153)"
key shift+F2
# The paste is read once the program takes the clipboard back with its copy.
wait_for "Shift+F2 with rgb(51, 102, 153), then Ctrl+C" "336699" eval 'key ctrl+c; clipboard'

# File > Copy as CSS > rgb(), by keyboard.
set_clipboard "nothing yet"
key alt+f; key a; key Down; key Down; key Return
wait_for "Copy as CSS > rgb() copies the CSS text" "rgb(51, 102, 153)" clipboard

# F2 keeps refusing a "#" with the same box as ever.
set_clipboard "#336699"
key F2
wait_for "F2 with #336699 shows the '#' message" "1" dialog_text 'Please enter the Hex Code ONLY, no #!'
key Return
wait_until output_is 0 dialog_text 'Please enter the Hex Code ONLY, no #!'

# A CSS colour with alpha 0 is refused and changes nothing.
set_clipboard "#ff000000"
key shift+F2
wait_for "Shift+F2 with a transparent colour says why" "1" dialog_text 'opaque colors only' 'Transparent Color'
key Return
wait_until output_is 0 dialog_text 'opaque colors only' 'Transparent Color'
check_copy "and the colour stays" "336699" ctrl+c

# A window of a known colour elsewhere on the screen, picked by the keyboard.
display -size 160x120 -geometry +1000+600 -title css-swatch "xc:#12AB34" & swatch=$!
wait_window css-swatch >/dev/null
wait_until output_is 12AB34 pixel 1080 660 # drawn
focus_main
xdotool mousemove --sync 1060 650
picker() { shown_count 'Pick from Screen'; }
key ctrl+shift+p
wait_for "the eyedropper covers the screen" "1" picker
key Right
key Down
key Return
wait_until output_is 0 picker
kill $swatch 2>/dev/null; wait $swatch 2>/dev/null
focus_main
check_copy "the picked pixel's code lands in Label1" "12AB34" ctrl+c

# Escape cancels a pick and changes nothing.
xdotool mousemove --sync 5 5
key ctrl+shift+p
wait_until output_is 1 picker
key Escape
wait_for "Escape closes the eyedropper" "0" picker
focus_main
check_copy "Escape in the eyedropper changes nothing" "12AB34" ctrl+c

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
check_copy "a click on a recent swatch applies its colour" "336699" ctrl+c
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
