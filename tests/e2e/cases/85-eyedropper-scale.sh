# Pick from Screen at scales 1.25, 1.5 and 2: the magnifier moving over the screen leaves
# no trace of its frame behind (compared with the screen before the pick).
for scale in 1.25 1.5 2; do
  QT_SCALE_FACTOR=$scale start_program || continue
  xdotool mousemove 1270 890
  focus_main
  import -window root "$work/before.png" 2>/dev/null
  key ctrl+shift+p
  settle
  for i in $(seq 0 20); do xdotool mousemove $((40 + i * 9)) $((30 + i * 7)); sleep 0.05; done
  xdotool mousemove 1270 890 # the magnifier flips to the bottom right corner
  settle
  import -window root "$work/after.png" 2>/dev/null
  key Escape
  # Where the magnifier went along its way, and nowhere near where it stopped.
  differing=$(compare -metric AE -extract 900x600+0+0 "$work/before.png" "$work/after.png" \
    null: 2>&1 | cut -d' ' -f1)
  check "scale $scale: the magnifier leaves no trail" "0" "$differing"
  focus_main
  key F4
  wait_exit
  rm -rf "$work"; work=""
done
