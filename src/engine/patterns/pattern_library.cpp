#include "engine/patterns/pattern_library.h"

#include "engine/board/board_geometry.h"
#include "engine/patterns/pattern_tables.h"

namespace kz {

void Orient(int orientation, int di, int dj, int* oi, int* oj) {
  switch (orientation & 7) {
    case 0: *oi = di; *oj = dj; break;
    case 1: *oi = -di; *oj = dj; break;
    case 2: *oi = di; *oj = -dj; break;
    case 3: *oi = -di; *oj = -dj; break;
    case 4: *oi = dj; *oj = di; break;
    case 5: *oi = -dj; *oj = di; break;
    case 6: *oi = dj; *oj = -di; break;
    default: *oi = -dj; *oj = -di; break;
  }
}

bool MatchPattern(const PlaneBoard& board, const std::int8_t* di,
                  const std::int8_t* dj, const char* codes, int i, int j,
                  int orientation, int own, int lastMove) {
  for (int k = 0; codes[k] != 'X'; ++k) {
    int oi, oj;
    Orient(orientation, di[k], dj[k], &oi, &oj);
    const int a = i + oi, b = j + oj;
    const bool on = board.OnBoard(a, b);
    const char code = codes[k];
    if (code == 'B') {
      if (on) return false;
      continue;
    }
    if (!on) return false;
    const int s = Sign(board.GetChain(a, b)) * own;  // +1 own, -1 enemy
    switch (code) {
      case 'M': if (s != 0) return false; break;
      case 'O': if (s != 1) return false; break;
      case 'E': if (s != -1) return false; break;
      case 'S': if (s == 0) return false; break;
      case 'F': if (s == -1) return false; break;
      case 'N': if (s == 1) return false; break;
      case 'L': if (s != -1 || MoveCodeOf(a, b) != lastMove) return false; break;
      default: return false;
    }
  }
  return true;
}

PatternLibraryA::PatternLibraryA() {
  const PatternRecordA* table = PatternTableA();
  while (table[count_].codes[0] != 'X') ++count_;
}

const PatternRecordA& PatternLibraryA::Record(int k) const {
  return PatternTableA()[k];
}

int PatternLibraryA::NextMatch(const PlaneBoard& board, int own, int lastMove,
                               int mode, int* cursor) const {
  if (lastMove < 0) return -1;
  const int li = lastMove / 100, lj = lastMove % 100;
  const PatternRecordA* table = PatternTableA();
  // The cursor counts (record, orientation) pairs.
  for (int c = *cursor + 1; c < count_ * 8; ++c) {
    const PatternRecordA& r = table[c / 8];
    const bool allowed = r.flag == 2 || (mode == 1 && r.flag == 0) || mode == 3;
    if (!allowed) continue;
    // Anchor the pattern on the last move: its 'L' point lies there.
    int l = 0;
    while (r.codes[l] != 'L') ++l;
    int oi, oj;
    Orient(c % 8, r.di[l], r.dj[l], &oi, &oj);
    const int i = li - oi, j = lj - oj;
    if (!board.OnBoard(i, j)) continue;
    if (MatchPattern(board, r.di, r.dj, r.codes, i, j, c % 8, own, lastMove)) {
      *cursor = c;
      return MoveCodeOf(i, j);
    }
  }
  *cursor = count_ * 8;
  return -1;
}

PatternLibraryB::PatternLibraryB() {
  const PatternRecordB* table = PatternTableB();
  while (table[count_].codes[0] != 'X') ++count_;
}

const PatternRecordB& PatternLibraryB::Record(int k) const {
  return PatternTableB()[k];
}

int PatternLibraryB::NextMatch(const PlaneBoard& board, int own, int type,
                               int* cursor, int* family) const {
  const int n = board.GetSize();
  const PatternRecordB* table = PatternTableB();
  for (int p = *cursor + 1; p < n * n; ++p) {
    const int i = p % n, j = p / n;
    if (board.GetChain(i, j) != 0) continue;
    for (int k = 0; k < count_; ++k) {
      const PatternRecordB& r = table[k];
      if (r.type != type) continue;
      for (int o = 0; o < 8; ++o) {
        if (MatchPattern(board, r.di, r.dj, r.codes, i, j, o, own, -1)) {
          *cursor = p;
          if (family != nullptr) *family = r.family;
          return MoveCodeOf(i, j);
        }
      }
    }
  }
  *cursor = n * n;
  return -1;
}

}  // namespace kz
