// Positions where a Go player knows the answer, and the libraries' answer:
// the first point each library offers (the engine takes the first one that
// passes its checks), seen by White unless a test says otherwise.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/patterns/pattern_library.h"
#include "support/board_diagram.h"

namespace kz {
namespace {

using test::Place;

constexpr int kWhite = -1;
constexpr int kBlack = 1;

// Every answer of library A to `last` in `mode`, in the order offered.
std::vector<int> AnswersA(const PlaneBoard& board, int own, int last, int mode) {
  PatternLibraryA lib;
  std::vector<int> out;
  int cursor = -1;
  for (int m; (m = lib.NextMatch(board, own, last, mode, &cursor)) >= 0;)
    out.push_back(m);
  return out;
}

// Every point library B offers for `type`, in scan order.
std::vector<int> PointsB(const PlaneBoard& board, int own, int type) {
  PatternLibraryB lib;
  std::vector<int> out;
  int cursor = -1;
  for (int m; (m = lib.NextMatch(board, own, type, &cursor)) >= 0;) out.push_back(m);
  return out;
}

std::string List(const std::vector<int>& moves) {
  std::string s;
  for (int m : moves) s += std::to_string(m) + " ";
  return s;
}

bool Has(const std::vector<int>& moves, int m) {
  for (int x : moves)
    if (x == m) return true;
  return false;
}

// ---- library A: answers to the opponent's last move ----

TEST(ShapeAnswers, BlockTheFirstLineHaneUnderOurStone) {
  PlaneBoard board;
  // Black's hane at (3, 8) under White's second-line stone: White blocks
  // beside it at (2, 8); the cut at (4, 8) would be a stone in atari.
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . O O X X . . .",
                ". . . O X . . . .",
                ". . . X . . . . ."});
  const std::vector<int> answers = AnswersA(board, kWhite, 308, 3);
  EXPECT_TRUE(Has(answers, 208)) << List(answers);
  // Nothing offers the point behind our own stone or a point away from it.
  EXPECT_FALSE(Has(answers, 207)) << List(answers);
  EXPECT_FALSE(Has(answers, 508)) << List(answers);
}

TEST(ShapeAnswers, StopTheMonkeyJumpAndTheCrawl) {
  PlaneBoard board;
  // Black's monkey jump from (1, 7) lands at (4, 8): White blocks in front
  // of it at (5, 8), under the diagonal of its second-line stone.
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". X . . . . O . .",
                ". . . . X . . . ."});
  EXPECT_EQ(AnswersA(board, kWhite, 408, 3).front(), 508);
  // Black crawls along the second line under White's third-line wall: the
  // block at the head (4, 7) comes first.
  PlaneBoard crawl;
  Place(crawl, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". O O O . . . . .",
                ". X X X . . . . .",
                ". . . . . . . . ."});
  const std::vector<int> answers = AnswersA(crawl, kWhite, 307, 3);
  ASSERT_FALSE(answers.empty());
  EXPECT_EQ(answers.front(), 407) << List(answers);
}

TEST(ShapeAnswers, ExtendFromTheCrosscutAndTakeTheThrowIn) {
  PlaneBoard board;
  // White (3, 3) and (4, 4) are crosscut by Black's (3, 4): the stone in
  // contact draws back, away from the older black stone.
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . O X . . . .",
                ". . . X O . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  const std::vector<int> answers = AnswersA(board, kWhite, 304, 3);
  ASSERT_FALSE(answers.empty());
  EXPECT_TRUE(answers.front() == 203 || answers.front() == 302 ||
              answers.front() == 405 || answers.front() == 504)
      << List(answers);
  // Black throws in to White's tiger's mouth: White takes it, in every mode.
  PlaneBoard mouth;
  Place(mouth, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . O . . . .",
                ". . . O X O . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  EXPECT_EQ(AnswersA(mouth, kWhite, 403, 2).front(), 404);
}

TEST(ShapeAnswers, HaneTowardOurStoneAfterAnAttachment) {
  PlaneBoard board;
  // Black attaches on top of White (4, 4); White's other stone at (6, 4)
  // says where to hane: (5, 3), not (3, 3).
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . X . . . .",
                ". . . . O . O . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  const std::vector<int> answers = AnswersA(board, kWhite, 403, 3);
  ASSERT_FALSE(answers.empty());
  EXPECT_EQ(answers.front(), 503) << List(answers);
  // The mirror image: our other stone on the left, the hane at (3, 3).
  PlaneBoard mirror;
  Place(mirror, {". . . . . . . . .",
                 ". . . . . . . . .",
                 ". . . . . . . . .",
                 ". . . . X . . . .",
                 ". . O . O . . . .",
                 ". . . . . . . . .",
                 ". . . . . . . . .",
                 ". . . . . . . . .",
                 ". . . . . . . . ."});
  const std::vector<int> mirrored = AnswersA(mirror, kWhite, 403, 3);
  ASSERT_FALSE(mirrored.empty());
  EXPECT_EQ(mirrored.front(), 303) << List(mirrored);
}

// ---- library B: shapes matched anywhere ----

TEST(ShapePoints, VitalPointOfStraightThreeForBothSides) {
  PlaneBoard board;
  // White's first-line eye space of three, closed on both ends.
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . X X X X X . .",
                ". . O O O O O . .",
                ". O . . . . . O ."});
  // Not three yet: the space is five long and nothing is vital.
  EXPECT_FALSE(Has(PointsB(board, kWhite, 3), 408));
  PlaneBoard three;
  Place(three, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . X X X X X . .",
                ". . O O O O O . .",
                ". . O . . . O . ."});
  // White makes two eyes in the middle, Black takes the same point.
  EXPECT_EQ(PointsB(three, kWhite, 3), std::vector<int>{408});
  EXPECT_TRUE(Has(PointsB(three, kBlack, 3), 408));
}

TEST(ShapePoints, TakeTheCornerOfTheEnemysEdgeEye) {
  PlaneBoard board;
  // Black's first-line eye at (3, 8) has one corner, (2, 7), still open
  // beside White's stone: White takes it and the eye is false.
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". O . . . . . . .",
                ". O . X X . . . .",
                ". . X . X . . . ."});
  EXPECT_TRUE(Has(PointsB(board, kWhite, 3), 207));
  // Black keeps the same corner to make the eye real.
  EXPECT_TRUE(Has(PointsB(board, kBlack, 3), 207));
}

TEST(ShapePoints, HaneAtTheHeadAndPonnuki) {
  PlaneBoard board;
  // Black's three stones against White's two: White hanes at (3, 1).
  Place(board, {". . . . . . . . .",
                ". . . . . . . . .",
                ". . . X O . . . .",
                ". . . X O . . . .",
                ". . . X . . . . .",
                ". . . . . . . . .",
                ". . . . . O . . .",
                ". . . . O X O . .",
                ". . . . . . . . ."});
  EXPECT_EQ(PointsB(board, kWhite, 1).front(), 301);
  // The black stone at (5, 7) in White's mouth: the capture makes a ponnuki.
  EXPECT_TRUE(Has(PointsB(board, kWhite, 4), 508));
}

}  // namespace
}  // namespace kz
