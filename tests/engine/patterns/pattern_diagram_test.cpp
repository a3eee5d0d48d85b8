// The shape diagrams behind the two libraries: every diagram builds exactly
// one record, the tables are full, no shape is in a library twice, and every
// diagram can be met on a real board.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "engine/patterns/pattern_library.h"
#include "engine/patterns/pattern_tables.h"

namespace kz {
namespace {

using DiagramAt = const ShapeDiagram* (*)(int);

int DiagramCount(DiagramAt at) {
  int n = 0;
  while (at(n)) ++n;
  return n;
}

std::string Describe(const ShapeDiagram& d) {
  std::string s;
  for (int r = 0; d.rows[r]; ++r) s += std::string(d.rows[r]) + "/";
  return s;
}

TEST(ShapeDiagrams, TablesHoldEveryDiagramAndAreFull) {
  PatternLibraryA a;
  PatternLibraryB b;
  // One diagram, one record: a diagram too large for its record, or beyond
  // the table's capacity, would be dropped without a word.
  EXPECT_EQ(DiagramCount(DiagramA), a.Count());
  EXPECT_EQ(DiagramCount(DiagramB), b.Count());
  EXPECT_EQ(a.Count(), 251);
  EXPECT_EQ(b.Count(), 183);
}

// Rows of equal width, one '*', only the diagram letters, library A with
// exactly one 'L' (library B none), and '#' only as whole edge rows or
// columns: an off-board point with board points beyond it cannot be met.
void ExpectWellDrawn(const ShapeDiagram& d, bool libraryA) {
  SCOPED_TRACE(Describe(d));
  ASSERT_NE(d.rows[0], nullptr);
  const int width = static_cast<int>(std::strlen(d.rows[0]));
  int height = 0, stars = 0, lasts = 0;
  while (height < 8 && d.rows[height]) ++height;
  ASSERT_LT(height, 8) << "rows end with nullptr";
  for (int r = 0; r < height; ++r) {
    ASSERT_EQ(static_cast<int>(std::strlen(d.rows[r])), width) << "row " << r;
    for (int c = 0; c < width; ++c) {
      const char ch = d.rows[r][c];
      EXPECT_NE(std::strchr("*.?OXL@ox#", ch), nullptr) << "letter " << ch;
      stars += ch == '*';
      lasts += ch == 'L';
    }
  }
  EXPECT_EQ(stars, 1);
  EXPECT_EQ(lasts, libraryA ? 1 : 0);
  auto rowOff = [&](int r) {
    for (int c = 0; c < width; ++c)
      if (d.rows[r][c] != '#') return false;
    return true;
  };
  auto colOff = [&](int c) {
    for (int r = 0; r < height; ++r)
      if (d.rows[r][c] != '#') return false;
    return true;
  };
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < width; ++c) {
      if (d.rows[r][c] != '#') continue;
      const bool edgeRow = rowOff(r) && (r == 0 || r == height - 1);
      const bool edgeCol = colOff(c) && (c == 0 || c == width - 1);
      EXPECT_TRUE(edgeRow || edgeCol) << "stray '#' at row " << r << " col " << c;
    }
  // Both opposite edges in one diagram would need a board of that width.
  EXPECT_FALSE(rowOff(0) && rowOff(height - 1));
  EXPECT_FALSE(colOff(0) && colOff(width - 1));
}

TEST(ShapeDiagrams, EveryDiagramIsWellDrawn) {
  // Library A flags run 0..2, library B types 0..4; every family is named.
  for (const bool libraryA : {true, false}) {
    const DiagramAt at = libraryA ? DiagramA : DiagramB;
    for (int k = 0; at(k); ++k) {
      ExpectWellDrawn(*at(k), libraryA);
      EXPECT_GE(at(k)->flagOrType, 0);
      EXPECT_LE(at(k)->flagOrType, libraryA ? 2 : 4);
      EXPECT_GT(at(k)->family, 0);
    }
  }
}

// A record as the sorted list of its points, turned into one orientation.
using Point = std::array<int, 3>;  // di, dj, code
template <typename Record>
std::vector<Point> Turned(const Record& r, int orientation) {
  std::vector<Point> points;
  for (int k = 0; r.codes[k] != 'X'; ++k) {
    int oi, oj;
    Orient(orientation, r.di[k], r.dj[k], &oi, &oj);
    points.push_back({oi, oj, r.codes[k]});
  }
  std::sort(points.begin(), points.end());
  return points;
}

// The smallest of the eight orientations names the shape.
template <typename Record>
std::vector<Point> Canonical(const Record& r) {
  std::vector<Point> best = Turned(r, 0);
  for (int o = 1; o < 8; ++o) best = std::min(best, Turned(r, o));
  return best;
}

template <typename Library>
void ExpectNoDuplicates(const Library& lib, const char* name) {
  std::vector<std::vector<Point>> seen;
  for (int k = 0; k < lib.Count(); ++k) {
    const auto shape = Canonical(lib.Record(k));
    for (int m = 0; m < k; ++m)
      EXPECT_NE(seen[m], shape) << name << " records " << m << " and " << k
                                << " are the same shape";
    seen.push_back(shape);
  }
}

TEST(ShapeDiagrams, NoShapeTwiceInAnyOrientation) {
  ExpectNoDuplicates(PatternLibraryA(), "library A");
  ExpectNoDuplicates(PatternLibraryB(), "library B");
}

// The orientation finder itself: a turned copy of a record is caught.
TEST(ShapeDiagrams, TurnedCopiesAreRecognised) {
  const PatternRecordB& r = PatternLibraryB().Record(0);
  PatternRecordB copy = r;
  // The copy's offsets turned by hand into orientation 5.
  for (int k = 0; r.codes[k] != 'X'; ++k) {
    int oi, oj;
    Orient(5, r.di[k], r.dj[k], &oi, &oj);
    copy.di[k] = static_cast<std::int8_t>(oi);
    copy.dj[k] = static_cast<std::int8_t>(oj);
  }
  EXPECT_EQ(Canonical(r), Canonical(copy));
  EXPECT_NE(Turned(r, 0), Turned(copy, 0));
}

// Draws a diagram on a board in its first orientation, with '?' left empty,
// 'o' and '@' as own stones, 'x' as an enemy stone, and checks that its own
// record matches at the '*': the diagram can be met on a board.
template <typename Record>
void ExpectMetOnBoard(const ShapeDiagram& d, const Record& r, bool libraryA) {
  SCOPED_TRACE(Describe(d));
  int height = 0;
  while (d.rows[height]) ++height;
  const int width = static_cast<int>(std::strlen(d.rows[0]));
  const int n = 19;
  // Offset of the diagram's top-left corner: an edge row or column of '#'
  // sits just off the board, otherwise the diagram lies in the middle.
  auto allOff = [&](bool row, int at) {
    const int len = row ? width : height;
    for (int k = 0; k < len; ++k)
      if ((row ? d.rows[at][k] : d.rows[k][at]) != '#') return false;
    return true;
  };
  int top = 4, left = 4;
  if (allOff(true, 0)) {
    top = -1;
  } else if (allOff(true, height - 1)) {
    top = n - height + 1;
  }
  if (allOff(false, 0)) {
    left = -1;
  } else if (allOff(false, width - 1)) {
    left = n - width + 1;
  }
  PlaneBoard board;
  board.Reset(n, 0);
  int star = -1, last = -1;
  for (int row = 0; row < height; ++row)
    for (int col = 0; col < width; ++col) {
      const int i = left + col, j = top + row;
      const char ch = d.rows[row][col];
      if (ch == '#') continue;
      ASSERT_TRUE(board.OnBoard(i, j)) << "point off the board: " << ch;
      int v = 0;
      if (ch == 'O' || ch == 'o' || ch == '@') v = 1;
      if (ch == 'X' || ch == 'x' || ch == 'L') v = -1;
      board.SetChain(i, j, v);
      if (ch == '*') star = i * 100 + j;
      if (ch == 'L') last = i * 100 + j;
    }
  ASSERT_GE(star, 0);
  EXPECT_TRUE(MatchPattern(board, r.di, r.dj, r.codes, star / 100, star % 100,
                           0, 1, libraryA ? last : -1));
  // Seen from the other side the own and enemy stones swap: a shape with
  // stones of both colours then no longer matches.
  bool own = false, enemy = false;
  for (int k = 0; r.codes[k] != 'X'; ++k) {
    own = own || r.codes[k] == 'O';
    enemy = enemy || r.codes[k] == 'E' || r.codes[k] == 'L';
  }
  if (own && enemy) {
    EXPECT_FALSE(MatchPattern(board, r.di, r.dj, r.codes, star / 100,
                              star % 100, 0, -1, libraryA ? last : -1));
  }
}

TEST(ShapeDiagrams, EveryDiagramCanBeMetOnABoard) {
  PatternLibraryA a;
  PatternLibraryB b;
  for (int k = 0; k < a.Count() && DiagramA(k); ++k)
    ExpectMetOnBoard((*DiagramA(k)), a.Record(k), true);
  for (int k = 0; k < b.Count() && DiagramB(k); ++k)
    ExpectMetOnBoard((*DiagramB(k)), b.Record(k), false);
}

}  // namespace
}  // namespace kz
