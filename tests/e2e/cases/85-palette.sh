# The Palette window, built by keyboard: colours from the main window and the clipboard,
# a rename, an export to CSS, and the CSS read back in; every change kept in its file.
start_program || exit 1
start_wm >/dev/null 2>&1 || true
focus_main
set_clipboard "#336699"
key shift+F2
key ctrl+shift+a
palette=$(wait_window " - Palette$")
check "Add to Palette opens the Palette window" "yes" "$([ -n "$palette" ] && echo yes || echo no)"
xdotool windowfocus --sync "$palette" 2>/dev/null; sleep 0.5

set_clipboard "#ffffff --paper"
key ctrl+v
key Home
key F2
key ctrl+a
xdotool type -- "--brand"
key Return
sleep 0.3
check "the palette file holds both colours, the first renamed" \
  "$(printf '{\n  "pigmentor-palette": 1,\n  "name": "",\n  "colors": [\n    { "name": "--brand", "value": "#336699" },\n    { "name": "--paper", "value": "#ffffff" }\n  ]\n}')" \
  "$(cat "$work/palette.json")"

# File > Export > CSS Custom Properties..., a name typed in the save dialog.
key alt+f
key e
key c
dialog=$(wait_window "Export the palette")
sleep 0.5
xdotool type -- "$work/site"
key Return
sleep 0.5
check "the export is CSS custom properties" \
  "$(printf ':root {\n  --brand: #336699;\n  --paper: #ffffff;\n}')" "$(cat "$work/site.css" 2>/dev/null)"

# Ctrl+I reads it back in: the same colours under free names.
xdotool windowfocus --sync "$palette" 2>/dev/null; sleep 0.3
key ctrl+i
wait_window "Import colors" >/dev/null
sleep 0.5
xdotool type -- "$work/site.css"
key Return
sleep 0.5
check "the CSS read back adds its colours" "4" "$(grep -c '"value"' "$work/palette.json")"
check "under free names" "1" "$(grep -c '"--brand-2", "value": "#336699"' "$work/palette.json")"
key ctrl+z
sleep 0.3
check "Ctrl+Z takes the import back out of the file" "2" "$(grep -c '"value"' "$work/palette.json")"
check "the palette used last is remembered" "$work/palette.json" "$(cat "$work/palette-last.txt")"
stop_program
