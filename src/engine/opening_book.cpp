#include "engine/opening_book.h"

#include <cstdlib>
#include <ctime>
#include <utility>

namespace kz {

namespace {

// Orientation orders of the lookups, ended by 0.
constexpr int kBlackOrder[] = {5, 6, 7, 8, 1, 2, 3, 4, 0};
constexpr int kWhiteOrder[] = {3, 4, 1, 2, 7, 8, 5, 6, 0};
// The second pair of orders BookAnyMove may draw.
constexpr int kBlackOrderAlt[] = {1, 2, 3, 4, 5, 6, 7, 8, 0};
constexpr int kWhiteOrderAlt[] = {7, 8, 5, 6, 3, 4, 1, 2, 0};

// rand() reduced to the 15 bits the shuffle's formula expects, whatever
// RAND_MAX the library has.
int Rand15() { return std::rand() & 0x7FFF; }

}  // namespace

OpeningBook::OpeningBook(const BookPattern* table)
    : table_(table), pattern_(std::make_unique<PlaneBoard>()) {
  while (count_ < kMaxRecords && table_[count_].extentI != 0) ++count_;
  for (int k = 0; k < count_; ++k) order_[k] = k;
  ShuffleBook();
}

OpeningBook::~OpeningBook() = default;

void OpeningBook::ShuffleBook() {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  if (count_ >= 3) {
    for (int n = 2; n >= 1; --n) {
      const int k = Rand15() * (n + 1) / 32768;
      std::swap(order_[n], order_[k]);
    }
  }
  if (count_ >= 6) std::swap(order_[4], order_[5]);
  if (count_ > 28) {
    for (int m = count_ - 1; m >= 28; --m) {
      const int k = 27 + Rand15() * (m - 26) / 32768;
      std::swap(order_[m], order_[k]);
    }
  }
}

void OpeningBook::Orient(int orientation, int i, int j, int n, int& bi,
                         int& bj) {
  switch (orientation) {
    case 1: bi = i; bj = j; break;
    case 2: bi = j; bj = i; break;
    case 3: bi = i; bj = n - 1 - j; break;
    case 4: bi = j; bj = n - 1 - i; break;
    case 5: bi = n - 1 - i; bj = j; break;
    case 6: bi = n - 1 - j; bj = i; break;
    case 7: bi = n - 1 - i; bj = n - 1 - j; break;
    default: bi = n - 1 - j; bj = n - 1 - i; break;
  }
}

void OpeningBook::LayOut(int r) {
  const BookPattern& rec = table_[r];
  pattern_->Reset(size_, 0);
  int colour = 1;
  for (int p = 0; p < rec.length && p < 20; ++p) {
    // window_[p] holds the first p moves.
    auto& w = window_[p];
    for (int i = 0; i < rec.extentI; ++i)
      for (int j = 0; j < rec.extentJ; ++j) {
        const int v = pattern_->GetChain(i, j);
        w[PlaneIndex(i, j)] = static_cast<std::int8_t>((v > 0) - (v < 0));
      }
    const int m = rec.moves[p];
    if (m >= 0) pattern_->PlayStone(m / 100, m % 100, colour, 1);
    colour = -colour;
  }
}

int OpeningBook::TryPrefix(const PlaneBoard& board, int r, int p,
                           const int* orientations) {
  const BookPattern& rec = table_[r];
  const int next = rec.moves[p];
  if (next < 0) return -1;
  const int flag = rec.flags[p];
  if (flag == 1 || (flag == 2 && colour_ != 1)) return -1;
  const int moverColour = (p % 2 == 0) ? 1 : -1;
  const auto& w = window_[p];
  for (const int* o = orientations; *o != 0; ++o) {
    for (int s : {1, -1}) {
      if (s * moverColour != colour_) continue;
      bool match = true;
      for (int i = 0; i < rec.extentI && match; ++i) {
        for (int j = 0; j < rec.extentJ; ++j) {
          int bi, bj;
          Orient(*o, i, j, size_, bi, bj);
          const int v = board.GetChain(bi, bj);
          if ((v > 0) - (v < 0) != s * w[PlaneIndex(i, j)]) {
            match = false;
            break;
          }
        }
      }
      if (!match) continue;
      int bi, bj;
      Orient(*o, next / 100, next % 100, size_, bi, bj);
      if (board.GetChain(bi, bj) != 0) continue;
      current_ = r;
      prefix_ = p;
      return MoveCodeOf(bi, bj);
    }
  }
  return -1;
}

int OpeningBook::Search(const PlaneBoard& board, int first, int last,
                        const int* orientations) {
  for (int pos = first; pos < last && pos < count_; ++pos) {
    const int r = order_[pos];
    const BookPattern& rec = table_[r];
    if (rec.extentI > size_ || rec.extentJ > size_) continue;
    LayOut(r);
    for (int p = rec.length - 1; p >= 1; --p) {
      const int answer = TryPrefix(board, r, p, orientations);
      if (answer >= 0) return answer;
    }
  }
  return -1;
}

int OpeningBook::BookFirstMove(const PlaneBoard& board, int colour, int size) {
  colour_ = colour;
  size_ = size;
  return Search(board, 0, 3, colour == 1 ? kBlackOrder : kWhiteOrder);
}

int OpeningBook::BookAnyMove(const PlaneBoard& board, int colour, int size) {
  colour_ = colour;
  size_ = size;
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  const bool alt = (std::rand() & 1) != 0;
  const int* order = colour == 1 ? (alt ? kBlackOrderAlt : kBlackOrder)
                                 : (alt ? kWhiteOrderAlt : kWhiteOrder);
  return Search(board, 0, count_, order);
}

int OpeningBook::BookReply(const PlaneBoard& board, int colour, int size,
                           int lastMove) {
  if (lastMove < 0) return -1;
  colour_ = colour;
  size_ = size;
  const int li = lastMove / 100, lj = lastMove % 100;
  const int h = (size - 1) / 2;
  // Orientation pairs per corner, in the colour's order of corners.
  struct Corner {
    bool holds;
    int a, b;
  };
  const Corner upperRight{li >= h && lj <= h, 5, 6};
  const Corner lowerRight{li >= h && lj >= h, 7, 8};
  const Corner upperLeft{li <= h && lj <= h, 1, 2};
  const Corner lowerLeft{li <= h && lj >= h, 3, 4};
  const Corner blackCorners[4] = {upperRight, lowerRight, upperLeft, lowerLeft};
  const Corner whiteCorners[4] = {lowerLeft, upperLeft, lowerRight, upperRight};
  const Corner* corners = colour == 1 ? blackCorners : whiteCorners;
  int orientations[9];
  int n = 0;
  for (int k = 0; k < 4; ++k) {
    if (!corners[k].holds) continue;
    orientations[n++] = corners[k].a;
    orientations[n++] = corners[k].b;
  }
  orientations[n] = 0;
  if (n == 0) return -1;
  return Search(board, 0, count_, orientations);
}

}  // namespace kz
