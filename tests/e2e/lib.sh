# Shared set-up of the end-to-end cases; sourced by run_e2e.sh, which has started a private
# Xvfb server (DISPLAY) inside a private session bus. Each case file runs in its own shell
# with these functions and prints "ok: ..." or "FAILED: ..." lines.
#
#   start_program [ARGS...]   copies the program into a fresh folder ($work), writes the
#                             default .ini files (splash off, no alerts, no exit question)
#                             unless the case wrote its own there first (set $work with
#                             new_work), starts it and waits for the main window ($main,
#                             its corner $mx $my); the process is $app
#   stop_program              ends it (F4 is the way to test the real exit)
#   wait_exit                 waits for it to end by itself; $status is its exit status
#   check DESC EXPECTED ACTUAL
#   wait_window NAME          a shown window's id, or nothing after 10 s
#   locate NAME [TITLE]       "x y", the screen centre of the control named NAME in the
#                             accessibility tree (of the window whose title holds TITLE)
#   click_on NAME [TITLE]     a left click there
#   pixel X Y, clipboard, set_clipboard TEXT, key KEYS..., click X Y
#   focus_main                gives the main window the keyboard focus
#   start_wm                  starts openbox (returns 1 and prints a "skipped" line if missing)
#   start_tray                starts trayer (likewise)

e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The version, as the build set it (ctest passes it; by hand it is read from the build
# folder's generated header beside the program), and the main window's title with it.
version=${PIGMENTOR_VERSION:-$(sed -n 's/^#define PIGMENTOR_VERSION "\(.*\)"$/\1/p' \
  "$(dirname "${program:-.}")/generated/core/version.h" 2>/dev/null)}
main_title="Pigmentor $version"
atspi() { /usr/bin/python3 "$e2e_dir/atspi.py" "$@" 2>/dev/null; }

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

# How many windows of the program are on screen (a pop-up menu counts as one).
shown_windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l | tr -d ' '; }
focus_main() { xdotool windowfocus --sync "$main" 2>/dev/null; sleep 0.3; }

pixel() { # x y -> RRGGBB of the screen
  import -window root -crop "1x1+$1+$2" +repage -depth 8 txt:- 2>/dev/null \
    | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -1 | tr a-f A-F
}

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
# xclip stays behind to serve the text until another program takes the clipboard; its
# output goes nowhere, so that it never holds a case's output open.
set_clipboard() { printf '%s' "$1" | xclip -selection clipboard >/dev/null 2>&1; sleep 0.2; }
key() { xdotool key "$@"; sleep 0.3; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

# Qt's accessibility bridge reports positions in device-independent pixels; under
# QT_SCALE_FACTOR they are multiplied back to the screen's pixels.
locate() { # name [window title] -> "x y"; waits up to 5 s for the tree
  local at
  for _ in $(seq 25); do
    at=$(atspi center "$1" ${2:+"$2"}) && [ -n "$at" ] && {
      awk -v f="${QT_SCALE_FACTOR:-1}" '{ printf "%d %d\n", $1 * f, $2 * f }' <<<"$at"
      return 0
    }
    sleep 0.2
  done
  return 1
}
click_on() { # name [window title]
  local at
  at=$(locate "$@") || { echo "FAILED: no control named '$1' in the accessibility tree"; failed=$((failed + 1)); return 1; }
  # shellcheck disable=SC2086
  click $at
}

new_work() { work=$(mktemp -d); }
work=""
app=""
start_program() {
  [ -n "$work" ] || new_work
  cp "$program" "$work/pigmentor"
  [ -d "$(dirname "$program")/help" ] && cp -r "$(dirname "$program")/help" "$work/"
  [ -f "$(dirname "$program")/ReadMe.txt" ] && cp "$(dirname "$program")/ReadMe.txt" "$work/"
  # Splash off, colour saved on exit, no alerts after copies.
  [ -f "$work/pmtprefs.ini" ] || printf '0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/pmtprefs.ini"
  [ -f "$work/pmtsetgs.ini" ] || printf '0\r\n0\r\n"0  0  0  "\r\n' > "$work/pmtsetgs.ini"
  (cd "$work" && exec ./pigmentor "$@") >"$work/program.log" 2>&1 & app=$!
  main=$(wait_window "$main_title") || {
    echo "FAILED: the main window never showed"
    failed=$((failed + 1))
    cat "$work/program.log"
    return 1
  }
  eval "$(xdotool getwindowgeometry --shell "$main")"
  mx=$X; my=$Y
  sleep 0.5
}
stop_program() {
  [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
  app=""
}
wait_exit() { # sets $status: the program's exit status, or "timeout" after 10 s
  status=timeout
  for _ in $(seq 100); do
    if ! kill -0 "$app" 2>/dev/null; then wait "$app"; status=$?; break; fi
    sleep 0.1
  done
  app=""
}

wm=""
start_wm() {
  command -v openbox >/dev/null || { echo "skipped: openbox is not installed"; return 1; }
  openbox --sm-disable >/dev/null 2>&1 & wm=$!
  sleep 1
}
tray=""
start_tray() {
  command -v trayer >/dev/null || { echo "skipped: trayer is not installed"; return 1; }
  trayer --edge top --align right --widthtype pixel --width 100 --height 24 >/dev/null 2>&1 & tray=$!
  sleep 1
}

e2e_cleanup() {
  stop_program
  [ -n "$tray" ] && kill "$tray" 2>/dev/null
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ -n "$work" ] && rm -rf "$work"
  pkill -x xclip 2>/dev/null
  echo "$passed passed, $failed failed"
}
