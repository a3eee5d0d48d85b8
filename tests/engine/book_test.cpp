// The opening book: its table, the shuffle, and the three lookups.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "engine/opening_book.h"
#include "support/board_diagram.h"

namespace kz {
namespace {

// A record from (i, j, flag) moves; i = -1 is a move elsewhere.
struct M {
  int i, j, flag = 0;
};
BookPattern Record(int ei, int ej, std::vector<M> moves) {
  BookPattern r{};
  r.extentI = static_cast<std::int8_t>(ei);
  r.extentJ = static_cast<std::int8_t>(ej);
  r.length = static_cast<std::int8_t>(moves.size());
  for (std::size_t k = 0; k < moves.size(); ++k) {
    r.moves[k] = moves[k].i < 0 ? -1 : moves[k].i * 100 + moves[k].j;
    r.flags[k] = static_cast<std::uint8_t>(moves[k].flag);
  }
  return r;
}

TEST(BookTable, HoldsOneHundredThirtySevenSoundRecords) {
  OpeningBook book;
  ASSERT_EQ(book.Count(), 137);
  // The three first-move records open the table.
  EXPECT_EQ(book.Record(0).moves[1], 303);
  EXPECT_EQ(book.Record(1).moves[1], 203);
  EXPECT_EQ(book.Record(2).moves[1], 202);
  int fitNine = 0, fitThirteen = 0;
  for (int r = 0; r < book.Count(); ++r) {
    const BookPattern& rec = book.Record(r);
    SCOPED_TRACE(r);
    ASSERT_GE(rec.length, 2);
    ASSERT_LE(rec.length, 20);
    EXPECT_EQ(rec.zero, 0);
    fitNine += rec.extentI <= 9 && rec.extentJ <= 9;
    fitThirteen += rec.extentI <= 13 && rec.extentJ <= 13;
    // Every record replays legally inside its window, colours alternating
    // from Black.
    PlaneBoard board;
    board.Reset(19, 0);
    int colour = 1;
    for (int k = 0; k < rec.length; ++k, colour = -colour) {
      const int m = rec.moves[k];
      EXPECT_LE(rec.flags[k], 2);
      if (m < 0) continue;
      const int i = m / 100, j = m % 100;
      EXPECT_LT(i, rec.extentI);
      EXPECT_LT(j, rec.extentJ);
      const int result = board.PlayStone(i, j, colour, 1);
      EXPECT_TRUE(result != kOccupied && result != kSuicide && result != kKo)
          << "move " << k;
      EXPECT_EQ(result > 0 ? result : 0, 0) << "no book move captures";
    }
    // The last move is one the book may answer.
    EXPECT_GE(rec.moves[rec.length - 1], 0);
  }
  EXPECT_GE(fitNine, 10);
  EXPECT_EQ(fitThirteen, 137);
}

TEST(BookShuffle, KeepsThreeAndSixToTwentySixAndSwapsFourAndFive) {
  OpeningBook book;
  for (int round = 0; round < 20; ++round) {
    std::vector<int> before(book.Count());
    for (int k = 0; k < book.Count(); ++k) before[k] = book.OrderAt(k);
    book.ShuffleBook();
    EXPECT_EQ(book.OrderAt(3), before[3]);
    for (int k = 6; k <= 26; ++k) EXPECT_EQ(book.OrderAt(k), before[k]);
    EXPECT_EQ(book.OrderAt(4), before[5]);
    EXPECT_EQ(book.OrderAt(5), before[4]);
    // The first three and the tail are shuffled among themselves.
    std::set<int> a(before.begin(), before.begin() + 3), b;
    for (int k = 0; k < 3; ++k) b.insert(book.OrderAt(k));
    EXPECT_EQ(a, b);
    std::multiset<int> tailBefore(before.begin() + 27, before.end()), tailAfter;
    for (int k = 27; k < book.Count(); ++k) tailAfter.insert(book.OrderAt(k));
    EXPECT_EQ(tailBefore, tailAfter);
  }
}

TEST(BookLookup, FirstMoveOnAnEmptyBoardIsACornerPointOfTheFirstCorner) {
  OpeningBook book;
  PlaneBoard board;
  board.Reset(19, 0);
  for (int round = 0; round < 10; ++round) {
    book.ShuffleBook();
    // Black tries orientation 5 first (the upper right corner).
    const int black = book.BookFirstMove(board, 1, 19);
    EXPECT_TRUE(black == 1503 || black == 1603 || black == 1602) << black;
    // White tries orientation 3 first (the lower left corner).
    const int white = book.BookFirstMove(board, -1, 19);
    EXPECT_TRUE(white == 315 || white == 215 || white == 216) << white;
  }
}

TEST(BookLookup, ColourSwappedSequenceMatchesWithTheOtherSign) {
  // White holds the 4-4 point, Black approaches: the book's "4-4, small
  // knight approach" sequence with the colours exchanged; White answers
  // with one of the sequence's replies for the 4-4 side.
  OpeningBook book;
  PlaneBoard board;
  test::Place(board, 19,
              {". . . . . . . . . . .", ". . . . . . . . . . .",
               ". . . . . . . . . . .", ". . . O . . . . . . .",
               ". . . . . . . . . . .", ". . X . . . . . . . ."});
  const std::set<int> replies = {502, 305, 207, 208, 307, 308, 209};
  for (int round = 0; round < 10; ++round) {
    book.ShuffleBook();
    const int answer = book.BookReply(board, -1, 19, 205);
    EXPECT_TRUE(replies.count(answer)) << answer;
    // The answering move is Black's in the record (an even index).
    EXPECT_EQ(book.CurrentPrefix() % 2, 0);
  }
  // Black, to move again, finds only the second approach from the other
  // side (the double approach), through a move elsewhere in the record.
  const int black = book.BookReply(board, 1, 19, 205);
  EXPECT_TRUE(black == -1 || black == 502) << black;
}

TEST(BookLookup, FlagOneIsNeverPlayedAndFlagTwoOnlyByBlack) {
  const BookPattern table[] = {
      Record(6, 6, {{3, 3}, {2, 2, 1}, {2, 3}}),
      Record(6, 6, {{2, 2}, {3, 3, 2}}),
      Record(0, 0, {}),
  };
  OpeningBook book(table);
  ASSERT_EQ(book.Count(), 2);
  PlaneBoard board;
  board.Reset(19, 0);
  board.PlayStone(3, 3, 1, 0);  // Black 4-4: White's book reply would be flag 1
  EXPECT_EQ(book.BookReply(board, -1, 19, 303), -1);

  board.Reset(19, 0);
  board.PlayStone(2, 2, 1, 0);  // Black 3-3: White's reply carries flag 2
  EXPECT_EQ(book.BookReply(board, -1, 19, 202), -1);
  board.Reset(19, 0);
  board.PlayStone(2, 2, -1, 0);  // White 3-3: Black may play the same reply
  EXPECT_EQ(book.BookReply(board, 1, 19, 202), 303);
}

TEST(BookLookup, ReplyLooksOnlyAtTheCornerOfTheLastMove) {
  OpeningBook book;
  PlaneBoard board;
  board.Reset(19, 0);
  board.PlayStone(3, 3, 1, 0);     // upper left
  board.PlayStone(15, 15, -1, 0);  // lower right
  for (int round = 0; round < 5; ++round) {
    book.ShuffleBook();
    const int answer = book.BookReply(board, -1, 19, 303);
    ASSERT_GE(answer, 0);
    EXPECT_LT(answer / 100, 10);
    EXPECT_LT(answer % 100, 10);
  }
}

TEST(BookLookup, NineLineBoardUsesOnlyRecordsThatFit) {
  OpeningBook book;
  PlaneBoard board;
  board.Reset(9, 0);
  for (int round = 0; round < 10; ++round) {
    book.ShuffleBook();
    const int m = book.BookAnyMove(board, round % 2 ? 1 : -1, 9);
    ASSERT_GE(m, 0);
    EXPECT_LT(m / 100, 9);
    EXPECT_LT(m % 100, 9);
    const BookPattern& rec = book.Record(book.CurrentRecord());
    EXPECT_LE(rec.extentI, 9);
    EXPECT_LE(rec.extentJ, 9);
  }
}

}  // namespace
}  // namespace kz
