#!/usr/bin/env bash
# End-to-end on Wayland: the real program on its Wayland platform under a headless sway,
# inside a private session bus with a StatusNotifier watcher (sni.py). Checks the app_id of
# a renamed program file, the exported tray menu, that a later start (on Wayland or on
# another window system) brings the running window to the front, and that the tray's left
# click does too.
#   wayland.sh path/to/pigmentor
# sway refuses to run as root: as root, it all runs as the user named in
# PIGMENTOR_WAYLAND_USER (nobody by default), in a scratch folder of that user's.
# Exits 77 (skipped) when sway, swaymsg, dbus-run-session, python3-dbus or such a user is
# missing, or when sway does not start.
set -uo pipefail
program=$(readlink -f "${1:?usage: wayland.sh path/to/pigmentor}")
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "skipped: $*"; exit 77; }
source "$here/as_user.sh"

if [ -z "${PIGMENTOR_WAYLAND_INNER:-}" ]; then
  for tool in sway swaymsg dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
  done
  /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || skip "python3-dbus is not installed"
  [ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] \
    || ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
    || skip "Qt's Wayland platform (qt6-wayland) is not installed"
  scratch=$(mktemp -d)
  chmod 755 "$scratch"
  renamed=pigmentor-$(build_version "$program")
  cp "$program" "$scratch/$renamed" # a renamed program file keeps its app_id
  cp "$here/sni.py" "$here/as_user.sh" "$here/wayland.sh" "$scratch/"
  rerun_as_user "$scratch" PIGMENTOR_WAYLAND_INNER \
    "sway does not run as root; set PIGMENTOR_WAYLAND_USER to a user" '^dbus-daemon' \
    "$scratch/wayland.sh" "$scratch/$renamed"
fi

# ---- Inside the private bus, as a user sway accepts.
work=$(dirname "$program") exe=$(basename "$program")
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman
printf 'output HEADLESS-1 resolution 1280x800\n' > "$work/sway.conf"
sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 & sway=$!
watcher=""
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  [ -n "$watcher" ] && kill "$watcher" 2>/dev/null
  swaymsg exit >/dev/null 2>&1 || kill "$sway" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT
# Generous deadlines: a loaded machine is slow, and a wait ends as soon as its state is there.
t=${PIGMENTOR_E2E_TIMEOUT:-30}
sway_up() { ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock >/dev/null 2>&1 && ls "$XDG_RUNTIME_DIR"/wayland-? >/dev/null 2>&1; }
deadline $t sway_up || { cat "$work/sway.log"; skip "sway did not start"; }
SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -1)
WAYLAND_DISPLAY=$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-? | head -1)")
export SWAYSOCK WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland
unset DISPLAY

passed=0
failed=0
check() { # description, expected, actual
  if [ "$2" = "$3" ]; then passed=$((passed + 1)); echo "ok: $1"
  else failed=$((failed + 1)); echo "FAILED: $1: expected [$2], got [$3]"; fi
}
# "pid app_id" of the focused window, and the app_id of a process's window.
focused() { swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(n):
    if n.get("focused") and n.get("pid"): print(n["pid"])
    for c in n.get("nodes", []) + n.get("floating_nodes", []): walk(c)
walk(json.load(sys.stdin))'; }
app_id_of() { swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(n):
    if n.get("pid") == int(sys.argv[1]) and n.get("app_id") is not None: print(n["app_id"])
    for c in n.get("nodes", []) + n.get("floating_nodes", []): walk(c)
walk(json.load(sys.stdin))' "$1" | head -1; }
has_focus() { [ "$(focused)" = "$1" ]; }

items="$work/items"
: > "$items"
/usr/bin/python3 "$work/sni.py" watch "$items" >/dev/null 2>&1 & watcher=$!
watcher_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher 2>/dev/null | grep -q true
}
deadline $t watcher_up || { echo "FAILED: the watcher did not start"; exit 1; }

# The running copy: portable (its preferences beside it), task bar and tray, no splash.
printf '0\r\n0\r\n0\r\n0\r\n2\r\n0\r\n' > "$work/pmtprefs.ini"
(cd "$work" && exec "./$exe") >"$work/program.log" 2>&1 & app=$!
pids+=("$app")
deadline $t has_focus "$app"
check "the main window shows with the focus" "$app" "$(focused)"
check "its app_id is the desktop id, whatever the file is called" "org.pigmentor.Pigmentor" "$(app_id_of "$app")"

deadline $t test -s "$items"
read -r service path < <(head -1 "$items")
menu_path=$(/usr/bin/python3 "$work/sni.py" menu "$service" "$path" 2>/dev/null | head -1)
check "the tray item exports its menu" "yes" "$([ -n "$menu_path" ] && [ "$menu_path" != /NO_DBUSMENU ] && echo yes || echo no)"
# Restore stays on offer: the compositor never says whether the window is minimized.
check "with the tray's items" "Minimize|enabled Restore|enabled - Exit|enabled" \
  "$(/usr/bin/python3 "$work/sni.py" menu "$service" "$path" 2>/dev/null | tail -n +2 | tr '\n' ' ' | sed 's/ $//')"

# Another program takes the focus: a second Pigmentor with a settings folder of its own.
mkdir -p "$work/other"
cp "$program" "$work/other/pigmentor"
printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/other/pmtprefs.ini"
(cd "$work/other" && exec ./pigmentor) >"$work/other.log" 2>&1 & other=$!
pids+=("$other")
deadline $t has_focus "$other"
check "another window has the focus" "$other" "$(focused)"

(cd "$work" && timeout $t "./$exe") >/dev/null 2>&1; status=$?
check "a later start hands over and ends with 0" "0" "$status"
deadline $t has_focus "$app"
check "and the running window comes to the front with the focus" "$app" "$(focused)"

swaymsg "[pid=$other] focus" >/dev/null; deadline $t has_focus "$other"
(cd "$work" && QT_QPA_PLATFORM=offscreen timeout $t "./$exe") >/dev/null 2>&1; status=$?
check "a start on another window system finds the same copy" "0" "$status"
deadline $t has_focus "$app"
check "which comes to the front" "$app" "$(focused)"

swaymsg "[pid=$other] focus" >/dev/null; deadline $t has_focus "$other"
/usr/bin/python3 "$work/sni.py" activate "$service" "$path" 2>/dev/null
deadline $t has_focus "$app"
check "the tray's left click brings the window to the front" "$app" "$(focused)"

swaymsg "[pid=$other] focus" >/dev/null; deadline $t has_focus "$other"
/usr/bin/python3 "$work/sni.py" click "$service" "$path" Restore 2>/dev/null
deadline $t has_focus "$app"
check "so does the tray menu's Restore" "$app" "$(focused)"

/usr/bin/python3 "$work/sni.py" click "$service" "$path" Exit 2>/dev/null
end=$(( $(date +%s) + t ))
while kill -0 "$app" 2>/dev/null && [ "$(date +%s)" -lt "$end" ]; do sleep 0.1; done
kill -0 "$app" 2>/dev/null && status=timeout || { wait "$app"; status=$?; }
check "the tray menu's Exit ends the program with status 0" "0" "$status"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
