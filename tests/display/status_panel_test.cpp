// The status panel's texts, read from the canvas calls: where each pattern
// and number is written, the red clock past the limit, the last move, the
// counts and the result lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "display/board_geometry.h"
#include "display/status_panel.h"
#include "support/fake_host.h"

namespace kz::display {
namespace {

using test::RecordingCanvas;

bool Has(const RecordingCanvas& c, const std::string& call) {
  return std::find(c.calls.begin(), c.calls.end(), call) != c.calls.end();
}

std::string Text(int x, int y, const std::string& s) {
  return "text " + std::to_string(x) + "," + std::to_string(y) + " " + s;
}

// Index of the first call equal to `call`, or -1.
int IndexOf(const RecordingCanvas& c, const std::string& call) {
  const auto it = std::find(c.calls.begin(), c.calls.end(), call);
  return it == c.calls.end() ? -1 : static_cast<int>(it - c.calls.begin());
}

struct Panel {
  PlaneBoard board;
  std::array<int, 570> moves{};
  PanelState state;
  explicit Panel(int size) {
    board.Reset(size, 0);
    state.moves = moves;
  }
  RecordingCanvas Paint(std::string* result = nullptr) {
    RecordingCanvas c;
    std::string r = PaintStatusPanel(c, board, state);
    if (result != nullptr) *result = r;
    return c;
  }
};

TEST(StatusPanel, SmallNineLineTwelveDotLayout) {
  Panel p(9);
  p.state.timeLimit = 0;
  p.state.blackSeconds = 3725;  // 1:02:05
  p.state.whiteSeconds = 10;
  const RecordingCanvas c = p.Paint();
  EXPECT_TRUE(Has(c, Text(221, 270, "対局者")));
  EXPECT_TRUE(Has(c, Text(257, 270, "(各  :  )(計  :  :  )")));
  EXPECT_TRUE(Has(c, Text(257 + 72, 270, "01"))) << "hours of both clocks together";
  EXPECT_TRUE(Has(c, Text(257 + 90, 270, "02")));
  EXPECT_TRUE(Has(c, Text(257 + 108, 270, "15")));
  EXPECT_TRUE(Has(c, Text(221, 285, "　黒番 :")));
  EXPECT_TRUE(Has(c, Text(270, 285, "貴方")));
  EXPECT_TRUE(Has(c, Text(310, 285, "(  :  :  )")));
  EXPECT_TRUE(Has(c, Text(316, 285, "01")));
  EXPECT_TRUE(Has(c, Text(334, 285, "02")));
  EXPECT_TRUE(Has(c, Text(352, 285, "05")));
  EXPECT_TRUE(Has(c, Text(221, 300, "　白番 :")));
  EXPECT_TRUE(Has(c, Text(31, 225, "手合：    ")));
  EXPECT_TRUE(Has(c, Text(68, 225, "互先　")));
  EXPECT_TRUE(Has(c, Text(110, 225, "(普通の碁)")));
  EXPECT_TRUE(Has(c, Text(31, 240, "次は黒番第　　手(白番         ")));
  EXPECT_TRUE(Has(c, Text(95, 240, "  1")));
  EXPECT_TRUE(Has(c, Text(31, 255, "ハマ：黒　　目　")));
  EXPECT_TRUE(Has(c, Text(127, 255, "白　　目")));
  EXPECT_TRUE(Has(c, Text(31, 270, "終局：黒地　　目：計　　目")));
  EXPECT_TRUE(Has(c, Text(31, 285, "　　　白地　　目：計　　目")));
  EXPECT_TRUE(Has(c, Text(31, 300, "　　　　　　　　　　　　　　"))) << "result cleared";
  // No limit: nothing is written into 各's hours and minutes.
  EXPECT_FALSE(Has(c, Text(257 + 18, 270, "00")));
}

TEST(StatusPanel, ColumnsOfEveryPainter) {
  struct Case { int size, style, layout, x, y, lowerX, lowerY; };
  for (const Case& k : {Case{9, 0, 16, 245, 271, 25, 220}, Case{13, 1, 12, 305, 270, 305, 315},
                        Case{19, 0, 16, 425, 259, 425, 310}, Case{9, 2, 12, 349, 270, 349, 315},
                        Case{13, 2, 16, 483, 259, 483, 310}, Case{19, 2, 12, 701, 270, 701, 315}}) {
    const PanelColumns c = ColumnsFor(k.size, k.style, k.layout);
    EXPECT_EQ(c.upperX, k.x);
    EXPECT_EQ(c.upperY, k.y);
    EXPECT_EQ(c.lowerX, k.lowerX);
    EXPECT_EQ(c.lowerY, k.lowerY);
  }
  EXPECT_EQ(ColumnsFor(9, 0, 16).trailingSpaces, 5);
  EXPECT_EQ(ColumnsFor(19, 1, 12).trailingSpaces, 11);
  EXPECT_EQ(ColumnsFor(19, 2, 16).trailingSpaces, 7);
  EXPECT_EQ(ColumnsFor(13, 0, 12).trailingSpaces, 9);
}

TEST(StatusPanel, ClockTurnsRedOnlyPastTheLimitAndTheInkComesBack) {
  Panel p(19);
  p.state.timeLimit = 1;
  p.state.blackSeconds = 60;  // exactly at the limit
  p.state.whiteSeconds = 61;  // one second beyond
  const RecordingCanvas c = p.Paint();
  const std::string red = "text-colour " + std::to_string(kOverTimeInk);
  const std::string black = "text-colour " + std::to_string(kPanelInk);
  const int whiteClock = IndexOf(c, Text(431 + 89, 300, "(  :  :  )"));
  const int blackClock = IndexOf(c, Text(431 + 89, 285, "(  :  :  )"));
  ASSERT_GE(whiteClock, 0);
  ASSERT_GE(blackClock, 0);
  EXPECT_EQ(c.calls[whiteClock - 1], red);
  EXPECT_NE(c.calls[blackClock - 1], red);
  EXPECT_EQ(c.calls[whiteClock + 4], black) << "pattern, three numbers, then the old ink";
  EXPECT_TRUE(Has(c, Text(431 + 36 + 18, 270, "00")));  // 各 00:01
  EXPECT_TRUE(Has(c, Text(431 + 36 + 36, 270, "01")));
}

TEST(StatusPanel, LastMovePassAndResignation) {
  Panel p(19);
  p.moves[0] = 3 * 100 + 15 + 1;  // D16
  p.state.movesPlayed = 1;
  p.state.sideToMove = -1;
  RecordingCanvas c = p.Paint();
  EXPECT_TRUE(Has(c, Text(431, 330, "次は白番第　　手(黒番           ")));
  EXPECT_TRUE(Has(c, Text(431 + 64, 330, "  2")));
  EXPECT_TRUE(Has(c, Text(431 + 126, 330, "D-16)")));

  p.moves[1] = -100;
  p.state.movesPlayed = 2;
  p.state.sideToMove = 1;
  c = p.Paint();
  EXPECT_TRUE(Has(c, Text(431 + 126, 330, "パス)    ")));

  p.state.resultDisplay = 1;
  std::string result;
  c = p.Paint(&result);
  EXPECT_TRUE(Has(c, Text(431 + 102, 330, "黒番投了) ")));
  EXPECT_TRUE(Has(c, Text(431, 390, "　　　○ 白中押し勝ち　　　")));
  EXPECT_EQ(result, "白中押し勝ち");
}

TEST(StatusPanel, NamesFromTheRecordOrTheKindsLabels) {
  Panel p(13);
  p.state.blackKind = 1;
  p.state.whiteName = "   ";
  p.state.whiteKind = 2;
  RecordingCanvas c = p.Paint();
  EXPECT_TRUE(Has(c, Text(305 + 49, 285, "風織")));
  EXPECT_TRUE(Has(c, Text(305 + 49, 300, "通信")));
  p.state.blackName = "本因坊";
  c = p.Paint();
  EXPECT_TRUE(Has(c, Text(305 + 49, 285, "本因坊")));
}

TEST(StatusPanel, CountsAndResultDuringTheEndOfGame) {
  // Black owns columns 0–1 (18 points), White columns 7–8 (18 points).
  Panel p(9);
  int colour = 1;
  for (int j = 0; j < 9; ++j) {
    p.board.PlayStone(2, j, 1, 1);
    p.board.PlayStone(6, j, -1, 1);
  }
  (void)colour;
  p.board.CountTerritory();
  p.state.endOfGame = true;
  p.state.blackPrisoners = 3;
  std::string result;
  RecordingCanvas c = p.Paint(&result);
  EXPECT_TRUE(Has(c, Text(31 + 64, 270, " 18")));
  EXPECT_TRUE(Has(c, Text(31 + 124, 270, " 21")));
  EXPECT_TRUE(Has(c, Text(31 + 124, 285, " 18")));
  // Even game: W 18 > B 21 − 6, so White wins by 18 − 21 + 5 = 2.5.
  EXPECT_TRUE(Has(c, Text(31, 300, "　　　○ 白　　目半勝ち　　")));
  EXPECT_TRUE(Has(c, Text(31 + 66, 300, "  2")));
  EXPECT_EQ(result, "白  2目半勝ち");

  p.state.blackPrisoners = 6;  // B 24: Black by 24 − 18 − 6 = 0.5
  c = p.Paint(&result);
  EXPECT_TRUE(Has(c, Text(31, 300, "　　　● 黒　　目半勝ち　　")));
  EXPECT_EQ(result, "黒  0目半勝ち");

  p.state.handicap = 1;  // no komi: a draw is possible
  p.state.blackPrisoners = 0;
  c = p.Paint(&result);
  EXPECT_TRUE(Has(c, Text(31, 300, "　　　◎ 持碁でーす(^_^) 　")));
  EXPECT_EQ(result, "持碁");

  p.state.endOfGame = false;  // totals are 0 outside the procedure
  c = p.Paint(&result);
  EXPECT_TRUE(Has(c, Text(31 + 124, 270, "  0")));
  EXPECT_EQ(result, "");
}

TEST(StatusPanel, LabelsFollowTheTurnedBoard) {
  Panel p(19);
  RecordingCanvas c = p.Paint();
  EXPECT_TRUE(Has(c, Text(20 + 7, 7, "A")));
  EXPECT_TRUE(Has(c, Text(2, 20 + 4, " 1")));
  p.state.orientation = -1;
  c = p.Paint();
  EXPECT_TRUE(Has(c, Text(20 + 7, 7, "T")));
  EXPECT_TRUE(Has(c, Text(2, 20 + 4, "19")));
}

TEST(ViewExtent, EverythingFitsInEveryStyleSizeAndFont) {
  for (int style = 0; style < 3; ++style) {
    for (int size : {9, 13, 19}) {
      for (int layout : {12, 16}) {
        const ViewExtent e = RequiredViewExtent(size, style, layout);
        const int board = kBoardOrigin + BoardImageSide(style, size);
        EXPECT_GT(e.width, board);
        EXPECT_GT(e.height, board);
        EXPECT_GT(e.width, TitlePlateX(size, style, layout) + 144);
        const PanelColumns c = ColumnsFor(size, style, layout);
        // The cleared result line is the widest: 14 full-width characters.
        EXPECT_GE(e.width, c.lowerX + 14 * layout);
        EXPECT_GE(e.height, c.lowerY + 5 * c.lineStep + layout);
      }
    }
  }
  // 19 lines in the small styles need more than the 630 pixels of old.
  EXPECT_GT(RequiredViewExtent(19, 0, 12).width, 622);
}

}  // namespace
}  // namespace kz::display
