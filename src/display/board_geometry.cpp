#include "display/board_geometry.h"

namespace kz::display {

Point PointAtPixel(int px, int py, int style, int size, int orientation) {
  const int pitch = Pitch(style);
  const int last = kBoardOrigin - 1 + size * pitch;
  if (px < kBoardOrigin || px > last || py < kBoardOrigin || py > last) return {};
  const int x = (px - kBoardOrigin) / pitch;
  const int y = (py - kBoardOrigin) / pitch;
  return DrawnPosition(x, y, size, orientation);
}

int CellPlaceOf(int x, int y, int size) {
  const int col = x == 0 ? 0 : x == size - 1 ? 2 : 1;
  const int row = y == 0 ? 0 : y == size - 1 ? 2 : 1;
  return row * 3 + col;
}

int TitlePlateX(int size, int style, int layout) {
  const bool large = style == 2;
  const bool dots16 = layout == 16;
  int base;
  if (size == 9) {
    base = large ? 346 : 220;
  } else if (size == 13) {
    base = large ? 487 : 305;
  } else {
    base = large ? 697 : 431;
  }
  if (dots16) base += (size == 13) ? 10 : (size == 9 ? 20 : 10);
  return base;
}

bool IsHandicapPoint(int i, int j, int size, int h) {
  if (h < 2) return false;
  int c1, c2, m;
  switch (size) {
    case 9: c1 = 2; c2 = 6; m = 4; break;
    case 13: c1 = 3; c2 = 9; m = 6; break;
    default: c1 = 3; c2 = 15; m = 9; break;
  }
  auto at = [&](int a, int b) { return i == a && j == b; };
  if (at(c2, c1) || at(c1, c2)) return true;
  if (h >= 3 && at(c2, c2)) return true;
  if (h >= 4 && at(c1, c1)) return true;
  if ((h == 5 || h == 7 || h == 9) && at(m, m)) return true;
  if (h >= 6 && (at(c1, m) || at(c2, m))) return true;
  if (h >= 8 && (at(m, c1) || at(m, c2))) return true;
  return false;
}

char ColumnLetter(int i) {
  const char c = static_cast<char>('A' + i);
  return c >= 'I' ? static_cast<char>(c + 1) : c;
}

}  // namespace kz::display
