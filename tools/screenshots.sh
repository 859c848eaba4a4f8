#!/usr/bin/env bash
# Makes the README's screenshots of both windows in a private X server.
# Needs: xvfb, xdotool, imagemagick (installed when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
for p in xvfb xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="${missing:-} $p"
done
if [ -n "${missing:-}" ]; then
  SUDO=$([ "$(id -u)" = 0 ] || echo sudo)
  $SUDO apt-get update && $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
fi

work=$(mktemp -d)
cp build/pigmentor "$work/" && cp -r build/help "$work/"
printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/pmtprefs.ini"   # no splash
Xvfb :97 -screen 0 1280x900x24 -noreset >/dev/null 2>&1 & xvfb=$!
trap 'kill $xvfb 2>/dev/null; kill $app 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=:97
sleep 1
(cd "$work" && ./pigmentor) & app=$!

geometry() { # window name -> "X Y W H"
  local id
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$X $Y $WIDTH $HEIGHT"
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

read -r mx my mw mh < <(geometry "Pigmentor 1.18")
click $((mx + 350)) $((my + 212))           # the hex code box
xdotool type 336699; xdotool key Return; sleep 0.4
import -window root -crop "${mw}x${mh}+${mx}+${my}" docs/main-window.png

click $((mx + 200)) $((my + 345))            # back to the window after the grab
xdotool key ctrl+m; sleep 0.8
read -r sx sy sw sh < <(geometry "Color Matching Station")
click $((sx + 314)) $((sy + 43))            # Object
click $((sx + 380)) $((sy + 203))           # the station's hex box
xdotool type 336699; xdotool key Return; sleep 0.3
click $((sx + 237)) $((sy + 43))            # Background
click $((sx + 380)) $((sy + 203))
xdotool type ffcc66; xdotool key Return; sleep 0.4
import -window root -crop "${sw}x${sh}+${sx}+${sy}" docs/station.png
mogrify +repage docs/main-window.png docs/station.png
echo "docs/main-window.png and docs/station.png written"
