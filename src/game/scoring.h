// The score at the end of the game: each side's total (territory, dead
// opponent stones, prisoners), komi 5.5 in an even game only, the winner and
// margin, and the texts of the status panel's result line and of the record.
#pragma once

#include <string>

namespace kz {

class PlaneBoard;

// The board's counts during the counting mode (zero before its first count).
struct BoardCounts {
  int blackTerritory = 0;
  int whiteTerritory = 0;
  int deadBlack = 0;  // dead-marked Black stones
  int deadWhite = 0;
};
BoardCounts ReadCounts(const PlaneBoard& board);

struct ScoreInput {
  int handicap = 0;       // 0 互先 (komi 5.5), 1 先, 2..9 stones: no komi
  int resultDisplay = 0;  // 0 none, 1 Black resigned, 2 White resigned
  bool counting = false;  // the end-of-game mode is on
  BoardCounts counts;
  int blackPrisoners = 0;
  int whitePrisoners = 0;
};

struct GameScore {
  int blackTotal = 0;  // 0 outside the counting mode
  int whiteTotal = 0;
  bool decided = false;  // a resignation, or a count
  int winner = 0;        // +1 Black, -1 White, 0 a draw (or undecided)
  int margin = -1;       // N of "N目(半)勝ち"; -1 when there is none
  bool halfPoint = false;
  // The status panel's result line: the line's pattern with its number gap
  // left blank (the panel writes marginField into it), or fourteen
  // full-width spaces when undecided.
  std::string panelLine;
  std::string marginField;  // N right-aligned in three characters, or empty
  // The result for the standard comment: "黒  5目半勝ち", "持碁",
  // "白中押し勝ち"...; empty when undecided.
  std::string resultText;
};

GameScore ScoreGame(const ScoreInput& input);

}  // namespace kz
