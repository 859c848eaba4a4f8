#!/usr/bin/env bash
# Start-up benchmark in a private X server: for Pigmentor (splash off), a minimal Qt
# Widgets window (the floor, bench/floor.cpp) and, where installed, gpick, kcolorchooser
# and gcolor3. Each round starts every program once, in turn, so that a busy moment of the
# machine falls on all of them alike. bench/wait_map.cpp starts each program and waits for
# the X server's MapNotify of its first window; it reports the wall time and the CPU time
# to that moment and the peak memory once the program has settled.
# Prints medians over the rounds and each program's ratio to the floor: the median of the
# ratios within each round, so that a slow stretch of the machine weighs on both sides.
set -euo pipefail
build=${1:-build}
rounds=${RUNS:-101}
settle_ms=${SETTLE_MS:-300}
wait_map=$build/bench/pigmentor_wait_map
[ -x "$wait_map" ] || { echo "start-up benchmark skipped: $wait_map was not built (libxcb1-dev)"; exit 0; }
wait_map=$(readlink -f "$wait_map")   # the programs start in a scratch folder
command -v Xvfb >/dev/null || { echo "start-up benchmark skipped: Xvfb is not installed"; exit 0; }
unset QT_QPA_PLATFORM
# A desktop session has a session bus; without one, libdbus would start a bus of its own
# through X for every program (autolaunch), which is no part of a program's start-up.
if [ -z "${PIGMENTOR_BENCH_BUS:-}" ] && command -v dbus-run-session >/dev/null; then
  PIGMENTOR_BENCH_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
printf '0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/pmtprefs.ini"   # no splash; a portable copy
cp "$build/pigmentor" "$work/"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime

Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 & xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"

names=(floor pigmentor)
commands=("$(readlink -f "$build/bench/pigmentor_floor")" "$work/pigmentor")
for other in gpick kcolorchooser gcolor3; do
  if command -v "$other" >/dev/null; then names+=("$other"); commands+=("$(command -v "$other")"); fi
done

declare -A wall cpu kib
run_once() { # index -> appends to the program's samples
  local out
  local w=nan c=nan k=nan
  if out=$(cd "$work" && "$wait_map" "$settle_ms" 20000 ${commands[$1]} 2>/dev/null); then
    read -r w c k <<<"$out"
  fi
  wall[${names[$1]}]+="$w "
  cpu[${names[$1]}]+="$c "
  kib[${names[$1]}]+="$k "
}

for i in "${!names[@]}"; do run_once "$i"; done   # warm the caches
unset wall cpu kib; declare -A wall cpu kib
for _ in $(seq "$rounds"); do
  for i in "${!names[@]}"; do run_once "$i"; done
done

# stats SAMPLES [FLOOR_SAMPLES]: the median of the samples, or of their ratios to the
# floor's samples of the same rounds; rounds where either run failed are left out.
stats() {
  awk -v a="$1" -v b="${2:-}" 'BEGIN {
    n = split(a, x, " "); split(b, y, " "); m = 0
    for (i = 1; i <= n; i++) {
      if (x[i] == "nan" || (b != "" && (y[i] == "nan" || y[i] + 0 == 0))) continue
      v[++m] = (b == "" ? x[i] : x[i] / y[i])
    }
    for (i = 2; i <= m; i++) { t = v[i]; for (j = i - 1; j >= 1 && v[j] > t; j--) v[j + 1] = v[j]; v[j + 1] = t }
    if (m) print v[int((m + 1) / 2)]; else print "nan"
  }'
}

echo "start-up to the first window mapped, median of $rounds interleaved rounds:"
printf '  %-14s %9s %9s %11s   %s\n' program "wall ms" "CPU ms" "peak KiB" "ratio to floor: wall, CPU, memory"
failed=0
for name in "${names[@]}"; do
  if [ "$(stats "${cpu[$name]:-}")" = nan ]; then
    printf '  %-14s no start reached its first window\n' "$name"
    failed=1
    continue
  fi
  printf '  %-14s %9.1f %9.1f %11d   %.2f x  %.2f x  %.2f x\n' "$name" \
    "$(stats "${wall[$name]:-}")" "$(stats "${cpu[$name]:-}")" "$(stats "${kib[$name]:-}")" \
    "$(stats "${wall[$name]:-}" "${wall[floor]:-}")" "$(stats "${cpu[$name]:-}" "${cpu[floor]:-}")" \
    "$(stats "${kib[$name]:-}" "${kib[floor]:-}")"
done
exit "$failed"
