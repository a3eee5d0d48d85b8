// The board's paint as canvas calls: which bitmap lands on which pixel square
// for stones, the last move, dead stones, territory, move numbers and the
// turned board; and the click mapping back to points.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "display/bitmap_ids.h"
#include "display/board_geometry.h"
#include "display/board_painter.h"
#include "support/board_diagram.h"
#include "support/fake_host.h"

namespace kz::display {
namespace {

using test::RecordingCanvas;

std::string At(int id, int x, int y) {
  return "bitmap " + std::to_string(id) + " " + std::to_string(x) + "," + std::to_string(y);
}

bool Has(const RecordingCanvas& c, const std::string& call) {
  return std::find(c.calls.begin(), c.calls.end(), call) != c.calls.end();
}

int Count(const RecordingCanvas& c, const std::string& prefix) {
  return static_cast<int>(std::count_if(c.calls.begin(), c.calls.end(), [&](const std::string& s) {
    return s.rfind(prefix, 0) == 0;
  }));
}

// A record whose moves are played on `board` in order (Black first).
struct Game {
  PlaneBoard board;
  std::array<int, 570> moves{};
  int played = 0;
  int colour = 1;
  explicit Game(int size, int handicap = 0) {
    board.Reset(size, handicap);
    if (handicap >= 2) colour = -1;
  }
  void Play(int i, int j) {
    ASSERT_GE(board.PlayStone(i, j, colour, 1), 0);
    moves[played++] = MoveCodeOf(i, j) + 1;
    colour = -colour;
  }
  void Pass() {
    moves[played++] = -100;
    colour = -colour;
  }
  BoardLook Look(int style = 0) const {
    BoardLook look;
    look.style = style;
    look.previousStyle = style;
    look.handicap = board.GetHandicap();
    look.shownMove = played;
    look.moves = moves;
    return look;
  }
};

RecordingCanvas Paint(const Game& g, const BoardLook& look, bool fullRedraw = false) {
  RecordingCanvas canvas;
  PaintBoard(canvas, g.board, look, fullRedraw);
  return canvas;
}

TEST(ClickMapping, EdgesOfTheGridInBothPitches) {
  for (int style : {0, 2}) {
    const int pitch = Pitch(style);
    for (int size : {9, 13, 19}) {
      const int last = 19 + size * pitch;
      EXPECT_EQ(PointAtPixel(19, 30, style, size, 1), Point{}) << "x = 19 is off";
      EXPECT_EQ(PointAtPixel(20, 20, style, size, 1), (Point{0, 0}));
      EXPECT_EQ(PointAtPixel(last, last, style, size, 1), (Point{size - 1, size - 1}))
          << "the outer pixel row still selects the last column";
      EXPECT_EQ(PointAtPixel(last + 1, 30, style, size, 1), Point{});
      EXPECT_EQ(PointAtPixel(30, last + 1, style, size, 1), Point{});
      EXPECT_EQ(PointAtPixel(20 + pitch, 20 + 2 * pitch - 1, style, size, 1), (Point{1, 1}));
    }
  }
}

TEST(ClickMapping, WhitesSideNearestTurnsTheBoard) {
  EXPECT_EQ(PointAtPixel(20, 20, 0, 19, -1), (Point{18, 18}));
  EXPECT_EQ(PointAtPixel(20 + 3 * 21, 20 + 15 * 21, 0, 19, -1), (Point{15, 3}));
  EXPECT_EQ(PointAtPixel(20, 20, 2, 9, -1), (Point{8, 8}));
}

TEST(Geometry, ImageSidesAndTitlePlate) {
  EXPECT_EQ(BoardImageSide(0, 19), 400);
  EXPECT_EQ(BoardImageSide(1, 13), 274);
  EXPECT_EQ(BoardImageSide(0, 9), 190);
  EXPECT_EQ(BoardImageSide(2, 19), 667);
  EXPECT_EQ(BoardImageSide(2, 13), 457);
  EXPECT_EQ(BoardImageSide(2, 9), 317);
  EXPECT_EQ(TitlePlateX(9, 0, 12), 220);
  EXPECT_EQ(TitlePlateX(9, 2, 16), 366);
  EXPECT_EQ(TitlePlateX(13, 1, 16), 315);
  EXPECT_EQ(TitlePlateX(19, 2, 12), 697);
  EXPECT_EQ(TitlePlateX(19, 0, 16), 441);
}

TEST(Geometry, HandicapPointsAreTheStonesTheBoardPlaces) {
  for (int size : {9, 13, 19}) {
    for (int h = 2; h <= 9; ++h) {
      PlaneBoard board;
      board.Reset(size, h);
      int stones = 0;
      for (int i = 0; i < size; ++i) {
        for (int j = 0; j < size; ++j) {
          const bool stone = board.GetChain(i, j) > 0;
          EXPECT_EQ(IsHandicapPoint(i, j, size, h), stone) << size << " h" << h << " " << i << "," << j;
          stones += stone;
        }
      }
      EXPECT_EQ(stones, h);
    }
  }
  EXPECT_FALSE(IsHandicapPoint(3, 3, 19, 1));
}

TEST(ColumnLetters, SkipI) {
  EXPECT_EQ(ColumnLetter(0), 'A');
  EXPECT_EQ(ColumnLetter(7), 'H');
  EXPECT_EQ(ColumnLetter(8), 'J');
  EXPECT_EQ(ColumnLetter(18), 'T');
}

TEST(BoardPaint, StonesAndTheLastMoveInEveryStyleAndBothOrientations) {
  for (int style = 0; style < 3; ++style) {
    const StyleBitmaps& ids = BitmapsOf(style);
    const int pitch = Pitch(style);
    Game g(19);
    g.Play(3, 15);   // Black
    g.Play(15, 3);   // White, the last move
    for (int way : {1, -1}) {
      BoardLook look = g.Look(style);
      look.orientation = way;
      const RecordingCanvas c = Paint(g, look);
      auto px = [&](int v) { return 20 + (way == 1 ? v : 18 - v) * pitch; };
      EXPECT_TRUE(Has(c, At(ids.black, px(3), px(15)))) << style << " " << way;
      EXPECT_TRUE(Has(c, At(ids.whiteLast, px(15), px(3)))) << style << " " << way;
      EXPECT_EQ(Count(c, "bitmap " + std::to_string(ids.white) + " "), 0);
      // Every point's square is copied from the board image at its own offset.
      EXPECT_EQ(Count(c, "bitmap-part " + std::to_string(BoardBitmap(style, 19)) + " "), 361 + 2);
    }
  }
}

TEST(BoardPaint, FullRedrawCopiesTheBackgroundOnceAndClearsTheFlag) {
  Game g(9);
  BoardLook look = g.Look(0);
  look.previousStyle = 2;  // coming back from the large style
  bool full = true;
  RecordingCanvas c;
  PaintBoard(c, g.board, look, full);
  EXPECT_FALSE(full);
  EXPECT_EQ(c.calls.front(), "bitmap-part 206 0,0 from 0,0 1024x768");
  RecordingCanvas again;
  PaintBoard(again, g.board, look, full);
  EXPECT_EQ(Count(again, "bitmap-part 206"), 0);

  look.previousStyle = 0;
  full = true;
  RecordingCanvas small;
  PaintBoard(small, g.board, look, full);
  EXPECT_EQ(small.calls.front(), "bitmap-part 144 0,0 from 0,0 640x480");
  EXPECT_TRUE(Has(small, At(133, 220, 21))) << "title plate of the yellow style";
}

TEST(BoardPaint, MoveNumbersSkipTheLastMoveHandicapStonesAndCapturedStones) {
  Game g(9, 2);       // Black stones on (6, 2) and (2, 6); White moves first
  g.Play(4, 4);       // 1 White
  g.Play(0, 1);       // 2 Black
  g.Play(0, 0);       // 3 White, to be captured
  g.Play(1, 0);       // 4 Black captures (0, 0)
  g.Play(5, 5);       // 5 White, the last move
  ASSERT_EQ(g.board.GetChain(0, 0), 0);
  BoardLook look = g.Look(0);
  look.moveNumbers = true;
  const RecordingCanvas c = Paint(g, look);
  const StyleBitmaps& ids = BitmapsOf(0);
  auto px = [](int v) { return 20 + v * 21; };
  EXPECT_TRUE(Has(c, At(ids.whiteLast, px(5), px(5))));
  EXPECT_TRUE(Has(c, At(ids.black, px(6), px(2)))) << "handicap stone, no number";
  // Move 1 on a white stone: dark digit "1" centred.
  EXPECT_TRUE(Has(c, At(ids.white, px(4), px(4))));
  EXPECT_TRUE(Has(c, At(DigitBitmap(kDarkDigitsFirst, 1), px(4) + 8, px(4) + 6)));
  // Move 2 on a black stone: light digit.
  EXPECT_TRUE(Has(c, At(DigitBitmap(kLightDigitsFirst, 2), px(0) + 8, px(1) + 6)));
  // The captured move 3 draws nothing; no digit stands on the last move.
  EXPECT_FALSE(Has(c, At(DigitBitmap(kDarkDigitsFirst, 3), px(0) + 8, px(0) + 6)));
  EXPECT_EQ(Count(c, "bitmap " + std::to_string(DigitBitmap(kDarkDigitsFirst, 5)) + " "), 0);
  EXPECT_EQ(Count(c, "bitmap " + std::to_string(DigitBitmap(kLightDigitsFirst, 5)) + " "), 0);
}

TEST(BoardPaint, ThreeDigitNumbersAreCentredOnTheLargeStone) {
  Game g(19);
  for (int k = 0; k < 120; ++k) {
    if (k % 2 == 1 && k > 100) {
      g.Pass();
      continue;
    }
    g.Play(k % 19, k / 19);
  }
  BoardLook look = g.Look(2);
  look.moveNumbers = true;
  const RecordingCanvas c = Paint(g, look);
  // Move 101 (index 100) stands at (5, 5): digits 1, 0, 1 from x + (35 − 17) / 2.
  const int x = 20 + 5 * 35 + 9;
  const int y = 20 + 5 * 35 + 13;
  EXPECT_TRUE(Has(c, At(DigitBitmap(kLightDigitsFirst, 1), x, y)));
  EXPECT_TRUE(Has(c, At(DigitBitmap(kLightDigitsFirst, 0), x + 6, y)));
  EXPECT_TRUE(Has(c, At(DigitBitmap(kLightDigitsFirst, 1), x + 12, y)));
}

TEST(BoardPaint, DeadStonesShowCrossesOnlyWhenMarkingOrAskedFor) {
  Game g(9);
  g.Play(4, 4);
  g.Play(4, 5);
  g.board.ToggleDeadChain(4, 5);
  const StyleBitmaps& ids = BitmapsOf(1);
  const int x = 20 + 4 * 21;
  BoardLook look = g.Look(1);
  look.shownMove = 0;  // no last-move dot to hide the cross
  EXPECT_TRUE(Has(Paint(g, look), At(ids.white, x, x + 21))) << "plain without the display";
  look.deadStones = true;
  EXPECT_TRUE(Has(Paint(g, look), At(ids.whiteDead, x, x + 21)));
  look.deadStones = false;
  look.endOfGame = true;
  EXPECT_TRUE(Has(Paint(g, look), At(ids.whiteDead, x, x + 21)));
}

TEST(BoardPaint, TerritoryCellsByPlaceDuringMarking) {
  Game g(9);
  // A black wall on column 2 and a white wall on column 6.
  for (int j = 0; j < 9; ++j) {
    g.Play(2, j);
    g.Play(6, j);
  }
  g.board.CountTerritory();
  BoardLook look = g.Look(0);
  const StyleBitmaps& ids = BitmapsOf(0);
  EXPECT_EQ(Count(Paint(g, look), "bitmap " + std::to_string(ids.blackTerritory[kTopLeft])), 0)
      << "no cells outside the marking";
  look.endOfGame = true;
  const RecordingCanvas c = Paint(g, look);
  EXPECT_TRUE(Has(c, At(ids.blackTerritory[kTopLeft], 20, 20)));
  EXPECT_TRUE(Has(c, At(ids.blackTerritory[kLeft], 20, 20 + 4 * 21)));
  EXPECT_TRUE(Has(c, At(ids.blackTerritory[kInterior], 20 + 21, 20 + 4 * 21)));
  EXPECT_TRUE(Has(c, At(ids.whiteTerritory[kBottomRight], 20 + 8 * 21, 20 + 8 * 21)));
  EXPECT_TRUE(Has(c, At(ids.whiteTerritory[kTop], 20 + 7 * 21, 20)));
  // The turned board puts Black's cells on the right.
  look.orientation = -1;
  EXPECT_TRUE(Has(Paint(g, look), At(ids.blackTerritory[kBottomRight], 20 + 8 * 21, 20 + 8 * 21)));
}

}  // namespace
}  // namespace kz::display
