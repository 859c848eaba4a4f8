#!/bin/sh
# Removes what one `cmake --install` put in place, as listed in its manifest, and then the
# program's own folders when they are left empty. Usage: uninstall.sh MANIFEST
set -eu
manifest=$1
[ -f "$manifest" ] || { echo "nothing to uninstall: $manifest is missing (make install writes it)" >&2; exit 1; }
while IFS= read -r file || [ -n "$file" ]; do
  [ -n "$file" ] || continue
  if [ -e "$file" ] || [ -L "$file" ]; then rm -f -- "$file" && echo "removed $file"; fi
done < "$manifest"
# Only folders that belong to Pigmentor alone; shared ones (share/icons/...) stay.
grep -E '/share/(pigmentor|doc/pigmentor)/' "$manifest" | while IFS= read -r file; do
  dirname -- "$file"
done | sort -ru | while IFS= read -r folder; do
  rmdir -- "$folder" 2>/dev/null || true
done
rm -f -- "$manifest"
