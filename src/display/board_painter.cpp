#include "display/board_painter.h"

#include "display/bitmap_ids.h"
#include "display/board_geometry.h"

namespace kz::display {

namespace {

// The last move's code, or −1 when no stone was played last.
int LastMovePoint(const BoardLook& look) {
  if (look.shownMove <= 0) return -1;
  const int code = MoveCodeAt(look.moves, look.shownMove);
  return code >= 0 ? code : -1;
}

struct PointPainter {
  platform::Canvas& canvas;
  const PlaneBoard& board;
  const BoardLook& look;
  const StyleBitmaps& ids;
  int size;
  int pitch;
  int boardId;
  int lastPoint;

  int Px(int x) const { return kBoardOrigin + x * pitch; }

  void Square(int x, int y) const {
    canvas.DrawBitmapPart(boardId, Px(x), Px(y), x * pitch, y * pitch, pitch, pitch);
  }

  // Step 5 for one drawn position.
  void Paint(int x, int y) const {
    const Point p = DrawnPosition(x, y, size, look.orientation);
    const int stone = board.GetChain(p.i, p.j);
    // The board's own square first: stones and cells are drawn over it.
    Square(x, y);
    if (stone == 0) {
      if (!look.endOfGame || board.GetTerritory(p.i, p.j) != 1) return;
      const int region = board.GetRegion(p.i, p.j);
      if (region == 0) return;
      const auto& cells = region > 0 ? ids.blackTerritory : ids.whiteTerritory;
      canvas.DrawBitmap(cells[CellPlaceOf(x, y, size)], Px(x), Px(y));
      return;
    }
    const bool black = stone > 0;
    const bool numbered =
        look.moveNumbers && (!black || !IsHandicapPoint(p.i, p.j, size, look.handicap));
    const bool marking = look.endOfGame || look.deadStones;
    const int id = [&] {
      if (marking && !numbered && board.GetDead(p.i, p.j) != 0)
        return black ? ids.blackDead : ids.whiteDead;
      if (MoveCodeOf(p.i, p.j) == lastPoint) return black ? ids.blackLast : ids.whiteLast;
      if (numbered) return -1;  // drawn with its number afterwards
      return black ? ids.black : ids.white;
    }();
    if (id >= 0) canvas.DrawBitmap(id, Px(x), Px(y));
  }
};

}  // namespace

int MoveCodeAt(std::span<const int> moves, int k) {
  if (k < 1 || k > static_cast<int>(moves.size())) return -1;
  return moves[k - 1] - 1;
}

int BackgroundWidth(const BoardLook& look) {
  return (look.style == kStyleLarge || look.previousStyle == kStyleLarge) ? 1024 : 640;
}

int BackgroundHeight(const BoardLook& look) {
  return (look.style == kStyleLarge || look.previousStyle == kStyleLarge) ? 768 : 480;
}

void PaintBoard(platform::Canvas& canvas, const PlaneBoard& board, const BoardLook& look,
                bool& fullRedraw) {
  const StyleBitmaps& ids = BitmapsOf(look.style);
  const int size = board.GetSize();
  const int pitch = Pitch(look.style);
  const int boardId = BoardBitmap(look.style, size);

  if (fullRedraw) {
    fullRedraw = false;
    const int background =
        look.previousStyle == kStyleLarge ? kLargeBackground : kSmallBackground;
    canvas.DrawBitmapPart(background, 0, 0, 0, 0, BackgroundWidth(look),
                          BackgroundHeight(look));
  }
  canvas.DrawBitmap(ids.title, TitlePlateX(size, look.style, look.layout), kTitlePlateY);

  const PointPainter points{canvas, board, look, ids, size, pitch, boardId,
                            LastMovePoint(look)};
  for (int x = 0; x < size; ++x) {
    for (int y = 0; y < size; ++y) points.Paint(x, y);
  }

  // The border strips: right (full height) and bottom.
  const int span = size * pitch;
  const int border = BorderWidth(look.style);
  canvas.DrawBitmapPart(boardId, kBoardOrigin + span, kBoardOrigin, span, 0, border,
                        span + border);
  canvas.DrawBitmapPart(boardId, kBoardOrigin, kBoardOrigin + span, 0, span, span, border);

  if (look.shownMove > 0 && look.moveNumbers) PaintMoveNumbers(canvas, board, look);
}

void PaintMoveNumbers(platform::Canvas& canvas, const PlaneBoard& board,
                      const BoardLook& look) {
  const StyleBitmaps& ids = BitmapsOf(look.style);
  const int size = board.GetSize();
  const int pitch = Pitch(look.style);
  const int lastPoint = LastMovePoint(look);
  for (int k = 1; k < look.shownMove; ++k) {
    const int code = MoveCodeAt(look.moves, k);
    if (code < 0 || code == lastPoint) continue;
    const int i = code / 100;
    const int j = code % 100;
    if (!board.OnBoard(i, j)) continue;
    const int stone = board.GetChain(i, j);
    if (stone == 0) continue;
    const bool black = stone > 0;
    const Point d = DrawnPosition(i, j, size, look.orientation);
    const int px = kBoardOrigin + d.i * pitch;
    const int py = kBoardOrigin + d.j * pitch;
    canvas.DrawBitmap(black ? ids.black : ids.white, px, py);

    // The digits, centred on the stone: ink of 6n − 1 pixels across.
    const int digits = k >= 100 ? 3 : k >= 10 ? 2 : 1;
    const int first = black ? kLightDigitsFirst : kDarkDigitsFirst;
    int dx = px + (pitch - (kDigitWidth * digits - 1)) / 2;
    const int dy = py + (pitch - kDigitHeight + 1) / 2;
    int divisor = digits == 3 ? 100 : digits == 2 ? 10 : 1;
    for (int n = 0; n < digits; ++n, divisor /= 10, dx += kDigitWidth) {
      canvas.DrawBitmap(DigitBitmap(first, (k / divisor) % 10), dx, dy);
    }
  }
}

}  // namespace kz::display
