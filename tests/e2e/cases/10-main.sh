# The main window: typed and pasted codes, copies, Auto Safe, the station, help and exit.
start_program || exit 1
title="$main_title"
hex_box() { click_on "Hex code entry" "$title"; }
preview_at=$(locate Preview "$title") || { echo "FAILED: no preview in the accessibility tree"; exit 1; }
# shellcheck disable=SC2086
preview() { pixel $preview_at; }

# A typed code, Enter, then Ctrl+C with the focus still in the box.
hex_box
xdotool type ff9900; key Return
wait_for "preview after typing ff9900" "FF9900" preview
check_copy "Ctrl+C from the hex box copies the code" "FF9900" ctrl+c

# F2 applies the code on the real clipboard.
focus_main
set_clipboard "996633"
key F2
wait_for "preview after F2 with 996633" "996633" preview
check_copy "Ctrl+R copies the RGB values" "R:153 G:102 B:51" ctrl+r

# Auto Safe: 123456 ends at 003366.
key ctrl+a
set_clipboard "123456"
key F2
wait_for "Auto Safe snaps a pasted code" "003366" preview
check_copy "the snapped code is what is copied" "003366" ctrl+c
key ctrl+a

# The red box clamps 300 to 255.
click_on "Red value" "$title"
xdotool type 300
check_copy "300 in the red box becomes 255" "FF3366" ctrl+c

# Ctrl+M opens the station once.
focus_main
key ctrl+m
station=$(wait_window "Color Matching Station") && found=yes || found=no
check "Ctrl+M opens the station" "yes" "$found"
focus_main
key ctrl+m
# The second Ctrl+M is done once a later key is: F1 opens the help window below.
focus_main
key F1
wait_window "Pigmentor Help" >/dev/null && found=yes || found=no
check "F1 opens the help window" "yes" "$found"
check "one station however often it is opened" "1" "$(shown_count 'Color Matching Station')"

# F1 opened the help pages that lie beside the program.
key Escape
wait_for "Escape closes the help window" "0" shown_count 'Pigmentor Help'

# F4 exits with status 0 and writes the settings file.
focus_main
key F4
wait_exit
check "F4 ends the program with status 0" "0" "$status"
check "the settings file keeps the colour" "$(printf '0\r\n0\r\n"25551 102"\r\n')" "$(cat "$work/pmtsetgs.ini")"
check "the station wrote its preferences" "$(printf '#FALSE#\r\n')" "$(cat "$work/pmtmprefs.ini" 2>/dev/null)"
