// The resource ids of the drawing's bitmaps, per board style. The window
// generates an image for every id at start-up; the painters name them only by
// these numbers.
#pragma once

#include <array>

namespace kz::display {

constexpr int kStyleYellow = 0;      // 黄色
constexpr int kStyleLightBrown = 1;  // 薄茶
constexpr int kStyleLarge = 2;       // 薄茶（大）
constexpr int kStyleCount = 3;

// The nine places of a territory cell on the board as drawn, so the cell's
// line stubs join the grid: corners, edges and the interior.
enum CellPlace : int {
  kTopLeft = 0, kTop, kTopRight,
  kLeft, kInterior, kRight,
  kBottomLeft, kBottom, kBottomRight,
};
constexpr int kPlaceCount = 9;

struct StyleBitmaps {
  std::array<int, 3> board;  // 19, 13 and 9 lines
  int title;
  int background;
  int black, white;
  int blackLast, whiteLast;  // with the last-move dot
  int blackDead, whiteDead;  // with the cross
  std::array<int, kPlaceCount> blackTerritory;  // by CellPlace
  std::array<int, kPlaceCount> whiteTerritory;
};

inline constexpr std::array<StyleBitmaps, kStyleCount> kStyleBitmaps = {{
    {{101, 138, 139}, 133, 144, 111, 110, 142, 143, 141, 140,
     {113, 115, 116, 117, 118, 119, 120, 121, 132},
     {122, 123, 124, 125, 126, 127, 128, 129, 130}},
    {{174, 175, 176}, 202, 144, 179, 192, 178, 191, 177, 190,
     {180, 181, 182, 184, 185, 186, 187, 188, 189},
     {193, 194, 195, 196, 197, 198, 199, 200, 201}},
    {{203, 204, 205}, 202, 206, 207, 208, 211, 212, 209, 210,
     {213, 214, 215, 216, 217, 218, 219, 220, 221},
     {222, 223, 224, 225, 226, 227, 228, 229, 230}},
}};

inline const StyleBitmaps& BitmapsOf(int style) {
  return kStyleBitmaps[(style >= 0 && style < kStyleCount) ? style : 0];
}

inline int BoardBitmap(int style, int size) {
  const auto& b = BitmapsOf(style).board;
  return size == 13 ? b[1] : size == 9 ? b[2] : b[0];
}

constexpr int kSmallBackground = 144;  // 640 × 480
constexpr int kLargeBackground = 206;  // 1024 × 768

// Move-number digits, 6 × 10 pixels, in the order "1" … "9", "0".
constexpr int kDarkDigitsFirst = 154;   // dark on light: for white stones
constexpr int kLightDigitsFirst = 164;  // light on dark: for black stones
constexpr int kDigitWidth = 6;
constexpr int kDigitHeight = 10;
// The id of digit d (0..9) in the set starting at `first`.
constexpr int DigitBitmap(int first, int d) { return first + (d == 0 ? 9 : d - 1); }

constexpr int kTitleWidth = 144;
constexpr int kTitleHeight = 233;

}  // namespace kz::display
