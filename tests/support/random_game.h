// Seeded random games that are legal under the board's rules: stones on
// random empty points (never filling a point surrounded by the mover's own
// stones), a pass now and then or when no move is found. For tests that need
// real records with captures, and for the benchmarks.
#pragma once

#include <cstdint>
#include <utility>

#include "engine/board/plane_board.h"
#include "game/move_rules.h"
#include "records/kifu_record.h"

namespace kz::test {

struct RandomGameOptions {
  int size = 19;
  int handicap = 0;
  int moves = 100;
  int passPercent = 2;  // chance of a pass per move
  std::uint32_t seed = 1;
};

inline KifuRecord RandomGameRecord(const RandomGameOptions& o) {
  KifuRecord record;
  record.boardSize = o.size;
  record.handicap = o.handicap;
  PlaneBoard board;
  board.Reset(o.size, o.handicap);
  std::uint32_t seed = o.seed;
  auto next = [&seed](std::uint32_t n) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % n;
  };
  int side = FirstMover(o.handicap);
  for (int k = 0; k < o.moves && k < kMaxRecordMoves; ++k) {
    int entry = kPassEntry;
    if (static_cast<int>(next(100)) >= o.passPercent) {
      for (int tries = 0; tries < 200; ++tries) {
        const int i = static_cast<int>(next(o.size)), j = static_cast<int>(next(o.size));
        if (board.GetChain(i, j) != 0) continue;
        bool ownEye = true;
        for (auto [di, dj] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
          if (!board.OnBoard(i + di, j + dj)) continue;
          const int v = board.GetChain(i + di, j + dj);
          if (v == 0 || (v > 0) != (side > 0)) ownEye = false;
        }
        if (ownEye) continue;
        const int r = board.PlayStone(i, j, side, 1);
        if (r == kOccupied || r == kSuicide || r == kKo) continue;
        entry = MoveCodeOf(i, j) + 1;
        break;
      }
    }
    record.moves[k] = entry;
    record.currentMove = record.lastMove = k + 1;
    side = -side;
  }
  return record;
}

}  // namespace kz::test
