// Positions shared by the benchmarks: a seeded random game and the 19-line
// middle game of about 150 stones it leads to.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/board/plane_board.h"

namespace kz::bench {

// A seeded random game that avoids filling its own eyes; returns its moves.
inline std::vector<std::pair<int, int>> RandomGame(int moves,
                                                   std::uint32_t seed) {
  PlaneBoard board;
  board.Reset(19, 0);
  std::vector<std::pair<int, int>> played;
  int colour = 1;
  for (int tries = 0; static_cast<int>(played.size()) < moves && tries < 100000;
       ++tries) {
    seed = seed * 1664525u + 1013904223u;
    const int i = (seed >> 8) % 19, j = (seed >> 20) % 19;
    if (board.GetChain(i, j) != 0) continue;
    int own = 0, onBoard = 0;
    for (auto [di, dj] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
      if (!board.OnBoard(i + di, j + dj)) continue;
      ++onBoard;
      own += (board.GetChain(i + di, j + dj) > 0) == (colour > 0) &&
             board.GetChain(i + di, j + dj) != 0;
    }
    if (own == onBoard) continue;
    const int r = board.PlayStone(i, j, colour, 1);
    if (r == kOccupied || r == kSuicide || r == kKo) continue;
    played.emplace_back(i, j);
    colour = -colour;
  }
  return played;
}

inline int CountStones(const PlaneBoard& b) {
  int n = 0;
  for (int i = 0; i < 19; ++i)
    for (int j = 0; j < 19; ++j) n += b.GetChain(i, j) != 0;
  return n;
}

// A middle-game position of about 150 stones, refreshed.
inline const PlaneBoard& MiddleGame() {
  static const PlaneBoard board = [] {
    PlaneBoard b;
    b.Reset(19, 0);
    int colour = 1;
    for (auto [i, j] : RandomGame(400, 12345)) {
      b.PlayStone(i, j, colour, 0);
      colour = -colour;
      if (CountStones(b) >= 150) break;
    }
    return b;
  }();
  return board;
}

}  // namespace kz::bench
