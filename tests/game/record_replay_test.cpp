// Rebuilding the position from the record.
#include "game/record_replay.h"

#include <gtest/gtest.h>

#include "records/kifu_format.h"
#include "support/board_diagram.h"
#include "support/random_game.h"
#include "support/temp_dir.h"

namespace kz {
namespace {

constexpr int kPass = -1;

// A 9-line game: Black takes White's corner stone, then passes follow.
class ReplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.StartRecord(9, 0, kUserPlayer, kUserPlayer, 0, 0);
    const int moves[][2] = {{0, 1}, {0, 0}, {1, 0}, {kPass, kPass},
                            {4, 4}, {kPass, kPass}, {kPass, kPass}};
    int k = 0;
    for (auto [i, j] : moves) ASSERT_TRUE(doc.RecordMove(++k, i, j));
  }
  test::TempDir dir{true};
  CKazaoriDoc doc;
  PlaneBoard board;
};

TEST_F(ReplayTest, WholeGame) {
  const PlayState s = RebuildPosition(board, doc, 7);
  EXPECT_EQ(s.movesPlayed, 7);
  EXPECT_EQ(s.blackPrisoners, 1);
  EXPECT_EQ(s.whitePrisoners, 0);
  EXPECT_EQ(s.consecutivePasses, 2);
  EXPECT_EQ(s.sideToMove, -1);
  EXPECT_EQ(s.lastMove, -1);
  EXPECT_EQ(doc.GetCurrentMove(), 7);
  EXPECT_EQ(test::Diagram(board),
            ".X.......\n"
            "X........\n"
            ".........\n"
            ".........\n"
            "....X....\n"
            ".........\n"
            ".........\n"
            ".........\n"
            ".........\n");
}

TEST_F(ReplayTest, PassesCountOnlyAtTheEndOfTheReplayedPart) {
  PlayState s = RebuildPosition(board, doc, 5);
  EXPECT_EQ(s.consecutivePasses, 0);
  EXPECT_EQ(s.lastMove, MoveCodeOf(4, 4));
  EXPECT_EQ(s.sideToMove, -1);
  s = RebuildPosition(board, doc, 4);
  EXPECT_EQ(s.consecutivePasses, 1);
  EXPECT_EQ(s.lastMove, -1);
  EXPECT_EQ(s.sideToMove, 1);
  EXPECT_EQ(s.blackPrisoners, 1) << "the capture before the pass counts again";
  s = RebuildPosition(board, doc, 2);
  EXPECT_EQ(s.blackPrisoners, 0);
  EXPECT_EQ(board.GetChain(0, 0), -1);
  EXPECT_EQ(doc.GetCurrentMove(), 2);
  EXPECT_EQ(doc.GetLastMoveNumber(), 7) << "stepping back keeps the record";
}

TEST_F(ReplayTest, ForwardPastTheEndStopsAndClearsTheLastMove) {
  doc.RecordMove(7, 8, 8);  // the game now ends with a stone
  PlayState s = RebuildPosition(board, doc, 7);
  EXPECT_EQ(s.lastMove, MoveCodeOf(8, 8));
  s = RebuildPosition(board, doc, 8);
  EXPECT_EQ(s.movesPlayed, 7);
  EXPECT_EQ(s.lastMove, -1);
  EXPECT_GT(board.GetChain(8, 8), 0);
  EXPECT_EQ(doc.GetCurrentMove(), 7);
  s = RebuildPosition(board, doc, 100000);
  EXPECT_EQ(s.movesPlayed, 7);
  s = RebuildPosition(board, doc, -3);
  EXPECT_EQ(s.movesPlayed, 0);
}

TEST(Replay, HandicapGameStartsWithItsStonesAndWhiteToMove) {
  test::TempDir dir(true);
  CKazaoriDoc doc;
  doc.StartRecord(13, 4, kUserPlayer, kComputerPlayer, 1, 0);
  doc.RecordMove(1, 6, 6);
  PlaneBoard board;
  PlayState s = RebuildPosition(board, doc, 0);
  EXPECT_EQ(s.sideToMove, -1);
  EXPECT_EQ(s.movesPlayed, 0);
  EXPECT_EQ(s.handicap, 4);
  EXPECT_EQ(s.rule, 1);
  EXPECT_EQ(board.GetSize(), 13);
  EXPECT_EQ(board.GetChain(3, 3), 4);
  EXPECT_EQ(board.GetChain(6, 6), 0);
  s = RebuildPosition(board, doc, 1);
  EXPECT_EQ(board.GetChain(6, 6), -1);
  EXPECT_EQ(s.sideToMove, 1);
}

TEST(Replay, AStoneTheBoardRefusesStillTakesItsTurn) {
  // A hand-edited record playing twice on the same point.
  KifuRecord record;
  ParseKifu("INT 9 0\nMOV\n C03 C03 D04 -0\n", record);
  PlaneBoard board;
  const PlayState s = ReplayRecord(board, record, kMaxRecordMoves);
  EXPECT_EQ(s.movesPlayed, 3);
  EXPECT_GT(board.GetChain(2, 2), 0);
  EXPECT_GT(board.GetChain(3, 3), 0) << "the third move is Black's again";
  EXPECT_EQ(s.sideToMove, -1);
}

TEST(Replay, SameStonesAsAMoveByMoveReplayAndTheInfluenceOfTheEnd) {
  const KifuRecord record = test::RandomGameRecord({.size = 19, .moves = 300, .seed = 9});
  PlaneBoard replayed, stepped;
  const PlayState s = ReplayRecord(replayed, record, 300);
  stepped.Reset(19, 0);
  int side = 1, blackTaken = 0;
  for (int k = 0; k < 300; ++k, side = -side) {
    int i, j;
    if (!EntryPoint(record.moves[k], 19, i, j)) continue;
    const int r = stepped.PlayStone(i, j, side, kReplay);
    if (r > 0 && side > 0) blackTaken += r;
  }
  EXPECT_EQ(s.blackPrisoners, blackTaken);
  EXPECT_GT(blackTaken, 0);
  EXPECT_EQ(test::Diagram(replayed), test::Diagram(stepped));
  PlaneBoard fresh;
  CopyBoard(replayed, fresh, 19);
  fresh.SpreadInfluence();
  EXPECT_EQ(test::PlaneText(replayed, &PlaneBoard::GetInfluence),
            test::PlaneText(fresh, &PlaneBoard::GetInfluence));
  EXPECT_EQ(test::PlaneText(replayed, &PlaneBoard::GetBlackInfluence),
            test::PlaneText(fresh, &PlaneBoard::GetBlackInfluence));
}

}  // namespace
}  // namespace kz
