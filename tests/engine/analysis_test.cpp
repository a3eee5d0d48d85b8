// The position analysis: the scanning passes that fill safe points on the
// AnalysisBoard, the areas they enclose, and the dead-stone marks.
#include <gtest/gtest.h>

#include "engine/think_engine.h"
#include "support/board_diagram.h"

namespace kz {
namespace {

class Analysis : public ::testing::Test {
 protected:
  void Analyse(int colour = 1, int mode = 0, int flag = 0) {
    engine.SetupGame(board, 0, 0, 1, 0, 0);
    engine.AnalysePosition(board, colour, mode, flag);
  }
  int Filled(int i, int j) { return engine.Work(kAnalysisBoard).GetChain(i, j); }

  PlaneBoard board;
  ThinkEngine engine;
};

TEST_F(Analysis, StonesThreeApartCloseTheGap) {
  // Along a column (same i) only the point next to the first stone is
  // filled; along a row both gap points are.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . X . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . X . . . .",
               ". . . . . . . . .", ". . X . . X . . .", ". . . . . . . O ."});
  Analyse();
  EXPECT_GT(Filled(4, 3), 0);
  EXPECT_EQ(Filled(4, 4), 0);
  EXPECT_GT(Filled(3, 7), 0);
  EXPECT_GT(Filled(4, 7), 0);
  // The game board itself keeps its stones.
  EXPECT_EQ(board.GetChain(4, 3), 0);
}

TEST_F(Analysis, EdgePassFillsUnderSecondAndThirdLineStones) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . X . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . X . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . O .", ". . . . . . . . ."});
  Analyse();
  EXPECT_GT(Filled(4, 0), 0);  // under the second-line stone
  EXPECT_GT(Filled(0, 4), 0);  // under the third-line stone...
  EXPECT_GT(Filled(1, 4), 0);  // ...and the second line between
}

TEST_F(Analysis, KnightsMoveAndDiagonalStepsAreJoined) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . X . . . .", ". . . . . . . . .", ". . . . . X . . .",
               ". X . . . . . . .", ". . X . . . . . .", ". . . . . . . O ."});
  Analyse();
  // The knight's move (4, 3)-(5, 5): the point next to the first stone.
  EXPECT_GT(Filled(4, 4), 0);
  // The diagonal step (1, 6)-(2, 7): one of its two cutting points.
  EXPECT_GT(Filled(2, 6) + Filled(1, 7), 0);
  EXPECT_EQ(Filled(2, 6) * Filled(1, 7), 0);
}

TEST_F(Analysis, EnemyBesideTheKnightsMoveLeavesItOpen) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . X . . . .", ". . . O . . . . .", ". . . . . X . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Analyse();
  EXPECT_EQ(Filled(4, 4), 0);
  EXPECT_EQ(Filled(5, 4), 0);
}

TEST_F(Analysis, EnclosedCornerBecomesArea) {
  test::Place(board, 9,
              {". . . X . . . . .", ". . . X . . . . .", ". . . . . . . . .",
               "X X X X . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . O . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Analyse(1, 0, 1);
  EXPECT_GT(Filled(3, 2), 0);  // the one-point gap is safe to close
  EXPECT_GT(engine.GetArea(1, 1), 0);
  EXPECT_EQ(engine.CountArea(1), 9);
  EXPECT_EQ(engine.CountArea(-1), 0);
  EXPECT_GT(engine.GetSavedArea(1, 0, 0), 0);
  EXPECT_EQ(engine.GetSavedArea(-1, 0, 0), 0);
  // Area points are empty again on the AnalysisBoard.
  EXPECT_EQ(Filled(1, 1), 0);
}

TEST_F(Analysis, GapUnderThreatIsJudgedByInfluence) {
  // White stands beside the gap: Black closes it only from a side where
  // its influence is strong; here neither side is, so nothing is filled.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . X . . . .",
               ". . . O . . . . .", ". . . . X . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Analyse();
  EXPECT_EQ(Filled(4, 3), 0);
}

TEST_F(Analysis, EndOfGameModeMarksDeadStonesOnTheGameBoard) {
  test::Place(board, 9,
              {"X X . O . . . . .", ". . . O . . . . .", "O O O O . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Analyse(1, 2, 0);
  EXPECT_EQ(board.GetDead(0, 0), 1);
  // With the stones dead the corner is White's region again.
  EXPECT_LT(board.GetRegion(1, 1), 0);
}

}  // namespace
}  // namespace kz
