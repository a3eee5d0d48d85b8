#!/usr/bin/env bash
# Takes the window's screenshots under Xvfb and saves them as PNG files:
# an empty 19-line board in each style, a 9-line game with move numbers, the
# end-of-game marking, the status panel with a red clock and the new-game
# dialog; then the program itself on the X server, driven with xdotool and
# photographed with ImageMagick's `import -window root` at moments when no
# input is given: the user's turn on nine lines (reply_before.png), the
# computer's reply after the user's click, with no input since
# (reply_after.png), and the open-file dialog in Japanese (open_dialog.png).
# Usage: scripts/screenshots.sh [OUTDIR]   (default: screenshots/)
set -euo pipefail
cd "$(dirname "$0")/.."
OUT="${1:-screenshots}"
BUILD_DIR="${BUILD_DIR:-build}"

./scripts/install-deps.sh
if ! command -v xdotool >/dev/null || ! command -v import >/dev/null; then
  SUDO=(); [ "$(id -u)" -eq 0 ] || SUDO=(sudo)
  "${SUDO[@]}" apt-get install -y -q xdotool imagemagick
fi
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_DIR" -j 2 --target kazaori_screenshots kazaori >/dev/null
mkdir -p "$OUT"
OUT="$(cd "$OUT" && pwd)"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$BUILD_DIR/tests/kazaori_screenshots" "$OUT"

# The program on its own X server.
TOOL="$(pwd)/$BUILD_DIR/tests/kazaori_screenshots"
PROGRAM="$(pwd)/$BUILD_DIR/src/app/kazaori"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export TOOL PROGRAM WORK OUT
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  set -euo pipefail
  cd "$WORK"
  export KAZAORI_INI="$WORK/kazaori.ini"
  read -r X Y < <("$TOOL" --reply-record "$WORK/REPLY.IG1")
  rm -f "$KAZAORI_INI"
  "$PROGRAM" REPLY.IG1 &
  pid=$!
  sleep 2.5                         # the first tick reads the record
  import -window root "$OUT/reply_before.png" && echo "wrote $OUT/reply_before.png"
  xdotool mousemove "$X" "$Y" click 1
  xdotool mousemove 790 590         # the pointer away from the board
  sleep 3                           # the computer answers at the next tick
  import -window root "$OUT/reply_after.png" && echo "wrote $OUT/reply_after.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  # No game running: 棋譜の読み込み (Ctrl+O) opens the file dialog.
  "$PROGRAM" &
  pid=$!
  sleep 1.5
  xdotool mousemove 300 300
  wid="$(xdotool search --onlyvisible --name "風織" | head -1)"
  xdotool windowfocus --sync "$wid"  # no window manager: focus it ourselves
  sleep 0.3
  xdotool key ctrl+o
  sleep 1.5
  import -window root "$OUT/open_dialog.png" && echo "wrote $OUT/open_dialog.png"
  xdotool key Escape
  kill "$pid"
  wait "$pid" 2>/dev/null || true
'
