#!/usr/bin/env bash
# Builds the Debian package from a build folder, installs it into a scratch root with dpkg,
# checks the package's file list and dependencies, runs the installed program, removes the
# package again, and has lintian look at it when lintian is installed.
# Exits 77 (skipped) without cpack, dpkg-shlibdeps or dpkg.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
version=${PIGMENTOR_VERSION:-$(sed -n 's/^#define PIGMENTOR_VERSION "\(.*\)"$/\1/p' \
  "$build/generated/core/version.h")}
for tool in cpack dpkg dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log"; echo "FAILED: cpack"; exit 1; }
deb=$(ls "$scratch"/out/pigmentor_*_*.deb)
failed=0

# Dependencies come from dpkg-shlibdeps: Qt's widgets and the C++ runtime at least.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libstdc++6 libc6; do
  grep -q "$lib" <<<"$depends" || { echo "FAILED: Depends lacks $lib: $depends"; failed=1; }
done
[ "$(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)" = "pigmentor $version" ] \
  || { echo "FAILED: package name and version"; failed=1; }

# Install into a scratch root with its own dpkg database.
root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg --root="$root" --force-depends --force-not-root --force-script-chrootless \
  --log=/dev/null -i "$deb" >"$scratch/dpkg.log" 2>&1 \
  || { cat "$scratch/dpkg.log"; echo "FAILED: dpkg -i"; exit 1; }
expected=$( { sed 's|^|/usr/|' "$here/files.txt"
              for page in "$source"/help/*; do echo "/usr/share/pigmentor/help/$(basename "$page")"; done
            } | LC_ALL=C sort)
actual=$(dpkg --root="$root" -L pigmentor | while read -r f; do [ -d "$root$f" ] || echo "$f"; done | LC_ALL=C sort)
if [ "$expected" = "$actual" ]; then
  echo "ok: the package's files"
else
  echo "FAILED: the package's files differ (- expected, + packaged):"
  diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' | sed 's/^</-/; s/^>/+/'
  failed=1
fi
printed=$("$root/usr/bin/pigmentor" --version)
[ "$printed" = "Pigmentor $version" ] && echo "ok: the installed program runs" \
  || { echo "FAILED: installed --version gave [$printed]"; failed=1; }
status=$(dpkg --root="$root" -s pigmentor | sed -n 's/^Status: //p')
[ "$status" = "install ok installed" ] || { echo "FAILED: dpkg status [$status]"; failed=1; }

dpkg --root="$root" --force-not-root --force-script-chrootless --log=/dev/null -r pigmentor \
  >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; echo "FAILED: dpkg -r"; failed=1; }
left=$(cd "$root" && find usr -type f 2>/dev/null || true)
[ -z "$left" ] && echo "ok: removing the package leaves no file" \
  || { echo "FAILED: left after removal: $left"; failed=1; }

if command -v lintian >/dev/null; then
  if lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1; then
    echo "ok: lintian finds no error"
  else
    grep -v 'not recommended' "$scratch/lintian.log"
    echo "FAILED: lintian"
    failed=1
  fi
else
  echo "lintian is not installed: not run (make deb installs it)"
fi
exit "$failed"
