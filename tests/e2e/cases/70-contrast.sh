# The contrast lab: the station's ratios and verdicts, a suggested passing colour, the
# colour-vision views of the sample, and the main window's contrast line.
start_program || exit 1

title="Color Matching Station"
describe() { atspi describe "$1" "$title"; }
centre_pixel() { local at; at=$(locate "$1" "$title") || return 1; pixel $at; }

focus_main
key ctrl+m
station=$(wait_window "$title") && found=yes || found=no
check "Ctrl+M opens the station" "yes" "$found"
[ "$found" = yes ] || exit 1
xdotool windowfocus --sync "$station" 2>/dev/null
settle
wait_for "station: every focusable control named once, the panel included" "" atspi problems "$title"
wait_for "black text on white" "21.00:1, normal text AA pass, AAA pass; large text AA pass, AAA pass" \
  describe 'Text on Background contrast'

# Text 777777 on the white background: 4.47:1, failing AA for normal text.
click_on "Text" "$title"
click_on "Hex code entry" "$title"
xdotool type 777777; key Return
wait_for "777777 on white shows 4.47:1 and fails AA for normal text" \
  "4.47:1, normal text AA fail, AAA fail; large text AA pass, AAA fail" \
  describe 'Text on Background contrast'
check_copy "the text is 777777" "777777" ctrl+e

# Suggest for AA (F7) moves the text to the nearest passing grey.
key F7
wait_for "after Suggest for AA the text passes" \
  "4.54:1, normal text AA pass, AAA fail; large text AA pass, AAA pass" \
  describe 'Text on Background contrast'
check_copy "and its hex code changed to 767676" "767676" ctrl+e

# A red object, then the deuteranopia view: the drawn pixels change, the copies do not.
click_on "Object" "$title"
click_on "Hex code entry" "$title"
xdotool type FF0000; key Return
wait_for "the object is drawn red" "FF0000" centre_pixel 'Sample object'
key alt+n
key d
wait_for "under the deuteranopia view the object is drawn as such" "A39000" centre_pixel 'Sample object'
view_line() { atspi tree "$title" | grep -q 'Sample as seen with deuteranopia' && echo yes || echo no; }
wait_for "a line says which view is on" "yes" view_line
check_copy "Ctrl+E still copies the true text colour" "767676" ctrl+e
check_copy "Ctrl+D still copies the true object colour" "FF0000" ctrl+d
key alt+n
key n
wait_for "Normal Vision draws the true colours again" "FF0000" centre_pixel 'Sample object'

# The main window: the current colour against white and black.
focus_main
set_clipboard "777777"
key F2
wait_for "the main window's contrast line" "On white 4.47:1, AA fail; on black 4.68:1, AA pass" \
  atspi describe 'Contrast' "$main_title"
