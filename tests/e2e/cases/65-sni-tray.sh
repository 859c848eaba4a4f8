# A StatusNotifier tray (as Plasma, waybar or GNOME's extension show it): a watcher on the
# private session bus (sni.py) takes the item. The item exports the tray menu over D-Bus
# with the window's Minimize, Restore and Exit in their states; the host's left click
# restores, its menu request opens no window of the program's own; a start on another
# window system (offscreen) finds the running copy. Under openbox, so that minimizing is real.
command -v dbus-send >/dev/null || { echo "skipped: dbus-send is not installed"; exit 0; }
start_wm || exit 0
sni() { /usr/bin/python3 "$e2e_dir/sni.py" "$@" 2>/dev/null; }
hidden() { xprop -id "$main" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN && echo yes || echo no; }

items=$(mktemp)
/usr/bin/python3 "$e2e_dir/sni.py" watch "$items" >/dev/null 2>&1 & watcher=$!
stop_watcher() { kill "$watcher" 2>/dev/null; wait "$watcher" 2>/dev/null; rm -f "$items"; }
watcher_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher 2>/dev/null | grep -q true
}
wait_until watcher_up || { echo "FAILED: the watcher did not start"; failed=$((failed + 1)); stop_watcher; exit 0; }

new_work
printf '0\r\n0\r\n0\r\n0\r\n2\r\n0\r\n' > "$work/pmtprefs.ini" # task bar and tray
start_program || { stop_watcher; exit 0; }
wait_until test -s "$items"
read -r service path < <(head -1 "$items")
check "the tray icon registers with the watcher" "yes" "$([ -n "$service" ] && echo yes || echo no)"
check "the window's class is the desktop entry's StartupWMClass" "Pigmentor" \
  "$(xprop -id "$main" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')"

menu_of() { sni menu "$service" "$path" | tail -n +2 | tr '\n' ' ' | sed 's/ $//'; }
exported_menu() { p=$(sni menu "$service" "$path" | head -1); [ -n "$p" ] && [ "$p" != /NO_DBUSMENU ] && echo yes || echo no; }
wait_for "the item exports a D-Bus menu" "yes" exported_menu
wait_for "the tooltip's title has no carriage return" "'Pigmentor'" sni tooltip "$service" "$path"
wait_for "a normal window: Minimize offered, Restore not" \
  "Minimize|enabled Restore|disabled - Exit|enabled" menu_of

sni click "$service" "$path" Minimize
wait_for "the menu's Minimize minimizes the window" "yes" hidden
wait_for "a minimized window: Restore offered, Minimize not" \
  "Minimize|disabled Restore|enabled - Exit|enabled" menu_of

sni activate "$service" "$path"
wait_for "the host's left click restores the window" "no" hidden

before=$(shown_windows)
# With the reply, the program has taken the request; a wrong pop-up would then show within
# the time it takes to answer the tray's menu again (which comes after it).
dbus-send --session --print-reply --dest="$service" "$path" org.kde.StatusNotifierItem.ContextMenu \
  int32:600 int32:400 >/dev/null 2>&1
menu_of >/dev/null
settle
check "the host's menu request opens no window of the program's own" "$before" "$(shown_windows)"

# A start on another window system, with a launcher's token: it finds the running copy.
xdotool windowminimize "$main"; wait_until output_is yes hidden
(cd "$work" && QT_QPA_PLATFORM=offscreen XDG_ACTIVATION_TOKEN=launcher-1 timeout 30 ./pigmentor) \
  >/dev/null 2>&1; status=$?
check "a start on another window system hands over and ends with 0" "0" "$status"
wait_for "and brings the running copy back from minimized" "no" hidden
check "one copy: one item on the bus" "1" "$(wc -l < "$items" | tr -d ' ')"

sni click "$service" "$path" Exit
wait_exit
check "the tray menu's Exit ends the program with status 0" "0" "$status"
check "having written its settings" "yes" "$([ -s "$work/pmtsetgs.ini" ] && echo yes || echo no)"
stop_watcher
