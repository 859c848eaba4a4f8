# The Color Matching Station by keyboard alone and over the accessibility bus: Enter right
# after it opens runs Go and keeps it open, Tab reaches the bars and the bars move by key,
# every focusable control is named once, the sample tells its colours.
start_program || exit 1
title="Color Matching Station"
shown_count() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l | tr -d ' '; }

# The name of the object that has the keyboard focus in the station.
focused() { atspi focused "$title"; }

focus_main
key ctrl+m
station=$(wait_window "$title") && found=yes || found=no
check "Ctrl+M opens the station" "yes" "$found"
sleep 0.5
check "the station opens with the focus on the Background target" "Background" "$(focused)"
key Return
check "Enter right after opening leaves the station open" "1" "$(shown_count "$title")"
check "Enter keeps the focus on the target" "Background" "$(focused)"

# Tab: the targets are one stop, then the commands, the boxes, Go, Close and the bars.
xdotool key --delay 80 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab; sleep 0.5
check "Tab reaches the red bar" "Red" "$(focused)"
key Tab
check "and the green bar after it" "Green" "$(focused)"
key Home
key Page_Up Page_Up
key ctrl+c
check "Home and Page Up twice on the green bar give green 14" "FF0EFF" "$(clipboard)"
key End Left
key ctrl+c
check "End and Left give green 254" "FFFEFF" "$(clipboard)"

# Auto Safe: one step of the palette a key.
key ctrl+a
key ctrl+c
check "Auto Safe snaps the background" "FFFFFF" "$(clipboard)"
key Home Right Right
key ctrl+c
check "two Rights under Auto Safe give green 102" "FF66FF" "$(clipboard)"
key ctrl+a

# Names for screen readers, and the sample's colours as text.
check "station: every focusable control named, no name twice" "" "$(atspi problems "$title")"
check "the sample tells its three colours" "Background FF66FF, object 000000, text 000000" \
  "$(atspi describe Sample "$title")"

# Shift+F10 shows the right-click menu at the focused control; Escape closes it.
before=$(shown_windows)
key shift+F10
sleep 0.3
check "Shift+F10 shows the right-click menu" "$((before + 1))" "$(shown_windows)"
key Escape
check "Escape closes the menu, not the station" "$before 1" "$(shown_windows) $(shown_count "$title")"
key Menu
sleep 0.3
check "so does the Menu key" "$((before + 1))" "$(shown_windows)"
key Escape
