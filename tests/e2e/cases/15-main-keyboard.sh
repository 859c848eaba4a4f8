# The main window by keyboard alone and over the accessibility bus: Tab reaches the bars and
# the bars move by key (Auto Safe steps included), Shift+F10 shows the right-click menu, every
# focusable control is named once, the preview tells its colour.
start_program || exit 1
title="$main_title"

# The name of the object that has the keyboard focus in the main window.
focused() { atspi focused "$title"; }
# Presses Tab until the control named $1 has the focus; says whether it got there. After
# each Tab it waits for the focus to leave the control it was on.
tab_to() {
  local now
  for _ in $(seq 20); do
    now=$(focused)
    [ "$now" = "$1" ] && { echo yes; return; }
    xdotool key Tab
    wait_until eval '[ "$(focused)" != "$now" ]'
  done
  echo no
}
# The code pasted with F2, and waited for: the preview tells it (Auto Safe off).
paste_code() {
  set_clipboard "$1"
  key F2
  wait_until output_is "$(tr a-f A-F <<<"$1")" atspi describe Preview "$title"
}

focus_main
paste_code 000000
check "Tab reaches the green bar" "yes" "$(tab_to Green)"
key Page_Up Page_Up
check_copy "Page Up twice on the green bar: the middle pair is 0E" "000E00" ctrl+c
key End
check_copy "End takes green to 255" "00FF00" ctrl+c
key Home Right
check_copy "Home and Right give green 1" "000100" ctrl+c

# Auto Safe: the bars step through the palette.
paste_code 660000
key ctrl+a
check "Tab reaches the red bar" "yes" "$(tab_to Red)"
key Right
check_copy "Auto Safe: one Right on red at 102 gives 153" "990000" ctrl+c
key ctrl+a

# The preview tells its colour; names for screen readers.
paste_code ff9900
wait_for "the preview's description is the code after a paste" "FF9900" \
  atspi describe Preview "$title"
check_copy "and the copied code agrees" "FF9900" ctrl+c
check "main window: every focusable control named, no name twice" "" "$(atspi problems "$title")"
check "no hidden option holder in the tree" "0" "$(atspi tree "$title" | grep -c Check3)"

# Shift+F10 and the Menu key show the right-click menu at the focused control.
before=$(shown_windows)
key shift+F10
wait_for "Shift+F10 shows the right-click menu" "$((before + 1))" shown_windows
key Escape
wait_for "Escape closes the menu" "$before" shown_windows
# Not the window: a copy after the Escape still comes from it.
check_copy "and not the window" "FF9900" ctrl+c
key Menu
wait_for "the Menu key shows it too" "$((before + 1))" shown_windows
key Escape
