// OpeningBook: the computer player's corner sequences (joseki and first
// moves), matched in any corner, in any of the eight orientations and with
// either colour, while the game is in its opening.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/board/plane_board.h"

namespace kz {

// One stored sequence: 104 bytes. Moves are i * 100 + j relative to the
// corner (0, 0), Black first; -1 is a move elsewhere. Flags per move: 0 may be
// answered from the book, 1 is only matched, 2 is answered only by Black.
struct BookPattern {
  std::int8_t extentI;
  std::int8_t extentJ;
  std::int8_t length;
  std::uint8_t zero;
  std::int32_t moves[20];
  std::uint8_t flags[20];
};
static_assert(sizeof(BookPattern) == 104, "book records are 104 bytes");

// The table, ended by a record whose first byte is 0.
extern const BookPattern kBookPatterns[];

class OpeningBook {
 public:
  static constexpr int kMaxRecords = 200;

  explicit OpeningBook(const BookPattern* table = kBookPatterns);
  virtual ~OpeningBook();
  OpeningBook(const OpeningBook&) = delete;
  OpeningBook& operator=(const OpeningBook&) = delete;

  void ShuffleBook();
  int BookFirstMove(const PlaneBoard& board, int colour, int size);
  int BookReply(const PlaneBoard& board, int colour, int size, int lastMove);
  int BookAnyMove(const PlaneBoard& board, int colour, int size);

  int Count() const { return count_; }
  int OrderAt(int position) const { return order_[position]; }
  const BookPattern& Record(int index) const { return table_[index]; }
  // The record and prefix length of the last answer.
  int CurrentRecord() const { return current_; }
  int CurrentPrefix() const { return prefix_; }

  // Board point of pattern point (i, j) under orientation 1..8 on n lines.
  static void Orient(int orientation, int i, int j, int n, int& bi, int& bj);

 private:
  // Tries the records at order positions [first, last) with the given
  // orientation list (each with s = +1 then -1); 0 ends the list.
  int Search(const PlaneBoard& board, int first, int last,
             const int* orientations);
  // Lays out every prefix of record r once and keeps its window.
  void LayOut(int r);
  int TryPrefix(const PlaneBoard& board, int r, int p, const int* orientations);

  const BookPattern* table_;
  int colour_ = 1;
  int size_ = 19;
  int count_ = 0;
  std::array<int, kMaxRecords> order_{};
  int current_ = -1;
  int prefix_ = 0;
  std::unique_ptr<PlaneBoard> pattern_;
  // Window states (-1, 0, +1) of every prefix of the record laid out last.
  std::array<std::array<std::int8_t, kPlanePoints>, 20> window_{};
};

}  // namespace kz
