#!/usr/bin/env bash
# Renders the icon's PNG sizes from data/icons/kazaori.svg (run after
# changing the drawing, then commit the PNGs). Needs rsvg-convert (Debian
# package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert -w "$size" -h "$size" kazaori.svg -o "${size}x${size}/kazaori.png"
done
