# --color sets the starting colour, here and in a copy already running; CSS forms beyond
# hex paste and copy through the real clipboard.
start_program --color 'oklch(0.628 0.2577 29.23)' || exit 1
focus_main
key ctrl+c
check "--color 'oklch(...)' starts with its colour" "FF0000" "$(clipboard)"

# File > Copy as CSS > color(display-p3 ...), by keyboard: the tenth item.
set_clipboard "nothing yet"
key alt+f; key a
for _ in $(seq 9); do key Down; done
key Return
check "Copy as CSS > color(display-p3) copies the shortest text" \
  "color(display-p3 0.92 0.2 0.139)" "$(clipboard)"

# A second start hands its colour to the running window and ends at once.
(cd "$work" && ./pigmentor --color 'rgb(51 102 153)') >/dev/null 2>&1
check "a second start with --color ends with status 0" "0" "$?"
focus_main
wait_for "and the running window takes the colour" "336699" \
  bash -c 'xdotool key ctrl+c; sleep 0.2; timeout 5 xclip -o -selection clipboard'


# Shift+F2 with an oklch() text.
set_clipboard "oklch(0.7 0.1 200)"
key shift+F2
key ctrl+c
check "Shift+F2 with oklch(0.7 0.1 200)" "40B1B7" "$(clipboard)"
key F4
wait_exit

# A colour the program cannot take is told on the command line, before any window.
(cd "$work" && ./pigmentor --color 'rgb(1, 2)') >"$work/color.out" 2>&1
check "--color with no colour ends with status 2" "2" "$?"
check "and says why" "1" "$(grep -c "is not a colour Pigmentor can take" "$work/color.out")"
