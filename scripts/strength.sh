#!/usr/bin/env bash
# Measures the computer's strength and speed with kazaori-cli match:
# against random legal moves and against GNU Go (Debian package gnugo).
# Usage: scripts/strength.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
build=${1:-build}
out=${2:-strength}
cli="$build/src/cli/kazaori-cli"
gnugo=/usr/games/gnugo
mkdir -p "$out"

echo "== 9 lines, 50 games against random legal moves"
"$cli" match "$cli gtp" "$cli gtp --player random" --games 50 --size 9 --komi 5.5 \
  --scorer "$gnugo --mode gtp" --sgf "$out/random9" | tail -3

echo "== 9 lines, 20 games against GNU Go level 1"
"$cli" match "$cli gtp" "$gnugo --mode gtp --level 1" --games 20 --size 9 --komi 5.5 \
  --scorer "$gnugo --mode gtp" --sgf "$out/gnugo9" | tail -3

echo "== 19 lines, 10 games against GNU Go level 1"
"$cli" match "$cli gtp" "$gnugo --mode gtp --level 1" --games 10 --size 19 --komi 5.5 \
  --scorer "$gnugo --mode gtp" --sgf "$out/gnugo19" | tail -3
