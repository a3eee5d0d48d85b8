#!/usr/bin/env bash
# Takes the window's screenshots under Xvfb and saves them as PNG files:
# an empty 19-line board in each style, a 9-line game with move numbers, the
# end-of-game marking, the status panel with a red clock and the new-game
# dialog. Usage: scripts/screenshots.sh [OUTDIR]   (default: screenshots/)
set -euo pipefail
cd "$(dirname "$0")/.."
OUT="${1:-screenshots}"
BUILD_DIR="${BUILD_DIR:-build}"

./scripts/install-deps.sh
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_DIR" -j 2 --target kazaori_screenshots >/dev/null
mkdir -p "$OUT"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$BUILD_DIR/tests/kazaori_screenshots" "$OUT"
