// The board's analysis planes: influence, regions with eye classes and
// territory, linked groups and the eye-shape iterator.
#include <gtest/gtest.h>

#include "support/board_diagram.h"

namespace kz {
namespace {

using test::Place;

// ------------------------------------------------------------- influence ----

TEST(Influence, LoneStoneInTheMiddle) {
  PlaneBoard board;
  board.Reset(19, 0);
  board.SetChain(9, 9, 1);
  const int evaluation = board.SpreadInfluence();
  struct Expect {
    int di, dj, value;
  };
  const Expect expected[] = {
      {1, 0, 13}, {-1, 0, 13}, {0, 1, 13}, {0, -1, 13},  // neighbours
      {1, 1, 6},  {-1, 1, 6},  {1, -1, 6}, {-1, -1, 6},  // diagonals
      {2, 0, 5},  {0, -2, 5},                            // two straight
      {2, 1, 2},  {-1, 2, 2},  {1, -2, 2}, {-2, -1, 2},  // knight's points
      {3, 0, 1},  {0, 3, 1},                             // three straight
      {2, 2, 1},  {-2, -2, 1},                           // double diagonals
      {0, 0, 0},  {4, 0, 0},   {3, 1, 0},  {3, 3, 0},
  };
  for (const Expect& e : expected) {
    EXPECT_EQ(board.GetInfluence(9 + e.di, 9 + e.dj), e.value)
        << "at offset " << e.di << "," << e.dj;
    EXPECT_EQ(board.GetBlackInfluence(9 + e.di, 9 + e.dj), e.value);
    EXPECT_EQ(board.GetWhiteInfluence(9 + e.di, 9 + e.dj), 0);
  }
  EXPECT_EQ(evaluation, 180);
}

TEST(Influence, StoneOnTheEdgeSpreadsOnlyOnTheBoard) {
  PlaneBoard board;
  board.Reset(19, 0);
  board.SetChain(0, 9, -1);
  // 60 + 3 x 13 + 2 x 6 + 3 x 5 + 4 x 2 + 3 x 1 + 2 x 1, all White's.
  EXPECT_EQ(board.SpreadInfluence(), -139);
  EXPECT_EQ(board.GetInfluence(1, 9), -13);
  EXPECT_EQ(board.GetWhiteInfluence(0, 8), -13);
  EXPECT_EQ(board.GetInfluence(1, 8), -6);
  EXPECT_EQ(board.GetInfluence(2, 10), -2);
  EXPECT_EQ(board.GetInfluence(2, 11), -1);
}

TEST(Influence, StonesBlockTheSpreadAndDeadStonesDoNot) {
  PlaneBoard board;
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . X O . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  // Black's straight line to the right stops at the White stone.
  EXPECT_EQ(board.GetBlackInfluence(6, 4), 0);
  EXPECT_EQ(board.GetBlackInfluence(5, 4), 0);
  board.SetDead(5, 4, 1);
  const int evaluation = board.SpreadInfluence();
  EXPECT_EQ(board.GetBlackInfluence(5, 4), 13);
  EXPECT_EQ(board.GetBlackInfluence(6, 4), 5);
  EXPECT_EQ(board.GetWhiteInfluence(6, 4), 0) << "a dead stone spreads nothing";
  EXPECT_EQ(evaluation, 180);
}

TEST(Influence, PointWalledInByThreeAndOneHasNoNetInfluence) {
  PlaneBoard board;
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . X . . . .",
                ". . . X . X . . .",
                ". . . . O . . . .",
                ". . . . . . . . .",
                ". X . . . . . . .",
                "O . X . . . . . .",
                ". O . . . . . . ."});
  EXPECT_EQ(board.GetInfluence(4, 3), 0);
  EXPECT_NE(board.GetBlackInfluence(4, 3), 0);
  // On the edge: two and one.
  EXPECT_EQ(board.GetInfluence(1, 7), 0);
}

// -------------------------------------------------------- regions, eyes ----

TEST(Regions, EnclosedCornerIsTerritoryAndOpenSpaceIsNeutral) {
  PlaneBoard board;
  Place(board, {". . X . . . . . .",
                ". . X . . . . . .",
                "X X X . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . O O",
                ". . . . . . . O .",
                ". . . . . . . O ."});
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      EXPECT_GT(board.GetRegion(i, j), 0);
      EXPECT_EQ(board.GetRegion(i, j), board.GetRegion(0, 0));
      EXPECT_EQ(board.GetTerritory(i, j), 1);
    }
  }
  EXPECT_EQ(board.RegionSize(1, 1), 4);
  EXPECT_LT(board.GetRegion(8, 8), 0);
  EXPECT_EQ(board.GetTerritory(8, 8), 1);
  EXPECT_EQ(board.GetRegion(5, 5), 0);
  EXPECT_EQ(board.GetTerritory(5, 5), 0);
  EXPECT_EQ(board.GetRegion(2, 2), 0) << "live stones carry no region";
  EXPECT_EQ(board.RegionSize(5, 5), 0);
}

TEST(EyeClasses, SoundConditionalAndFalseEyes) {
  PlaneBoard board;
  // Four eyes in the middle of a 13-line board, differing by diagonals.
  Place(board, {". . . . . . . . . . . . .",
                ". X X X . . . . . . . . .",
                ". X . X . . . O X . . . .",
                ". X X X . . . X . X . . .",
                ". . . . . . . . X . . . .",
                ". . . . . . . . . . . . .",
                ". . . . . . . . . . . . .",
                ". . . X O . . . X . . . .",
                ". . X . X . . X . X . . .",
                ". . O X . . . O X O . . .",
                ". . . . . . . . . . . . .",
                ". . . . . . . . . . . . .",
                ". . . . . . . . . . . . O"});
  EXPECT_EQ(board.GetEye(2, 2), 0) << "all diagonals own";
  EXPECT_EQ(board.GetEye(8, 3), 1) << "one enemy diagonal, three empty";
  EXPECT_EQ(board.GetEye(3, 8), 2) << "two enemy diagonals, two empty";
  EXPECT_EQ(board.GetEye(8, 8), 2) << "enemy stones on three diagonals";
  // A point with two open neighbours is no eye point.
  EXPECT_EQ(board.GetEye(5, 5), 0);
}

TEST(EyeClasses, DiagonalWhereTheEnemyWouldBeInAtariCountsAsSafe) {
  PlaneBoard board;
  Place(board, {". . X . X . . . .",
                ". . . X . . . . .",
                ". . . X . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . O"});
  // The eye (3, 0): off-board 3 + orthogonal 3; diagonal (2, 1) would give a
  // White stone one liberty, so it counts as safe; (4, 1) gives two.
  EXPECT_EQ(board.LibertiesIfPlayed(2, 1, -1), 2);
  EXPECT_EQ(board.LibertiesIfPlayed(4, 1, -1), 2);
  EXPECT_EQ(board.GetEye(3, 0), 1);
  Place(board, {". . X . X . . . .",
                ". X . X X . . . .",
                ". . . X . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . O"});
  // Now a White stone at (2, 1) would be in atari at once, and (4, 1) is
  // Black's: the eye is sound.
  EXPECT_EQ(board.LibertiesIfPlayed(2, 1, -1), 1);
  EXPECT_EQ(board.GetEye(3, 0), 0);
}

TEST(Territory, FalseEyeOfAGroupWithoutEyesIsNotCounted) {
  PlaneBoard board;
  Place(board, {". . . . . . . . .",
                ". . O X O . . . .",
                ". . X . X . . . .",
                ". . O X O . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  ASSERT_GT(board.GetRegion(3, 2), 0);
  EXPECT_EQ(board.GetEye(3, 2), 2);
  EXPECT_EQ(board.GetTerritory(3, 2), 0);
}

TEST(Territory, FalseEyeCountsOnlyWhenEveryChainAroundReachesAnEye) {
  PlaneBoard board;
  Place(board, {". . . . . . . . .",
                ". . . . . X X . .",
                ". . . . . X . X .",
                ". . . O X X X X .",
                ". . X X . X . . .",
                ". X . X X O . . .",
                ". X X X . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  // (4, 4) is false (White on two diagonals); the chain above-right has
  // the eye (6, 2), the chain below-left the eye (2, 5).
  EXPECT_EQ(board.GetEye(4, 4), 2);
  EXPECT_EQ(board.GetEye(6, 2), 0);
  EXPECT_EQ(board.GetEye(2, 5), 0);
  EXPECT_EQ(board.GetTerritory(4, 4), 1);

  // A corner false eye next to a lone stone in atari does not count.
  Place(board, {"X . X O . . . . .",
                ". X O . . . . . .",
                "X X O . . . . . .",
                "O O O . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  EXPECT_EQ(board.GetEye(1, 0), 2);
  EXPECT_EQ(board.GetEye(0, 1), 0);
  EXPECT_EQ(board.GetTerritory(0, 1), 1);
  EXPECT_EQ(board.GetTerritory(1, 0), 0);
}

// ----------------------------------------------------------------- links ----

TEST(Links, DiagonalAndOnePointJumpJoinInOpenSpace) {
  PlaneBoard board;
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . X . . . . . .",
                ". . . X . X . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . O"});
  EXPECT_GT(board.GetLink(2, 2), 0);
  EXPECT_EQ(board.GetLink(2, 2), board.GetLink(3, 3)) << "diagonal";
  EXPECT_EQ(board.GetLink(3, 3), board.GetLink(5, 3)) << "one-point jump";
  EXPECT_EQ(board.LinkStoneCount(2, 2), 3);
  EXPECT_EQ(board.GetLink(4, 3), 0) << "the empty point between stays 0";
  EXPECT_LT(board.GetLink(8, 8), 0);
}

TEST(Links, CutDiagonalDependsOnTheMode) {
  PlaneBoard board;
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . X O . . . . .",
                ". . . X . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  EXPECT_NE(board.GetLink(2, 2), board.GetLink(3, 3));
  board.LinkChains(1);
  EXPECT_EQ(board.GetLink(2, 2), board.GetLink(3, 3));
  // Both cut points taken: never joined.
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . X O . . . . .",
                ". . O X . . . . .",
                ". . . . . . . . ."});
  board.LinkChains(1);
  EXPECT_NE(board.GetLink(2, 2), board.GetLink(3, 3));
}

TEST(Links, JumpNextToAnEnemyStoneIsNotALink) {
  PlaneBoard board;
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . X . X . . . .",
                ". . . O . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  EXPECT_NE(board.GetLink(2, 3), board.GetLink(4, 3));
}

TEST(Links, SurroundedAreaJoinsItsWallIntoOneGroup) {
  PlaneBoard board;
  Place(board, {". X . X . . . . .",
                "X X . X . . . . .",
                ". . X X . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . O"});
  // The two eyes are Black regions and carry the group's id.
  EXPECT_EQ(board.GetLink(0, 0), board.GetLink(3, 0));
  EXPECT_EQ(board.GetLink(2, 0), board.GetLink(3, 0));
  EXPECT_EQ(board.LinkEyeCount(1, 1), 2);
  EXPECT_EQ(board.LinkStoneCount(1, 1), 7);
}

// ---------------------------------------------------------- eye shapes ----

TEST(EyeShapes, VitalPointsOfTheClassicShapes) {
  PlaneBoard board;
  struct Case {
    std::initializer_list<const char*> rows;
    int kind;
    int move;
  };
  const Case cases[] = {
      {{". . . X . . . . .",
        "X X X X . . . . ."},
       1, 100},  // straight three on the edge
      {{". . X . . . . . .",
        ". X X . . . . . .",
        "X X . . . . . . ."},
       2, 0},  // bent three in the corner
      {{". . . X . . . . .",
        "X . X X . . . . .",
        "X X X . . . . . ."},
       3, 100},  // pyramid four
      {{". X . X . . . . .",
        "X . . . X . . . .",
        ". X . X . . . . .",
        ". . X . . . . . ."},
       4, 201},  // cross five
      {{"X . . X . . . . .",
        ". . . X . . . . .",
        "X X X . . . . . ."},
       5, 101},  // bulky five: block (1..2, 0..1) and tail (0, 1)
      {{". . . X X . . . .",
        ". . X . . X . . .",
        ". X . . . X . . .",
        ". . X . X . . . .",
        ". . . X . . . . ."},
       6, 302},  // rabbity six
      {{"X . . . X . . . .",
        "X . . . X . . . .",
        ". X X X . . . . ."},
       7, 201},  // six on the edge
  };
  for (const Case& c : cases) {
    Place(board, 9, c.rows);
    board.SetChain(8, 8, -1);  // make the outside neutral
    board.LabelRegions();
    const ShapePoint found = board.NextShapePoint(-1, 0);
    EXPECT_EQ(found.kind, c.kind);
    EXPECT_EQ(found.move, c.move) << "kind " << c.kind;
  }
}

TEST(EyeShapes, IteratorContinuesAndSkipsSuicide) {
  PlaneBoard board;
  // Two bent threes of Black; the iterator returns both, then the end.
  Place(board, {". . X . . . X . .",
                ". X X . . . X X .",
                "X X . . . . . X X",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . O"});
  ShapePoint p = board.NextShapePoint(1, 0);
  EXPECT_EQ(p.kind, 2);
  EXPECT_EQ(p.move, 0);
  p = board.NextShapePoint(1, 1);
  EXPECT_EQ(p.kind, 2);
  EXPECT_EQ(p.move, 800);
  p = board.NextShapePoint(1, 1);
  EXPECT_EQ(p.move, -1);

  // A vital point where the asking colour would be suicide is passed over.
  Place(board, {"O . O X . . . . .",
                "X X X X . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . O"});
  board.SetDead(0, 0, 1);
  board.SetDead(2, 0, 1);
  board.LabelRegions();
  // The straight three (0..2, 0) holds two dead White stones; its vital point
  // (1, 0) is suicide for White but not for Black.
  EXPECT_EQ(board.NextShapePoint(1, 0).move, 100);
  p = board.NextShapePoint(-1, 0);
  EXPECT_EQ(p.move, -1);
  EXPECT_EQ(p.kind, 1) << "the kind of the last match is reported";
}

}  // namespace
}  // namespace kz
