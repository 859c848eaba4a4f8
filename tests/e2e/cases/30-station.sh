# The Color Matching Station by keyboard alone and over the accessibility bus: Enter right
# after it opens runs Go and keeps it open, Tab reaches the bars and the bars move by key,
# every focusable control is named once, the sample tells its colours.
start_program || exit 1
title="Color Matching Station"

# The name of the object that has the keyboard focus in the station.
focused() { atspi focused "$title"; }

focus_main
key ctrl+m
station=$(wait_window "$title") && found=yes || found=no
check "Ctrl+M opens the station" "yes" "$found"
wait_for "the station opens with the focus on the Background target" "Background" focused
key Return
# Enter ran Go (or nothing): a copy after it is the background's, from the open station.
check_copy "Enter right after opening: the station still answers" "FFFFFF" ctrl+c
check "Enter right after opening leaves the station open" "1" "$(shown_count "$title")"
check "Enter keeps the focus on the target" "Background" "$(focused)"

# Tab: the targets are one stop, then the commands, the boxes, Go, Close and the bars.
xdotool key --delay 80 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
wait_for "Tab reaches the red bar" "Red" focused
key Tab
wait_for "and the green bar after it" "Green" focused
key Home
key Page_Up Page_Up
check_copy "Home and Page Up twice on the green bar give green 14" "FF0EFF" ctrl+c
key End Left
check_copy "End and Left give green 254" "FFFEFF" ctrl+c

# Auto Safe: one step of the palette a key.
key ctrl+a
check_copy "Auto Safe snaps the background" "FFFFFF" ctrl+c
key Home Right Right
check_copy "two Rights under Auto Safe give green 102" "FF66FF" ctrl+c
key ctrl+a

# Names for screen readers, and the sample's colours as text.
wait_for "station: every focusable control named, no name twice" "" atspi problems "$title"
wait_for "the sample tells its three colours" "Background FF66FF, object 000000, text 000000" \
  atspi describe Sample "$title"

# Shift+F10 shows the right-click menu at the focused control; Escape closes it.
before=$(shown_windows)
key shift+F10
wait_for "Shift+F10 shows the right-click menu" "$((before + 1))" shown_windows
key Escape
wait_for "Escape closes the menu" "$before" shown_windows
check_copy "and not the station" "FF66FF" ctrl+c
check "the station is still shown" "1" "$(shown_count "$title")"
key Menu
wait_for "so does the Menu key" "$((before + 1))" shown_windows
key Escape
