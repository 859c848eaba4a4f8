# Under a real window manager (openbox) and system tray (trayer): the About box and the
# preferences dialog stay in front of the main window they disable, the main window comes
# back whole after them, and Close like a TV ends at a line and then a point.
start_wm || exit 0
focus_window() { # id: the keyboard goes to that window (with or without a window manager)
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null
  settle
}

stacked_above() { # lower-id upper-id -> yes when the second is higher in the stacking order
  local n=0 lower="" upper="" w
  for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,/ /g'); do
    n=$((n + 1))
    [ $((w)) -eq "$1" ] && lower=$n
    [ $((w)) -eq "$2" ] && upper=$n
  done
  [ -n "$lower" ] && [ -n "$upper" ] && [ "$upper" -gt "$lower" ] && echo yes || echo no
}
# A point of the main window's client area that the other window does not cover.
click_main_beside() { # other-window-id
  local ox oy ow oh px py
  eval "$(xdotool getwindowgeometry --shell "$1")"; ox=$X; oy=$Y; ow=$WIDTH; oh=$HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$main")"
  for px in $((X + 8)) $((X + WIDTH - 8)); do
    for py in $((Y + 40)) $((Y + HEIGHT - 8)); do
      if [ "$px" -lt "$ox" ] || [ "$px" -ge $((ox + ow)) ] || [ "$py" -lt "$oy" ] || [ "$py" -ge $((oy + oh)) ]; then
        click "$px" "$py"; return 0
      fi
    done
  done
  return 1
}
top_client() { echo $(( $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,/ /g' | awk '{print $NF}') )); }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' && echo yes || echo no; }
on_top() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q '_NET_WM_STATE_ABOVE' && echo yes || echo no; }
# The main window is painted: the colour at its client area's left edge, below the menu bar,
# is the window's own and not the black of an unpainted window.
painted() {
  eval "$(xdotool getwindowgeometry --shell "$main")"
  local c; c=$(pixel $((X + 3)) $((Y + HEIGHT / 2)))
  [ -n "$c" ] && [ "$c" != "000000" ] && echo yes || echo no
}

# xev (window id or root) writing to a file listens: a property set on the window is seen.
listening() {
  if [ "$1" = root ]; then xprop -root -f _PIGMENTOR_E2E 8s -set _PIGMENTOR_E2E 1
  else xprop -id "$1" -f _PIGMENTOR_E2E 8s -set _PIGMENTOR_E2E 1; fi
  sleep 0.1
  grep -q PropertyNotify "$2"
}

# 0. The splash is on screen for 1100 ms, counted from its first paint. Its mapping and
# unmapping are taken from the X server's own event stream as they come, stamped by a
# reader that does nothing else, not by polling the screen (which a loaded machine slows
# down): the time between can be no less than the 1100 ms, and little more, the paint
# coming right after the mapping.
new_work
printf '0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n' > "$work/pmtprefs.ini"
printf '0\r\n0\r\n"0  0  0  "\r\n' > "$work/pmtsetgs.ini"
cp "$program" "$work/pigmentor"
stdbuf -oL xev -root -event substructure -event property 2>/dev/null > >(
  while IFS= read -r line; do printf '%s %s\n' "${EPOCHREALTIME/[.,]/}" "$line"; done > "$work/events"
) & events=$!
wait_until listening root "$work/events"
(cd "$work" && exec ./pigmentor) >"$work/program.log" 2>&1 & app=$!
splash=$(wait_window '^Pigmentor$') || splash=0
wait_window "$main_title" >/dev/null && found=yes || found=no
sleep 0.2
kill "$events" 2>/dev/null; wait "$events" 2>/dev/null
# A record's first line has the event's name, its second the window it is about. The
# splash shows when the frame the window manager puts round it maps, and is gone when it
# withdraws (the program's own word) or its frame unmaps.
on_screen=$(awk -v id="$(printf '0x%x' "$splash")" '
  / (ReparentNotify|MapNotify|UnmapNotify|DestroyNotify) event/ { kind = $2; at = $1; next }
  kind != "" {
    w = ""; parent = ""
    for (i = 1; i < NF; i++) {
      if ($i == "window") { w = $(i + 1); sub(",", "", w) }
      if ($i == "parent") { parent = $(i + 1); sub(",", "", parent) }
    }
    if (kind == "ReparentNotify" && w == id) ids[parent] = 1
    else if (w == id || (w in ids)) {
      if (kind == "MapNotify" && !shown) shown = at
      else if (kind != "MapNotify" && shown && !gone) gone = at
    }
    kind = ""
  }
  END { print (shown && gone) ? int((gone - shown) / 1000) : -1 }' "$work/events")
check "openbox: the splash is on screen for 1100 ms from its first paint (was $on_screen ms)" "yes" \
  "$([ "$on_screen" -ge 1000 ] && [ "$on_screen" -le 1500 ] && echo yes || echo no)"
check "openbox: the main window opens after the splash" "yes" "$found"
stop_program
rm -rf "$work"; work=""

# 1. The boxes stay above the disabled main window, whatever is clicked.
new_work
printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/pmtprefs.ini"
start_program || exit 1
focus_window "$main"
key alt+h b
about=$(wait_window "About Pigmentor") || about=0
wait_until output_is yes stacked_above "$main" "$about"
settle
# The click is taken by the window manager and the program alike before they rest again.
click_main_beside "$about"
check "openbox: the About box stays above the main window after a click on it" "yes" "$(stacked_above "$main" "$about")"
focus_window "$about"
key Escape
wait_until output_is 0 shown_count "About Pigmentor"
focus_window "$main"
key alt+i e
dialog=$(wait_window "Edit Preferences") || dialog=0
wait_until output_is yes stacked_above "$main" "$dialog"
settle
click_main_beside "$dialog"
check "openbox: the preferences dialog stays above the main window after a click on it" "yes" "$(stacked_above "$main" "$dialog")"
focus_window "$dialog"
key Escape
wait_for "openbox: the main window is the top window again after the dialog closed" "$((main))" top_client
stop_program
rm -rf "$work"; work=""

# 2. Tray mode 1 with Stay on top: the main window comes back whole.
if start_tray; then
  new_work
  printf '0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n' > "$work/pmtprefs.ini"
  start_program || exit 1
  focus_window "$main"
  before=$main
  key shift+F1
  check "openbox: Stay on top keeps the window (no new native window)" "$before" "$(wait_window "$main_title")"
  wait_for "openbox: Stay on top sets the above state" "yes" on_top "$main"
  key alt+h b
  about=$(wait_window "About Pigmentor") || about=0
  wait_for "openbox: the minimized main window is hidden in the tray" "no" viewable "$main"
  focus_window "$about"
  key alt+c
  wait_until output_is 0 shown_count "About Pigmentor"
  settle
  check "openbox: About Close leaves a hidden main window hidden (not mapped unpainted)" "no" "$(viewable "$main")"
  # Restore: a click on the tray icon, found as the window trayer embedded for the program.
  icon=$(xdotool search --all --pid "$app" --class "" 2>/dev/null | while read -r id; do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Width: 2[0-4]$' && { echo "$id"; break; }; done)
  if [ -n "$icon" ]; then
    eval "$(xdotool getwindowgeometry --shell "$icon")"
    click $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
  else
    echo "note: no tray icon window found; restoring with the tray's own message"
  fi
  # Shown again after hiding, the window is made anew by the toolkit when its stacking
  # flag changed since it was made (not before: it keeps its place meanwhile).
  main=$(wait_window "$main_title") || main=0
  wait_for "openbox: tray Restore shows the main window" "yes" viewable "$main"
  wait_for "openbox: the restored main window is painted" "yes" painted
  wait_for "openbox: the restored main window stays on top" "yes" on_top "$main"

  focus_window "$main"
  key alt+i e
  dialog=$(wait_window "Edit Preferences") || dialog=0
  wait_for "openbox: the dialog's minimized main window is hidden in the tray" "no" viewable "$main"
  focus_window "$dialog"
  key Escape
  main=$(wait_window "$main_title") || main=0
  wait_for "openbox: Cancel brings the main window back" "yes" viewable "$main"
  wait_for "openbox: ... painted" "yes" painted
  wait_for "openbox: ... and on top" "yes" on_top "$main"
  stop_program
  rm -rf "$work"; work=""
fi

# 3. Close like a TV, ten times: the height reaches 2 pixels or less, then the width.
tv_ok=0
for run in $(seq 10); do
  new_work
  printf '0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n' > "$work/pmtprefs.ini"
  start_program || break
  # xev listens once a property set on the window comes back to it.
  stdbuf -oL xev -id "$main" -event structure -event property > "$work/sizes" 2>/dev/null & watcher=$!
  wait_until listening "$main" "$work/sizes"
  focus_window "$main"
  key F4
  wait_exit
  # xev may still be reading: its last word on the window is the window's end.
  wait_until grep -q DestroyNotify "$work/sizes"
  kill "$watcher" 2>/dev/null; wait "$watcher" 2>/dev/null
  verdict=$(sed -n 's/.*width \([0-9]*\), height \([0-9]*\).*/\1 \2/p' "$work/sizes" | awk '
    { if (!line && $2 <= 2) line = 1; if (line && $1 <= 2 && $2 <= 2) point = 1 }
    END { print (line && point) ? "yes" : "no" }')
  if [ "$verdict" = yes ]; then
    tv_ok=$((tv_ok + 1))
  else
    echo "note: run $run, sizes seen: $(sed -n 's/.*width \([0-9]*\), height \([0-9]*\).*/\1x\2/p' "$work/sizes" | tr '\n' ' ' | tail -c 400)"
  fi
  rm -rf "$work"; work=""
done
check "openbox: Close like a TV ends at a line, then a point" "10 of 10" "$tv_ok of 10"
