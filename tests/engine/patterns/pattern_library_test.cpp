// The shape libraries: well-formed records, and the shapes found where a Go
// player expects them, in every orientation.
#include "engine/patterns/pattern_library.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/board_diagram.h"

namespace kz {
namespace {

using test::Place;

template <typename Record>
void ExpectWellFormed(const Record& r, int points, bool needsLast) {
  int n = 0;
  while (n < points && r.codes[n] != 'X') ++n;
  ASSERT_LT(n, points + 1) << "codes end with X";
  EXPECT_EQ(r.codes[n], 'X');
  ASSERT_GT(n, 1) << "a shape looks at more than its own point";
  EXPECT_EQ(r.codes[0], 'M');
  EXPECT_EQ(r.di[0], 0);
  EXPECT_EQ(r.dj[0], 0);
  int lasts = 0;
  for (int k = 0; k < n; ++k) {
    EXPECT_NE(std::strchr("MOESFNBL", r.codes[k]), nullptr) << r.codes[k];
    EXPECT_LE(r.di[k] < 0 ? -r.di[k] : r.di[k], 6);
    EXPECT_LE(r.dj[k] < 0 ? -r.dj[k] : r.dj[k], 6);
    lasts += r.codes[k] == 'L';
    for (int m = 0; m < k; ++m)
      EXPECT_FALSE(r.di[m] == r.di[k] && r.dj[m] == r.dj[k]) << "point twice";
  }
  EXPECT_EQ(lasts, needsLast ? 1 : 0);
}

TEST(PatternTables, EveryRecordIsWellFormed) {
  PatternLibraryA a;
  PatternLibraryB b;
  EXPECT_GT(a.Count(), 50);
  EXPECT_GT(b.Count(), 40);
  for (int k = 0; k < a.Count(); ++k) {
    SCOPED_TRACE("library A record " + std::to_string(k));
    ExpectWellFormed(a.Record(k), 30, true);
    EXPECT_GE(a.Record(k).flag, 0);
    EXPECT_LE(a.Record(k).flag, 2);
  }
  for (int k = 0; k < b.Count(); ++k) {
    SCOPED_TRACE("library B record " + std::to_string(k));
    ExpectWellFormed(b.Record(k), 40, false);
    EXPECT_GE(b.Record(k).type, 0);
    EXPECT_LE(b.Record(k).type, 4);
  }
}

// Turns a position into one of its eight orientations.
void Turn(const PlaneBoard& from, PlaneBoard& to, int o) {
  const int n = from.GetSize();
  to.Reset(n, 0);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      int a = i, b = j;
      if (o & 1) a = n - 1 - a;
      if (o & 2) b = n - 1 - b;
      if (o & 4) std::swap(a, b);
      to.SetChain(a, b, from.GetChain(i, j));
    }
}

int TurnMove(int move, int n, int o) {
  int a = move / 100, b = move % 100;
  if (o & 1) a = n - 1 - a;
  if (o & 2) b = n - 1 - b;
  if (o & 4) std::swap(a, b);
  return a * 100 + b;
}

TEST(LibraryA, ConnectsAgainstAPeepInEveryOrientation) {
  PlaneBoard board;
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . O . . . . .",
                ". . X . . . . . .",
                ". . . O . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  PatternLibraryA lib;
  for (int o = 0; o < 8; ++o) {
    PlaneBoard turned;
    Turn(board, turned, o);
    int cursor = -1;
    // White to move (own = -1); Black's last move is the peep at (2, 3).
    const int move = lib.NextMatch(turned, -1, TurnMove(203, 9, o), 2, &cursor);
    EXPECT_EQ(move, TurnMove(303, 9, o)) << "orientation " << o;
  }
}

TEST(LibraryA, HaneAtTheHeadOfTwoStones) {
  PlaneBoard board;
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . X O . . . .",
                ". . . X O . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  PatternLibraryA lib;
  int cursor = -1;
  // White to move after Black's (3, 3): the hane at (3, 2).
  EXPECT_EQ(lib.NextMatch(board, -1, 303, 2, &cursor), 302);
  // Without a last move nothing is looked at.
  cursor = -1;
  EXPECT_EQ(lib.NextMatch(board, -1, -1, 3, &cursor), -1);
}

TEST(LibraryA, ModesFilterByFlag) {
  PlaneBoard board;
  // Black's hane at (2, 2) leaves the cut at (1, 2) (flag 1: last stage only).
  Place(board, {". . . . . . . . .",
                ". X O . . . . . .",
                ". . X . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  PatternLibraryA lib;
  bool cutInMode3 = false, cutInMode2 = false;
  for (int mode : {2, 3}) {
    int cursor = -1;
    for (int m; (m = lib.NextMatch(board, -1, 202, mode, &cursor)) >= 0;) {
      const auto& r = lib.Record(cursor / 8);
      if (m == 102 && r.flag == 1) (mode == 3 ? cutInMode3 : cutInMode2) = true;
    }
  }
  EXPECT_TRUE(cutInMode3);
  EXPECT_FALSE(cutInMode2);
}

TEST(LibraryB, CutsAndConnectionsOfType0) {
  PlaneBoard board;
  Place(board, {". . . . . . . . .",
                ". O . . . . . . .",
                ". X O . . . . . .",
                ". . . . . . . . .",
                ". . . . . . X . .",
                ". . . . . . O X .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  PatternLibraryB lib;
  // White (own -1) mends its diagonal at (2, 1); as Black it would cut there.
  int cursor = -1;
  EXPECT_EQ(lib.NextMatch(board, -1, 0, &cursor), 201);
  // Black (own +1): first the cut of White's diagonal at (2, 1), then the
  // mend of its own diagonal at (7, 4).
  cursor = -1;
  EXPECT_EQ(lib.NextMatch(board, 1, 0, &cursor), 201);
  EXPECT_EQ(lib.NextMatch(board, 1, 0, &cursor), 704);
  EXPECT_EQ(lib.NextMatch(board, 1, 0, &cursor), -1);
}

TEST(LibraryB, FirstLineShapesOnlyOnTheEdgeAndBetweenWalls) {
  PatternLibraryB lib;
  PlaneBoard lone, walls;
  Place(lone, {". . . . . . . . .",
               ". . . . . . . . .",
               ". . . . . . . . .",
               ". . . O X . . . .",
               ". . . . . . . . .",
               ". . . . . . . . .",
               ". . . . . . . . .",
               ". . . O X . . . .",
               ". . . . . . . . ."});
  Place(walls, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . O X . . . .",
                ". . . O X . . . .",
                ". . . . . . . . ."});
  // Lone stones on the edge: only the block under Black's own stone; the
  // first-line hane under White's lone second-line stone waits for settled
  // walls, and the same stones in the middle of the board give nothing.
  // Between walls: the hane under the enemy's wall, then the block, for
  // either colour.
  struct Case {
    const PlaneBoard* board;
    int own;
    std::vector<int> points;
  } cases[] = {{&lone, 1, {408}}, {&walls, 1, {308, 408}}, {&walls, -1, {308, 408}}};
  for (const Case& c : cases) {
    std::vector<int> points;
    int cursor = -1;
    for (int m; (m = lib.NextMatch(*c.board, c.own, 2, &cursor)) >= 0;) points.push_back(m);
    EXPECT_EQ(points, c.points) << "own " << c.own;
  }
}

}  // namespace
}  // namespace kz
