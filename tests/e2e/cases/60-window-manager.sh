# Under a real window manager (openbox) and system tray (trayer): the About box and the
# preferences dialog stay in front of the main window they disable, the main window comes
# back whole after them, and Close like a TV ends at a line and then a point.
start_wm || exit 0
focus_window() { # id: the keyboard goes to that window (with or without a window manager)
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null
  sleep 0.2
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

# 0. The splash is on screen for 1100 ms, counted from when it shows.
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
new_work
printf '0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n' > "$work/pmtprefs.ini"
printf '0\r\n0\r\n"0  0  0  "\r\n' > "$work/pmtsetgs.ini"
cp "$program" "$work/pigmentor"
(cd "$work" && exec ./pigmentor) >"$work/program.log" 2>&1 & app=$!
shown=""; gone=""
for _ in $(seq 600); do
  if xdotool search --onlyvisible --name '^Pigmentor$' >/dev/null 2>&1; then
    [ -n "$shown" ] || shown=$(now_ms)
  elif [ -n "$shown" ]; then
    gone=$(now_ms); break
  fi
  sleep 0.005
done
on_screen=$(( ${gone:-0} - ${shown:-0} ))
check "openbox: the splash is on screen for 1100 +- 100 ms (was $on_screen ms)" "yes" \
  "$([ "$on_screen" -ge 1000 ] && [ "$on_screen" -le 1200 ] && echo yes || echo no)"
wait_window "$main_title" >/dev/null && found=yes || found=no
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
sleep 0.5
click_main_beside "$about"
sleep 0.5
check "openbox: the About box stays above the main window after a click on it" "yes" "$(stacked_above "$main" "$about")"
focus_window "$about"
key Escape
sleep 0.3
focus_window "$main"
key alt+i e
dialog=$(wait_window "Edit Preferences") || dialog=0
sleep 0.5
click_main_beside "$dialog"
sleep 0.5
check "openbox: the preferences dialog stays above the main window after a click on it" "yes" "$(stacked_above "$main" "$dialog")"
focus_window "$dialog"
key Escape
sleep 0.5
check "openbox: the main window is the top window again after the dialog closed" "$((main))" "$(top_client)"
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
  check "openbox: Stay on top sets the above state" "yes" "$(on_top "$main")"
  key alt+h b
  about=$(wait_window "About Pigmentor") || about=0
  sleep 1.2
  check "openbox: the minimized main window is hidden in the tray" "no" "$(viewable "$main")"
  focus_window "$about"
  key alt+c
  sleep 1
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
  check "openbox: tray Restore shows the main window" "yes" "$(viewable "$main")"
  check "openbox: the restored main window is painted" "yes" "$(painted)"
  check "openbox: the restored main window stays on top" "yes" "$(on_top "$main")"

  focus_window "$main"
  key alt+i e
  dialog=$(wait_window "Edit Preferences") || dialog=0
  sleep 1.2
  check "openbox: the dialog's minimized main window is hidden in the tray" "no" "$(viewable "$main")"
  focus_window "$dialog"
  key Escape
  main=$(wait_window "$main_title") || main=0
  check "openbox: Cancel brings the main window back" "yes" "$(viewable "$main")"
  check "openbox: ... painted" "yes" "$(painted)"
  check "openbox: ... and on top" "yes" "$(on_top "$main")"
  stop_program
  rm -rf "$work"; work=""
fi

# 3. Close like a TV, ten times: the height reaches 2 pixels or less, then the width.
tv_ok=0
for run in $(seq 10); do
  new_work
  printf '0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n' > "$work/pmtprefs.ini"
  start_program || break
  stdbuf -oL xev -id "$main" -event structure > "$work/sizes" 2>/dev/null & watcher=$!
  sleep 0.3
  focus_window "$main"
  key F4
  wait_exit
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
