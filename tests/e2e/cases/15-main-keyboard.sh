# The main window by keyboard alone and over the accessibility bus: Tab reaches the bars and
# the bars move by key (Auto Safe steps included), Shift+F10 shows the right-click menu, every
# focusable control is named once, the preview tells its colour.
start_program || exit 1
title="$main_title"

# The name of the object that has the keyboard focus in the main window.
focused() { atspi focused "$title"; }
# Presses Tab until the control named $1 has the focus; says whether it got there.
tab_to() {
  for _ in $(seq 20); do
    [ "$(focused)" = "$1" ] && { echo yes; return; }
    xdotool key Tab; sleep 0.15
  done
  echo no
}
paste_code() { set_clipboard "$1"; key F2; }

xdotool windowfocus --sync "$main" 2>/dev/null; sleep 0.3
paste_code 000000
check "Tab reaches the green bar" "yes" "$(tab_to Green)"
key Page_Up Page_Up
key ctrl+c
check "Page Up twice on the green bar: the middle pair is 0E" "000E00" "$(clipboard)"
key End
key ctrl+c
check "End takes green to 255" "00FF00" "$(clipboard)"
key Home Right
key ctrl+c
check "Home and Right give green 1" "000100" "$(clipboard)"

# Auto Safe: the bars step through the palette.
paste_code 660000
key ctrl+a
check "Tab reaches the red bar" "yes" "$(tab_to Red)"
key Right
key ctrl+c
check "Auto Safe: one Right on red at 102 gives 153" "990000" "$(clipboard)"
key ctrl+a

# The preview tells its colour; names for screen readers.
paste_code ff9900
check "the preview's description is the code after a paste" "FF9900" \
  "$(atspi describe Preview "$title")"
key ctrl+c # the program owns the clipboard again; xclip may end
check "and the copied code agrees" "FF9900" "$(clipboard)"
check "main window: every focusable control named, no name twice" "" "$(atspi problems "$title")"
check "no hidden option holder in the tree" "0" "$(atspi tree "$title" | grep -c Check3)"

# Shift+F10 and the Menu key show the right-click menu at the focused control.
before=$(shown_windows)
key shift+F10
sleep 0.3
check "Shift+F10 shows the right-click menu" "$((before + 1))" "$(shown_windows)"
key Escape
check "Escape closes the menu, not the window" "$before" "$(shown_windows)"
key Menu
sleep 0.3
check "the Menu key shows it too" "$((before + 1))" "$(shown_windows)"
key Escape
