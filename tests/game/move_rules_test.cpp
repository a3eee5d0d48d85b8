// The rule side of a player's move: turn order, the Keima-go gate, refusal
// messages and prisoners.
#include "game/move_rules.h"

#include <gtest/gtest.h>

namespace kz {
namespace {

TEST(WhoMovesFirst, WhiteOnlyWithHandicapStones) {
  EXPECT_EQ(FirstMover(0), 1);
  EXPECT_EQ(FirstMover(1), 1);
  EXPECT_EQ(FirstMover(2), -1);
  EXPECT_EQ(FirstMover(9), -1);
}

TEST(RefusalMessages, ExactTexts) {
  EXPECT_EQ(RefusalMessage(kOccupied),
            "そこにはもう石がありますよ(^_^;) 打ち直してね");
  EXPECT_EQ(RefusalMessage(kSuicide), "自殺点ですよ(^_^;) 打ち直してね");
  EXPECT_EQ(RefusalMessage(kKo), "コウ材を打ってからでないと(^_^;) 打ち直してね");
  EXPECT_EQ(RefusalMessage(kKeimaRefused), "ケイマの脚がついてませんよ(^_^;)");
  EXPECT_TRUE(RefusalMessage(0).empty());
  EXPECT_TRUE(RefusalMessage(kOwnEyeFill).empty());
}

PlayState Keima(int handicap) {
  PlayState s;
  s.rule = kKeimaRule;
  s.handicap = handicap;
  s.sideToMove = FirstMover(handicap);
  return s;
}

TEST(KeimaGo, EvenGameFirstMovesAreFreeThenKnightsMovesOnly) {
  PlaneBoard board;
  board.Reset(19, 0);
  PlayState s = Keima(0);
  EXPECT_TRUE(TryMove(board, s, 3, 3).legal);    // Black anywhere
  EXPECT_TRUE(TryMove(board, s, 15, 15).legal);  // White anywhere
  // Black's second stone one point diagonally away: refused.
  MoveOutcome r = TryMove(board, s, 4, 4);
  EXPECT_FALSE(r.legal);
  EXPECT_EQ(r.code, kKeimaRefused);
  EXPECT_EQ(s.sideToMove, 1) << "the turn stays";
  EXPECT_EQ(s.movesPlayed, 2);
  EXPECT_EQ(board.GetChain(4, 4), 0);
  // A knight's move away: accepted.
  EXPECT_TRUE(TryMove(board, s, 4, 5).legal);
  // The Keima test comes before the occupied test.
  r = TryMove(board, s, 3, 3);
  EXPECT_EQ(r.code, kKeimaRefused);
  r = TryMove(board, s, 16, 17);  // White's knight's move from (15, 15)
  EXPECT_TRUE(r.legal);
}

TEST(KeimaGo, HandicapGameWhitesFirstMoveIsFreeBlacksNeedsAPartner) {
  PlaneBoard board;
  board.Reset(19, 2);
  PlayState s = Keima(2);
  ASSERT_EQ(s.sideToMove, -1);
  EXPECT_TRUE(TryMove(board, s, 9, 9).legal);
  EXPECT_EQ(TryMove(board, s, 10, 10).code, kKeimaRefused);
  EXPECT_TRUE(TryMove(board, s, 13, 4).legal);  // knight's move from (15, 3)
}

TEST(KeimaGo, JapaneseRulesNeverTest) {
  PlaneBoard board;
  board.Reset(9, 0);
  PlayState s;
  EXPECT_TRUE(TryMove(board, s, 4, 4).legal);
  EXPECT_TRUE(TryMove(board, s, 0, 0).legal);
  EXPECT_TRUE(TryMove(board, s, 5, 5).legal);
  EXPECT_FALSE(KeimaTestApplies(kJapaneseRule, 10, 0));
  EXPECT_FALSE(KeimaTestApplies(kKeimaRule, 1, 1));
  EXPECT_TRUE(KeimaTestApplies(kKeimaRule, 1, 2));
  EXPECT_FALSE(KeimaTestApplies(kKeimaRule, 0, 2));
  EXPECT_TRUE(KeimaTestApplies(kKeimaRule, 2, 0));
}

TEST(Prisoners, CapturesGoToTheMoverAndStateAdvances) {
  PlaneBoard board;
  board.Reset(9, 0);
  PlayState s;
  // Black surrounds a White stone at (1, 0) on the edge.
  ASSERT_TRUE(TryMove(board, s, 0, 0).legal);
  ASSERT_TRUE(TryMove(board, s, 1, 0).legal);
  ASSERT_TRUE(TryMove(board, s, 1, 1).legal);
  ASSERT_TRUE(TryMove(board, s, 8, 8).legal);
  const MoveOutcome r = TryMove(board, s, 2, 0);
  EXPECT_TRUE(r.legal);
  EXPECT_EQ(r.captured, 1);
  EXPECT_EQ(s.blackPrisoners, 1);
  EXPECT_EQ(s.whitePrisoners, 0);
  EXPECT_EQ(s.movesPlayed, 5);
  EXPECT_EQ(s.lastMove, 200);
  EXPECT_EQ(s.sideToMove, -1);
  PassMove(s);
  EXPECT_EQ(s.consecutivePasses, 1);
  EXPECT_EQ(s.lastMove, -1);
  EXPECT_EQ(s.sideToMove, 1);
  ASSERT_TRUE(TryMove(board, s, 5, 5).legal);
  EXPECT_EQ(s.consecutivePasses, 0);
  // A refused move changes nothing.
  const PlayState before = s;
  EXPECT_EQ(TryMove(board, s, 5, 5).code, kOccupied);
  EXPECT_EQ(s.movesPlayed, before.movesPlayed);
  EXPECT_EQ(s.sideToMove, before.sideToMove);
}

}  // namespace
}  // namespace kz
