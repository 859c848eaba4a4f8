# The About box, the preferences dialog and the ReadMe viewer without a window manager:
# every focusable control named once in the accessibility tree; Escape closes them.
start_program || exit 1
focus_window() { # id: the keyboard goes to that window (with or without a window manager)
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null
  settle
}

focus_window "$main"
key alt+h b
wait_window "About Pigmentor" >/dev/null && found=yes || found=no
check "Help > About opens the About box" "yes" "$found"
wait_for "About box: every focusable control named, no name twice" "" atspi problems 'About Pigmentor'
key alt+m
check "About box: More Info shows the credits" "yes" "$(locate Credits 'About Pigmentor' >/dev/null && echo yes || echo no)"
key Escape
wait_for "Escape closes the About box" "0" shown_count 'About Pigmentor'

focus_window "$main"
key alt+i e
wait_window "Edit Preferences" >/dev/null && found=yes || found=no
check "Settings > Edit preferences opens the dialog" "yes" "$found"
wait_for "preferences dialog: every focusable control named, no name twice" "" \
  atspi problems 'Edit Preferences'
key Escape
wait_for "Escape cancels the preferences dialog" "0" shown_count 'Edit Preferences'

focus_window "$main"
printf 'A line long enough to wrap: %s\r\ncaf\xe9\r\n' "$(printf 'word %.0s' $(seq 60))" > "$work/ReadMe.txt"
key alt+h
click_on "View ReadMe.txt"
viewer=$(wait_window "Pigmentor ReadMe.txt") && found=yes || found=no
check "Help > View ReadMe.txt opens the viewer" "yes" "$found"
wait_for "ReadMe viewer: every focusable control named, no name twice" "" \
  atspi problems 'Pigmentor ReadMe.txt'
focus_window "$viewer"
set_clipboard "(nothing copied)"
key ctrl+a ctrl+c
last_line() { clipboard | tail -1 | tr -d '\r'; }
wait_for "the ReadMe's Latin-1 text is selected and copied" "café" last_line
key Escape
wait_for "Escape closes the ReadMe viewer" "0" shown_count 'Pigmentor ReadMe.txt'
