# Shared set-up of the end-to-end cases; sourced by run_e2e.sh, which has started a private
# Xvfb server (DISPLAY) inside a private session bus, with a HOME, XDG_RUNTIME_DIR and TMPDIR
# of the run's own. Each case file runs in its own shell with these functions and prints
# "ok: ..." or "FAILED: ..." lines.
#
# Waiting: never sleep a fixed time before a check. The machine may be loaded, so wait for
# the state that is expected, under a deadline ($e2e_timeout, 30 s; PIGMENTOR_E2E_TIMEOUT):
#   wait_for DESC EXPECTED COMMAND [ARGS...]   runs COMMAND until its output is EXPECTED or
#                             the deadline passes, then reports as check does (a wrong state
#                             still fails, only later). check_eventually is the same.
#   check_copy DESC EXPECTED [KEYS...]   empties the clipboard, presses KEYS (ctrl+c), waits
#                             for EXPECTED on the clipboard: no stale copy passes.
#   wait_until COMMAND [ARGS...]   true as soon as COMMAND succeeds, false at the deadline
#   output_is EXPECTED COMMAND [ARGS...]   true when COMMAND prints EXPECTED (for wait_until)
#   settle                    waits until the program has been idle a moment (key, click
#                             and focus_main do it); not a proof of anything, only pacing
# To check that something does NOT happen, first wait for a later thing that does happen
# (a copy after the key, say), then check.
#
#   start_program [ARGS...]   copies the program into a fresh folder ($work), writes the
#                             default .ini files (splash off, no alerts, no exit question)
#                             unless the case wrote its own there first (set $work with
#                             new_work), starts it and waits for the main window ($main,
#                             its corner $mx $my); the process is $app
#   stop_program              ends it (F4 is the way to test the real exit)
#   wait_exit                 waits for it to end by itself; $status is its exit status
#   check DESC EXPECTED ACTUAL
#   wait_window NAME          a shown window's id, or nothing after the deadline
#   shown_count NAME          how many shown windows have NAME in their title
#   locate NAME [TITLE]       "x y", the screen centre of the control named NAME in the
#                             accessibility tree (of the window whose title holds TITLE);
#                             retries until the deadline
#   click_on NAME [TITLE]     a left click there
#   pixel X Y, clipboard, set_clipboard TEXT (returns once the clipboard holds TEXT),
#   key KEYS..., click X Y
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
e2e_timeout=${PIGMENTOR_E2E_TIMEOUT:-30}

passed=0
failed=0
check() { # description, expected, actual
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1)); echo "ok: $1"
  else
    failed=$((failed + 1)); echo "FAILED: $1: expected [$2], got [$3]"
  fi
}

wait_until() { # command... : true once it succeeds, false when the deadline passes
  local end=$((SECONDS + e2e_timeout))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}
output_is() { [ "$("${@:2}")" = "$1" ]; } # expected command...
wait_for() { # description, expected, command...: check once the output is as expected
  local desc=$1 want=$2 got end=$((SECONDS + e2e_timeout))
  shift 2
  while got=$("$@"); [ "$got" != "$want" ] && [ "$SECONDS" -lt "$end" ]; do sleep 0.1; done
  check "$desc" "$want" "$got"
}
check_eventually() { wait_for "$@"; }

# Pacing after input: waits until every thread of the program (and of the window manager,
# when there is one) has been asleep for three looks in a row (a program that waits for the
# processor counts as running), or 5 s. It orders nothing for certain; the checks after it
# wait for their state themselves.
settle() {
  sleep 0.05
  [ -n "$app" ] && [ -d "/proc/$app/task" ] || { sleep 0.25; return 0; }
  local quiet=0 end=$((SECONDS + 5)) busy t stat
  while [ "$quiet" -lt 3 ] && [ "$SECONDS" -lt "$end" ]; do
    busy=no
    for t in /proc/"$app"/task/*/stat ${wm:+/proc/$wm/task/*/stat}; do
      # The state is the field after the command name in brackets (read without a new
      # process, which a loaded machine makes slow).
      read -r stat 2>/dev/null <"$t" || continue
      case ${stat##*) } in R* | D*) busy=yes ;; esac
    done
    if [ "$busy" = no ]; then quiet=$((quiet + 1)); else quiet=0; fi
    sleep 0.03
  done
}

wait_window() { # name -> window id, or nothing after the deadline
  local id end=$((SECONDS + e2e_timeout))
  while :; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}
shown_count() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l | tr -d ' '; }

# How many windows of the program are on screen (a pop-up menu counts as one).
shown_windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l | tr -d ' '; }
focus_main() { xdotool windowfocus --sync "$main" 2>/dev/null; settle; }

pixel() { # x y -> RRGGBB of the screen
  import -window root -crop "1x1+$1+$2" +repage -depth 8 txt:- 2>/dev/null \
    | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -1 | tr a-f A-F
}

clipboard() { timeout 10 xclip -o -selection clipboard 2>/dev/null; }
# xclip stays (in the foreground, as a job of this shell) to serve the text until another
# program takes the clipboard; its output goes nowhere, so that it never holds a case's
# output open. Returns once the clipboard holds the text.
clip_pids=()
set_clipboard() {
  printf '%s' "$1" | xclip -quiet -selection clipboard >/dev/null 2>&1 & clip_pids+=($!)
  wait_until output_is "$1" clipboard
}
check_copy() { # description, expected, keys (ctrl+c)...: the copy, and not an older one
  local desc=$1 want=$2
  shift 2
  set_clipboard "(nothing copied)"
  key "${@:-ctrl+c}"
  wait_for "$desc" "$want" clipboard
}
key() { xdotool key "$@"; settle; }
click() { xdotool mousemove --sync "$1" "$2" click 1; settle; }

# Qt's accessibility bridge reports positions in device-independent pixels; under
# QT_SCALE_FACTOR they are multiplied back to the screen's pixels.
locate() { # name [window title] -> "x y"; waits for the tree until the deadline
  local at end=$((SECONDS + e2e_timeout))
  while :; do
    at=$(atspi center "$1" ${2:+"$2"}) && [ -n "$at" ] && {
      awk -v f="${QT_SCALE_FACTOR:-1}" '{ printf "%d %d\n", $1 * f, $2 * f }' <<<"$at"
      return 0
    }
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
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
  settle
}
stop_program() {
  [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
  app=""
}
wait_exit() { # sets $status: the program's exit status, or "timeout" after the deadline
  status=timeout
  local end=$((SECONDS + e2e_timeout))
  while [ "$SECONDS" -lt "$end" ]; do
    if ! kill -0 "$app" 2>/dev/null; then wait "$app"; status=$?; break; fi
    sleep 0.1
  done
  app=""
}

wm=""
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_wm() {
  command -v openbox >/dev/null || { echo "skipped: openbox is not installed"; return 1; }
  openbox --sm-disable >/dev/null 2>&1 & wm=$!
  # Like a desktop's, it keeps up with its clients however loaded the machine (where allowed).
  renice -n -10 -p "$wm" >/dev/null 2>&1
  wait_until wm_up || echo "note: openbox did not announce itself"
}
tray=""
tray_up() { xdotool search --onlyvisible --class trayer >/dev/null 2>&1; }
start_tray() {
  command -v trayer >/dev/null || { echo "skipped: trayer is not installed"; return 1; }
  trayer --edge top --align right --widthtype pixel --width 100 --height 24 >/dev/null 2>&1 & tray=$!
  wait_until tray_up || echo "note: trayer showed no window"
  sleep 0.3 # it takes the tray's selection right after it shows
}

e2e_cleanup() {
  stop_program
  [ -n "$tray" ] && kill "$tray" 2>/dev/null
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ -n "$work" ] && rm -rf "$work"
  # Only this case's own xclip servers: another run's are none of its business.
  local p
  for p in "${clip_pids[@]}"; do kill "$p" 2>/dev/null; done
  echo "$passed passed, $failed failed"
}
