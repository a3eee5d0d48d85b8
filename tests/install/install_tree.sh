#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that every installed
# file lies under it. Usage: install_tree.sh BUILD_DIR PREFIX
set -euo pipefail
build="$1"
prefix="$(realpath -m "$2")"
rm -rf "$prefix"
manifest="$(mktemp)"
trap 'rm -f "$manifest"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
cp "$build/install_manifest.txt" "$manifest"
count=0
while IFS= read -r file; do
  count=$((count + 1))
  case "$file" in
    "$prefix"/*) ;;
    *) echo "installed outside the prefix: $file"; exit 1 ;;
  esac
done <"$manifest"
[ "$count" -gt 0 ] || { echo "nothing was installed"; exit 1; }
# Nothing else appeared in the prefix beyond what the manifest names.
extra="$(cd "$prefix" && find . -type f | sed "s|^\.|$prefix|" | sort | comm -23 - <(sort "$manifest"))"
[ -z "$extra" ] || { echo "files in the prefix the install did not list: $extra"; exit 1; }
echo "installed $count files under $prefix"
