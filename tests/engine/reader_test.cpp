// Capture reading on real positions. Diagrams: rows from the top (j),
// columns from the left (i); readers take (i, j).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/think_engine.h"
#include "support/board_diagram.h"

namespace kz {
namespace {

class Readers : public ::testing::Test {
 protected:
  void Setup(int faster = 0) { engine.SetupGame(board, 0, 0, 1, faster, 0); }
  PlaneBoard board;
  ThinkEngine engine;
};

// A ladder: the Black stone at (5, 5) in atari runs down to the left.
void LadderStart(PlaneBoard& b, const char* row10 = ". . . . . . . . . .",
                 const char* row11 = ". . . . . . . . . .") {
  test::Place(b, 19,
              {". . . . . . . . . .", ". . . . . . . . . .",
               ". . . . . . . . . .", ". . . . . . . . . .",
               ". . . . . O . . . .", ". . . . O X O . . .",
               ". . . . . . O . . .", ". . . . . . . . . .",
               ". . . . . . . . . .", ". . . . . . . . . .", row10, row11});
}

TEST_F(Readers, LadderWorksOnAnOpenBoard) {
  LadderStart(board);
  Setup();
  const ReadResult r = engine.ReadAtari(board, 5, 5);
  EXPECT_EQ(r.status, 1);
}

TEST_F(Readers, LadderBreakerOfTheDefenderSavesTheChain) {
  LadderStart(board, ". X . . . . . . . .");
  Setup();
  const ReadResult r = engine.ReadAtari(board, 5, 5);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.move, 506);  // the escape: extend on the liberty
}

TEST_F(Readers, AttackersStoneOnThePathDoesNotBreakTheLadder) {
  LadderStart(board, ". O . . . . . . . .");
  Setup();
  EXPECT_EQ(engine.ReadAtari(board, 5, 5).status, 1);
}

TEST_F(Readers, LaddersReadTheSameForAWhiteChain) {
  // The same ladders with the colours exchanged: a White chain, White's
  // breaker saves it, a Black stone on the path does not.
  const char* rows[] = {". . . . . . . . . .", ". . . . . . . . . .",
                        ". . . . . . . . . .", ". . . . . . . . . .",
                        ". . . . . X . . . .", ". . . . X O X . . .",
                        ". . . . . . X . . .", ". . . . . . . . . .",
                        ". . . . . . . . . .", ". . . . . . . . . ."};
  for (const char* row10 : {". . . . . . . . . .", ". O . . . . . . . .",
                            ". X . . . . . . . ."}) {
    test::Place(board, 19,
                {rows[0], rows[1], rows[2], rows[3], rows[4], rows[5], rows[6],
                 rows[7], rows[8], rows[9], row10});
    Setup();
    const int expected = row10[2] == 'O' ? 0 : 1;
    EXPECT_EQ(engine.ReadAtari(board, 5, 5).status, expected) << row10;
  }
}

TEST_F(Readers, LadderBreakerWorksWithFasterMovesToo) {
  LadderStart(board, ". X . . . . . . . .");
  Setup(1);
  EXPECT_EQ(engine.ReadAtari(board, 5, 5).status, 0);
}

TEST_F(Readers, ChaseEndsAtFourLibertiesAndAtSuicide) {
  // Extending to (5, 6) gives four liberties: out at once.
  test::Place(board, 19,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . O . . .", ". . . . O X O . .",
               ". . . . . . . . ."});
  Setup();
  CopyBoard(board, engine.Work(kChaseBoard), 19);
  EXPECT_EQ(engine.ReadChase(506, 1), 0);
  // A liberty where the defender's stone would be suicide: caught.
  test::Place(board, 9,
              {". X O . . . . . .", "X O O . . . . . .", "O O . . . . . .",
               ". . . . . . . . ."});
  Setup();
  CopyBoard(board, engine.Work(kChaseBoard), 9);
  EXPECT_EQ(engine.ReadChase(0, 1), 1);
}

TEST_F(Readers, TwoLibertyChainThatCanBeLadderedIsCapturable) {
  // Before the atari: White to play (5, 6) starts the ladder.
  test::Place(board, 19,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . O . . .", ". . . . O X . . .",
               ". . . . . . O . ."});
  Setup();
  const ReadResult r = engine.ReadTwoLiberties(board, 5, 5);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.move == 605 || r.move == 506) << r.move;  // either way
}

TEST_F(Readers, EdgeRuleTakesASecondLineChainWithoutAChase) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . O X O . .", ". . . . . O . . .",
               ". . . . . . . . .", ". . . . . . . . ."});
  Setup();
  const ReadResult r = engine.ReadAtari(board, 5, 1);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.move, -1);
}

TEST_F(Readers, EdgeRuleIsForTheFirstTwoLinesOnly) {
  // The same shape one line higher runs out into the open.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . O . . .", ". . . . O X O . .",
               ". . . . . . . . .", ". . . . . . . . ."});
  Setup();
  const ReadResult r = engine.ReadAtari(board, 5, 2);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.move, 503);
}

TEST_F(Readers, RescueByCapturingANeighbourInAtari) {
  test::Place(board, 9,
              {". . . X . . . . .", ". O X O X . . . .", ". . O . . . . . .",
               ". . . . . . . . ."});
  Setup();
  const ReadResult r = engine.ReadAtari(board, 2, 1);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.move, 302);
  const ReadResult rescue = engine.FindRescuingCapture2(board, board.GetLink(2, 1), 1, 0);
  EXPECT_EQ(rescue.status, 1);
  EXPECT_EQ(rescue.move, 301);
}

TEST_F(Readers, NetCatchesAStoneThatCannotRun) {
  // White's flanking stones leave the Black stone two liberties; the net
  // (geta) at (6, 6) captures it.
  test::Place(board, 19,
              {". . . . . . . . . .", ". . . . . . . . . .",
               ". . . . . . . . . .", ". . . . . . . . . .",
               ". . . . . O O . . .", ". . . . O X . . . .",
               ". . . . O . . . . .", ". . . . . . . . . ."});
  Setup();
  const ReadResult r = engine.ReadTwoLiberties(board, 5, 5);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.move, 606);
}

TEST_F(Readers, SnapbackCapturesTheTwoLibertyChain) {
  test::Place(board, 9,
              {". X O . X . . . .", ". X O . O . . . .", ". . X O . . . . .",
               ". . . . . . . . ."});
  Setup();
  const ReadResult r = engine.ReadTwoLiberties(board, 2, 0);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.move, 301);
}

TEST_F(Readers, EyeTrapCapturesAStoneInAThreePointSpace) {
  test::Place(board, 9,
              {"X . O . . . . . .", ". . O . . . . . .", "O O O . . . . . .",
               ". . . . . . . . ."});
  Setup();
  EXPECT_EQ(engine.ReadTwoLiberties(board, 0, 0).status, 1);
}

TEST_F(Readers, TwoLibertyChainInTheOpenIsSafe) {
  // Liberties on opposite sides: either atari lets it out to three.
  test::Place(board, 19,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . O X O . .",
               ". . . . . . . . ."});
  Setup();
  ASSERT_EQ(board.ChainLiberties(5, 5), 2);
  EXPECT_EQ(engine.ReadTwoLiberties(board, 5, 5).status, 0);
}

TEST_F(Readers, ThreeLibertiesInTheOpenAreSafeAndInAClosedCornerAreNot) {
  test::Place(board, 19,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . O . . .", ". . . . . X . . .",
               ". . . . . . . . ."});
  Setup();
  ASSERT_EQ(board.ChainLiberties(5, 5), 3);
  EXPECT_EQ(engine.ReadThreeLiberties(board, 5, 5).status, 0);

  test::Place(board, 9,
              {"X X . O . . . . .", ". . . O . . . . .", "O O O O . . . . .",
               ". . . . . . . . ."});
  Setup();
  ASSERT_EQ(board.ChainLiberties(0, 0), 3);
  const ReadResult r = engine.ReadThreeLiberties(board, 0, 0);
  EXPECT_EQ(r.status, 1);
  EXPECT_GE(r.move, 0);
}

TEST_F(Readers, LadderThatRunsIntoAStoneInAtariFails) {
  // The ladder's path reaches (3, 7), the last liberty of the White stone
  // at (3, 8): extending there takes it and the chain gets out.
  LadderStart(board);
  board.PlayStone(3, 8, -1, 0);
  board.PlayStone(2, 8, 1, 0);
  board.PlayStone(4, 8, 1, 0);
  board.PlayStone(3, 9, 1, 0);
  Setup();
  ASSERT_EQ(board.ChainLiberties(3, 8), 1);
  EXPECT_EQ(engine.ReadAtari(board, 5, 5).status, 0);
}

TEST_F(Readers, FiveLibertiesAreNeverRead) {
  // A Black chain deep in White's corner with five liberties: safe by count.
  test::Place(board, 9,
              {". . . . . O . . .", ". X X . . O . . .", ". . . . . O . . .",
               ". . . . . O . . .", "O O O O O O . . ."});
  Setup();
  ASSERT_GE(board.ChainLiberties(1, 1), 5);
  EXPECT_EQ(engine.ReadByLiberties(board, 1, 1).status, 0);
  EXPECT_TRUE(engine.SafetyCheck(board, 3, 1, 1));  // joins: 7 liberties
}

TEST_F(Readers, FourLibertiesAreNotReadWithFasterMoves) {
  test::Place(board, 9,
              {". . . . O . . . .", ". X . . O . . . .", ". . . . O . . . .",
               "O O O O O . . . ."});
  Setup(1);
  ASSERT_EQ(board.ChainLiberties(1, 1), 4);
  const ReadResult r = engine.ReadFourLiberties(board, 1, 1);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.move, -1);
  EXPECT_EQ(engine.QuickFourLibertyTest(board, 1, 1), 0);
}

TEST_F(Readers, SafetyCheckRejectsSelfAtariAndSuicide) {
  test::Place(board, 9,
              {". O . . . . . . .", "O . O . . . . . .", ". O . . . . . . .",
               ". . . . . . . . ."});
  Setup();
  EXPECT_FALSE(engine.SafetyCheck(board, 1, 1, 1));  // suicide
  EXPECT_FALSE(engine.SafetyCheck(board, 0, 0, 1));  // suicide in the corner
  EXPECT_TRUE(engine.SafetyCheck(board, 5, 5, 1));
}

TEST_F(Readers, LibertiesAfterMoveCountsChainsOnce) {
  test::Place(board, 9,
              {". . . . . . . . .", ". X X . . . . . .", ". . X . . . . . .",
               ". . . . . . . . ."});
  Setup();
  CopyBoard(board, engine.Work(kChaseBoard), 9);
  EXPECT_EQ(engine.LibertiesAfterMove(6, 6, 1), 4);
  // (1, 2) touches the chain twice (counted once) and has two empty sides.
  EXPECT_EQ(engine.LibertiesAfterMove(1, 2, 1), 2 + board.ChainLiberties(1, 1));
}

TEST_F(Readers, GroupSettledWithTwoEyesNotWithOneOrNone) {
  test::Place(board, 9,
              {". X . X O . . . .", "X X X X O . . . .", "O O O O O . . . .",
               ". . . . . . . . ."});
  Setup();
  EXPECT_EQ(engine.IsGroupSettled(1, 1, board), 1);
  EXPECT_EQ(engine.IsGroupSettled(6, 6, board), 0);  // an empty point

  test::Place(board, 9,
              {". X X X O . . . .", "X X X X O . . . .", "O O O O O . . . .",
               ". . . . . . . . ."});
  EXPECT_EQ(engine.IsGroupSettled(1, 1, board), 0);

  test::Place(board, 9,
              {". . . . . . . . .", ". . O . . . . . .", ". . . . . . . . .",
               ". . . . X . . . .", ". . . . X . . . .", ". . . . . . . . .",
               ". . . . . . O . ."});
  EXPECT_EQ(engine.IsGroupSettled(4, 3, board), 0);
}

TEST_F(Readers, DeadCornerStonesAreMarkedAndLivingGroupsAreNot) {
  test::Place(board, 9,
              {"X X . O . . . . .", ". . . O . . . . .", "O O O O . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . X X X X",
               ". . . . . X . X .", ". . . . . X X X X", ". . . . . . . . ."});
  Setup();
  engine.AnalysePosition(board, 1, 2, 0);
  EXPECT_EQ(board.GetDead(0, 0), 1);
  EXPECT_EQ(board.GetDead(1, 0), 1);
  EXPECT_EQ(board.GetDead(3, 0), 0);
  EXPECT_EQ(board.GetDead(5, 5), 0);
  EXPECT_EQ(board.GetDead(8, 7), 0);
}

// Every reader leaves the board it examines exactly as it found it.
std::vector<int> Snapshot(const PlaneBoard& b) {
  std::vector<int> s;
  const int n = b.GetSize();
  s.push_back(b.GetLastBlackChainId());
  s.push_back(b.GetLastWhiteChainId());
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      for (auto get : {&PlaneBoard::GetChain, &PlaneBoard::GetPrevious,
                       &PlaneBoard::GetRegion, &PlaneBoard::GetEye,
                       &PlaneBoard::GetTerritory, &PlaneBoard::GetLink,
                       &PlaneBoard::GetDead, &PlaneBoard::GetInfluence,
                       &PlaneBoard::GetBlackInfluence,
                       &PlaneBoard::GetWhiteInfluence})
        s.push_back((b.*get)(i, j));
    }
  return s;
}

void RandomPosition(PlaneBoard& b, int size, int stones, std::uint32_t seed) {
  b.Reset(size, 0);
  int colour = 1, placed = 0;
  for (int tries = 0; placed < stones && tries < 20000; ++tries) {
    seed = seed * 1664525u + 1013904223u;
    const int i = (seed >> 8) % size, j = (seed >> 20) % size;
    if (b.GetChain(i, j) != 0) continue;
    const int r = b.PlayStone(i, j, colour, 0);
    if (r == kOccupied || r == kSuicide || r == kKo) continue;
    ++placed;
    colour = -colour;
  }
}

TEST_F(Readers, EveryReaderRestoresTheBoard) {
  int reads = 0;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    const int size = seed % 3 == 0 ? 9 : seed % 3 == 1 ? 13 : 19;
    RandomPosition(board, size, size * size / 3, seed * 7919u);
    engine.SetupGame(board, 0, 0, 1, seed % 2, 0);
    const std::vector<int> before = Snapshot(board);
    for (int i = 0; i < size; ++i) {
      for (int j = 0; j < size; ++j) {
        if (board.GetChain(i, j) == 0) {
          engine.SafetyCheck(board, i, j, seed % 2 ? 1 : -1, kSafetyQuickTests);
          continue;
        }
        const int libs = board.ChainLiberties(i, j);
        if (libs == 1) engine.ReadAtari(board, i, j);
        if (libs == 2) {
          engine.ReadTwoLiberties(board, i, j);
          engine.QuickTwoLibertyTest(board, i, j);
          engine.CaptureRaceTest(board, i, j);
          engine.CanAtariSafely(board, i, j);
        }
        if (libs == 3) {
          engine.ReadThreeLiberties(board, i, j);
          engine.ConfirmThreeLibertyCapture(board, i, j);
        }
        if (libs == 4) engine.ReadFourLiberties(board, i, j);
        ++reads;
        ASSERT_EQ(Snapshot(board), before)
            << "seed " << seed << " at " << i << "," << j;
      }
    }
  }
  EXPECT_GT(reads, 300);
}

}  // namespace
}  // namespace kz

namespace kz {
namespace {

TEST_F(Readers, DeadMarkHelpersWorkOnWholeChains) {
  // Two Black chains joined diagonally across two empty points, and a
  // White chain of two liberties touching the second.
  test::Place(board, 9,
              {"X X . . . . . . .", ". . X X . . . . .", ". X O O X . . . .",
               ". . . . . . . . ."});
  Setup();
  for (int i : {0, 1}) board.SetDead(i, 0, 1);
  for (int i : {2, 3}) board.SetDead(i, 1, 1);
  engine.UnmarkDeadChain(board, 0, 0, 1);
  EXPECT_EQ(board.GetDead(1, 0), 0);
  EXPECT_EQ(board.GetDead(3, 1), 0);  // joined across (1, 1) and (2, 0)

  engine.MarkWeakNeighbours(board, 2, 1);
  EXPECT_EQ(board.GetDead(2, 2), 1);
  EXPECT_EQ(board.GetDead(3, 2), 1);
  EXPECT_EQ(board.GetDead(0, 0), 0);
}

TEST_F(Readers, EyeAreasAndChainTouches) {
  test::Place(board, 9,
              {". X . X O . . . .", "X X X X O . . . .", "O O O O O . . . .",
               ". . . . . . . . ."});
  Setup();
  EXPECT_EQ(engine.CountEyeAreas(1, 1, board, 1), 2);
  EXPECT_EQ(engine.FirstLiberty(board, 1, 1), 0);  // (0, 0), row-major first
  EXPECT_EQ(engine.TouchesOtherChain(board, board.GetChain(1, 1),
                                     board.GetChain(4, 0), -1),
            0);
  EXPECT_EQ(engine.CanCaptureNeighbour(board, board.GetLink(1, 1)), 0);
}

}  // namespace
}  // namespace kz
