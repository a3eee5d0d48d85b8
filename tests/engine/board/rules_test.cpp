// The board's rules of play: handicap layouts, captures, suicide, ko, the
// classes of quiet moves and the Keima-go test.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/board_diagram.h"

namespace kz {
namespace {

using test::Diagram;
using test::Place;

// ------------------------------------------------------------- handicaps ----

struct HandicapCase {
  int size;
  int handicap;
  // (i, j, id) of every stone expected.
  std::vector<std::vector<int>> stones;
};

class HandicapLayout : public ::testing::TestWithParam<HandicapCase> {};

TEST_P(HandicapLayout, PlacesEveryStoneWithItsChainId) {
  const HandicapCase& c = GetParam();
  PlaneBoard board;
  board.Reset(c.size, c.handicap);
  int found = 0;
  for (int i = 0; i < kMaxSize; ++i)
    for (int j = 0; j < kMaxSize; ++j) found += board.GetChain(i, j) != 0;
  EXPECT_EQ(found, static_cast<int>(c.stones.size()));
  for (const auto& s : c.stones)
    EXPECT_EQ(board.GetChain(s[0], s[1]), s[2]) << "at " << s[0] << "," << s[1];
  EXPECT_EQ(board.GetLastBlackChainId(), static_cast<int>(c.stones.size()));
  EXPECT_EQ(board.GetLastWhiteChainId(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    AllLayouts, HandicapLayout,
    ::testing::Values(
        HandicapCase{19, 0, {}}, HandicapCase{19, 1, {}},
        HandicapCase{19, 2, {{15, 3, 1}, {3, 15, 2}}},
        HandicapCase{19, 3, {{15, 3, 1}, {3, 15, 2}, {15, 15, 3}}},
        HandicapCase{19, 4, {{15, 3, 1}, {3, 15, 2}, {15, 15, 3}, {3, 3, 4}}},
        HandicapCase{19, 5,
                     {{15, 3, 1}, {3, 15, 2}, {15, 15, 3}, {3, 3, 4}, {9, 9, 5}}},
        HandicapCase{19, 6,
                     {{15, 3, 1}, {3, 15, 2}, {15, 15, 3}, {3, 3, 4}, {3, 9, 5},
                      {15, 9, 6}}},
        HandicapCase{19, 7,
                     {{15, 3, 1}, {3, 15, 2}, {15, 15, 3}, {3, 3, 4}, {3, 9, 5},
                      {15, 9, 6}, {9, 9, 7}}},
        HandicapCase{19, 8,
                     {{15, 3, 1}, {3, 15, 2}, {15, 15, 3}, {3, 3, 4}, {3, 9, 5},
                      {15, 9, 6}, {9, 3, 7}, {9, 15, 8}}},
        HandicapCase{19, 9,
                     {{15, 3, 1}, {3, 15, 2}, {15, 15, 3}, {3, 3, 4}, {3, 9, 5},
                      {15, 9, 6}, {9, 3, 7}, {9, 15, 8}, {9, 9, 9}}},
        HandicapCase{13, 9,
                     {{9, 3, 1}, {3, 9, 2}, {9, 9, 3}, {3, 3, 4}, {3, 6, 5},
                      {9, 6, 6}, {6, 3, 7}, {6, 9, 8}, {6, 6, 9}}},
        HandicapCase{13, 5,
                     {{9, 3, 1}, {3, 9, 2}, {9, 9, 3}, {3, 3, 4}, {6, 6, 5}}},
        HandicapCase{9, 9,
                     {{6, 2, 1}, {2, 6, 2}, {6, 6, 3}, {2, 2, 4}, {2, 4, 5},
                      {6, 4, 6}, {4, 2, 7}, {4, 6, 8}, {4, 4, 9}}},
        HandicapCase{9, 7,
                     {{6, 2, 1}, {2, 6, 2}, {6, 6, 3}, {2, 2, 4}, {2, 4, 5},
                      {6, 4, 6}, {4, 4, 7}}},
        // Out-of-range values: a handicap of 12 is nine stones.
        HandicapCase{19, 12,
                     {{15, 3, 1}, {3, 15, 2}, {15, 15, 3}, {3, 3, 4}, {3, 9, 5},
                      {15, 9, 6}, {9, 3, 7}, {9, 15, 8}, {9, 9, 9}}}));

TEST(Reset, SizeAndBounds) {
  PlaneBoard board;
  EXPECT_EQ(board.GetSize(), 19);
  EXPECT_EQ(board.GetHandicap(), 0);
  board.Reset(13, 0);
  EXPECT_EQ(board.GetSize(), 13);
  board.Reset(11, 1);  // an odd size gives 19 lines; 先 places nothing
  EXPECT_EQ(board.GetSize(), 19);
  EXPECT_EQ(board.GetHandicap(), 0);
  board.Reset(9, 12);
  EXPECT_EQ(board.GetHandicap(), 9);
}

TEST(Reset, ClearsStonesAndDeadMarksOfThePreviousGame) {
  PlaneBoard board;
  board.PlayStone(3, 3, 1, 0);
  board.SetDead(3, 3, 1);
  board.Reset(9, 0);
  for (int i = 0; i < kMaxSize; ++i) {
    for (int j = 0; j < kMaxSize; ++j) {
      EXPECT_EQ(board.GetChain(i, j), 0);
      EXPECT_EQ(board.GetDead(i, j), 0);
      EXPECT_EQ(board.GetPrevious(i, j), 0);
    }
  }
}

// ------------------------------------------------------------- captures ----

TEST(Captures, OneStoneInTheMiddle) {
  PlaneBoard board;
  Place(board, {". . . . .",
                ". . X . .",
                ". X O . .",
                ". . X . .",
                ". . . . ."});
  EXPECT_EQ(board.PlayStone(3, 2, 1, 0), 1);
  EXPECT_EQ(board.GetChain(2, 2), 0);
  EXPECT_GT(board.GetChain(3, 2), 0);
}

TEST(Captures, SeveralChainsAtOnceAddAllTheirStones) {
  PlaneBoard board;
  Place(board, {"O X . . .",
                ". O X . .",
                "O X . . .",
                "X . . . ."});
  // Black at (0, 1) has no empty neighbour but takes three White chains,
  // each on its last liberty.
  EXPECT_EQ(board.PlayStone(0, 1, 1, 0), 3);
  EXPECT_EQ(Diagram(board).substr(0, 30),
            std::string(".X.......\n"
                        "X.X......\n"
                        ".X.......\n"));
}

TEST(Captures, ChainTouchedTwiceIsRemovedOnce) {
  PlaneBoard board;
  Place(board, {". X X . .",
                "X O O X .",
                "X O . X .",
                ". X X . ."});
  // The White L of three stones has one liberty, (2, 2), touched from two
  // sides.
  EXPECT_EQ(board.PlayStone(2, 2, 1, 0), 3);
}

// ---------------------------------------------------------------- suicide ----

TEST(Suicide, FillingTheLastLibertyOfOwnChainIsRefused) {
  PlaneBoard board;
  Place(board, {". O X . .",
                "O X X . .",
                "X X . . .",
                ". . . . ."});
  // (0, 0) for White: its neighbours are White (1,0) with other liberties?
  // (1,0) O touches (0,0) only besides X stones -> no other liberty, and
  // (0,1) O likewise. No capture of Black. So White at (0,0) is suicide.
  const std::string before = Diagram(board);
  EXPECT_EQ(board.PlayStone(0, 0, -1, 0), kSuicide);
  EXPECT_EQ(Diagram(board), before);
  // A single stone in a Black eye is suicide too.
  Place(board, {". X . . .",
                "X . . . .",
                ". . . . ."});
  EXPECT_EQ(board.PlayStone(0, 0, -1, 0), kSuicide);
}

TEST(Suicide, NoLibertyButCaptureIsLegal) {
  PlaneBoard board;
  Place(board, {". O X . .",
                "O X . . .",
                "X . . . .",
                ". . . . ."});
  // Black at (0,0) has no empty neighbour but captures both White stones.
  EXPECT_EQ(board.PlayStone(0, 0, 1, 0), 2);
}

TEST(Suicide, NoEmptyNeighbourNextToOwnChainWithLibertiesIsLegal) {
  PlaneBoard board;
  Place(board, {". X . . .",
                "X . . . .",
                ". . . . ."});
  // Black fills its own corner point: the joined chain keeps liberties.
  EXPECT_LE(board.PlayStone(0, 0, 1, 0), 0);
  EXPECT_GT(board.GetChain(0, 0), 0);
  EXPECT_EQ(board.GetChain(0, 0), board.GetChain(1, 0));
  EXPECT_EQ(board.GetChain(0, 0), board.GetChain(0, 1));
}

TEST(Occupied, RefusedAndNothingChanges) {
  PlaneBoard board;
  board.Reset(9, 0);
  EXPECT_EQ(board.PlayStone(4, 4, 1, 0), 0);
  const std::string before = Diagram(board);
  EXPECT_EQ(board.PlayStone(4, 4, -1, 0), kOccupied);
  EXPECT_EQ(Diagram(board), before);
}

// --------------------------------------------------------------------- ko ----

// Plays a sequence of (i, j) alternately from Black, expecting each legal.
void PlayLegal(PlaneBoard& board, std::vector<std::pair<int, int>> moves,
               int first = 1) {
  int colour = first;
  for (auto [i, j] : moves) {
    const int r = board.PlayStone(i, j, colour, 0);
    ASSERT_TRUE(r >= 0 || r <= kLargeRegionMove)
        << "move " << i << "," << j << " refused with " << r;
    colour = -colour;
  }
}

TEST(Ko, ImmediateRecaptureIsRefusedAndTheBoardIsRestored) {
  PlaneBoard board;
  board.Reset(9, 0);
  //   . X O .      rows 3..5, columns 1..4, built by real moves so that
  //   X . X O      the ko reference is the one of a real game
  //   . X O .
  PlayLegal(board, {{2, 3}, {3, 3}, {1, 4}, {4, 4}, {2, 5}, {3, 5}, {3, 4}, {8, 8}});
  // Now White captures the Black stone at (3,4) by playing (2,4).
  ASSERT_EQ(board.PlayStone(2, 4, -1, 0), 1);
  const std::string afterCapture = Diagram(board);
  // Black's immediate recapture at (3, 4) is ko.
  EXPECT_EQ(board.PlayStone(3, 4, 1, 0), kKo);
  EXPECT_EQ(Diagram(board), afterCapture);
  EXPECT_LT(board.GetChain(2, 4), 0) << "the capturing stone is back";
  // A ko threat and its answer, then the recapture is legal.
  PlayLegal(board, {{8, 0}, {7, 0}});
  EXPECT_EQ(board.PlayStone(3, 4, 1, 0), 1);
  // And now White may not retake at once.
  EXPECT_EQ(board.PlayStone(2, 4, -1, 0), kKo);
}

// ---------------------------------------------------------- quiet classes ----

TEST(QuietMoves, FillingOwnRealEyeIsClass97) {
  PlaneBoard board;
  Place(board, {". . . . . .",
                ". . . X . .",
                ". . X . X .",
                ". . . X . .",
                ". . . . . ."});
  EXPECT_EQ(board.PlayStone(3, 2, 1, 0), kOwnEyeFill);
  EXPECT_GT(board.GetChain(3, 2), 0) << "the stone stands";
}

TEST(QuietMoves, FalseEyeInTheMiddleNeedsTwoUnlinkedDiagonals) {
  PlaneBoard board;
  Place(board, {". . . . . .",
                ". . O X . .",
                ". . X . X .",
                ". . . X O .",
                ". . . . . ."});
  // The diagonal White stones belong to no linked group.
  board.SetLink(2, 1, 0);
  board.SetLink(4, 3, 0);
  EXPECT_EQ(board.PlayStone(3, 2, 1, 0), kSelfCrampedMove);

  // With one of them linked, the eye is real.
  Place(board, {". . . . . .",
                ". . O X . .",
                ". . X . X .",
                ". . . X O .",
                ". . . . . ."});
  board.SetLink(2, 1, 0);
  ASSERT_NE(board.GetLink(4, 3), 0);
  EXPECT_EQ(board.PlayStone(3, 2, 1, 0), kOwnEyeFill);
}

TEST(QuietMoves, OnTheEdgeOneUnlinkedDiagonalMakesAFalseEye) {
  PlaneBoard board;
  Place(board, {". X . X . .",
                ". . X O . .",
                ". . . . . ."});
  board.SetLink(3, 1, 0);
  EXPECT_EQ(board.PlayStone(2, 0, 1, 0), kSelfCrampedMove);
  Place(board, {". X . X . .",
                ". . X . . .",
                ". . . . . ."});
  EXPECT_EQ(board.PlayStone(2, 0, 1, 0), kOwnEyeFill);
}

TEST(QuietMoves, SavingOwnChainInAtariIsClass98) {
  PlaneBoard board;
  Place(board, {". . . . . . .",
                ". . . O . . .",
                ". . O X X . .",
                ". O X . X . .",
                ". . O X X . .",
                ". . . . . . ."});
  // (2, 3) Black is in atari on (3, 3); all of (3, 3)'s neighbours are Black.
  EXPECT_EQ(board.ChainLiberties(2, 3), 1);
  EXPECT_EQ(board.PlayStone(3, 3, 1, 0), kAtariSavingFill);
  EXPECT_EQ(board.ChainLiberties(2, 3), 6);
}

TEST(QuietMoves, MoveIntoALargeOwnAreaIsClass96) {
  PlaneBoard board;
  Place(board, {". . . . X . . . .",
                ". . . . X . . . .",
                ". . . . X . . . .",
                "X X X X X . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . O"});
  // The corner area of 12 points is Black's region; outside it both
  // colours meet, so that space is neutral.
  ASSERT_GT(board.GetRegion(1, 1), 0);
  EXPECT_EQ(board.PlayStone(1, 1, 1, 0), kLargeRegionMove);
  // In open neutral space the same move is a plain 0.
  EXPECT_EQ(board.PlayStone(6, 6, 1, 0), 0);
}

TEST(QuietMoves, ClassedMovesSkipKoReferenceAndRefreshes) {
  PlaneBoard board;
  Place(board, {". X . . .",
                "X . . . .",
                ". . . . ."});
  const int regionBefore = board.GetRegion(0, 0);
  ASSERT_NE(regionBefore, 0);
  EXPECT_EQ(board.PlayStone(0, 0, 1, 0), kOwnEyeFill);
  EXPECT_EQ(board.GetRegion(0, 0), regionBefore) << "no refresh ran";
}

// ------------------------------------------------------------------ keima ----

TEST(Keima, KnightsMovePartnerOfOwnColourOnly) {
  PlaneBoard board;
  Place(board, {". . . . .",
                ". . . . .",
                ". . X . .",
                ". . . . .",
                ". . . . ."});
  EXPECT_EQ(board.IsKeimaViolation(3, 4, 1), 0);  // knight's move
  EXPECT_EQ(board.IsKeimaViolation(0, 1, 1), 0);
  EXPECT_EQ(board.IsKeimaViolation(3, 3, 1), 1);  // diagonal only
  EXPECT_EQ(board.IsKeimaViolation(2, 3, 1), 1);  // touching only
  EXPECT_EQ(board.IsKeimaViolation(3, 4, -1), 1);  // other colour
  EXPECT_EQ(board.IsKeimaViolation(2, 2, 1), 1);  // own point, no partner
}

// ---------------------------------------------------------- construction ----

TEST(Construction, EveryPlaneStartsZeroed) {
  PlaneBoard board;
  for (int i = 0; i < kMaxSize; ++i) {
    for (int j = 0; j < kMaxSize; ++j) {
      EXPECT_EQ(board.GetLink(i, j), 0);
      EXPECT_EQ(board.GetInfluence(i, j), 0);
      EXPECT_EQ(board.GetBlackInfluence(i, j), 0);
      EXPECT_EQ(board.GetWhiteInfluence(i, j), 0);
    }
  }
  // The first move is classified against a clean link plane.
  EXPECT_EQ(board.PlayStone(0, 0, 1, 1), 0);
}

TEST(Construction, SetDeadStoresOnlyZeroOrOne) {
  PlaneBoard board;
  board.SetDead(2, 2, 2);
  EXPECT_EQ(board.GetDead(2, 2), 0);
  board.SetDead(2, 2, 1);
  board.SetDead(2, 2, -1);
  EXPECT_EQ(board.GetDead(2, 2), 1);
}

}  // namespace
}  // namespace kz
