# The Palette window, built by keyboard: colours from the main window and the clipboard,
# a rename, an export to CSS, and the CSS read back in; every change kept in its file.
start_program || exit 1
# The pointer over the window, wherever an earlier case left it: the keys go where it is.
xdotool mousemove $((mx + 40)) $((my + 40))
start_wm >/dev/null 2>&1 || true
# The first keys after a start can go nowhere while the focus is still on its way under
# load: the paste is made again until the window holds the colour.
for _ in 1 2 3; do
  focus_main
  set_clipboard "#336699"
  key shift+F2
  set_clipboard "(nothing copied)"
  key ctrl+c
  e2e_timeout=10 wait_until output_is 336699 clipboard && break
done
# A key that reached no window (the focus still on its way under load) is pressed again;
# one that did opens the window well before the second try.
for _ in 1 2 3; do
  focus_main
  key ctrl+shift+a
  palette=$(e2e_timeout=15 wait_window " - Palette$") && break
done
check "Add to Palette opens the Palette window" "yes" "$([ -n "$palette" ] && echo yes || echo no)"
xdotool windowfocus --sync "$palette" 2>/dev/null; settle

set_clipboard "#ffffff --paper"
key ctrl+v
key Home
key F2
key ctrl+a
xdotool type -- "--brand"
key Return
wait_for "the palette file holds both colours, the first renamed" \
  "$(printf '{\n  "pigmentor-palette": 1,\n  "name": "",\n  "colors": [\n    { "name": "--brand", "value": "#336699" },\n    { "name": "--paper", "value": "#ffffff" }\n  ]\n}')" \
  cat "$work/palette.json"

# File > Export > CSS Custom Properties..., a name typed in the save dialog.
key alt+f
key e
key c
dialog=$(wait_window "Export the palette")
settle
xdotool type -- "$work/site"
key Return
wait_for "the export is CSS custom properties" \
  "$(printf ':root {\n  --brand: #336699;\n  --paper: #ffffff;\n}')" cat "$work/site.css"

# Ctrl+I reads it back in: the same colours under free names.
xdotool windowfocus --sync "$palette" 2>/dev/null; settle
key ctrl+i
wait_window "Import colors" >/dev/null
settle
xdotool type -- "$work/site.css"
key Return
wait_for "the CSS read back adds its colours" "4" grep -c '"value"' "$work/palette.json"
check "under free names" "1" "$(grep -c '"--brand-2", "value": "#336699"' "$work/palette.json")"
key ctrl+z
wait_for "Ctrl+Z takes the import back out of the file" "2" grep -c '"value"' "$work/palette.json"
check "the palette used last is remembered" "$work/palette.json" "$(cat "$work/palette-last.txt")"

# F4 in the main window ends the program with the Palette window open, and it starts again
# with the same palette, from the command line too.
focus_main
key F4
wait_exit
check "F4 ends the program with the Palette window open" "0" "$status"
printf '{ "pigmentor-palette": 1, "name": "Other", "colors": [{ "name": "--x", "value": "#010203" }] }\n' \
  > "$work/other.palette.json"
start_program other.palette.json || exit 1
check "a palette named on the command line opens in the Palette window" "yes" \
  "$(wait_window "Other - Palette" >/dev/null && echo yes || echo no)"
check "and becomes the palette used last" "$work/other.palette.json" "$(cat "$work/palette-last.txt")"
stop_program
