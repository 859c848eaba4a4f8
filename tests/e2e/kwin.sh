#!/usr/bin/env bash
# End-to-end on Wayland under KWin (kwin_wayland --virtual), the compositor that minimizes
# a window without telling the program and refuses the focus without a token. Inside a
# private session bus with a StatusNotifier watcher (sni.py); KWin's own scripting lists
# and minimizes the windows. Checks the desktop id of a renamed program file, that the
# tray's left click and Restore bring back a window the compositor minimized (also with
# About open), that a later start brings it back, with a launcher's real activation token
# (launcher.c, built here where a C compiler, wayland-scanner and wayland-protocols are
# installed) and without one, and that a refused token at least asks for attention.
#   kwin.sh path/to/pigmentor
# As root, it all runs as the user named in PIGMENTOR_WAYLAND_USER (nobody by default).
# Exits 77 (skipped) when kwin_wayland, dbus-run-session, python3-dbus, pyatspi or such a
# user is missing, or when KWin does not start.
set -uo pipefail
program=$(readlink -f "${1:?usage: kwin.sh path/to/pigmentor}")
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "skipped: $*"; exit 77; }
source "$here/as_user.sh"

if [ -z "${PIGMENTOR_KWIN_INNER:-}" ]; then
  for tool in kwin_wayland dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
  done
  /usr/bin/python3 -c 'import dbus, gi, pyatspi' 2>/dev/null \
    || skip "python3-dbus or python3-pyatspi is not installed"
  ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
    || skip "Qt's Wayland platform (qt6-wayland) is not installed"
  scratch=$(mktemp -d)
  chmod 755 "$scratch"
  renamed=pigmentor-$(build_version "$program")
  cp "$program" "$scratch/$renamed" # a renamed program file keeps its desktop id
  cp "$here/sni.py" "$here/atspi.py" "$here/as_user.sh" "$here/kwin.sh" "$scratch/"
  # A copy without the file capability the packaged binary has, which a container that
  # may not grant it refuses to run.
  cp "$(command -v kwin_wayland)" "$scratch/kwin_wayland"
  if command -v cc >/dev/null && command -v wayland-scanner >/dev/null \
    && [ -f /usr/share/wayland-protocols/staging/xdg-activation/xdg-activation-v1.xml ]; then
    (
      cd "$scratch" || exit 1
      for x in stable/xdg-shell/xdg-shell staging/xdg-activation/xdg-activation-v1; do
        wayland-scanner client-header "/usr/share/wayland-protocols/$x.xml" "${x##*/}.h" &&
          wayland-scanner private-code "/usr/share/wayland-protocols/$x.xml" "${x##*/}.c" || exit 1
      done
      cc -O1 -o launcher -I. "$here/launcher.c" xdg-shell.c xdg-activation-v1.c -lwayland-client
    ) >/dev/null 2>&1 || rm -f "$scratch/launcher"
  fi
  rerun_as_user "$scratch" PIGMENTOR_KWIN_INNER \
    "KWin is run as a user; set PIGMENTOR_WAYLAND_USER to one" '^dbus-daemon|^SpiRegistry' \
    "$scratch/kwin.sh" "$scratch/$renamed"
fi

# ---- Inside the private bus, as a user.
work=$(dirname "$program") exe=$(basename "$program")
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# The scripts' print() reaches KWin's log through its debug messages.
QT_LOGGING_RULES='kwin_*.debug=true' "$work/kwin_wayland" --virtual --no-lockscreen \
  --socket wayland-kw --width 1280 --height 800 >"$work/kwin.log" 2>&1 & kwin=$!
watcher=""
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  [ -n "$watcher" ] && kill "$watcher" 2>/dev/null
  kill "$kwin" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT
has_name() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q true
}
kwin_up() { [ -S "$XDG_RUNTIME_DIR/wayland-kw" ] && has_name org.kde.KWin; }
deadline 30 kwin_up || { tail -5 "$work/kwin.log"; skip "KWin did not start"; }
export WAYLAND_DISPLAY=wayland-kw QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset DISPLAY

passed=0
failed=0
check() { # description, expected, actual
  if [ "$2" = "$3" ]; then passed=$((passed + 1)); echo "ok: $1"
  else failed=$((failed + 1)); echo "FAILED: $1: expected [$2], got [$3]"; fi
}
scripting() { # method argument...
  local method=$1; shift
  dbus-send --session --print-reply --dest=org.kde.KWin /Scripting "org.kde.kwin.Scripting.$method" "$@" >/dev/null
}
script_count=0
kwin_js() { # runs JavaScript in KWin; prints what it print()s
  script_count=$((script_count + 1))
  local file="$work/script$script_count.js" name="pigmentor$script_count"
  printf '%s\n' 'function each(f) { var l = workspace.clientList(); for (var i = 0; i < l.length; ++i) f(l[i]); }' \
    "$1" > "$file"
  local before
  before=$(wc -l < "$work/kwin.log")
  scripting loadScript "string:$file" "string:$name"
  scripting start
  local end=$(( $(date +%s) + 3 ))
  until tail -n +$((before + 1)) "$work/kwin.log" | grep -q 'js: END'; do
    [ "$(date +%s)" -lt "$end" ] || break; sleep 0.05
  done
  scripting unloadScript "string:$name"
  tail -n +$((before + 1)) "$work/kwin.log" | grep -o 'js: .*' | grep -v '^js: END' | cut -c5-
}
# "active minimized attention" of a process's main window (the first that is not a box's).
state_of() {
  kwin_js "each(function(w) { if (w.pid == $1 && !w.transient)
    print(w.active + ' ' + w.minimized + ' ' + w.demandsAttention); }); print('END');" | head -1
}
desktop_id_of() {
  kwin_js "each(function(w) { if (w.pid == $1) print(w.desktopFileName); }); print('END');" | head -1
}
minimize() { # the compositor minimizes a process's windows and activates another's
  kwin_js "each(function(w) { if (w.pid == $1) w.minimized = true; });
    each(function(w) { if (w.pid == $2 && !w.transient) workspace.activeClient = w; }); print('END');" >/dev/null
}
is_state() { [ "$(state_of "$1")" = "$2" ]; }

items="$work/items"
: > "$items"
/usr/bin/python3 "$work/sni.py" watch "$items" >/dev/null 2>&1 & watcher=$!
deadline 10 has_name org.kde.StatusNotifierWatcher || { echo "FAILED: the watcher did not start"; exit 1; }

# The running copy: portable (its preferences beside it), task bar and tray, no splash.
printf '0\r\n0\r\n0\r\n0\r\n2\r\n0\r\n' > "$work/pmtprefs.ini"
(cd "$work" && exec "./$exe") >"$work/program.log" 2>&1 & app=$!
pids+=("$app")
deadline 15 is_state "$app" "true false false"
check "the main window shows with the focus" "true false false" "$(state_of "$app")"
check "its desktop id is org.pigmentor.Pigmentor, whatever the file is called" \
  "org.pigmentor.Pigmentor" "$(desktop_id_of "$app")"
deadline 10 test -s "$items"
read -r service path < <(head -1 "$items")

# Another program to have the focus: a second Pigmentor with a settings folder of its own.
mkdir -p "$work/other"
cp "$program" "$work/other/pigmentor"
printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/other/pmtprefs.ini"
# (Out of the accessibility tree, where the checks look for the running copy alone.)
(cd "$work/other" && exec env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON ./pigmentor) >"$work/other.log" 2>&1 & other=$!
pids+=("$other")
deadline 15 is_state "$other" "true false false"

back="true false false"
minimize "$app" "$other"
check "KWin minimizes the window behind the program's back" "false true false" "$(state_of "$app")"
/usr/bin/python3 "$work/sni.py" activate "$service" "$path" 2>/dev/null
deadline 5 is_state "$app" "$back"
check "the tray's left click brings it back with the focus" "$back" "$(state_of "$app")"

minimize "$app" "$other"
/usr/bin/python3 "$work/sni.py" click "$service" "$path" Restore 2>/dev/null
deadline 5 is_state "$app" "$back"
check "so does the tray menu's Restore" "$back" "$(state_of "$app")"

minimize "$app" "$other"
(cd "$work" && timeout 10 "./$exe") >/dev/null 2>&1; status=$?
check "a later start without a token hands over and ends with 0" "0" "$status"
deadline 5 is_state "$app" "$back"
check "and brings the minimized window back with the focus" "$back" "$(state_of "$app")"

if [ -x "$work/launcher" ]; then
  minimize "$app" "$other"
  (cd "$work" && timeout 15 ./launcher "./$exe") >/dev/null 2>"$work/launcher.log"; status=$?
  check "a later start from a launcher with a token ends with 0" "0" "$status"
  deadline 5 is_state "$app" "$back"
  check "and its token brings the minimized window back with the focus" "$back" "$(state_of "$app")"
  check "with the launcher's own token" "yes" \
    "$(grep -q "on behalf of" "$work/kwin.log" && ! grep -q "Refusing to activate" "$work/kwin.log" && echo yes || echo no)"
else
  echo "skipped: a launcher's token (no C compiler, wayland-scanner or wayland-protocols)"
fi

minimize "$app" "$other"
kwin_js "each(function(w) { if (w.pid == $other) w.minimized = false; }); print('END');" >/dev/null
(cd "$work" && XDG_ACTIVATION_TOKEN=stale-1 timeout 10 "./$exe") >/dev/null 2>&1
deadline 5 is_state "$app" "false true true"
check "a token KWin refuses leaves the window asking for attention" "false true true" "$(state_of "$app")"
/usr/bin/python3 "$work/sni.py" activate "$service" "$path" 2>/dev/null
deadline 5 is_state "$app" "$back"

# With About open: KWin minimizes the box with the window; both come back, About in front.
about_open() { kwin_js "each(function(w) { if (w.pid == $app && w.transient) print(w.caption); }); print('END');" | grep -q About; }
open_about() { # the accessibility bus starts on the first call: asks until About is there
  /usr/bin/python3 "$work/atspi.py" press "About Pigmentor..." >/dev/null 2>&1; about_open
}
deadline 15 open_about
check "About opens" "yes" "$(about_open && echo yes || echo no)"
minimize "$app" "$other"
/usr/bin/python3 "$work/sni.py" activate "$service" "$path" 2>/dev/null
about_state() {
  kwin_js "each(function(w) { if (w.pid == $app && w.transient) print(w.active + ' ' + w.minimized); }); print('END');" | head -1
}
about_back() { [ "$(about_state)" = "true false" ]; }
deadline 5 about_back
check "with About open, the tray's click brings back About with the focus" "true false" "$(about_state)"
check "and the window under it" "false" "$(state_of "$app" | cut -d' ' -f2)"
/usr/bin/python3 "$work/atspi.py" press Close "About Pigmentor" 2>/dev/null
deadline 5 is_state "$app" "$back"
check "closing About leaves the window in front, not minimized" "$back" "$(state_of "$app")"

/usr/bin/python3 "$work/sni.py" click "$service" "$path" Exit 2>/dev/null
end=$(( $(date +%s) + 10 ))
while kill -0 "$app" 2>/dev/null && [ "$(date +%s)" -lt "$end" ]; do sleep 0.1; done
kill -0 "$app" 2>/dev/null && status=timeout || { wait "$app"; status=$?; }
check "the tray menu's Exit ends the program with status 0" "0" "$status"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
