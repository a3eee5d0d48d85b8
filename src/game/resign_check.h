// When the computer offers to resign: after a first check move that depends
// on the board size, when the opponent's estimated score leads by a margin
// that shrinks as the board fills.
#pragma once

#include "engine/board/plane_board.h"

namespace kz {

// Moves after which the computer first weighs resigning: 27, 56 or 120.
constexpr int FirstResignCheckMove(int size) {
  return size == 9 ? 27 : size == 13 ? 56 : 120;
}
// After a refused offer the next check waits this many moves: 8, 17 or 36.
constexpr int ResignRecheckInterval(int size) {
  return size == 9 ? 8 : size == 13 ? 17 : 36;
}
// Half the points not yet played, at least 30.
constexpr int ResignMargin(int size, int movesPlayed) {
  const int margin = (size * size - movesPlayed) / 2;
  return margin < 30 ? 30 : margin;
}

struct ResignEstimate {
  int blackScore;
  int whiteScore;
  int margin;
};

// Scores from the board's forced counts, the engine's area estimate
// (CountArea per colour) and the prisoners.
ResignEstimate EstimateForResign(const PlaneBoard& board, int blackArea,
                                 int whiteArea, int blackPrisoners,
                                 int whitePrisoners, int movesPlayed);

// Whether the computer playing `colour` offers to resign (never against a
// remote opponent).
bool ComputerWantsToResign(const ResignEstimate& e, int colour,
                           bool opponentIsRemote);

}  // namespace kz
