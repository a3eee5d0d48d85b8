// Paints the board from bitmaps through the Canvas: the background on a full
// redraw, the title plate, every point's square (stones, the last-move dot,
// dead crosses, territory cells in the end-of-game marking), the border
// strips, then the move numbers on the stones when they are switched on.
#pragma once

#include <span>

#include "engine/board/plane_board.h"
#include "platform/canvas.h"

namespace kz::display {

// What the board painting reads from the view.
struct BoardLook {
  int style = 0;          // 0 黄色, 1 薄茶, 2 薄茶（大）
  int previousStyle = 0;  // the style before the last change of style
  int orientation = 1;    // 1 Black's side nearest, -1 White's side nearest
  int layout = 12;        // the font arrangement, 12 or 16 dots
  bool moveNumbers = false;
  bool deadStones = false;   // 死に石の表示
  bool endOfGame = false;    // end-of-game marking runs
  int handicap = 0;
  int shownMove = 0;         // moves on the board
  // The record's move entries: entry k−1 is move k, holding MoveCode + 1 for
  // a stone, −100 for a pass and 0 where nothing is recorded.
  std::span<const int> moves;
};

// The move code (i × 100 + j, or a negative value for a pass or nothing) of
// move k (1-based) in the record's entries.
int MoveCodeAt(std::span<const int> moves, int k);

// The board's paint: the background when `fullRedraw` is set (which it then
// clears), the title plate, every point, the border strips and the numbers.
// The board's size is the board's own.
void PaintBoard(platform::Canvas& canvas, const PlaneBoard& board, const BoardLook& look,
                bool& fullRedraw);

// The numbered stones alone (move numbers on, shown move above 0).
void PaintMoveNumbers(platform::Canvas& canvas, const PlaneBoard& board,
                      const BoardLook& look);

// The pixel size the background needs: 1024 × 768 when the current or the
// previous style is the large one, else 640 × 480.
int BackgroundWidth(const BoardLook& look);
int BackgroundHeight(const BoardLook& look);

}  // namespace kz::display
