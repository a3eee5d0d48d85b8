// Where the board and its points stand in the view, for drawing and for
// mapping a click back to a point. Point (x, y) as drawn occupies the square
// from (20 + x·pitch, 20 + y·pitch); with White's side nearest the drawn
// position (x, y) stands for the point (size−1−x, size−1−y).
#pragma once

namespace kz::display {

constexpr int kBoardOrigin = 20;

// Cell pitch: 21 pixels in the small styles, 35 in the large one.
constexpr int Pitch(int style) { return style == 2 ? 35 : 21; }
// The board image's border on the right and bottom beyond size × pitch.
constexpr int BorderWidth(int style) { return style == 2 ? 2 : 1; }
// Side of the (square) board image: 400/274/190 small, 667/457/317 large.
constexpr int BoardImageSide(int style, int size) {
  return size * Pitch(style) + BorderWidth(style);
}

struct Point {
  int i = -1;
  int j = -1;
  bool operator==(const Point&) const = default;
};

// The point a left click at (px, py) selects, or {-1, -1} off the board.
Point PointAtPixel(int px, int py, int style, int size, int orientation);

// The drawn position of a point (its own inverse: the mirror of a mirror).
constexpr Point DrawnPosition(int i, int j, int size, int orientation) {
  return orientation == -1 ? Point{size - 1 - i, size - 1 - j} : Point{i, j};
}

// The territory cell's place (CellPlace) for a drawn position.
int CellPlaceOf(int x, int y, int size);

// x of the title plate (it stands at y = 21), by size, style and layout.
int TitlePlateX(int size, int style, int layout);
constexpr int kTitlePlateY = 21;

// Whether (i, j) holds a handicap stone for handicap code h (stones placed
// before the first move, which carry no number).
bool IsHandicapPoint(int i, int j, int size, int handicap);

// The column letter of index i: A … T without I.
char ColumnLetter(int i);

}  // namespace kz::display
