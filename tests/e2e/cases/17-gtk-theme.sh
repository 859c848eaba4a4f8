# Under the GTK desktop theme and a dark GTK palette, as on a GNOME desktop: Enter in a text
# box still runs the window's default button, in both windows.
if ! dpkg-query -W -f='${Status}' qt6-gtk-platformtheme 2>/dev/null | grep -q "install ok installed"; then
  echo "skipped: qt6-gtk-platformtheme is not installed"
  exit 0
fi
new_work
mkdir -p "$work/cfg/gtk-3.0"
printf '[Settings]\ngtk-font-name=Sans 13\ngtk-application-prefer-dark-theme=1\n' \
  > "$work/cfg/gtk-3.0/settings.ini"
# GTK's own accessibility bridge would list a second, empty application of the same name.
export QT_QPA_PLATFORMTHEME=gtk3 XDG_CONFIG_HOME=$work/cfg NO_AT_BRIDGE=1
start_program || exit 1

click_on "Hex code entry" "$main_title"
xdotool type 336699; key Return
check_copy "GTK theme: Enter in the hex box runs Go" "336699" ctrl+c

key ctrl+m
station=$(wait_window "Color Matching Station") && found=yes || found=no
check "GTK theme: Ctrl+M opens the station" "yes" "$found"
click_on "Hex code entry" "Color Matching Station"
xdotool type 12AB34; key Return
check_copy "GTK theme: Enter in the station's hex box runs Go" "12AB34" ctrl+c
