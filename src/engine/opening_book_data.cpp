// The opening book's corner sequences.
//
// Each record is written as its window (columns, rows) and its moves in the
// top-left corner, Black first, as column and row letters counted from the
// corner ('a' = the first line): "dd" is the 4-4 point, "dc"/"cd" the 3-4
// points, "cc" the 3-3 point. "--" is a move elsewhere. A move followed by
// '!' is only matched, never answered from the book; '^' is answered only by
// Black. The lookups try every corner in all eight orientations and both
// colours, so each sequence is written once.
#include "engine/opening_book.h"

namespace kz {

namespace {

constexpr BookPattern R(int extentI, int extentJ, const char* text) {
  BookPattern r{};
  r.extentI = static_cast<std::int8_t>(extentI);
  r.extentJ = static_cast<std::int8_t>(extentJ);
  int n = 0;
  const char* s = text;
  while (*s != '\0' && n < 20) {
    if (*s == ' ') {
      ++s;
      continue;
    }
    int move = -1;
    if (s[0] != '-') move = (s[0] - 'a') * 100 + (s[1] - 'a');
    s += 2;
    int flag = 0;
    if (*s == '!') {
      flag = 1;
      ++s;
    } else if (*s == '^') {
      flag = 2;
      ++s;
    }
    r.moves[n] = move;
    r.flags[n] = static_cast<std::uint8_t>(flag);
    ++n;
  }
  for (int k = n; k < 20; ++k) r.moves[k] = 0;
  r.length = static_cast<std::int8_t>(n);
  return r;
}

}  // namespace

const BookPattern kBookPatterns[] = {
    // The first stone in an empty corner: 4-4, 3-4, 3-3.
    R(10, 10, "-- dd"),
    R(4, 6, "-- cd"),
    R(5, 5, "-- cc"),
    // Enclosures.
    R(6, 8, "dc -- de"),
    // 4-4, knight's approach, attach and extend.
    R(8, 9, "dd cf df ce de"),
    R(0, 0, ""),
};

}  // namespace kz
