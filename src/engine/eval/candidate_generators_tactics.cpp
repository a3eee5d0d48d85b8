// Generators of the fights between chains: mending a cut (28), cutting a
// diagonal connection (34), extending a chain with two liberties (38),
// guarding a liberty two own chains share (39), a point both sides want
// (46), and the captures and attacks on weak enemy neighbours (47..49).
#include "engine/board/board_geometry.h"
#include "engine/eval/candidate_generators.h"

namespace kz {

// ------------------------------------------------ 28 DefendCuttingPoint --

int CandidateGenerators::DefendCuttingPoint() {
  ColourView view(*board_, colour_);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (i < 1 || i > size2_ || j < 1 || j > size2_) continue;
      if (!Playable(i, j, colour_)) continue;
      // Own stones of two chains on two perpendicular sides, a strong enemy
      // stone on the diagonal between them: the enemy cuts here.
      bool cut = false;
      for (const Step& d : kDiagonal) {
        const int ai = i + d.di, bj = j + d.dj;
        if (SideAt(ai, j) != 1 || SideAt(i, bj) != 1) continue;
        if (b.GetChain(ai, j) == b.GetChain(i, bj)) continue;
        if (!LiveStoneAt(ai, bj, -1) || b.ChainLiberties(ai, bj) <= 2) continue;
        cut = true;
      }
      if (!cut) continue;
      // The mend itself must not be a self-atari.
      if (b.LibertiesIfPlayed(i, j, 1) < 2) continue;
      if (!SafetyCheck(b, i, j, -1)) continue;
      const int move = MoveCodeOf(i, j);
      const int filtered = FilterForMover(move, colour_);
      return filtered >= 0 ? filtered : move;
    }
  return -1;
}

// -------------------------------------------------- 34 CutDiagonalEnemy --

int CandidateGenerators::CutDiagonalEnemy() {
  ColourView view(*board_, colour_);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (i < 3 || i > size_ - 4 || j < 3 || j > size_ - 4) continue;
      if (!Playable(i, j, colour_)) continue;
      bool cut = false;
      for (const Step& d : kDiagonal) {
        const int ai = i + d.di, bj = j + d.dj;
        if (!LiveStoneAt(ai, j, -1) || !LiveStoneAt(i, bj, -1)) continue;
        if (b.GetChain(ai, j) == b.GetChain(i, bj)) continue;
        if (SideAt(ai, bj) == 1) cut = true;
      }
      if (cut && SafetyCheck(b, i, j, 1, kSafetyRejectLarge))
        return MoveCodeOf(i, j);
    }
  return -1;
}

// --------------------------------------------- 38 ExtendTwoLibertyChain --

Candidate CandidateGenerators::ExtendTwoLibertyChain(int colour) {
  if (lastMove_ < 0) return {};
  const int a = colour > 0 ? 1 : -1;
  ColourView view(*board_, a);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  const bool forMover = MoverSide(a) == 1;
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (!Playable(i, j, a)) continue;
      if (CountOrthogonal(i, j, -1) + CountDiagonal(i, j, -1) == 0) continue;
      // The own chains with two liberties around the point (999: none).
      int chains[4] = {999, 999, 999, 999};
      int found = 0, score = 0;
      for (const Step& d : kOrthogonal) {
        const int u = i + d.di, v = j + d.dj;
        if (SideAt(u, v) != 1 || b.GetDead(u, v) == 1 ||
            b.ChainLiberties(u, v) != 2)
          continue;
        if (found == 0) score = b.ChainSize(u, v);
        chains[found++] = b.GetChain(u, v);
      }
      if (found == 0) continue;
      if (TouchesDeadEnemy(b, chains[0], chains[1]) ||
          TouchesDeadEnemy(b, chains[2], chains[3]))
        continue;
      if (!StrictSafetyCheck(b, i, j, 1)) continue;
      // Urgent only when the opponent could take the point safely.
      if (!SafetyCheck(b, i, j, -1)) continue;
      if (!SafetyCheck(b, i, j, MoverSide(a))) continue;
      const int move = MoveCodeOf(i, j);
      if (!forMover) return {score, move, 0};
      if (gamePhase_ == 1 && b.LibertiesIfPlayed(i, j, 1) == 2) continue;
      const int filtered = FilterForMover(move, a);
      return {score, filtered >= 0 ? filtered : move, 0};
    }
  return {};
}

// ------------------------------------------------ 39 GuardSharedLiberty --

int CandidateGenerators::GuardSharedLiberty(int colour) {
  if (lastMove_ < 0) return -1;
  const int a = colour > 0 ? 1 : -1;
  ColourView view(*board_, a);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (i < 1 || i > size2_ || j < 1 || j > size2_) continue;
      if (!Playable(i, j, a)) continue;
      // A liberty of an own chain with three liberties and of another with
      // two; the other sides open, so the enemy stone there has room.
      int three = 0, two = 0;
      for (const Step& d : kOrthogonal) {
        const int u = i + d.di, v = j + d.dj;
        if (SideAt(u, v) != 1 || b.GetDead(u, v) == 1) continue;
        const int libs = b.ChainLiberties(u, v);
        const int id = b.GetChain(u, v);
        if (libs == 3 && three == 0) three = id;
        if (libs == 2 && two == 0) two = id;
      }
      if (three == 0 || two == 0 || three == two) continue;
      if (CountOrthogonal(i, j, 0) == 0) continue;
      if (!SafetyCheck(b, i, j, -1)) continue;
      const int move = MoveCodeOf(i, j);
      if (MoverSide(a) != 1) return move;
      const int filtered = FilterForMover(move, a);
      return filtered >= 0 ? filtered : move;
    }
  return -1;
}

// ------------------------------------------------ 46 PlayContestedPoint --

int CandidateGenerators::PlayContestedPoint(int colour) {
  if (lastMove_ < 0) return -1;
  const int a = colour > 0 ? 1 : -1;
  ColourView view(*board_, a);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  const int mover = MoverSide(a);
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (!Playable(i, j, a)) continue;
      // On the boundary: next to a live own stone, a live enemy stone
      // among the eight neighbours, room to breathe on two sides.
      bool ownNext = false, enemyNear = false;
      for (const Step& d : kOrthogonal) {
        ownNext = ownNext || LiveStoneAt(i + d.di, j + d.dj, 1);
        enemyNear = enemyNear || LiveStoneAt(i + d.di, j + d.dj, -1);
      }
      for (const Step& d : kDiagonal)
        enemyNear = enemyNear || LiveStoneAt(i + d.di, j + d.dj, -1);
      if (!ownNext || !enemyNear || CountOrthogonal(i, j, 0) < 2) continue;
      if (!SafetyCheck(b, i, j, 1) || !SafetyCheck(b, i, j, -1)) continue;
      if (!SafetyCheck(b, i, j, mover)) continue;
      const int filtered = FilterForMover(MoveCodeOf(i, j), a);
      if (filtered >= 0) return filtered;
    }
  return -1;
}

// ------------------------------------ 47..49 captures and weak neighbours --

namespace {

// Own chains with `ownLibs` liberties (live, with an empty neighbour, each
// once, row-major) next to a live enemy chain with `enemyLibs`: calls
// `answer` with one stone of the enemy chain until it gives a move.
template <class Answer>
int OnWeakNeighbours(const PlaneBoard& b, int ownLibs, int enemyLibs,
                     Answer answer) {
  const int n = b.GetSize();
  int seen[100];
  int seenCount = 0;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      const int id = b.GetChain(i, j);
      if (id <= 0 || b.GetDead(i, j) == 1) continue;
      bool known = false;
      for (int k = 0; k < seenCount; ++k) known = known || seen[k] == id;
      if (known) continue;
      if (seenCount < 100) seen[seenCount++] = id;
      if (b.ChainLiberties(i, j) != ownLibs) continue;
      for (int u = 0; u < n; ++u)
        for (int v = 0; v < n; ++v) {
          if (b.GetChain(u, v) != id) continue;
          for (const Step& d : kOrthogonal) {
            const int x = u + d.di, y = v + d.dj;
            if (!b.OnBoard(x, y) || b.GetChain(x, y) >= 0 ||
                b.GetDead(x, y) == 1 || b.ChainLiberties(x, y) != enemyLibs)
              continue;
            const int move = answer(x, y);
            if (move >= 0) return move;
          }
        }
    }
  return -1;
}

}  // namespace

int CandidateGenerators::CaptureToRescue() {
  if (lastMove_ < 0) return -1;
  ColourView view(*board_, colour_);
  PlaneBoard& b = *board_;
  PlaneBoard& trial = Work(kTrialBoard);
  return OnWeakNeighbours(b, 2, 1, [&](int x, int y) {
    const int liberty = FirstLiberty(b, x, y);
    if (!MoverCanPlay(liberty, colour_)) return -1;
    CopyBoard(b, trial, size_);
    return trial.PlayStone(liberty / 100, liberty % 100, 1, kReplay) >= 0
               ? liberty
               : -1;
  });
}

int CandidateGenerators::AttackTwoLibertyNeighbour() {
  if (lastMove_ < 0) return -1;
  ColourView view(*board_, colour_);
  PlaneBoard& b = *board_;
  return OnWeakNeighbours(b, 3, 2, [&](int x, int y) {
    const ReadResult read = ReadTwoLiberties(b, x, y);
    return read.status == 1 && MoverCanPlay(read.move, colour_) ? read.move
                                                                : -1;
  });
}

int CandidateGenerators::AttackThreeLibertyNeighbour() {
  if (lastMove_ < 0) return -1;
  ColourView view(*board_, colour_);
  PlaneBoard& b = *board_;
  return OnWeakNeighbours(b, 4, 3, [&](int x, int y) {
    const ReadResult read = ReadThreeLiberties(b, x, y);
    return read.status == 1 && MoverCanPlay(read.move, colour_) ? read.move
                                                                : -1;
  });
}

}  // namespace kz
