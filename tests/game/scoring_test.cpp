// The end-of-game score: totals, komi, winner and the result texts.
#include "game/scoring.h"

#include <gtest/gtest.h>

#include "engine/board/plane_board.h"
#include "support/board_diagram.h"

namespace kz {
namespace {

constexpr char kBlankLine[] = "　　　　　　　　　　　　　　";

ScoreInput Counted(int handicap, int black, int white) {
  ScoreInput in;
  in.handicap = handicap;
  in.counting = true;
  in.counts.blackTerritory = black;
  in.counts.whiteTerritory = white;
  return in;
}

TEST(Scoring, EvenGameKomiDecidesHalfPointGames) {
  GameScore s = ScoreGame(Counted(0, 50, 45));
  EXPECT_EQ(s.winner, -1);
  EXPECT_EQ(s.margin, 0);
  EXPECT_TRUE(s.halfPoint);
  EXPECT_EQ(s.panelLine, "　　　○ 白　　目半勝ち　　");
  EXPECT_EQ(s.marginField, "  0");
  EXPECT_EQ(s.resultText, "白  0目半勝ち");

  s = ScoreGame(Counted(0, 51, 45));
  EXPECT_EQ(s.winner, 1);
  EXPECT_EQ(s.margin, 0);
  EXPECT_EQ(s.panelLine, "　　　● 黒　　目半勝ち　　");
  EXPECT_EQ(s.resultText, "黒  0目半勝ち");

  s = ScoreGame(Counted(0, 10, 150));
  EXPECT_EQ(s.margin, 145);
  EXPECT_EQ(s.resultText, "白145目半勝ち");
}

TEST(Scoring, NoKomiInSenAndHandicapGames) {
  GameScore s = ScoreGame(Counted(2, 40, 40));
  EXPECT_TRUE(s.decided);
  EXPECT_EQ(s.winner, 0);
  EXPECT_EQ(s.panelLine, "　　　◎ 持碁でーす(^_^) 　");
  EXPECT_EQ(s.resultText, "持碁");
  EXPECT_EQ(s.marginField, "");

  s = ScoreGame(Counted(1, 47, 42));
  EXPECT_EQ(s.winner, 1);
  EXPECT_EQ(s.margin, 5);
  EXPECT_FALSE(s.halfPoint);
  EXPECT_EQ(s.panelLine, "　　　● 黒　　目勝ち　　　");
  EXPECT_EQ(s.resultText, "黒  5目勝ち");

  s = ScoreGame(Counted(9, 30, 42));
  EXPECT_EQ(s.winner, -1);
  EXPECT_EQ(s.panelLine, "　　　○ 白　　目勝ち　　　");
  EXPECT_EQ(s.resultText, "白 12目勝ち");
}

TEST(Scoring, TotalsAddDeadOpponentStonesAndPrisoners) {
  ScoreInput in = Counted(0, 20, 15);
  in.counts.deadBlack = 3;
  in.counts.deadWhite = 4;
  in.blackPrisoners = 2;
  in.whitePrisoners = 7;
  const GameScore s = ScoreGame(in);
  EXPECT_EQ(s.blackTotal, 26);
  EXPECT_EQ(s.whiteTotal, 25);
  EXPECT_EQ(s.resultText, "白  4目半勝ち");
}

TEST(Scoring, ResignationWinsWithOrWithoutCounting) {
  for (bool counting : {false, true}) {
    ScoreInput in = Counted(0, 80, 0);
    in.counting = counting;
    in.resultDisplay = 1;  // Black resigned
    GameScore s = ScoreGame(in);
    EXPECT_EQ(s.winner, -1);
    EXPECT_EQ(s.panelLine, "　　　○ 白中押し勝ち　　　");
    EXPECT_EQ(s.resultText, "白中押し勝ち");
    EXPECT_EQ(s.margin, -1);
    in.resultDisplay = 2;
    s = ScoreGame(in);
    EXPECT_EQ(s.winner, 1);
    EXPECT_EQ(s.panelLine, "　　　● 黒中押し勝ち　　　");
    EXPECT_EQ(s.resultText, "黒中押し勝ち");
  }
}

TEST(Scoring, OutsideTheCountingModeNothingIsDecided) {
  ScoreInput in = Counted(0, 80, 3);
  in.counting = false;
  in.blackPrisoners = 5;
  const GameScore s = ScoreGame(in);
  EXPECT_FALSE(s.decided);
  EXPECT_EQ(s.blackTotal, 0);
  EXPECT_EQ(s.panelLine, kBlankLine);
  EXPECT_EQ(s.resultText, "");
}

TEST(Scoring, CountsFromTheBoardAfterMarkingADeadStone) {
  PlaneBoard board;
  test::Place(board, {". . X O . . . . .",
                      ". . X O . . . . .",
                      ". . X O . . . . .",
                      ". . X O . . . . .",
                      ". X X O . . . X .",
                      ". X O O . . . . .",
                      "X X O . . . . . .",
                      ". X O . . . . . .",
                      ". X O . . . . . ."});
  EXPECT_EQ(ReadCounts(board).blackTerritory, 0) << "nothing before the first count";
  board.ToggleDeadChain(7, 4);
  board.CountTerritory();
  const BoardCounts c = ReadCounts(board);
  EXPECT_EQ(c.deadBlack, 1);
  EXPECT_EQ(c.deadWhite, 0);
  ScoreInput in;
  in.counting = true;
  in.counts = c;
  const GameScore s = ScoreGame(in);
  EXPECT_EQ(s.blackTotal, c.blackTerritory);
  EXPECT_EQ(s.whiteTotal, c.whiteTerritory + 1);
  EXPECT_GT(c.whiteTerritory, c.blackTerritory);
  EXPECT_EQ(s.winner, -1);
}

}  // namespace
}  // namespace kz
