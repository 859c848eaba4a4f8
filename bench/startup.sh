#!/usr/bin/env bash
# Start-up benchmark: time from exec to the main window mapped, and peak memory, in a
# private X server, for Pigmentor and for a minimal Qt Widgets window (the floor).
set -euo pipefail
build=${1:-build}
runs=${RUNS:-7}
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "start-up benchmark skipped: $tool is not installed"; exit 0; }
done
unset QT_QPA_PLATFORM
work=$(mktemp -d)
printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/pmtprefs.ini"   # no splash
cp "$build/pigmentor" "$work/"
display=:119
Xvfb $display -screen 0 1280x900x24 -nolisten tcp -noreset >/dev/null 2>&1 & xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# One run: prints "milliseconds peak-KiB".
measure() { # program title
  local start pid now kib
  start=$(date +%s%N)
  (cd "$work" && exec "$1") >/dev/null 2>&1 & pid=$!
  until xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; do
    sleep 0.005
    if [ $(( ($(date +%s%N) - start) / 1000000 )) -gt 20000 ]; then echo "timeout" >&2; break; fi
  done
  now=$(date +%s%N)
  sleep 0.3
  kib=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (now - start) / 1000000 )) $kib"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

declare -A ms kib
for name in floor pigmentor; do
  if [ $name = floor ]; then prog=$(readlink -f "$build/bench/pigmentor_floor"); title="Toolkit floor"
  else prog="$work/pigmentor"; title="Pigmentor 1.18"; fi
  measure "$prog" "$title" >/dev/null   # warm the caches
  results=$(for _ in $(seq "$runs"); do measure "$prog" "$title"; done)
  ms[$name]=$(cut -d' ' -f1 <<<"$results" | median)
  kib[$name]=$(cut -d' ' -f2 <<<"$results" | median)
done
echo "start-up to window mapped (median of $runs runs), peak memory:"
printf '  %-10s %5d ms  %7d KiB\n' floor "${ms[floor]}" "${kib[floor]}"
printf '  %-10s %5d ms  %7d KiB\n' pigmentor "${ms[pigmentor]}" "${kib[pigmentor]}"
awk -v a="${ms[pigmentor]}" -v b="${ms[floor]}" -v c="${kib[pigmentor]}" -v d="${kib[floor]}" \
  'BEGIN { printf "  ratio      %5.2f x       %5.2f x\n", a / b, c / d }'
