// The last guard before a pass: no pass while a group is at stake.
// Diagrams: rows from the top (j), columns from the left (i); a MoveCode is
// i * 100 + j.
#include <gtest/gtest.h>

#include "late_generators_fixture.h"
#include "support/board_diagram.h"

namespace kz {
namespace late_test {
namespace {

constexpr const char* kEmptyRow = ". . . . . . . . .";

int Guard(TestEngine& engine, PlaneBoard& board) {
  const auto before = Snapshot(board);
  const int move = engine.UrgentMoveBeforePass();
  EXPECT_EQ(Snapshot(board), before) << "the guard changed the game board";
  return move;
}

TEST_F(LateGenerators, PassGuardTakesTheVitalPointOfAStraightThree) {
  // Black's corner group holds a straight three along the edge: Black makes
  // two eyes in the middle, White kills there.
  test::Place(board, 9,
              {"X . . . X O . . .", "X X X X X O . . .", "O O O O O O . . .",
               kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow});
  Setup(1, 402, 3);
  EXPECT_EQ(Guard(engine, board), 200);
  Setup(-1, 402, 3);
  EXPECT_EQ(Guard(engine, board), 200);
}

TEST_F(LateGenerators, ThreatAnswerSavesALargeChainNearTheLastMove) {
  // The same straight three: White's last move next to the group makes it
  // urgent; a last move far away leaves it to the later stages.
  test::Place(board, 9,
              {"X . . . X O . . .", "X X X X X O . . .", "O O O O O O . . .",
               kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow});
  Setup(1, 501, 2);
  EXPECT_EQ(engine.SaveThreatenedGroup(), 200);
  Setup(1, 808, 2);
  EXPECT_EQ(engine.SaveThreatenedGroup(), -1);
  Setup(1, -1, 2);
  EXPECT_EQ(engine.SaveThreatenedGroup(), -1);
}

TEST_F(LateGenerators, PassGuardPassesWhenTwoEyesAreMade) {
  // Two eyes on the edge, and two eyes with a third liberty outside that
  // White may fill: nothing at stake for either side.
  test::Place(board, 9,
              {"X . X . X O . . .", "X X X X X O . . .", "O O O O O O . . .",
               kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow});
  Setup(1, 402, 3);
  EXPECT_EQ(Guard(engine, board), -1);
  Setup(-1, 402, 3);
  EXPECT_EQ(Guard(engine, board), -1);

  test::Place(board, 9,
              {". X . X O . . . .", "X X X X O . . . .", "X X O O O . . . .",
               "O . O . . . . . .", "O O O . . . . . .", kEmptyRow, kEmptyRow,
               kEmptyRow, kEmptyRow});
  Setup(1, 402, 3);
  EXPECT_EQ(Guard(engine, board), -1);
}

TEST_F(LateGenerators, PassGuardTakesAChainInAtari) {
  // White's five stones have one liberty left inside Black's wall: Black
  // takes them; White has no move that saves them and passes.
  test::Place(board, 9,
              {"X O . O X . . . .", "X O O O X . . . .", "X X X X X . . . .",
               kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow});
  Setup(1, 402, 3);
  EXPECT_EQ(Guard(engine, board), 200);
  Setup(-1, 402, 3);
  EXPECT_EQ(Guard(engine, board), -1);
}

TEST_F(LateGenerators, PassGuardWinsTheRaceFromOutside) {
  // Black's corner group (a two-point eye) and White's wall around it have
  // two liberties each. Black to move fills an outside liberty of the wall
  // and wins the race; White has no move that helps (inside is
  // self-atari) and passes.
  test::Place(board, 9,
              {". . X X O . X . .", "X X X X O X X . .", "O O O O O . X . .",
               "X X X X X X X . .", kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow,
               kEmptyRow});
  Setup(1, 402, 3);
  const int move = Guard(engine, board);
  EXPECT_TRUE(move == 500 || move == 502) << move;
  Setup(-1, 402, 3);
  EXPECT_EQ(Guard(engine, board), -1);
}

TEST_F(LateGenerators, PassGuardFillsANeutralPoint) {
  // Two walls with a column of neutral points between them: each side
  // fills the first one it meets; the stone keeps plenty of liberties.
  const char* row = ". . . X . O . . .";
  test::Place(board, 9, {row, row, row, row, row, row, row, row, row});
  Setup(1, 402, 3);
  EXPECT_EQ(Guard(engine, board), 400);
  Setup(-1, 402, 3);
  EXPECT_EQ(Guard(engine, board), 400);
}

}  // namespace
}  // namespace late_test
}  // namespace kz
