#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs of it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/pigmentor share/pigmentor/ReadMe.txt share/pigmentor/help/index.html \
         share/applications/pigmentor.desktop \
         share/metainfo/org.pigmentor.Pigmentor.metainfo.xml \
         share/icons/hicolor/scalable/apps/pigmentor.svg \
         share/icons/hicolor/32x32/apps/pigmentor.png \
         share/icons/hicolor/48x48/apps/pigmentor.png; do
  [ -e "$prefix/$f" ] || { echo "missing: $f"; exit 1; }
done
echo "installed files: ok"

missing=""
command -v desktop-file-validate >/dev/null || missing="$missing desktop-file-validate"
command -v appstreamcli >/dev/null || missing="$missing appstreamcli"
if [ -n "$missing" ]; then
  echo "skipped validation, not installed:$missing"
  exit 77
fi
desktop-file-validate "$prefix/share/applications/pigmentor.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.pigmentor.Pigmentor.metainfo.xml"
echo "desktop entry and metainfo: valid"
