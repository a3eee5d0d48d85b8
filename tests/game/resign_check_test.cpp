// The computer's resignation estimate.
#include "game/resign_check.h"

#include <gtest/gtest.h>

#include "support/board_diagram.h"

namespace kz {
namespace {

TEST(ResignCheck, FirstCheckAndRecheckBySize) {
  EXPECT_EQ(FirstResignCheckMove(9), 27);
  EXPECT_EQ(FirstResignCheckMove(13), 56);
  EXPECT_EQ(FirstResignCheckMove(19), 120);
  EXPECT_EQ(ResignRecheckInterval(9), 8);
  EXPECT_EQ(ResignRecheckInterval(13), 17);
  EXPECT_EQ(ResignRecheckInterval(19), 36);
}

TEST(ResignCheck, MarginIsHalfThePointsLeftButAtLeastThirty) {
  EXPECT_EQ(ResignMargin(19, 121), 120);
  EXPECT_EQ(ResignMargin(9, 28), 30);
  EXPECT_EQ(ResignMargin(13, 60), 54);
}

TEST(ResignCheck, OffersOnlyWhenBehindByTheMargin) {
  PlaneBoard board;
  test::Place(board, {". . X . . . . . .",
                      ". . X . . . . . .",
                      "X X X . . . . . .",
                      ". . . . . . . . .",
                      ". . . . . . . . .",
                      ". . . . . . . . .",
                      ". . . . . . . . .",
                      ". . . . . . . . .",
                      ". . . . . . . . O"});
  // Black's territory 4 (counted by force), areas and prisoners added.
  ResignEstimate e = EstimateForResign(board, 10, 40, 1, 2, 30);
  EXPECT_EQ(e.blackScore, 4 + 10 + 1);
  EXPECT_EQ(e.whiteScore, 40 + 2);
  EXPECT_EQ(e.margin, 30);
  EXPECT_FALSE(ComputerWantsToResign(e, 1, false)) << "42 - 30 < 15";
  e = EstimateForResign(board, 10, 50, 1, 2, 30);
  EXPECT_TRUE(ComputerWantsToResign(e, 1, false)) << "52 - 30 >= 15";
  EXPECT_FALSE(ComputerWantsToResign(e, 1, true)) << "never against a remote";
  EXPECT_FALSE(ComputerWantsToResign(e, -1, false)) << "White is ahead";
}

}  // namespace
}  // namespace kz
