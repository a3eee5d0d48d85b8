// The eye and endgame generators (operations 27, 37, 44, 45 and 51) on
// small positions. Diagrams: rows from the top (j), columns from the left
// (i); a MoveCode is i * 100 + j.
#include <gtest/gtest.h>

#include "late_generators_fixture.h"
#include "support/board_diagram.h"

namespace kz {
namespace late_test {
namespace {

// ------------------------------------------------------------- eyes --

// Black's five stones on the top edge hold a straight three: the middle
// point makes two eyes for Black, or kills for White.
void StraightThree(PlaneBoard& b) {
  test::Place(b, 9,
              {". . . X O . . . .", "X X X X O . . . .", "O O O O O . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
}

TEST_F(LateGenerators, EyeVitalPointIsTheMiddleOfAStraightThree) {
  StraightThree(board);
  Setup(1, 402, 2);
  const auto before = Snapshot(board);
  EXPECT_EQ(engine.PlayEyeVitalPoint(1), 100);
  EXPECT_EQ(Snapshot(board), before);
  // White has no eye space of its own to make.
  Setup(-1, 402, 2);
  EXPECT_EQ(engine.PlayEyeVitalPoint(-1), -1);
}

TEST_F(LateGenerators, EyeVitalPointLeavesAStraightOrBentFour) {
  // Four points in a row, or bent at the end: whoever plays inside first,
  // the other side answers on the other middle point, so neither side has
  // a vital point to take.
  for (const char* top : {". . . . X O . . .", ". . . X X O . . ."}) {
    const char* second =
        top[6] == '.' ? "X X X X X O . . ." : "X X . X X O . . .";
    test::Place(board, 9,
                {top, second, "O O O O O O . . .", ". . . . . . . . .",
                 ". . . . . . . . .", ". . . . . . . . .",
                 ". . . . . . . . .", ". . . . . . . . .",
                 ". . . . . . . . ."});
    Setup(1, 402, 2);
    EXPECT_EQ(engine.PlayEyeVitalPoint(1), -1) << top;
    Setup(-1, 402, 2);
    EXPECT_EQ(engine.PlayEyeVitalPoint(1), -1) << top;
  }
}

TEST_F(LateGenerators, EyeVitalPointLeavesTheEyeSpaceOfALiveGroup) {
  // From a game: White's upper left has eyes to spare ((0, 4)..(0, 6) and
  // (2, 2) besides the corner). The middle of the corner space only filled
  // White's own territory.
  test::Place(board, 9,
              {". . . O O X . . .",
               "O . O O X . X . .",
               ". O . O X . . . .",
               ". O O X . . X . .",
               ". O X X X . . X .",
               "O O O X . . O X .",
               ". X X . X X O O .",
               ". . X . . . O . .",
               ". . . . . . . . ."});
  Setup(-1, 305, 2);
  const int m = engine.PlayEyeVitalPoint(-1);
  EXPECT_TRUE(m < 0 || board.GetRegion(m / 100, m % 100) >= 0) << m;
}

TEST_F(LateGenerators, EyeShapeMoveSparesTheWallOfAnEyeTheGroupCanDoWithout) {
  // From a game's opening: Black's group does not hang on its eye at (3, 3);
  // guarding its diagonal at (2, 2) was a wasted move while White's
  // stones pressed at the top.
  test::Place(board, 9,
              {". O . . . . . . .",
               ". . . . O . . . .",
               ". . . X O O . . .",
               ". . X . X O . . .",
               ". . . X X . . . .",
               ". . . . . . O . .",
               ". . . X X X O . .",
               ". . . . X O O . .",
               ". . . . . . . . ."});
  Setup(1, 100, 1);
  engine.AnalysePosition(board, 1, 0, 0);  // as in a move choice
  EXPECT_NE(engine.PlayEyeShapeMove(1), 202);
}

TEST_F(LateGenerators, EyeVitalPointOfTheOpponentIsThePlacementThatKills) {
  StraightThree(board);
  Setup(-1, 100 + 1, 2);
  const auto before = Snapshot(board);
  EXPECT_EQ(engine.PlayEyeVitalPoint(1), 100);
  EXPECT_EQ(Snapshot(board), before);
}

TEST_F(LateGenerators, EyeShapeMoveClosesAnEyeOnTheEdgeInTheEndgame) {
  // Black (0, 1) and (0, 3): a stone at (1, 2) walls in (0, 2).
  test::Place(board, 9,
              {". . . . . . . . .", "X . . . . . . . .", ". . . . . . . . .",
               "X . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . O"});
  Setup(1, 808, 3);
  const auto before = Snapshot(board);
  EXPECT_EQ(engine.PlayEyeShapeMove(1), 102);
  EXPECT_EQ(Snapshot(board), before);
  // White to move takes the same point to deny the eye.
  Setup(-1, 103, 3);
  EXPECT_EQ(engine.PlayEyeShapeMove(1), 102);
  // Before the endgame the wall waits: nothing else calls for an eye here.
  for (int phase : {1, 2}) {
    Setup(1, 808, phase);
    EXPECT_EQ(engine.PlayEyeShapeMove(1), -1) << "phase " << phase;
  }
}

// Black's edge group has one eye at (0, 0); a stone at (1, 2) makes the
// second at (0, 2).
void OneEyeGroup(PlaneBoard& b) {
  test::Place(b, 9,
              {". X O . . . . . .", "X X O . . . . . .", ". . O . . . . . .",
               "X X O . . . . . .", "X X O . . . . . .", "O O . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
}

TEST_F(LateGenerators, MakeOrDenyEyesFindsTheSecondEye) {
  OneEyeGroup(board);
  Setup(1, 402, 2);
  const auto before = Snapshot(board);
  EXPECT_EQ(engine.MakeOrDenyEyes(1), 102);
  EXPECT_EQ(Snapshot(board), before);
  // For White to move it is the point that denies it.
  Setup(-1, 402, 2);
  EXPECT_EQ(engine.MakeOrDenyEyes(1), 102);
}

TEST_F(LateGenerators, MakeOrDenyEyesWaitsForAMoveOfAUserOpponent) {
  OneEyeGroup(board);
  Setup(1, -1, 2);
  engine.SetPlayers(1, 0);  // White, the opponent, is the user
  EXPECT_EQ(engine.MakeOrDenyEyes(1), -1);
  engine.SetPlayers(1, 1);  // the computer plays White too
  EXPECT_EQ(engine.MakeOrDenyEyes(1), 102);
}

// ------------------------------------------------------- endgame --

TEST_F(LateGenerators, EndgameBoundaryPushesAgainstTheEnemyFirst) {
  // Both sides have large areas; the two columns between are open, with
  // a White stone at (4, 4) already in them.
  test::Place(board, 9,
              {". . X . . O . . .", ". . X . . O . . .", ". . X . . O . . .",
               ". . X . . O . . .", ". . X . O O . . .", ". . X . . O . . .",
               ". . X . . O . . .", ". . X . . O . . .", ". . X . . O . . ."});
  Setup(1, 404, 3);
  const auto before = Snapshot(board);
  const int m = engine.PlayEndgameBoundary();
  EXPECT_TRUE(m == 303 || m == 304 || m == 305) << m;
  EXPECT_EQ(Snapshot(board), before);
}

TEST_F(LateGenerators, AnyReasonablePointExtendsAStrongChain) {
  test::Place(board, 9,
              {". . . . . . . . .", ". O . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . X . . . .", ". . . . X . . . .",
               ". . . . . . . . .", ". . . . . . . O .", ". . . . . . . . ."});
  Setup(1, 707, 2);
  const auto before = Snapshot(board);
  const int m = engine.PlayAnyReasonablePoint();
  ASSERT_GE(m, 0);
  const int i = m / 100, j = m % 100;
  EXPECT_TRUE((i == 4 && (j == 3 || j == 6)) || ((i == 3 || i == 5) && (j == 4 || j == 5)))
      << m;
  EXPECT_EQ(Snapshot(board), before);
  Setup(1, -1, 2);
  EXPECT_EQ(engine.PlayAnyReasonablePoint(), -1);
}

}  // namespace
}  // namespace late_test
}  // namespace kz
