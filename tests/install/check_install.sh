#!/usr/bin/env bash
# Installs the build into a scratch prefix: exactly the expected files, a desktop entry,
# metainfo, file types and manual page that their tools accept, and an uninstall that
# leaves nothing behind.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
version=${PIGMENTOR_VERSION:-$(sed -n 's/^#define PIGMENTOR_VERSION "\(.*\)"$/\1/p' \
  "$build/generated/core/version.h")}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
cp "$build/install_manifest.txt" "$prefix/manifest.txt"

failed=0
expected=$( { cat "$here/files.txt"
              for page in "$source"/help/*; do echo "share/pigmentor/help/$(basename "$page")"; done
            } | LC_ALL=C sort)
actual=$(cd "$prefix" && find bin share -type f -o -type l | LC_ALL=C sort)
if [ "$expected" = "$actual" ]; then
  echo "ok: installed files"
else
  echo "FAILED: installed files differ (- expected, + installed):"
  diff <(echo "$expected") <(echo "$actual") | grep '^[<>]' | sed 's/^</-/; s/^>/+/'
  failed=1
fi
[ -x "$prefix/bin/pigmentor" ] || { echo "FAILED: bin/pigmentor is not executable"; failed=1; }
[ "$("$prefix/bin/pigmentor" --version)" = "Pigmentor $version" ] \
  || { echo "FAILED: the installed program's --version"; failed=1; }
for size in 16 22 24 32 48 64 128 256; do
  geometry=$(file -b "$prefix/share/icons/hicolor/${size}x$size/apps/org.pigmentor.Pigmentor.png" | grep -o '[0-9]* x [0-9]*')
  [ "$geometry" = "$size x $size" ] || { echo "FAILED: the ${size} px icon is $geometry"; failed=1; }
done
grep -qx 'Exec=pigmentor %F' "$prefix/share/applications/org.pigmentor.Pigmentor.desktop" \
  || { echo "FAILED: Exec line"; failed=1; }
grep -qx 'MimeType=application/x-pigmentor-color;application/x-pigmentor-theme;application/x-pigmentor-palette;' \
  "$prefix/share/applications/org.pigmentor.Pigmentor.desktop" || { echo "FAILED: MimeType line"; failed=1; }
# One id everywhere: the entry's file name, its icon, the metainfo's id and launchable (and
# the Wayland app_id, which the program sets from the same id: tests/e2e/wayland.sh).
id=org.pigmentor.Pigmentor
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || { echo "FAILED: Icon line"; failed=1; }
# An X11 window (also on Xwayland) names no desktop entry: task bars find the entry by its
# window class, the program's name (tests/e2e/cases/65-sni-tray.sh).
grep -qx "StartupWMClass=Pigmentor" "$prefix/share/applications/$id.desktop" \
  || { echo "FAILED: StartupWMClass line"; failed=1; }
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" \
  && grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" \
  || { echo "FAILED: metainfo id or launchable"; failed=1; }

# The newest release as the build wrote it from the version and the date typed once: the
# metainfo (well-formed XML) and the changelog name the build's version and the same day,
# the changelog's date in RFC 2822 with its right day of the week.
metainfo_release=$(/usr/bin/python3 -c '
import sys, xml.etree.ElementTree as E
r = E.parse(sys.argv[1]).getroot().find("releases/release")
print(r.get("version"), r.get("date"))' "$prefix/share/metainfo/$id.metainfo.xml") \
  || { echo "FAILED: the metainfo is not well-formed XML with a release"; failed=1; }
read -r release_version release_date <<<"$metainfo_release"
changelog=$(gzip -dc "$prefix/share/doc/pigmentor/changelog.gz")
changelog_version=$(head -1 <<<"$changelog" | sed -n 's/^pigmentor (\([^)]*\)) .*/\1/p')
changelog_date=$(sed -n 's/^ -- .*>  //p' <<<"$changelog" | head -1)
rfc2822=$(LC_ALL=C date -u -d "$changelog_date" '+%a, %d %b %Y %H:%M:%S %z' 2>/dev/null || true)
if [ "$release_version $changelog_version" = "$version $version" ] && [ -n "$rfc2822" ] \
  && [ "$rfc2822" = "$changelog_date" ] \
  && [ "$(date -u -d "$changelog_date" +%F)" = "$release_date" ]; then
  echo "ok: metainfo and changelog name version $version of $release_date"
else
  echo "FAILED: newest release: metainfo [$metainfo_release], changelog [$changelog_version] [$changelog_date], build [$version]"
  failed=1
fi
cp "$prefix/share/metainfo/$id.metainfo.xml" "$scratch/"

# The manual page renders without a single warning.
if command -v man >/dev/null; then
  warnings=$(man --warnings -l "$prefix/share/man/man1/pigmentor.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] && echo "ok: manual page" || { echo "FAILED: man warns: $warnings"; failed=1; }
fi

# The file types: the database built from our package maps every glob.
if command -v update-mime-database >/dev/null; then
  update-mime-database "$prefix/share/mime" >/dev/null 2>&1
  for pair in 'application/x-pigmentor-color:\*.pmt$' 'application/x-pigmentor-theme:\*.pmtm$' \
    'application/x-pigmentor-palette:\*.palette.json$'; do
    grep -q "$pair" "$prefix/share/mime/globs2" || { echo "FAILED: no glob $pair"; failed=1; }
  done
  rm -rf "$prefix/share/mime"/{globs,globs2,magic,mime.cache,types,subclasses,aliases,generic-icons,icons,treemagic,XMLnamespaces,version,application}
fi

# make uninstall: nothing of ours stays behind.
"$source/cmake/uninstall.sh" "$prefix/manifest.txt" >/dev/null
left=$(cd "$prefix" && find . -type f | LC_ALL=C sort)
[ -z "$left" ] && echo "ok: uninstall removes every file" || { echo "FAILED: left after uninstall: $left"; failed=1; }
for folder in share/pigmentor share/doc/pigmentor; do
  [ ! -e "$prefix/$folder" ] || { echo "FAILED: $folder left after uninstall"; failed=1; }
done
[ "$failed" = 0 ] || exit 1

missing=""
command -v desktop-file-validate >/dev/null || missing="$missing desktop-file-validate"
command -v appstreamcli >/dev/null || missing="$missing appstreamcli"
if [ -n "$missing" ]; then
  echo "skipped validation, not installed:$missing"
  exit 77
fi
desktop-file-validate "$source/data/org.pigmentor.Pigmentor.desktop"
appstreamcli validate --no-net "$scratch/$id.metainfo.xml"
echo "desktop entry and metainfo: valid"
