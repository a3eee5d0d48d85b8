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
    // 3-4, one-space enclosure (the 3-4 stone low on the upper side).
    R(6, 8, "dc -- de"),
    // 4-4, small knight approach, attach and extend, connect.
    R(8, 9, "dd cf df ce de"),
    // Wide windows: the sequences of an open corner.
    R(10, 8, "dd -- fc"),  // 4-4, small knight enclosure
    R(10, 8, "dd -- fd"),  // 4-4, one-space enclosure
    R(11, 8, "dd -- gc"),  // 4-4, large knight enclosure
    R(8, 10, "dd cf"),  // 4-4, small knight approach
    R(8, 11, "dd cg"),  // 4-4, large knight approach
    R(8, 10, "dd df"),  // 4-4, one-space high approach
    R(8, 11, "dd dg"),  // 4-4, two-space high approach
    R(8, 8, "dd cc"),  // 4-4, 3-3 invasion
    R(10, 10, "dd cf fc"),  // knight approach, small knight extension
    R(8, 10, "dd cf df"),  // knight approach, attachment
    R(8, 12, "dd cf ch"),  // knight approach, one-space low pincer
    R(8, 12, "dd cf ci"),  // knight approach, two-space low pincer
    R(8, 12, "dd cf dh"),  // knight approach, one-space high pincer
    R(8, 12, "dd cf di"),  // knight approach, two-space high pincer
    R(8, 12, "dd cf cj"),  // knight approach, three-space low pincer
    R(10, 12, "dd cf fc ci"),  // small knight extension, two-space extension
    R(9, 12, "dd cf ch ef"),  // one-space low pincer, jump out
    R(9, 12, "dd cf ci ef"),  // two-space low pincer, jump out
    R(9, 12, "dd cf dh ef"),  // one-space high pincer, jump out
    R(9, 12, "dd cf di ef"),  // two-space high pincer, jump out
    R(8, 12, "dd cf ch cc"),  // one-space low pincer, 3-3 invasion
    R(8, 12, "dd cf ci cc"),  // two-space low pincer, 3-3 invasion
    R(8, 12, "dd cf dh cc"),  // one-space high pincer, 3-3 invasion
    R(8, 12, "dd cf di cc"),  // two-space high pincer, 3-3 invasion
    R(8, 9, "dd cc dc cd ce"),  // 3-3 invasion: block, crawl, hane
    R(8, 10, "dd cc dc cd ce be! bf!"),  // 3-3 invasion: the hanes on the second line
    R(8, 10, "dd df cf"),  // high approach, attachment underneath
    R(10, 10, "dd df fc"),  // high approach, small knight
    R(10, 11, "dd cg fc"),  // large knight approach, small knight
    R(10, 11, "dd dg fc"),  // two-space high approach, small knight
    R(10, 10, "dd cf -- fc"),  // double approach
    R(9, 8, "cd -- ec"),  // 3-4, small knight enclosure
    R(9, 8, "cd -- ed"),  // 3-4, one-space enclosure
    R(10, 8, "cd -- fc"),  // 3-4, large knight enclosure
    R(10, 8, "cd -- fd"),  // 3-4, two-space high enclosure
    R(9, 8, "cd ec"),  // 3-4, small knight approach
    R(9, 8, "cd ed"),  // 3-4, one-space high approach
    R(10, 8, "cd fc"),  // 3-4, large knight approach
    R(10, 8, "cd fd"),  // 3-4, two-space high approach
    R(9, 9, "cd ec de"),  // small knight approach, diagonal
    R(11, 8, "cd ec gc"),  // small knight approach, one-space low pincer
    R(12, 8, "cd ec hc"),  // small knight approach, two-space low pincer
    R(11, 8, "cd ec gd"),  // small knight approach, one-space high pincer
    R(12, 8, "cd ec hd"),  // small knight approach, two-space high pincer
    R(12, 8, "cd ec ic"),  // small knight approach, three-space low pincer
    R(12, 9, "cd ec de hc"),  // diagonal, two-space extension
    R(11, 9, "cd ec gc ee"),  // one-space low pincer, jump
    R(12, 9, "cd ec hc ee"),  // two-space low pincer, jump
    R(11, 9, "cd ec gd ee"),  // one-space high pincer, jump
    R(12, 9, "cd ec hd ee"),  // two-space high pincer, jump
    R(12, 9, "cd ec ic ee"),  // three-space low pincer, jump
    R(9, 8, "cd ed ec"),  // high approach, attachment underneath
    R(11, 8, "cd ed gc"),  // high approach, one-space low pincer
    R(12, 8, "cd ed hc"),  // high approach, two-space low pincer
    R(10, 9, "cd fc de"),  // large knight approach, diagonal
    R(10, 9, "cd fd de"),  // two-space high approach, diagonal
    R(8, 8, "cc dd"),  // 3-3, shoulder hit
    R(8, 8, "cc dd dc"),  // shoulder hit, push
    R(9, 8, "cc dd dc ed ec!"),  // shoulder hit, push, extend
    R(10, 7, "cc -- fc"),  // 3-3, two-space extension
    R(9, 7, "cc -- ec"),  // 3-3, one-space extension
    R(9, 8, "ed -- cd"),  // 5-4, enclosure
    R(9, 8, "ed dc"),  // 5-4, approach at the 3-4 point
    R(9, 8, "ed dc dd"),  // 5-4, 3-4 approach, attachment on top
    R(9, 8, "ec -- cd"),  // 5-3, enclosure
    R(9, 8, "ec cd"),  // 5-3, approach at the 3-4 point
    R(9, 8, "ec cd dd"),  // 5-3, 3-4 approach, attachment on top
    // Close windows: the same sequences on smaller boards and beside
    // other stones.
    R(8, 6, "dd -- fc"),
    R(8, 6, "dd -- fd"),
    R(9, 6, "dd -- gc"),
    R(6, 8, "dd cf"),
    R(6, 9, "dd cg"),
    R(6, 8, "dd df"),
    R(6, 9, "dd dg"),
    R(6, 6, "dd cc"),
    R(8, 8, "dd cf fc"),
    R(6, 8, "dd cf df"),
    R(6, 10, "dd cf ch"),
    R(6, 11, "dd cf ci"),
    R(6, 10, "dd cf dh"),
    R(6, 11, "dd cf di"),
    R(6, 12, "dd cf cj"),
    R(8, 11, "dd cf fc ci"),
    R(7, 10, "dd cf ch ef"),
    R(7, 11, "dd cf ci ef"),
    R(7, 10, "dd cf dh ef"),
    R(7, 11, "dd cf di ef"),
    R(6, 10, "dd cf ch cc"),
    R(6, 11, "dd cf ci cc"),
    R(6, 10, "dd cf dh cc"),
    R(6, 11, "dd cf di cc"),
    R(6, 7, "dd cc dc cd ce"),
    R(6, 8, "dd cc dc cd ce be! bf!"),
    R(6, 8, "dd df cf"),
    R(8, 8, "dd df fc"),
    R(8, 9, "dd cg fc"),
    R(8, 9, "dd dg fc"),
    R(8, 8, "dd cf -- fc"),
    R(7, 6, "cd -- ec"),
    R(7, 6, "cd -- ed"),
    R(8, 6, "cd -- fc"),
    R(8, 6, "cd -- fd"),
    R(7, 6, "cd ec"),
    R(7, 6, "cd ed"),
    R(8, 6, "cd fc"),
    R(8, 6, "cd fd"),
    R(7, 7, "cd ec de"),
    R(9, 6, "cd ec gc"),
    R(10, 6, "cd ec hc"),
    R(9, 6, "cd ec gd"),
    R(10, 6, "cd ec hd"),
    R(11, 6, "cd ec ic"),
    R(10, 7, "cd ec de hc"),
    R(9, 7, "cd ec gc ee"),
    R(10, 7, "cd ec hc ee"),
    R(9, 7, "cd ec gd ee"),
    R(10, 7, "cd ec hd ee"),
    R(11, 7, "cd ec ic ee"),
    R(7, 6, "cd ed ec"),
    R(9, 6, "cd ed gc"),
    R(10, 6, "cd ed hc"),
    R(8, 7, "cd fc de"),
    R(8, 7, "cd fd de"),
    R(6, 6, "cc dd"),
    R(6, 6, "cc dd dc"),
    R(7, 6, "cc dd dc ed ec!"),
    R(8, 5, "cc -- fc"),
    R(7, 5, "cc -- ec"),
    R(7, 6, "ed -- cd"),
    R(7, 6, "ed dc"),
    R(7, 6, "ed dc dd"),
    R(7, 6, "ec -- cd"),
    // The end of the table.
    R(0, 0, ""),
};

}  // namespace kz
