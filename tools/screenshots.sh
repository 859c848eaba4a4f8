#!/usr/bin/env bash
# Screenshots of the main window, the station, the About box and the preferences dialog,
# each under four desktops: the default, a 13 pt desktop font, a dark GTK theme and a scale
# factor of 1.5, made in a private X server with the desktop's own settings (Qt's GTK
# platform theme reads the font and the dark palette from GTK's settings.ini).
# Writes docs/main-window.png, docs/station.png, docs/palette.png, docs/shades.png
# (default) and docs/*-dark.png for the README, the main window with its HSL and OKLCH bars
# (default, dark and 13 pt), and every picture to build/screenshots/.
# Needs: xvfb, openbox, xdotool, imagemagick, dbus, python3-pyatspi, qt6-gtk-platformtheme
# (installed when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
for p in xvfb openbox xdotool xclip imagemagick dbus-x11 at-spi2-core python3-pyatspi qt6-gtk-platformtheme gnome-themes-extra; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="${missing:-} $p"
done
if [ -n "${missing:-}" ]; then
  SUDO=$([ "$(id -u)" = 0 ] || echo sudo)
  $SUDO apt-get update && $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
if [ -z "${PIGMENTOR_E2E_BUS:-}" ]; then
  export PIGMENTOR_E2E_BUS=1
  exec dbus-run-session -- "$0" "$@" 2> >(grep -v -e '^dbus-daemon' -e '^SpiRegistry' >&2)
fi

export program=$(readlink -f "${1:-$root/build/pigmentor}") # or the program given
out=$root/build/screenshots
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Under the GTK platform theme, GTK's own bridge would add a second, empty application of
# the same name to the accessibility tree; Qt's bridge is the one that lists the windows.
export NO_AT_BRIDGE=1
xwork=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$xwork/display" >/dev/null 2>&1 & xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$xwork"' EXIT
for _ in $(seq 100); do [ -s "$xwork/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$xwork/display")"
sleep 0.5
# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
atspi tree "(none)" >/dev/null || true
# A real window manager, as on a desktop: windows placed, decorated and stacked by it.
start_wm || true

shoot() { # window id, file
  import -window "$1" "$2" && mogrify +repage "$2"
}

one_desktop() { # name, then the environment of that desktop
  local name=$1; shift
  new_work
  mkdir -p "$work/cfg/gtk-3.0"
  for assignment in "$@"; do export "${assignment?}"; done
  export XDG_CONFIG_HOME=$work/cfg
  printf '[Settings]\ngtk-font-name=%s\ngtk-application-prefer-dark-theme=%s\n' \
    "${SHOT_FONT:-Sans 10}" "${SHOT_DARK:-0}" > "$work/cfg/gtk-3.0/settings.ini"
  printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/pmtprefs.ini"
  printf '%s\n' '{ "pigmentor-palette": 1, "name": "Site", "colors": [' \
    '{ "name": "--brand-500", "value": "#2f6fde" }, { "name": "--brand-700", "value": "#1b4aa8" },' \
    '{ "name": "--accent", "value": "#e8890c" }, { "name": "--ink", "value": "#1a1c22" },' \
    '{ "name": "--muted", "value": "#6c717d" }, { "name": "--surface", "value": "#f6f7f9" } ] }' \
    > "$work/palette.json"
  start_program || return 1
  click_on "Hex code entry" "$main_title"; xdotool type 336699; key Return
  shoot "$main" "$out/$name-main.png"
  # The extra bars: F8 shows HSL, then OKLCH, then red, green and blue alone again.
  key F8; sleep 0.5; shoot "$main" "$out/$name-main-hsl.png"
  key F8; sleep 0.5; shoot "$main" "$out/$name-main-oklch.png"
  key F8; sleep 0.3

  key ctrl+m
  local station; station=$(wait_window "Color Matching Station")
  sleep 0.5
  click_on "Object" "Color Matching Station"
  click_on "Hex code entry" "Color Matching Station"; xdotool type 336699; key Return
  click_on "Background" "Color Matching Station"
  click_on "Hex code entry" "Color Matching Station"; xdotool type ffcc66; key Return
  shoot "$station" "$out/$name-station.png"
  xdotool windowclose "$station" 2>/dev/null || true; sleep 0.5

  focus_main
  key ctrl+l
  local palette; palette=$(wait_window "Site - Palette")
  sleep 0.5
  xdotool windowsize "$palette" 1100 560; sleep 0.5
  key Down
  shoot "$palette" "$out/$name-palette.png"
  key ctrl+g
  local shades; shades=$(wait_window "Shade Scale of")
  sleep 0.5
  [ -n "$shades" ] && shoot "$shades" "$out/$name-shades.png"
  key Escape
  xdotool windowclose "$palette" 2>/dev/null || true; sleep 0.5

  { click_on "Help" "$main_title"; sleep 0.5; click_on "About Pigmentor..." "$main_title"; } || true
  local about; about=$(xdotool search --onlyvisible --name '^About Pigmentor$' | head -1)
  sleep 0.5
  [ -n "$about" ] && shoot "$about" "$out/$name-about.png"
  key Escape
  { click_on "Settings" "$main_title"; sleep 0.5; click_on "Edit preferences..." "$main_title"; } || true
  local prefs; prefs=$(wait_window "Edit Preferences")
  sleep 0.5
  shoot "$prefs" "$out/$name-prefs.png"
  key Escape
  stop_program || true
  for assignment in "$@"; do unset "${assignment%%=*}"; done
  rm -rf "$work"; work=""
}

one_desktop default QT_QPA_PLATFORMTHEME=
one_desktop large QT_QPA_PLATFORMTHEME=gtk3 "SHOT_FONT=Sans 13"
one_desktop dark QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark SHOT_DARK=1
one_desktop scale QT_QPA_PLATFORMTHEME= QT_SCALE_FACTOR=1.5

cp "$out/default-main.png" docs/main-window.png
cp "$out/default-station.png" docs/station.png
cp "$out/dark-main.png" docs/main-window-dark.png
cp "$out/dark-station.png" docs/station-dark.png
cp "$out/default-palette.png" docs/palette.png
cp "$out/dark-palette.png" docs/palette-dark.png
cp "$out/default-shades.png" docs/shades.png
for model in hsl oklch; do
  cp "$out/default-main-$model.png" "docs/main-window-$model.png"
  cp "$out/dark-main-$model.png" "docs/main-window-$model-dark.png"
  cp "$out/large-main-$model.png" "docs/main-window-$model-13pt.png"
done
echo "pictures in $out; docs/ updated"
