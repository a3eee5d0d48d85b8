// The generators of the later stages (operations 26..51) on small positions.
// Diagrams: rows from the top (j), columns from the left (i); a MoveCode is
// i * 100 + j, so the point in column 3, row 5 of a diagram is 305.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/think_engine.h"
#include "support/board_diagram.h"

namespace kz {
namespace {

// The engine with the conditions of one move choice set by hand.
class TestEngine : public ThinkEngine {
 public:
  void Prepare(PlaneBoard& board, int colour, int lastMove, int phase) {
    board_ = &board;
    colour_ = colour;
    lastMove_ = lastMove;
    gamePhase_ = phase;
  }
  void SetArea(int i, int j, int v) { area_[PlaneIndex(i, j)] = v; }
  void SetReserved(int k, int move) { reserved_[k] = move; }
  void SetMoveNumber(int n) { moveNumber_ = n; }
  void SetHandicap(int h) { handicap_ = h; }
  void SetPlayers(int black, int white) {
    blackPlayer_ = black;
    whitePlayer_ = white;
  }
};

// Every stored plane of the used points, to see that nothing changed.
std::vector<int> Snapshot(const PlaneBoard& b) {
  std::vector<int> s;
  const int n = b.GetSize();
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      for (int v : {b.GetChain(i, j), b.GetPrevious(i, j), b.GetRegion(i, j),
                    b.GetEye(i, j), b.GetLink(i, j), b.GetDead(i, j),
                    b.GetInfluence(i, j), b.GetBlackInfluence(i, j),
                    b.GetWhiteInfluence(i, j)})
        s.push_back(v);
  s.push_back(b.GetLastBlackChainId());
  s.push_back(b.GetLastWhiteChainId());
  return s;
}

class Generators : public ::testing::Test {
 protected:
  // rule 0 Japanese / 1 Keima-go; style 0 solid / 1 bold.
  void Setup(int colour, int lastMove, int phase, int rule = 0, int style = 0,
             int faster = 0) {
    board.LabelRegions();
    board.LinkChains(0);
    board.SpreadInfluence();
    engine.SetupGame(board, rule, 0, 1, faster, style);
    engine.Prepare(board, colour, lastMove, phase);
  }
  PlaneBoard board;
  TestEngine engine;
};

// ------------------------------------------------------ 29 open area ----

TEST_F(Generators, OpenAreaOnAnEmptyBoardIsTheFirstThirdLinePoint) {
  board.Reset(19, 0);
  Setup(1, -1, 1);
  EXPECT_EQ(engine.PlayOpenAreaPoint(), 202);
  board.Reset(9, 0);
  Setup(-1, -1, 1);
  EXPECT_EQ(engine.PlayOpenAreaPoint(), 202);
}

TEST_F(Generators, OpenAreaSkipsBlocksAnyStoneReaches) {
  // A stone at (3, 3) reaches every block in the top-left corner area;
  // the next open third-line block along the first row is (2, 8).
  board.Reset(19, 0);
  board.PlayStone(3, 3, -1, 0);
  Setup(1, -1, 1);
  EXPECT_EQ(engine.PlayOpenAreaPoint(), 208);
}

TEST_F(Generators, OpenAreaOnNineLinesStaysInsideTheThirdLines) {
  // One stone in the middle reaches every block centred on lines 3..7;
  // the empty first and second lines are never considered.
  board.Reset(9, 0);
  board.PlayStone(4, 4, 1, 0);
  Setup(-1, -1, 1);
  EXPECT_EQ(engine.PlayOpenAreaPoint(), -1);
}

TEST_F(Generators, OpenAreaUnderKeimaGoNeedsAKnightsMoveFromOwnStone) {
  board.Reset(19, 0);
  Setup(1, -1, 1, 1);
  // No own stone yet: every point breaks the rule.
  EXPECT_EQ(engine.PlayOpenAreaPoint(), -1);
}

// ------------------------------------------------- 30 side approach ----

class SideApproach : public Generators {
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

TEST_F(Generators, ReservedMovesStopAtTheFirstEmptySlot) {
  board.Reset(9, 0);
  test::Place(board, 9, {". . . . . . . . .", ". X . . . . . O ."});
  Setup(1, 101, 2);
  EXPECT_EQ(engine.PlayReservedMove(), -1);  // all ten slots -1
  engine.SetReserved(1, 404);
  EXPECT_EQ(engine.PlayReservedMove(), -1);  // slot 0 ends the walk
  engine.SetReserved(0, 505);
  EXPECT_EQ(engine.PlayReservedMove(), 505);
}

TEST_F(Generators, ReservedMoveSkipsOccupiedForbiddenAndOtherNegativeEntries) {
  test::Place(board, 9, {". . . . . . . . .", ". X . . . . . O ."});
  Setup(1, 101, 2, 1);  // Keima-go
  engine.SetReserved(0, -5);   // not a point: skipped, not the end
  engine.SetReserved(1, 101);  // occupied
  engine.SetReserved(2, 404);  // not a knight's move from (1, 1)
  engine.SetReserved(3, 302);  // a knight's move: allowed
  EXPECT_EQ(engine.PlayReservedMove(), 302);
}

TEST_F(Generators, ReservedMoveRefusesSuicide) {
  test::Place(board, 9, {". O . . . . . . .", "O . O . . . . . .",
                         ". O . . . . X . ."});
  Setup(1, 101, 2);
  engine.SetReserved(0, 0);  // (0, 0): a Black stone there has no liberty
  engine.SetReserved(1, 606);
  EXPECT_EQ(engine.PlayReservedMove(), 606);
}

// ------------------------------------------------------ 31 least swing --

TEST_F(Generators, MinSwingStaysOffTheEdgeLines) {
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

TEST_F(Generators, MinSwingOnNineLinesUsesTheSecondLineButNeverTheFirst) {
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

TEST_F(Generators, JumpFromWeakGroupNeverAnswersInTheMiddleGame) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . O . . . . . .", ". O X X X O . . .", ". . O . O . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  Setup(1, 204, 2);
  EXPECT_EQ(engine.PlayJumpFromWeakGroup(1), -1);
}

TEST_F(Generators, JumpFromWeakGroupJumpsToTheOpenSide) {
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

TEST_F(Generators, ExtendTwoLibertyChainNeedsALastMove) {
  TwoLibertyPosition(board);
  Setup(1, -1, 2);
  EXPECT_LT(engine.ExtendTwoLibertyChain(1).move, 0);
}

TEST_F(Generators, ExtendTwoLibertyChainExtendsTheChainScoredByItsSize) {
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

TEST_F(Generators, ExtendTwoLibertyChainForTheOpponentIsWhereToStopIt) {
  // White to move: Black's extension point is White's key point.
  TwoLibertyPosition(board);
  Setup(-1, 402, 2);
  const Candidate theirs = engine.ExtendTwoLibertyChain(1);
  EXPECT_EQ(theirs.move, 503);
  EXPECT_EQ(theirs.score, 2);
}

// ---------------------------------------------- 39 shared liberty --

TEST_F(Generators, GuardSharedLibertyTakesThePointTheEnemyWouldSqueeze) {
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

TEST_F(Generators, CaptureToRescueTakesTheStoneInAtari) {
  // White (2, 1) is in atari next to Black (1, 1), which has two
  // liberties: capturing at (2, 2) saves it.
  test::Place(board, 9, {". . X . . . . . .", "O X O X . . . . .",
                         ". . . . . . . . ."});
  Setup(1, 201, 2);
  EXPECT_EQ(engine.CaptureToRescue(), 202);
  Setup(1, -1, 2);
  EXPECT_EQ(engine.CaptureToRescue(), -1);
}

TEST_F(Generators, AttackTwoLibertyNeighbourStartsTheLadder) {
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

TEST_F(Generators, DefendCuttingPointMendsAGenuineCut) {
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

TEST_F(Generators, CutDiagonalEnemyCutsAcrossTheDiagonal) {
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

}  // namespace
}  // namespace kz
