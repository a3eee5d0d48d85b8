// The last guard before a pass: when every stage has come up empty the
// engine would pass, and a pass while one of its groups can still be taken
// hands the group away. The guard looks, in this order, for
//   1. a move that saves an own chain the readers find capturable (largest
//      chain first): an extension, a capture of a short-of-liberties enemy
//      neighbour, a liberty of such a neighbour, or a point next to a
//      liberty (a second eye);
//   2. the capture of an enemy chain in atari that matters (it is not
//      marked dead, or it touches an own chain of three liberties or fewer);
//   3. the attack on an enemy chain of two or three liberties the readers
//      find capturable: one not marked dead, or one in a race with an own
//      chain that has no more liberties than it plus one;
//   4. a neutral point between live stones of both sides where the own
//      stone keeps at least three liberties and reads safe (a dame that
//      keeps the group's liberties).
// Every answer is tried on the trial board first: it must be legal (ko,
// suicide), keep two or more liberties and read safe; a save must leave the
// chain it saves safe by the readers as well.
#include "engine/board/board_geometry.h"
#include "engine/eval/candidate_generators.h"

namespace kz {

namespace {

// A short list of distinct MoveCodes.
struct MoveList {
  int moves[64];
  int count = 0;
  void Add(int m) {
    if (m < 0) return;
    for (int k = 0; k < count; ++k)
      if (moves[k] == m) return;
    if (count < 64) moves[count++] = m;
  }
};

}  // namespace

int CandidateGenerators::SoundEyes(const PlaneBoard& b, int i, int j) const {
  const int id = b.GetChain(i, j);
  int libs[8];
  const int count = LibertyList(b, i, j, libs, 8);
  int eyes = 0;
  for (int k = 0; k < count && k < 8; ++k) {
    const int u = libs[k] / 100, v = libs[k] % 100;
    bool closed = true;
    for (const Step& d : kOrthogonal) {
      const int a = u + d.di, c = v + d.dj;
      if (InsideBoard(a, c) && b.GetChain(a, c) != id) closed = false;
    }
    // An enemy stone there would be suicide; the diagonals decide whether
    // the eye is false (two enemy corners, one on the edge).
    if (!closed || !b.IsSuicide(u, v, -Sign(id))) continue;
    int enemy = 0, outside = 0;
    for (const Step& d : kDiagonal) {
      const int a = u + d.di, c = v + d.dj;
      if (!InsideBoard(a, c)) ++outside;
      else if (Sign(b.GetChain(a, c)) == -Sign(id)) ++enemy;
    }
    if (enemy < (outside > 0 ? 1 : 2)) ++eyes;
  }
  return eyes;
}

int CandidateGenerators::TrialLiberties(const PlaneBoard& b, int move,
                                        int target, int minLibs) {
  PlaneBoard& trial = Work(kTrialBoard);
  CopyBoard(b, trial, size_);
  const int i = move / 100, j = move % 100;
  const int r = trial.PlayStone(i, j, 1, kReplay);
  if (r == kOccupied || r == kSuicide || r == kKo) return -1;
  const int libs = trial.ChainLiberties(i, j);
  // A single stone in atari that took one stone is a ko or a snapback
  // for the opponent to take back; nothing else in atari is a save.
  if (libs < minLibs) return -1;
  if (libs < 5 && ReadByLiberties(trial, i, j).status != 0) return -1;
  if (target < 0) return libs;
  const int ti = target / 100, tj = target % 100;
  if (trial.GetChain(ti, tj) <= 0) return -1;
  const int targetLibs = trial.ChainLiberties(ti, tj);
  if (targetLibs < 5 && SoundEyes(trial, ti, tj) < 2 &&
      ReadByLiberties(trial, ti, tj).status != 0) return -1;
  return targetLibs;
}

int CandidateGenerators::SaveEndangeredChain(PlaneBoard& b, int minSize,
                                             int near) {
  const int n = size_;
  // Whether a stone of the chain `id` stands within two points of `near`.
  auto touches = [&](int id) {
    const int ni = near / 100, nj = near % 100;
    for (int a = ni - 2; a <= ni + 2; ++a)
      for (int c = nj - 2; c <= nj + 2; ++c) {
        const int da = a > ni ? a - ni : ni - a, dc = c > nj ? c - nj : nj - c;
        if (da + dc <= 2 && InsideBoard(a, c) && b.GetChain(a, c) == id)
          return true;
      }
    return false;
  };
  // Own chains the readers find capturable, one stone each.
  int targets[48];
  int sizes[48];
  int count = 0;
  SeenIds seen;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      const int id = b.GetChain(i, j);
      if (id <= 0 || seen.CheckAndAdd(id)) continue;
      if (b.ChainSize(i, j) < minSize || (near >= 0 && !touches(id))) continue;
      if (b.ChainLiberties(i, j) > 4 || SoundEyes(b, i, j) >= 2) continue;
      if (ReadByLiberties(b, i, j).status == 0) continue;
      if (count < 48) {
        targets[count] = MoveCodeOf(i, j);
        sizes[count++] = b.ChainSize(i, j);
      }
    }
  while (count > 0) {
    int pick = 0;
    for (int k = 1; k < count; ++k)
      if (sizes[k] > sizes[pick]) pick = k;
    const int target = targets[pick];
    targets[pick] = targets[--count];
    sizes[pick] = sizes[count];
    const int ti = target / 100, tj = target % 100;

    MoveList tries;
    int libs[8];
    const int own = LibertyList(b, ti, tj, libs, 8);
    // Enemy neighbours short of liberties: capturing or pressing them may
    // be the save (a race, an escape by capture).
    int enemies[16];
    const int ne = EnemyChainsWith(b, ti, tj, 1, own + 1, enemies, 16);
    for (int k = 0; k < ne && k < 16; ++k) {
      int elibs[8];
      const int m = LibertyList(b, enemies[k] / 100, enemies[k] % 100, elibs, 8);
      if (m == 1) tries.Add(elibs[0]);
    }
    for (int k = 0; k < own && k < 8; ++k) tries.Add(libs[k]);
    for (int k = 0; k < ne && k < 16; ++k) {
      int elibs[8];
      const int m = LibertyList(b, enemies[k] / 100, enemies[k] % 100, elibs, 8);
      for (int e = 0; e < m && e < 8; ++e) tries.Add(elibs[e]);
    }
    // Points next to the liberties: the shape of a second eye.
    for (int k = 0; k < own && k < 8; ++k)
      for (const Step& d : kOrthogonal) {
        const int u = libs[k] / 100 + d.di, v = libs[k] % 100 + d.dj;
        if (InsideBoard(u, v) && b.GetChain(u, v) == 0)
          tries.Add(MoveCodeOf(u, v));
      }
    int best = -1, bestLibs = 0;
    for (int k = 0; k < tries.count; ++k) {
      const int m = tries.moves[k];
      if (!MoverCanPlay(m, colour_)) continue;
      const int after = TrialLiberties(b, m, target, 2);
      if (after > bestLibs) {
        best = m;
        bestLibs = after;
      }
    }
    if (best >= 0) return best;
  }
  return -1;
}

int CandidateGenerators::PressEnemyChain(PlaneBoard& b) {
  const int n = size_;
  // The fewest liberties of an own chain next to the enemy chain at (i, j).
  auto ownNeighbourLibs = [&](int i, int j) {
    int fewest = 1000;
    int own[16];
    // The enemy chain's own enemies are our chains.
    const int k = EnemyChainsWith(b, i, j, -1, 0, own, 16);
    for (int q = 0; q < k && q < 16; ++q) {
      const int l = b.ChainLiberties(own[q] / 100, own[q] % 100);
      if (l < fewest) fewest = l;
    }
    return fewest;
  };
  SeenIds seen;
  int capture = -1, captureSize = 0;
  int press = -1, pressSize = 0;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      const int id = b.GetChain(i, j);
      if (id >= 0 || seen.CheckAndAdd(id)) continue;
      const int libs = b.ChainLiberties(i, j);
      if (libs > 3 || SoundEyes(b, i, j) >= 2) continue;
      const int size = b.ChainSize(i, j);
      const bool dead = b.GetDead(i, j) == 1;
      const int ownLibs = ownNeighbourLibs(i, j);
      if (libs == 1) {
        if (dead && ownLibs > 3) continue;
        int lib[1];
        LibertyList(b, i, j, lib, 1);
        if (size <= captureSize || !MoverCanPlay(lib[0], colour_)) continue;
        // Taking two stones or more is sound even when the stone is then
        // short of liberties; one stone must leave two.
        if (TrialLiberties(b, lib[0], -1, size >= 2 ? 1 : 2) < 0) continue;
        capture = lib[0];
        captureSize = size;
        continue;
      }
      if (size <= pressSize) continue;
      if (dead && ownLibs > libs + 1) continue;
      const ReadResult r = ReadByLiberties(b, i, j);
      if (r.status == 0 || r.move < 0 || !MoverCanPlay(r.move, colour_))
        continue;
      if (TrialLiberties(b, r.move, -1, 2) < 0) continue;
      press = r.move;
      pressSize = size;
    }
  return capture >= 0 ? capture : press;
}

int CandidateGenerators::FillNeutralPoint(PlaneBoard& b) {
  const int n = size_;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      if (b.GetChain(i, j) != 0) continue;
      bool ownNear = false, enemyNear = false;
      for (const Step& d : kOrthogonal) {
        const int u = i + d.di, v = j + d.dj;
        if (!InsideBoard(u, v)) continue;
        if (LiveStoneAt(u, v, 1)) ownNear = true;
        if (LiveStoneAt(u, v, -1)) enemyNear = true;
      }
      if (!ownNear || !enemyNear) continue;
      const int m = MoveCodeOf(i, j);
      if (!MoverCanPlay(m, colour_)) continue;
      // The stone joins every own chain next to it; with three liberties
      // or more and a safe reading the group has lost nothing.
      if (TrialLiberties(b, m, -1, 3) < 0) continue;
      return m;
    }
  return -1;
}

int CandidateGenerators::UrgentMoveBeforePass() {
  if (board_ == nullptr) return -1;
  ColourView view(*board_, colour_);
  PlaneBoard& b = *board_;
  int move = SaveEndangeredChain(b, 1, -1);
  if (move < 0) move = PressEnemyChain(b);
  if (move < 0) move = FillNeutralPoint(b);
  return move;
}

int CandidateGenerators::SaveThreatenedGroup() {
  if (board_ == nullptr || lastMove_ < 0) return -1;
  ColourView view(*board_, colour_);
  return SaveEndangeredChain(*board_, 5, lastMove_);
}

}  // namespace kz
