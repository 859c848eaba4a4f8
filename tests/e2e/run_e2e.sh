#!/usr/bin/env bash
# End-to-end: the real program in a private X server inside a private session bus, driven
# by keys, clicks and the clipboard, checked through the clipboard, the files it writes, its
# pixels and its accessibility tree. Runs every case file in cases/, each in its own shell.
# Exits 77 (skipped) when Xvfb, xdotool, xclip, ImageMagick or dbus-run-session are missing.
set -uo pipefail
program=${1:?usage: run_e2e.sh path/to/pigmentor [case-file...]}
program=$(readlink -f "$program")
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb xdotool xclip import convert dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

# Each run has a HOME, runtime folder and TMPDIR of its own, and its own session bus (on
# which the accessibility bus is started): two runs side by side never meet through
# sockets, settings or the accessibility registry.
if [ -z "${PIGMENTOR_E2E_BUS:-}" ]; then
  run_root=$(mktemp -d "${TMPDIR:-/tmp}/pigmentor-e2e.XXXXXX")
  mkdir -p -m 700 "$run_root/home" "$run_root/runtime" "$run_root/tmp"
  export HOME=$run_root/home XDG_RUNTIME_DIR=$run_root/runtime TMPDIR=$run_root/tmp
  export XDG_CONFIG_HOME=$run_root/home/.config XDG_CACHE_HOME=$run_root/home/.cache \
    XDG_DATA_HOME=$run_root/home/.local/share
  unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
  export PIGMENTOR_E2E_BUS=1
  dbus-run-session -- "$0" "$@" 2> >(grep -v -e '^dbus-daemon' -e '^SpiRegistry' >&2)
  status=$?
  rm -rf "$run_root"
  exit $status
fi

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
shift
cases=("$@")
[ ${#cases[@]} -gt 0 ] || cases=("$here"/cases/*.sh)

xwork=$(mktemp -d)
# Xvfb picks a free display itself and writes its number to the file; -noreset keeps it
# from restarting (and refusing connections) each time its last client leaves.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$xwork/display" >/dev/null 2>&1 & xvfb=$!
# Like a desktop's, the X server keeps up with its clients however loaded the machine (where
# allowed): the cases time the program, not the server.
renice -n -10 -p "$xvfb" >/dev/null 2>&1
cleanup() {
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -rf "$xwork"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$xwork/display" ] && break; sleep 0.1; done
display=":$(head -1 "$xwork/display")"
[ "$display" != ":" ] || { echo "FAILED: the X server did not start"; exit 1; }
export DISPLAY=$display
ready=no
for _ in $(seq 100); do
  xdotool getmouselocation >/dev/null 2>&1 && { ready=yes; break; }
  sleep 0.1
done
[ "$ready" = yes ] || { echo "FAILED: the X server on $display did not start"; exit 1; }

# Starts the accessibility bus before any program, so that every program joins it; the
# bus's launcher is activated on this run's session bus, so the bus is this run's.
/usr/bin/python3 "$here/atspi.py" tree "(none)" >/dev/null 2>&1 || true

total_passed=0
total_failed=0
for case_file in "${cases[@]}"; do
  echo "== $(basename "$case_file")"
  started=$SECONDS
  out=$(program="$program" bash -c '
    source "$1/lib.sh"
    trap e2e_cleanup EXIT
    source "$2"' _ "$here" "$case_file" 2>&1)
  echo "$out"
  summary=$(printf '%s\n' "$out" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -1)
  p=$(printf '%s' "$summary" | cut -d' ' -f1)
  f=$(printf '%s' "$summary" | cut -d' ' -f3)
  [ -n "$summary" ] || { p=0; f=1; echo "FAILED: $(basename "$case_file") ended without a summary"; }
  echo "(${p} passed, ${f} failed in $((SECONDS - started)) s)"
  total_passed=$((total_passed + p))
  total_failed=$((total_failed + f))
done

echo "e2e: $total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
