// The rules the game applies around the board when a player moves: who moves
// first, the Keima-go test and when it applies, the refusal messages, and the
// bookkeeping of a legal move (prisoners, turn, move count, passes).
#pragma once

#include <string_view>

#include "engine/board/plane_board.h"

namespace kz {

constexpr int kJapaneseRule = 0;
constexpr int kKeimaRule = 1;

// Refusal of a move by the Keima-go test (the board's own refusals are
// kOccupied, kSuicide and kKo).
constexpr int kKeimaRefused = -80;

// The game-side values the rules read and update.
struct PlayState {
  int sideToMove = 1;       // +1 Black, -1 White
  int movesPlayed = 0;      // stones and passes so far
  int blackPrisoners = 0;   // stones taken by Black
  int whitePrisoners = 0;   // stones taken by White
  int consecutivePasses = 0;
  int lastMove = -1;        // i * 100 + j; -1 at the start and after a pass
  int rule = kJapaneseRule;
  int handicap = 0;         // 0..9
};

// White moves first in handicap games (2..9 stones), Black otherwise.
constexpr int FirstMover(int handicap) { return handicap >= 2 ? -1 : 1; }

// Whether the Keima-go test applies to the next move: from the third move of
// an even (or 先) game, from the second move of a handicap game.
constexpr bool KeimaTestApplies(int rule, int movesPlayed, int handicap) {
  if (rule != kKeimaRule) return false;
  return movesPlayed >= 2 || (handicap >= 2 && movesPlayed >= 1);
}

// The message for a refused move, or an empty view for any other code.
std::string_view RefusalMessage(int code);

// The outcome of a player's move attempt.
struct MoveOutcome {
  bool legal;
  int code;      // PlayStone's result, or kKeimaRefused
  int captured;  // stones added to the mover's prisoners
};

// Tries the side to move's stone at (i, j), a point on the board: the Keima
// test first (when it applies), then PlayStone. A legal move updates the
// state: prisoners, side to move, moves played, passes and last move. A
// refused move changes nothing.
MoveOutcome TryMove(PlaneBoard& board, PlayState& state, int i, int j);

// A pass by the side to move.
void PassMove(PlayState& state);

}  // namespace kz
