#!/usr/bin/env bash
# End-to-end: the real program in a private X server, driven by keys, clicks and the
# clipboard, checked through the clipboard, the files it writes and its pixels.
# Exits 77 (skipped) when Xvfb, xdotool, xclip or ImageMagick are not installed.
set -uo pipefail
program=${1:?usage: run_e2e.sh path/to/pigmentor}
program=$(readlink -f "$program")

for tool in Xvfb xdotool xclip import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
# Xvfb picks a free display itself and writes its number to the file; -noreset keeps it
# from restarting (and refusing connections) each time its last client leaves.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 & xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=":$(head -1 "$work/display")"
[ "$display" != ":" ] || { echo "FAILED: the X server did not start"; exit 1; }
export DISPLAY=$display
ready=no
for _ in $(seq 100); do
  xdotool getmouselocation >/dev/null 2>&1 && { ready=yes; break; }
  sleep 0.1
done
[ "$ready" = yes ] || { echo "FAILED: the X server on $display did not start"; exit 1; }

passed=0
failed=0
check() { # description, expected, actual
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1)); echo "ok: $1"
  else
    failed=$((failed + 1)); echo "FAILED: $1: expected [$2], got [$3]"
  fi
}

wait_window() { # name -> window id, or nothing after 10 s
  for _ in $(seq 100); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

pixel() { # x y -> RRGGBB of the screen
  import -window root -crop "1x1+$1+$2" +repage -depth 8 txt:- 2>/dev/null \
    | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -1 | tr a-f A-F
}

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
set_clipboard() { printf '%s' "$1" | xclip -selection clipboard; sleep 0.2; }
key() { xdotool key "$@"; sleep 0.3; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

cp "$program" "$work/pigmentor"
[ -d "$(dirname "$program")/help" ] && cp -r "$(dirname "$program")/help" "$work/"
# Splash off, colour saved on exit, no alerts after copies.
printf '0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/pmtprefs.ini"
printf '0\r\n0\r\n"0  0  0  "\r\n' > "$work/pmtsetgs.ini"

(cd "$work" && exec ./pigmentor) >"$work/program.log" 2>&1 & app=$!
main=$(wait_window "Pigmentor 1.18") || {
  echo "FAILED: the main window never showed (display $display)"
  cat "$work/program.log"
  exit 1
}
eval "$(xdotool getwindowgeometry --shell "$main")"
mx=$X; my=$Y
focus_main() { click $((mx + 200)) $((my + 345)); }
hex_box() { click $((mx + 350)) $((my + 212)); }
preview() { pixel $((mx + 394)) $((my + 85)); }

# A typed code, Enter, then Ctrl+C with the focus still in the box.
hex_box
xdotool type ff9900; key Return
check "preview after typing ff9900" "FF9900" "$(preview)"
key ctrl+c
check "Ctrl+C from the hex box copies the code" "FF9900" "$(clipboard)"

# F2 applies the code on the real clipboard.
focus_main
set_clipboard "996633"
key F2
check "preview after F2 with 996633" "996633" "$(preview)"
key ctrl+r
check "Ctrl+R copies the RGB values" "R:153 G:102 B:51" "$(clipboard)"

# Auto Safe: 123456 ends at 003366.
key ctrl+a
set_clipboard "123456"
key F2
check "Auto Safe snaps a pasted code" "003366" "$(preview)"
key ctrl+c
check "the snapped code is what is copied" "003366" "$(clipboard)"
key ctrl+a

# The red box clamps 300 to 255.
click $((mx + 78)) $((my + 212))
xdotool type 300; sleep 0.3
key ctrl+c
check "300 in the red box becomes 255" "FF3366" "$(clipboard)"

# Ctrl+M opens the station once.
focus_main
key ctrl+m
station=$(wait_window "Color Matching Station") && found=yes || found=no
check "Ctrl+M opens the station" "yes" "$found"
focus_main
key ctrl+m
check "one station however often it is opened" "1" \
  "$(xdotool search --onlyvisible --name 'Color Matching Station' 2>/dev/null | wc -l | tr -d ' ')"

# F1 opens the help pages that lie beside the program.
focus_main
key F1
wait_window "Pigmentor Help" >/dev/null && found=yes || found=no
check "F1 opens the help window" "yes" "$found"
key Escape
sleep 0.3
check "Escape closes the help window" "0" \
  "$(xdotool search --onlyvisible --name 'Pigmentor Help' 2>/dev/null | wc -l | tr -d ' ')"

# F4 exits with status 0 and writes the settings file.
focus_main
key F4
status=timeout
for _ in $(seq 100); do
  if ! kill -0 "$app" 2>/dev/null; then wait "$app"; status=$?; break; fi
  sleep 0.1
done
app=""
check "F4 ends the program with status 0" "0" "$status"
check "the settings file keeps the colour" "$(printf '0\r\n0\r\n"25551 102"\r\n')" "$(cat "$work/pmtsetgs.ini")"
check "the station wrote its preferences" "$(printf '#FALSE#\r\n')" "$(cat "$work/pmtmprefs.ini" 2>/dev/null)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
