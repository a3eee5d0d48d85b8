// The generators of the later stages (operations 26..51) on small positions.
// Diagrams: rows from the top (j), columns from the left (i); a MoveCode is
// i * 100 + j, so the point in column 3, row 5 of a diagram is 305.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "late_generators_fixture.h"
#include "support/board_diagram.h"

namespace kz {
namespace late_test {
namespace {

// ------------------------------------------------------ 29 open area ----

TEST_F(LateGenerators, OpenAreaOnAnEmptyBoardIsTheFirstThirdLinePoint) {
  board.Reset(19, 0);
  Setup(1, -1, 1);
  EXPECT_EQ(engine.PlayOpenAreaPoint(), 202);
  board.Reset(9, 0);
  Setup(-1, -1, 1);
  EXPECT_EQ(engine.PlayOpenAreaPoint(), 202);
}

TEST_F(LateGenerators, OpenAreaSkipsBlocksAnyStoneReaches) {
  // A stone at (3, 3) reaches every block in the top-left corner area;
  // the next open third-line block along the first row is (2, 8).
  board.Reset(19, 0);
  board.PlayStone(3, 3, -1, 0);
  Setup(1, -1, 1);
  EXPECT_EQ(engine.PlayOpenAreaPoint(), 208);
}

TEST_F(LateGenerators, OpenAreaOnNineLinesStaysInsideTheThirdLines) {
  // One stone in the middle reaches every block centred on lines 3..7;
  // the empty first and second lines are never considered.
  board.Reset(9, 0);
  board.PlayStone(4, 4, 1, 0);
  Setup(-1, -1, 1);
  EXPECT_EQ(engine.PlayOpenAreaPoint(), -1);
}

TEST_F(LateGenerators, OpenAreaUnderKeimaGoNeedsAKnightsMoveFromOwnStone) {
  board.Reset(19, 0);
  Setup(1, -1, 1, 1);
  // No own stone yet: every point breaks the rule.
  EXPECT_EQ(engine.PlayOpenAreaPoint(), -1);
}

// ------------------------------------------------- 30 side approach ----

class SideApproach : public LateGenerators {
 protected:
  // White's lone stone at (r, c) is the last move; Black answers. A far
  // Black stone keeps the empty board from being one White region.
  int Answer(int r, int c, int size = 19) {
    board.Reset(size, 0);
    board.PlayStone(1, 1, 1, 0);
    board.PlayStone(r, c, -1, 0);
    Setup(1, r * 100 + c, 2);
    return engine.AnswerSideApproach();
  }
};

TEST_F(SideApproach, AnswersTwoLinesTowardsTheCentre) {
  // Row 4 is low: the answer is two rows further in. Column 11 is neither
  // low (<= 10) nor high (> 11), so only the row answer exists.
  EXPECT_EQ(Answer(4, 11), 611);
  // Row 14 is high: two rows back towards the centre.
  EXPECT_EQ(Answer(14, 11), 1211);
  // Column 5 is low and row 11 gives no row answer: two columns in.
  EXPECT_EQ(Answer(11, 5), 1107);
}

TEST_F(SideApproach, OnlyOnNineteenLinesAndOnlyForAnApproachOnTheSide) {
  EXPECT_EQ(Answer(4, 11, 13), -1);
  EXPECT_EQ(Answer(4, 11, 9), -1);
  EXPECT_EQ(Answer(3, 11), -1);
  EXPECT_EQ(Answer(15, 11), -1);
  EXPECT_EQ(Answer(11, 3), -1);
  EXPECT_EQ(Answer(11, 18), -1);
  EXPECT_NE(Answer(11, 17), -1);  // column 17 is still inside the gate
}

TEST_F(SideApproach, InfluenceMustBeExactlyMinusFive) {
  // An own stone three points behind the answer adds 1: -4 is refused.
  board.Reset(19, 0);
  board.PlayStone(1, 1, 1, 0);
  board.PlayStone(4, 11, -1, 0);
  board.PlayStone(9, 11, 1, 0);
  Setup(1, 411, 2);
  EXPECT_EQ(board.GetInfluence(6, 11), -4);
  EXPECT_EQ(engine.AnswerSideApproach(), -1);
  // A second enemy stone nearby makes it more negative: refused too.
  board.Reset(19, 0);
  board.PlayStone(1, 1, 1, 0);
  board.PlayStone(4, 11, -1, 0);
  board.PlayStone(6, 14, -1, 0);
  Setup(1, 411, 2);
  EXPECT_LT(board.GetInfluence(6, 11), -5);
  EXPECT_EQ(engine.AnswerSideApproach(), -1);
}

TEST_F(SideApproach, WorksForWhiteAnsweringBlack) {
  board.Reset(19, 0);
  board.PlayStone(1, 1, -1, 0);
  board.PlayStone(4, 11, 1, 0);
  Setup(-1, 411, 2);
  const auto before = Snapshot(board);
  EXPECT_EQ(engine.AnswerSideApproach(), 611);
  EXPECT_EQ(Snapshot(board), before);
}

// ---------------------------------------------------- 35 reserved moves --

TEST_F(LateGenerators, ReservedMovesStopAtTheFirstEmptySlot) {
  board.Reset(9, 0);
  test::Place(board, 9, {". . . . . . . . .", ". X . . . . . O ."});
  Setup(1, 101, 2);
  EXPECT_EQ(engine.PlayReservedMove(), -1);  // all ten slots -1
  engine.SetReserved(1, 404);
  EXPECT_EQ(engine.PlayReservedMove(), -1);  // slot 0 ends the walk
  engine.SetReserved(0, 505);
  EXPECT_EQ(engine.PlayReservedMove(), 505);
}

TEST_F(LateGenerators, ReservedMoveSkipsOccupiedForbiddenAndOtherNegativeEntries) {
  test::Place(board, 9, {". . . . . . . . .", ". X . . . . . O ."});
  Setup(1, 101, 2, 1);  // Keima-go
  engine.SetReserved(0, -5);   // not a point: skipped, not the end
  engine.SetReserved(1, 101);  // occupied
  engine.SetReserved(2, 404);  // not a knight's move from (1, 1)
  engine.SetReserved(3, 302);  // a knight's move: allowed
  EXPECT_EQ(engine.PlayReservedMove(), 302);
}

TEST_F(LateGenerators, ReservedMoveRefusesSuicide) {
  test::Place(board, 9, {". O . . . . . . .", "O . O . . . . . .",
                         ". O . . . . X . ."});
  Setup(1, 101, 2);
  engine.SetReserved(0, 0);  // (0, 0): a Black stone there has no liberty
  engine.SetReserved(1, 606);
  EXPECT_EQ(engine.PlayReservedMove(), 606);
}

// ------------------------------------------------------ 31 least swing --

TEST_F(LateGenerators, MinSwingStaysOffTheEdgeLines) {
  board.Reset(19, 0);
  board.PlayStone(3, 3, 1, 0);
  board.PlayStone(15, 15, -1, 0);
  board.PlayStone(3, 15, 1, 0);
  board.PlayStone(15, 3, -1, 0);
  board.PlayStone(9, 3, 1, 0);
  for (int style : {0, 1}) {
    Setup(-1, 903, 1, 0, style);
    const int m = engine.PlayMinSwingPoint();
    ASSERT_GE(m, 0) << "style " << style;
    // The opening on 19 lines: neither the first nor the second line.
    EXPECT_GE(m / 100, 2);
    EXPECT_LE(m / 100, 16);
    EXPECT_GE(m % 100, 2);
    EXPECT_LE(m % 100, 16);
    EXPECT_EQ(board.GetChain(m / 100, m % 100), 0);
  }
}

TEST_F(LateGenerators, MinSwingOnNineLinesUsesTheSecondLineButNeverTheFirst) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . X . . . O . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . O . . . X . .", ". . . . . . . . .", ". . . . . . . . ."});
  for (int phase : {1, 2}) {
    Setup(1, 606, phase);
    const auto before = Snapshot(board);
    const int m = engine.PlayMinSwingPoint();
    EXPECT_EQ(Snapshot(board), before);
    ASSERT_GE(m, 0);
    EXPECT_GE(m / 100, 1);
    EXPECT_LE(m / 100, 7);
    EXPECT_GE(m % 100, 1);
    EXPECT_LE(m % 100, 7);
    const int influence = board.GetInfluence(m / 100, m % 100);
    EXPECT_LT(influence, phase == 1 ? 4 : 6);
    EXPECT_GE(influence, phase == 1 ? -3 : -5);
  }
}

// ------------------------------------------------ 26 jump from a weak group --

TEST_F(LateGenerators, JumpFromWeakGroupNeverAnswersInTheMiddleGame) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . O . . . . . .", ". O X X X O . . .", ". . O . O . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Setup(1, 204, 2);
  EXPECT_EQ(engine.PlayJumpFromWeakGroup(1), -1);
}

TEST_F(LateGenerators, JumpFromWeakGroupJumpsToTheOpenSide) {
  // Black's three stones are pressed from above, below and the left; the
  // one-point jump to the right is the way out.
  test::Place(board, 13,
              {". . . . . . . . . . . . .", ". . . . . . . . . . . . .",
               ". . . . . . . . . . . . .", ". . . . . . . . . . . . .",
               ". . . . . . . . . . . . .", ". . . . O O O . . . . . .",
               ". . . O X X X . . . . . .", ". . . . O O O . . . . . .",
               ". . . . . . . . . . . . .", ". . . . . . . . . . . . .",
               ". . . . . . . . . . . . .", ". . . . . . . . . . . . .",
               ". . . . . . . . . . . . ."});
  for (int phase : {1, 3}) {
    Setup(1, 407, phase);
    const auto before = Snapshot(board);
    EXPECT_EQ(engine.PlayJumpFromWeakGroup(1), 806) << "phase " << phase;
    EXPECT_EQ(Snapshot(board), before);
  }
  // Asked for the opponent's group, a point where that side already has
  // influence (here +1) is not a point the mover needs to take.
  Setup(-1, 407, 3);
  EXPECT_EQ(board.GetInfluence(8, 6), 1);
  EXPECT_EQ(engine.PlayJumpFromWeakGroup(1), -1);
}

// ------------------------------------------- 38 two-liberty extension --

// Black's two stones have two liberties; the extension to the open side
// comes first in the scan from White's last move.
void TwoLibertyPosition(PlaneBoard& b) {
  test::Place(b, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . O O . . . .",
               ". . O X X . . . .", ". . . O . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
}

TEST_F(LateGenerators, ExtendTwoLibertyChainNeedsALastMove) {
  TwoLibertyPosition(board);
  Setup(1, -1, 2);
  EXPECT_LT(engine.ExtendTwoLibertyChain(1).move, 0);
}

TEST_F(LateGenerators, ExtendTwoLibertyChainExtendsTheChainScoredByItsSize) {
  TwoLibertyPosition(board);
  Setup(1, 402, 2);
  const auto before = Snapshot(board);
  const Candidate own = engine.ExtendTwoLibertyChain(1);
  EXPECT_EQ(own.move, 503);
  EXPECT_EQ(own.score, 2);
  EXPECT_EQ(own.extra, 0);
  // White has no chain with two liberties.
  EXPECT_LT(engine.ExtendTwoLibertyChain(-1).move, 0);
  EXPECT_EQ(Snapshot(board), before);
}

TEST_F(LateGenerators, ExtendTwoLibertyChainForTheOpponentIsWhereToStopIt) {
  // White to move: Black's extension point is White's key point.
  TwoLibertyPosition(board);
  Setup(-1, 402, 2);
  const Candidate theirs = engine.ExtendTwoLibertyChain(1);
  EXPECT_EQ(theirs.move, 503);
  EXPECT_EQ(theirs.score, 2);
}

// ---------------------------------------------- 39 shared liberty --

TEST_F(LateGenerators, GuardSharedLibertyTakesThePointTheEnemyWouldSqueeze) {
  // Black (2, 3) has two liberties, Black (4, 3)-(4, 4) three; they share
  // (3, 3), where a White stone would join its wall and squeeze both.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . O O O . . . .",
               ". O X . X O . . .", ". . . . X O . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Setup(1, 205, 2);
  ASSERT_EQ(board.ChainLiberties(2, 3), 2);
  ASSERT_EQ(board.ChainLiberties(4, 3), 3);
  const auto before = Snapshot(board);
  EXPECT_EQ(engine.GuardSharedLiberty(1), 303);
  EXPECT_EQ(Snapshot(board), before);
  Setup(1, -1, 2);
  EXPECT_EQ(engine.GuardSharedLiberty(1), -1);  // no last move
}

// ----------------------------------------- 47..49 weak enemy neighbours --

TEST_F(LateGenerators, CaptureToRescueTakesTheStoneInAtari) {
  // White (2, 1) is in atari next to Black (1, 1), which has two
  // liberties: capturing at (2, 2) saves it.
  test::Place(board, 9, {". . X . . . . . .", "O X O X . . . . .",
                         ". . . . . . . . ."});
  Setup(1, 201, 2);
  EXPECT_EQ(engine.CaptureToRescue(), 202);
  Setup(1, -1, 2);
  EXPECT_EQ(engine.CaptureToRescue(), -1);
}

TEST_F(LateGenerators, AttackTwoLibertyNeighbourStartsTheLadder) {
  // White (5, 5) has two liberties and runs into a ladder.
  test::Place(board, 19,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . X . . .", ". . . . X O . . .",
               ". . . . . . X . ."});
  Setup(1, 505, 2);
  const auto before = Snapshot(board);
  const int m = engine.AttackTwoLibertyNeighbour();
  EXPECT_TRUE(m == 605 || m == 506) << m;
  EXPECT_EQ(Snapshot(board), before);
  // With a ladder breaker of White's in the way the reader finds no
  // capture, and nothing is proposed.
  board.PlayStone(1, 10, -1, 0);
  board.PlayStone(2, 9, -1, 0);
  board.PlayStone(3, 8, -1, 0);
  board.PlayStone(8, 2, -1, 0);
  board.PlayStone(9, 1, -1, 0);
  Setup(1, 505, 2);
  EXPECT_EQ(engine.AttackTwoLibertyNeighbour(), -1);
}

// ------------------------------------------------------- 28, 34 cuts --

TEST_F(LateGenerators, DefendCuttingPointMendsAGenuineCut) {
  // White (4, 4)-(5, 4) peeps; a White stone at (3, 3) would join
  // (2, 3) and cut Black's two stones apart.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . O . X . . . .", ". . . X O O . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Setup(1, 504, 2);
  EXPECT_EQ(engine.DefendCuttingPoint(), 303);
  // A peeping stone with only two liberties is no threat yet.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . O . X . . . .", ". . . X O . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Setup(1, 504, 2);
  EXPECT_EQ(engine.DefendCuttingPoint(), -1);
}

TEST_F(LateGenerators, CutDiagonalEnemyCutsAcrossTheDiagonal) {
  // White (4, 3) and (3, 4) hang together diagonally; Black holds (4, 4)
  // and cuts at (3, 3).
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . O . . . .", ". . . O X X . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Setup(1, 304, 2);
  const auto before = Snapshot(board);
  EXPECT_EQ(engine.CutDiagonalEnemy(), 303);
  EXPECT_EQ(Snapshot(board), before);
  // Without Black's stone on the other cutting point there is no cut.
  board.Reset(9, 0);
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . O . . . .", ". . . O . X . . .", ". . . . . . . . ."});
  Setup(1, 304, 2);
  EXPECT_EQ(engine.CutDiagonalEnemy(), -1);
}

// ------------------------------------------- 40..43 shape and hane --

// Stones given relative to the point (4, 4) of a 9-line board, turned by
// one of the eight symmetries: 'X' own (Black), 'O' enemy.
struct RelStone {
  int di, dj;
  char stone;
};
void PlaceTurned(PlaneBoard& b, std::initializer_list<RelStone> stones,
                 int symmetry) {
  b.Reset(9, 0);
  for (const RelStone& s : stones) {
    int di = s.di, dj = s.dj;
    if (symmetry & 4) std::swap(di, dj);
    if (symmetry & 1) di = -di;
    if (symmetry & 2) dj = -dj;
    b.PlayStone(4 + di, 4 + dj, s.stone == 'X' ? 1 : -1, kReplay);
  }
  b.LabelRegions();
  b.LinkChains(0);
  b.SpreadInfluence();
}

TEST_F(LateGenerators, ShapeSetAKnowsItsThreeShapesInEveryOrientation) {
  const std::initializer_list<RelStone> haneAtTheHead = {
      {0, 1, 'O'}, {0, 2, 'O'}, {-1, 1, 'X'}, {-1, 2, 'X'}};
  const std::initializer_list<RelStone> pinched = {
      {0, 1, 'X'}, {1, 1, 'O'}, {-1, 1, 'O'}};
  const std::initializer_list<RelStone> crosscut = {
      {1, 0, 'X'}, {2, 1, 'X'}, {1, 1, 'O'}, {2, 0, 'O'}};
  for (int symmetry = 0; symmetry < 8; ++symmetry) {
    for (const auto& shape : {haneAtTheHead, pinched, crosscut}) {
      PlaceTurned(board, shape, symmetry);
      Setup(1, 404, 2);
      EXPECT_EQ(engine.MatchShapeA(4, 4), 1) << "symmetry " << symmetry;
      EXPECT_EQ(engine.MatchShapeB(4, 4), 0);
      // Seen from White the same stones are no shape of White's.
      NormaliseColour(board, -1);
      EXPECT_EQ(engine.MatchShapeA(4, 4), 0);
      NormaliseColour(board, -1);
    }
  }
}

TEST_F(LateGenerators, ShapeSetBKnowsItsTwoShapesInEveryOrientation) {
  const std::initializer_list<RelStone> jumpOut = {{2, 0, 'X'}, {2, 1, 'O'}};
  const std::initializer_list<RelStone> knight = {{1, 2, 'X'}};
  for (int symmetry = 0; symmetry < 8; ++symmetry) {
    for (const auto& shape : {jumpOut, knight}) {
      PlaceTurned(board, shape, symmetry);
      Setup(1, 404, 2);
      EXPECT_EQ(engine.MatchShapeB(4, 4), 1) << "symmetry " << symmetry;
    }
  }
  // The knight's move only into open ground: not in contact with an enemy
  // stone, not where the two points between are taken, not beside our own.
  // (In these placements 'X' is Black, the side to move.)
  for (const auto& crowded : {std::initializer_list<RelStone>{{1, 2, 'X'}, {-1, -1, 'O'}},
                              {{1, 2, 'X'}, {1, 1, 'O'}},
                              {{1, 2, 'X'}, {0, 1, 'X'}},
                              {{1, 2, 'X'}, {-2, 0, 'O'}}}) {
    PlaceTurned(board, crowded, 0);
    Setup(1, 404, 2);
    EXPECT_EQ(engine.MatchShapeB(4, 4), 0);
  }
  // Nor on the first two lines on its open side.
  PlaceTurned(board, {{1, 2, 'X'}}, 0);
  Setup(1, 404, 2);
  EXPECT_EQ(engine.MatchShapeB(4, 4), 1);
  board.Reset(9, 0);
  board.PlayStone(2, 3, 1, 0);  // the candidate (1, 1) is on the second line
  Setup(1, 203, 2);
  EXPECT_EQ(engine.MatchShapeB(1, 1), 0);
  // A shape point must be empty.
  PlaceTurned(board, {{0, 0, 'X'}, {2, 0, 'X'}, {2, 1, 'O'}}, 0);
  Setup(1, 404, 2);
  EXPECT_EQ(engine.MatchShapeB(4, 4), 0);
}

TEST_F(LateGenerators, ShapePointPlaysTheHaneAtTheHeadOfTwoStones) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . X O . . . .", ". . . X O . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Setup(1, 405, 2);
  const auto before = Snapshot(board);
  const int m = engine.PlayShapePoint();
  // Either head: (4, 3) above White's two stones or (4, 6) below them.
  EXPECT_TRUE(m == 403 || m == 406) << m;
  EXPECT_EQ(Snapshot(board), before);
}

TEST_F(LateGenerators, ShapePointKeepsTheKeimaRuleExceptForTheFirstStones) {
  // Black (4, 4) is pinched between White (3, 4) and (5, 4): the
  // extensions (4, 3) and (4, 5) are no knight's move from a Black stone.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . O X O . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Setup(1, 304, 2);
  engine.SetMoveNumber(20);
  const int japanese = engine.PlayShapePoint();
  EXPECT_TRUE(japanese == 403 || japanese == 405) << japanese;
  Setup(1, 304, 2, 1);
  engine.SetMoveNumber(20);
  const int m = engine.PlayShapePoint();
  if (m >= 0) {
    EXPECT_EQ(board.IsKeimaViolation(m / 100, m % 100, 1), 0);
  }
  EXPECT_NE(m, 403);
  EXPECT_NE(m, 405);
  // Move 1 of an even game: the rule is not asked yet.
  engine.SetMoveNumber(1);
  engine.SetHandicap(0);
  EXPECT_EQ(engine.PlayShapePoint(), japanese);
  // Move 1 of a handicap game is White's second stone: the rule holds.
  engine.SetHandicap(2);
  EXPECT_EQ(engine.PlayShapePoint(), m);
  engine.SetMoveNumber(0);
  EXPECT_EQ(engine.PlayShapePoint(), japanese);
}

TEST_F(LateGenerators, HaneShapeHanesAtTheContact) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . X O . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Setup(1, 404, 2);
  const auto before = Snapshot(board);
  const int m = engine.PlayHaneShape();
  // Diagonally off Black's stone, in front of White's.
  EXPECT_TRUE(m == 403 || m == 405) << m;
  EXPECT_EQ(Snapshot(board), before);
  // With White to move, White hanes at Black's head.
  Setup(-1, 304, 2);
  const int w = engine.PlayHaneShape();
  EXPECT_TRUE(w == 303 || w == 305) << w;
}

// ----------------------------------------------------- 36 links --

void TwoGroupsToLink(PlaneBoard& b) {
  // Black (2, 3) and (6, 4): (4, 4) is a knight's move from the first and
  // a one-point jump from the second (also (4, 3) the other way round).
  test::Place(b, 9,
              {". . . . . . . . O", ". . . . . . . . .", ". . . . . . . . .",
               ". . X . . . . . .", ". . . . . . X . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . O"});
}

TEST_F(LateGenerators, LinkWeakGroupsLinksTwoWeakStones) {
  TwoGroupsToLink(board);
  Setup(1, 808, 2);
  ASSERT_EQ(board.GetBlackInfluence(4, 4), 7);
  const auto before = Snapshot(board);
  const int m = engine.LinkWeakGroups(1);
  EXPECT_TRUE(m == 404 || m == 403) << m;
  EXPECT_EQ(Snapshot(board), before);
  // That link is only looked for with faster moves off.
  Setup(1, 808, 2, 0, 0, 1);
  EXPECT_EQ(engine.LinkWeakGroups(1), -1);
}

TEST_F(LateGenerators, LinkWeakGroupsForTheOpponentNeedsTheMoversInfluence) {
  // White to move, Black's link asked for: White has no influence there
  // outside the opening, so the point is nobody's business of White's.
  TwoGroupsToLink(board);
  Setup(-1, 808, 2);
  EXPECT_EQ(engine.LinkWeakGroups(1), -1);
  Setup(-1, 808, 1);
  const int m = engine.LinkWeakGroups(1);
  EXPECT_TRUE(m == 404 || m == 403) << m;
}

// --------------------------------------- every generator, many positions --

// A seeded random game of legal moves: a middle-game position to ask every
// generator about. Returns the last move.
int RandomPosition(PlaneBoard& b, int size, int moves, std::uint32_t seed) {
  b.Reset(size, 0);
  auto next = [&seed](int n) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
  };
  int colour = 1, last = -1;
  for (int k = 0; k < moves; ++k) {
    for (int attempt = 0; attempt < 50; ++attempt) {
      const int i = next(size), j = next(size);
      if (b.GetChain(i, j) != 0 || b.IsSuicide(i, j, colour)) continue;
      if (b.LibertiesIfPlayed(i, j, colour) < 2) continue;  // keep chains alive
      const int r = b.PlayStone(i, j, colour, kReplay);
      if (r == kOccupied || r == kSuicide || r == kKo) continue;
      last = i * 100 + j;
      break;
    }
    colour = -colour;
  }
  b.LabelRegions();
  b.LinkChains(0);
  b.SpreadInfluence();
  return last;
}

struct Answer {
  std::string name;
  int move;
};

std::vector<Answer> AskEveryGenerator(TestEngine& e, int colour) {
  std::vector<Answer> out;
  auto add = [&](const char* name, int move) { out.push_back({name, move}); };
  for (int c : {colour, -colour}) {
    const std::string side = c == colour ? "+" : "-";
    add(("PlayJumpFromWeakGroup" + side).c_str(), e.PlayJumpFromWeakGroup(c));
    add(("PlayEyeVitalPoint" + side).c_str(), e.PlayEyeVitalPoint(c));
    add(("LinkWeakGroups" + side).c_str(), e.LinkWeakGroups(c));
    add(("PlayEyeShapeMove" + side).c_str(), e.PlayEyeShapeMove(c));
    add(("ExtendTwoLibertyChain" + side).c_str(), e.ExtendTwoLibertyChain(c).move);
    add(("GuardSharedLiberty" + side).c_str(), e.GuardSharedLiberty(c));
    add(("MakeOrDenyEyes" + side).c_str(), e.MakeOrDenyEyes(c));
    add(("PlayContestedPoint" + side).c_str(), e.PlayContestedPoint(c));
  }
  add("DefendCuttingPoint", e.DefendCuttingPoint());
  add("PlayOpenAreaPoint", e.PlayOpenAreaPoint());
  add("AnswerSideApproach", e.AnswerSideApproach());
  add("PlayMinSwingPoint", e.PlayMinSwingPoint());
  add("PlayInfluenceFrontier", e.PlayInfluenceFrontier());
  add("CutDiagonalEnemy", e.CutDiagonalEnemy());
  add("PlayReservedMove", e.PlayReservedMove());
  add("PlayShapePoint", e.PlayShapePoint());
  add("PlayHaneShape", e.PlayHaneShape());
  add("PlayEndgameBoundary", e.PlayEndgameBoundary());
  add("CaptureToRescue", e.CaptureToRescue());
  add("AttackTwoLibertyNeighbour", e.AttackTwoLibertyNeighbour());
  add("AttackThreeLibertyNeighbour", e.AttackThreeLibertyNeighbour());
  add("SecureEyeShape", e.SecureEyeShape());
  add("PlayAnyReasonablePoint", e.PlayAnyReasonablePoint());
  return out;
}

TEST_F(LateGenerators, EveryGeneratorLeavesTheBoardAndAnswersPlayablePoints) {
  struct Case {
    int size, moves, rule, style, faster, phase;
  };
  const Case cases[] = {
      {9, 12, 0, 0, 0, 1},  {9, 30, 0, 1, 0, 2},  {9, 45, 1, 0, 0, 3},
      {9, 55, 1, 1, 1, 4},  {13, 40, 1, 0, 0, 1}, {13, 80, 0, 1, 1, 2},
      {19, 60, 1, 1, 0, 1}, {19, 150, 0, 0, 0, 2}, {19, 200, 1, 0, 0, 3},
  };
  int answered = 0;
  std::uint32_t seed = 7;
  for (const Case& k : cases) {
    for (int colour : {1, -1}) {
      const int last = RandomPosition(board, k.size, k.moves, seed++);
      engine.SetupGame(board, k.rule, 0, 1, k.faster, k.style);
      engine.AnalysePosition(board, colour, 0, 0);
      engine.Prepare(board, colour, last, k.phase);
      engine.SetMoveNumber(k.moves);
      const auto before = Snapshot(board);
      for (const Answer& a : AskEveryGenerator(engine, colour)) {
        SCOPED_TRACE(a.name + " on " + std::to_string(k.size) + " lines, seed " +
                     std::to_string(seed - 1));
        ASSERT_EQ(Snapshot(board), before);
        if (a.move < 0) continue;
        ++answered;
        const int i = a.move / 100, j = a.move % 100;
        ASSERT_TRUE(board.OnBoard(i, j));
        EXPECT_EQ(board.GetChain(i, j), 0);
        EXPECT_FALSE(board.IsSuicide(i, j, colour));
        if (k.rule == 1) {
          EXPECT_EQ(board.IsKeimaViolation(i, j, colour), 0);
        }
      }
    }
  }
  // The positions do call for moves: most generators found something.
  EXPECT_GT(answered, 40);
}

}  // namespace
}  // namespace late_test
}  // namespace kz
