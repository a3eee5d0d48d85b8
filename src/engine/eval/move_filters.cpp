#include "engine/eval/move_filters.h"

#include "engine/board/board_geometry.h"

namespace kz {

namespace {

// 0 for the first line, 1 for the second, ...
int LineOf(int n, int i, int j) {
  int line = i;
  if (j < line) line = j;
  if (n - 1 - i < line) line = n - 1 - i;
  if (n - 1 - j < line) line = n - 1 - j;
  return line;
}

bool CapturesSomething(const PlaneBoard& b, int i, int j, int colour) {
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, c = j + d.dj;
    if (!b.OnBoard(a, c)) continue;
    const int v = b.GetChain(a, c);
    if (v != 0 && Sign(v) == -colour && b.ChainLiberties(a, c) == 1) return true;
  }
  return false;
}

bool StoneNear(const PlaneBoard& b, int i, int j, int reach, int sign) {
  for (int a = i - reach; a <= i + reach; ++a) {
    for (int c = j - reach; c <= j + reach; ++c) {
      const int dist = (a > i ? a - i : i - a) + (c > j ? c - j : j - c);
      if (dist == 0 || dist > reach || !b.OnBoard(a, c)) continue;
      const int v = b.GetChain(a, c);
      if (v != 0 && (sign == 0 || Sign(v) == sign)) return true;
    }
  }
  return false;
}

}  // namespace

int FilterMove(const PlaneBoard& board, int move, int colour) {
  if (move < 0) return -1;
  const int i = move / 100, j = move % 100, n = board.GetSize();
  if (!board.OnBoard(i, j) || board.GetChain(i, j) != 0) return -1;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, c = j + d.dj;
    if (board.OnBoard(a, c) && board.GetChain(a, c) != 0 &&
        board.ChainLiberties(a, c) == 1)
      return -1;
  }
  const int line = LineOf(n, i, j);
  if (line > 1) return move;
  // Along the nearest edge.
  const bool nearColumnEdge = i == line || n - 1 - i == line;
  const int ai = nearColumnEdge ? 0 : 1, aj = nearColumnEdge ? 1 : 0;
  for (int s : {1, -1}) {
    const int fi = i + 2 * s * ai, fj = j + 2 * s * aj;
    const int mi = i + s * ai, mj = j + s * aj;
    const int bi = i - s * ai, bj = j - s * aj;
    if (!board.OnBoard(fi, fj) || !board.OnBoard(bi, bj)) continue;
    const int far = board.GetChain(fi, fj);
    if (far == 0 || Sign(far) != -colour) continue;
    if (board.GetChain(mi, mj) != 0 || board.GetChain(bi, bj) != 0) continue;
    if (board.ChainLiberties(fi, fj) > 2) return MoveCodeOf(bi, bj);
  }
  return move;
}

int ReasonablePointTest(int test, const PlaneBoard& b, int move, int colour,
                        int gamePhase) {
  const int i = move / 100, j = move % 100, n = b.GetSize();
  if (move < 0 || !b.OnBoard(i, j) || b.GetChain(i, j) != 0) return -1;
  int own = 0, enemy = 0, empty = 0, onBoard = 0;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, c = j + d.dj;
    if (!b.OnBoard(a, c)) continue;
    ++onBoard;
    const int v = Sign(b.GetChain(a, c)) * colour;
    own += v > 0;
    enemy += v < 0;
    empty += v == 0;
  }
  const int line = LineOf(n, i, j);
  const int region = Sign(b.GetRegion(i, j)) * colour;
  switch (test) {
    case 0:  // filling an own eye
      return own == onBoard ? -1 : move;
    case 1:  // self-atari that captures nothing
      return b.LibertiesIfPlayed(i, j, colour) <= 1 &&
                     !CapturesSomething(b, i, j, colour)
                 ? -1
                 : move;
    case 2:  // the first line early, away from the enemy
      return gamePhase < 3 && line == 0 && !StoneNear(b, i, j, 1, -colour) ? -1 : move;
    case 3: {  // an empty triangle without contact
      if (enemy > 0) return move;
      for (const Step& d : kDiagonal) {
        const int a = i + d.di, c = j + d.dj;
        if (!b.OnBoard(a, c)) continue;
        const bool side1 = Sign(b.GetChain(i + d.di, j)) == colour;
        const bool side2 = Sign(b.GetChain(i, j + d.dj)) == colour;
        if (side1 && side2 && b.GetChain(a, c) == 0) return -1;
      }
      return move;
    }
    case 4:  // inside own territory
      return region > 0 && b.GetTerritory(i, j) == 1 ? -1 : move;
    case 5:  // inside a small enemy area
      return region < 0 && b.RegionSize(i, j) <= 6 ? -1 : move;
    case 6:  // the second line early, in the open
      return gamePhase < 3 && line == 1 && !StoneNear(b, i, j, 2, 0) ? -1 : move;
    case 7: {  // taking liberties from an own chain that has enough
      const int after = b.LibertiesIfPlayed(i, j, colour);
      for (const Step& d : kOrthogonal) {
        const int a = i + d.di, c = j + d.dj;
        if (!b.OnBoard(a, c) || Sign(b.GetChain(a, c)) != colour) continue;
        if (b.ChainLiberties(a, c) >= 3 && after <= 2) return -1;
      }
      return move;
    }
    case 8:  // filling own space: three own neighbours and no contact
      return own >= 3 && enemy == 0 ? -1 : move;
    case 9: {  // next to an own stone marked dead
      for (const Step& d : kOrthogonal) {
        const int a = i + d.di, c = j + d.dj;
        if (b.OnBoard(a, c) && Sign(b.GetChain(a, c)) == colour && b.GetDead(a, c) == 1)
          return -1;
      }
      return move;
    }
    default:
      return move;
  }
}

int PassesReasonablePointTests(const PlaneBoard& board, int move, int colour,
                               int gamePhase) {
  for (int t = 0; t < kReasonablePointTests; ++t)
    if (ReasonablePointTest(t, board, move, colour, gamePhase) < 0) return -1;
  return move;
}

}  // namespace kz
