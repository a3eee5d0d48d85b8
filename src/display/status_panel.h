// The status panel beside the board: the coordinate labels around the board,
// then the status lines (players and clocks, handicap and rule, next and last
// move, prisoners, the end-of-game counts and the result), written in the
// display font at fixed pixel positions. The Japanese texts are fixed-width
// patterns whose blanks are overwritten with numbers, drawn on an opaque
// ground so that each paint replaces the last one's numbers.
#pragma once

#include <span>
#include <string>

#include "engine/board/plane_board.h"
#include "platform/canvas.h"

namespace kz::display {

// The ground and ink of the panel's texts (the background images use the
// same ground so that the texts' boxes do not show).
constexpr platform::Rgb kPanelGround = platform::MakeRgb(236, 230, 214);
constexpr platform::Rgb kPanelInk = platform::MakeRgb(0, 0, 0);
constexpr platform::Rgb kOverTimeInk = platform::MakeRgb(255, 0, 0);

struct PanelState {
  int style = 0;          // the large style has its own painters
  int orientation = 1;
  int layout = 12;        // 12 or 16 dots
  int blackKind = 0;      // 0 the user, 1 the computer, 2 the remote program
  int whiteKind = 0;
  std::string blackName;  // from a loaded record; blank gives the kind's label
  std::string whiteName;
  int handicap = 0;
  int rule = 0;
  int timeLimit = 0;      // minutes per side, 0 none
  int blackSeconds = 0;
  int whiteSeconds = 0;
  int movesPlayed = 0;
  int sideToMove = 1;
  std::span<const int> moves;  // the record's entries (see BoardLook)
  int resultDisplay = 0;       // 0 none, 1 Black resigned, 2 White resigned
  int blackPrisoners = 0;      // taken by Black
  int whitePrisoners = 0;
  bool endOfGame = false;
};

// Where a painter writes: the column's x and the y of each line.
struct PanelColumns {
  int upperX, upperY;  // lines 0–2
  int lowerX, lowerY;  // lines 3–8
  int lineStep;        // 15 (12 dots) or 17 (16 dots)
  int trailingSpaces;  // after "(白番" / "(黒番" in the next-move line
};
PanelColumns ColumnsFor(int size, int style, int layout);

// Paints the labels and the status lines; returns the result text for the
// record ("白  5目半勝ち", "持碁", "黒中押し勝ち", …, or empty when there is none).
std::string PaintStatusPanel(platform::Canvas& canvas, const PlaneBoard& board,
                             const PanelState& state);

// The clock text "(hh:mm:ss)" part and the like, exposed for tests.
std::string TwoDigits(int value);
// Up to three digits, right-aligned in three characters.
std::string ThreeDigits(int value);

}  // namespace kz::display

namespace kz::display {

// The blank the view's extent keeps right of and below the drawing.
constexpr int kViewMargin = 10;

// The client area the view needs so that the board, the title plate and
// every status line are whole, for a board size, style and layout (with
// kViewMargin to spare).
struct ViewExtent {
  int width;
  int height;
};
ViewExtent RequiredViewExtent(int size, int style, int layout);

}  // namespace kz::display
