// The early stages' generators: the random first move (8), the answer to the
// last move (9), the move safety test (12), the double-atari point test
// (14), the contact reply (20), the local cut shape (22, 23), the vital
// point (24) and the open-area jump (25), with the helpers all of them share.
#include "engine/pipeline_generators.h"

#include <cstdlib>
#include <ctime>

#include "engine/board/board_geometry.h"
#include "engine/eval/move_filters.h"

namespace kz {

namespace {

bool Refused(int r) { return r == kOccupied || r == kSuicide || r == kKo; }

// Operation 8's centre lists, entries 0..8 as (i, j) from the centre.
constexpr int kFirstMoveOffsets[9][2] = {{0, 0}, {0, -1}, {1, -1},
                                         {1, 0},  {1, 1},  {0, 1},
                                         {-1, 1}, {-1, 0}, {-1, -1}};

}  // namespace

// ---- Shared helpers. ----

PipelineGenerators::ScanAxis PipelineGenerators::ScanOrder(int last, int lo,
                                                           int hi) const {
  const int h = (size_ - 1) / 2;
  if (last >= h) return {hi, lo, -1};
  return {lo, hi, 1};
}

bool PipelineGenerators::KeimaAllows(int i, int j, int sign) const {
  return rule_ != 1 || board_->IsKeimaViolation(i, j, sign) == 0;
}

bool PipelineGenerators::SafeFor(int move, int sign, int strictness) {
  if (move < 0) return false;
  const int i = move / 100, j = move % 100;
  if (!InsideBoard(i, j) || board_->GetChain(i, j) != 0) return false;
  if (!KeimaAllows(i, j, sign)) return false;
  return SafetyCheck(*board_, i, j, sign, strictness);
}

int PipelineGenerators::Filtered(int move, int sign, bool substitute) {
  const int m = FilterMove(*board_, move, sign);
  if (m < 0) return -1;
  if (m != move) {
    if (!substitute) return -1;
    if (!KeimaAllows(m / 100, m % 100, sign)) return -1;
  }
  return m;
}

int PipelineGenerators::StoneOfChain(int id) const {
  if (id == 0) return -1;
  for (int a = 0; a < size_; ++a)
    for (int b = 0; b < size_; ++b)
      if (board_->GetChain(a, b) == id) return MoveCodeOf(a, b);
  return -1;
}

int PipelineGenerators::EmptyNeighbours(int i, int j) const {
  int count = 0;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, b = j + d.dj;
    count += InsideBoard(a, b) && board_->GetChain(a, b) == 0;
  }
  return count;
}

bool PipelineGenerators::IsCuttingChain(int i, int j) const {
  int enemies[2];
  return EnemyNeighbours(*board_, i, j, -1, enemies, 2) >= 2;
}

bool PipelineGenerators::ChainTouches(int stone, int move) const {
  if (stone < 0 || move < 0) return false;
  const int id = board_->GetChain(stone / 100, stone % 100);
  if (id == 0) return false;
  for (const Step& d : kOrthogonal) {
    const int a = move / 100 + d.di, b = move % 100 + d.dj;
    if (InsideBoard(a, b) && board_->GetChain(a, b) == id) return true;
  }
  return false;
}

bool PipelineGenerators::SavedBy(int i, int j, int move, int* liberties) {
  const int mi = move / 100, mj = move % 100;
  if (!KeimaAllows(mi, mj, 1)) return false;
  PlaneBoard& trial = Work(kTrialBoard);
  CopyBoard(*board_, trial, size_);
  if (Refused(trial.PlayStone(mi, mj, 1, 1))) return false;
  const int libs = trial.ChainLiberties(i, j);
  *liberties = libs;
  if (libs <= 1) return false;
  // The new stone, when it stands apart from the chain, must hold too.
  if (trial.GetChain(mi, mj) != trial.GetChain(i, j) &&
      trial.ChainLiberties(mi, mj) <= 1)
    return false;
  return ReadByLiberties(trial, i, j).status == 0;
}

int PipelineGenerators::SavingMove(int i, int j, int* liberties) {
  int best = -1, bestLibs = 0;
  auto consider = [&](int move) {
    int libs = 0;
    if (move < 0 || !SavedBy(i, j, move, &libs)) return;
    if (best < 0 || libs > bestLibs) {
      best = move;
      bestLibs = libs;
    }
  };
  // Captures of adjacent enemy chains in atari first: they gain most.
  int stones[4];
  const int weak = EnemyNeighbours(*board_, i, j, 1, stones, 4);
  for (int k = 0; k < weak; ++k)
    consider(FirstLiberty(*board_, stones[k] / 100, stones[k] % 100));
  // A counter-atari next: an adjacent enemy chain with two liberties that
  // our stone puts in atari and that cannot escape. Taking it saves the
  // chain better than running, so it counts two liberties more than the
  // chain keeps at once.
  if (board_->ChainLiberties(i, j) >= 2) {
    const int pairs = EnemyNeighbours(*board_, i, j, 2, stones, 4);
    for (int k = 0; k < pairs; ++k) {
      const int ei = stones[k] / 100, ej = stones[k] % 100;
      int theirs[2];
      LibertyList(*board_, ei, ej, theirs, 2);
      for (const int x : theirs) {
        const int xi = x / 100, xj = x % 100;
        if (!KeimaAllows(xi, xj, 1)) continue;
        PlaneBoard& trial = Work(kTrialBoard);
        CopyBoard(*board_, trial, size_);
        if (Refused(trial.PlayStone(xi, xj, 1, 1))) continue;
        const int kept = trial.ChainLiberties(i, j);
        if (kept < 2 || trial.ChainLiberties(xi, xj) < 2 ||
            trial.ChainLiberties(ei, ej) != 1)
          continue;
        if (ReadAtari(trial, ei, ej).status != 1) continue;
        if (best < 0 || kept + 2 > bestLibs) {
          best = x;
          bestLibs = kept + 2;
        }
      }
    }
  }
  int libs[4];
  const int count = LibertyList(*board_, i, j, libs, 4);
  for (int k = 0; k < count && k < 4; ++k) consider(libs[k]);
  *liberties = bestLibs;
  return best;
}

// ---- Operation 8. ----

int PipelineGenerators::FirstMoveFromList(int k) const {
  if (k <= 0 || k > 8 || board_ == nullptr) return -1;
  const int centre = size_ / 2;
  for (int e = k; e <= 8; ++e) {
    const int i = centre + kFirstMoveOffsets[e][0];
    const int j = centre + kFirstMoveOffsets[e][1];
    if (InsideBoard(i, j) && board_->GetChain(i, j) == 0)
      return MoveCodeOf(i, j);
  }
  return -1;
}

int PipelineGenerators::RandomFirstMove() {
  if (rule_ != 1 || moveNumber_ > 1 || board_ == nullptr) return -1;
  if (colour_ == 1 && handicap_ > 1) return -1;
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  return FirstMoveFromList(std::rand() % 9);
}

// ---- Operation 9. ----

int PipelineGenerators::AnswerLastMove() {
  if (lastMove_ < 0 || board_ == nullptr) return -1;
  const int li = lastMove_ / 100, lj = lastMove_ % 100;
  if (!InsideBoard(li, lj) || board_->GetChain(li, lj) == 0) return -1;
  ColourView view(*board_, colour_);
  PlaneBoard& b = *board_;
  const int lastLibs = b.ChainLiberties(li, lj);
  if (lastLibs <= 1) return -1;
  if (lastLibs <= 4 && ReadByLiberties(b, li, lj).status == 1) return -1;
  for (const Step& d : kOrthogonal) {
    const int qi = li + d.di, qj = lj + d.dj;
    if (!InsideBoard(qi, qj) || b.GetChain(qi, qj) != 0) continue;
    if (!KeimaAllows(qi, qj, 1)) continue;
    // Own chains near q: next to it, or two points on along the line from
    // the last move through q.
    int near[5];
    int count = 0;
    for (const Step& e : kOrthogonal) {
      const int a = qi + e.di, c = qj + e.dj;
      if (InsideBoard(a, c) && b.GetChain(a, c) > 0) near[count++] = MoveCodeOf(a, c);
    }
    const int fi = qi + 2 * d.di, fj = qj + 2 * d.dj;
    if (InsideBoard(fi, fj) && b.GetChain(fi, fj) > 0 &&
        b.GetChain(qi + d.di, qj + d.dj) == 0)
      near[count++] = MoveCodeOf(fi, fj);
    for (int k = 0; k < count; ++k) {
      const int ci = near[k] / 100, cj = near[k] % 100;
      if (b.ChainLiberties(ci, cj) != 2 || b.GetDead(ci, cj) == 1) continue;
      // The further test: the opponent could atari the chain safely, and
      // the chain would not be lost after our stone at q.
      if (!CanAtariSafely(b, ci, cj)) continue;
      int libs = 0;
      const bool beyondTaken = InsideBoard(qi + d.di, qj + d.dj) &&
                               b.GetChain(qi + d.di, qj + d.dj) != 0;
      const bool touching = beyondTaken || ChainTouches(near[k], MoveCodeOf(qi, qj));
      if (!touching) {
        // A stone two points away: q must guard the chain's liberty
        // between them, so the stone at q itself must hold.
        if (!SafetyCheck(b, qi, qj, 1)) continue;
        return MoveCodeOf(qi, qj);
      }
      if (SavedBy(ci, cj, MoveCodeOf(qi, qj), &libs) && libs >= 3)
        return MoveCodeOf(qi, qj);
    }
  }
  return -1;
}

// ---- Operation 12. ----

int PipelineGenerators::IsMoveSafe(int move, int sign) {
  if (move < 0 || board_ == nullptr) return -1;
  const int i = move / 100, j = move % 100;
  if (!InsideBoard(i, j) || board_->GetChain(i, j) != 0) return -1;
  const int colour = sign * colour_;
  if (rule_ == 1 && board_->IsKeimaViolation(i, j, colour)) return -1;
  auto holds = [&](int c) {
    PlaneBoard& trial = Work(kTrialBoard);
    CopyBoard(*board_, trial, size_);
    if (Refused(trial.PlayStone(i, j, c, 1))) return false;
    const int libs = trial.ChainLiberties(i, j);
    if (libs <= 1) return false;
    return ReadByLiberties(trial, i, j, true).status == 0;
  };
  if (!holds(colour)) return -1;
  if (colour != colour_) return move;
  // For the engine's own side the stone is read once more in its own view.
  ColourView view(*board_, colour_);
  return holds(1) ? move : -1;
}

// ---- Operation 14. ----

int PipelineGenerators::IsDoubleAtariPoint(int i, int j) {
  PlaneBoard& b = *board_;
  if (!InsideBoard(i, j) || b.GetChain(i, j) != 0) return 0;
  auto threatened = [&](int a, int c) {
    if (!InsideBoard(a, c)) return 0;
    const int id = b.GetChain(a, c);
    if (id <= 0 || b.GetDead(a, c) == 1 || b.ChainLiberties(a, c) != 2) return 0;
    return id;
  };
  const int vertical[2] = {threatened(i, j - 1), threatened(i, j + 1)};
  const int beside[2] = {threatened(i - 1, j), threatened(i + 1, j)};
  bool pair = false;
  for (int v : vertical)
    for (int h : beside)
      if (v != 0 && h != 0 && v != h) pair = true;
  if (!pair) return 0;
  if (!KeimaAllows(i, j, -1)) return 0;
  PlaneBoard& second = Work(kChaseBoard);
  CopyBoard(b, second, size_);
  if (Refused(second.PlayStone(i, j, -1, 1))) return 0;
  return second.ChainLiberties(i, j) > 1 ? 1 : 0;
}

// ---- Operation 20. ----

int PipelineGenerators::ContactReply() {
  if (lastMove_ < 0 || board_ == nullptr) return -1;
  const int li = lastMove_ / 100, lj = lastMove_ % 100;
  if (!InsideBoard(li, lj) || board_->GetChain(li, lj) == 0) return -1;
  const int lastLibs = board_->ChainLiberties(li, lj);
  if (lastLibs <= 4) return -1;
  ColourView view(*board_, colour_);
  PlaneBoard& b = *board_;
  // Above, below, left, right of the last move.
  static constexpr Step kOrder[4] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
  for (const Step& d : kOrder) {
    const int oi = li + d.di, oj = lj + d.dj;
    if (!InsideBoard(oi, oj) || b.GetChain(oi, oj) <= 0) continue;
    const int ownLibs = b.ChainLiberties(oi, oj);
    if (ownLibs != lastLibs) continue;
    for (int side : {1, -1}) {
      const int pi = li + side * d.dj, pj = lj + side * d.di;
      if (!InsideBoard(pi, pj) || b.GetChain(pi, pj) != 0) continue;
      PlaneBoard& second = Work(kChaseBoard);
      CopyBoard(b, second, size_);
      if (Refused(second.PlayStone(pi, pj, 1, 1))) continue;
      if (second.GetChain(li, lj) == 0) return MoveCodeOf(pi, pj);
      const int after = second.ChainLiberties(li, lj);
      if (after < second.ChainLiberties(oi, oj) &&
          after < second.ChainLiberties(pi, pj) && KeimaAllows(pi, pj, 1))
        return MoveCodeOf(pi, pj);
    }
  }
  return -1;
}

// ---- Operations 22 and 23. ----

int PipelineGenerators::LocalShapeTest(int i, int j) {
  // A cutting point of two positive chains that meet diagonally around an
  // enemy stone: positive stones on two perpendicular sides of (i, j), of
  // different chains, neither marked dead, and the point between them
  // across (i, j) held by the enemy.
  const PlaneBoard& b = *board_;
  if (!InsideBoard(i, j) || b.GetChain(i, j) != 0) return 0;
  for (const Step& d : kDiagonal) {
    const int ai = i + d.di, bj = j + d.dj;
    if (!InsideBoard(ai, j) || !InsideBoard(i, bj)) continue;
    const int x = b.GetChain(ai, j), y = b.GetChain(i, bj);
    if (x <= 0 || y <= 0 || x == y) continue;
    if (b.GetDead(ai, j) == 1 || b.GetDead(i, bj) == 1) continue;
    if (b.GetChain(ai, bj) < 0 && b.GetDead(ai, bj) == 0) return 1;
  }
  return 0;
}

bool PipelineGenerators::WorthMending(int i, int j, int mover) {
  // Our cut into the opponent's pieces is always worth a look.
  if (mover == -1) return true;
  // The opponent's cut matters only when its cutting stone would hold
  // there, and only when both pieces it separates are more than a lone
  // stone short of liberties.
  if (!SafeFor(MoveCodeOf(i, j), -1, kSafetyQuickTests)) return false;
  const PlaneBoard& b = *board_;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, c = j + d.dj;
    if (InsideBoard(a, c) && b.GetChain(a, c) > 0 && b.ChainSize(a, c) == 1 &&
        b.ChainLiberties(a, c) <= 2)
      return false;
  }
  return true;
}

int PipelineGenerators::LocalShapeMove(int colour) {
  if (board_ == nullptr) return -1;
  ColourView view(*board_, colour);
  const int mover = MoverIn(colour);
  const int li = lastMove_ >= 0 ? lastMove_ / 100 : 0;
  const int lj = lastMove_ >= 0 ? lastMove_ % 100 : 0;
  const ScanAxis ai = ScanOrder(li, 0, size1_), aj = ScanOrder(lj, 0, size1_);
  for (int i = ai.from;; i += ai.step) {
    for (int j = aj.from;; j += aj.step) {
      if (board_->GetChain(i, j) == 0 && board_->GetRegion(i, j) == 0 &&
          AreaAt(i, j) == 0 && EmptyNeighbours(i, j) >= 1 &&
          LocalShapeTest(i, j) && WorthMending(i, j, mover) &&
          SafeFor(MoveCodeOf(i, j), mover, kSafetyQuickTests))
        return MoveCodeOf(i, j);
      if (j == aj.to) break;
    }
    if (i == ai.to) break;
  }
  return -1;
}

// ---- Operation 24. ----

int PipelineGenerators::VitalPointMove() {
  if (board_ == nullptr) return -1;
  PlaneBoard& b = *board_;
  ShapePoint p = b.NextShapePoint(colour_, 0);
  for (int guard = 0; p.move >= 0 && guard < kPlanePoints; ++guard) {
    const int i = p.move / 100, j = p.move % 100;
    const int owner = Sign(b.GetRegion(i, j));
    bool take = b.GetChain(i, j) == 0 && owner != 0 && KeimaAllows(i, j, colour_);
    for (const Step& d : kOrthogonal) {
      const int a = i + d.di, c = j + d.dj;
      if (take && InsideBoard(a, c) && Sign(b.GetChain(a, c)) == owner &&
          b.GetDead(a, c) == 1)
        take = false;
    }
    for (int a = i - 1; take && a <= i + 1; ++a)
      for (int c = j - 1; take && c <= j + 1; ++c)
        if ((a != i || c != j) && InsideBoard(a, c) &&
            Sign(b.GetChain(a, c)) == owner && IsGroupSettled(a, c, b) == 1)
          take = false;
    if (take) {
      PlaneBoard& trial = Work(kTrialBoard);
      CopyBoard(b, trial, size_);
      if (!Refused(trial.PlayStone(i, j, colour_, 1))) return p.move;
    }
    p = b.NextShapePoint(colour_, 1);
  }
  return RegionVitalPoint();
}

// The second phase: regions of 5 to 15 points of an unsettled group. In an
// enemy region the stone goes where it takes the most eye space and keeps
// the liberties the region's size asks for (it must live long enough to
// spoil the eyes); in an own region it goes where it splits the region in
// two and keeps its liberties, making a second eye. Only a region that is
// the group's one hope of eyes counts: every chain around it belongs to a
// group that is neither settled nor has another eye. An own region of more
// than seven points makes two eyes by itself and an enemy one cannot be
// spoilt by one stone, so neither is played in.
int PipelineGenerators::RegionVitalPoint() {
  PlaneBoard& b = *board_;
  ColourView view(b, colour_);
  int best = -1, bestScore = 0;
  // Regions already judged: their ids and whether they may be played in.
  int judged[16], verdict[16], nJudged = 0;
  SettledGroups settled(*this, colour_);
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j) {
      const int region = b.GetRegion(i, j);
      if (region == 0 || b.GetChain(i, j) != 0) continue;
      const int size = b.RegionSize(i, j);
      if (size < 5 || size > 7) continue;  // of the 5..15 the phase looks at
      int k = 0;
      while (k < nJudged && judged[k] != region) ++k;
      if (k == nJudged) {
        if (nJudged == 16) continue;
        judged[nJudged] = region;
        verdict[nJudged++] = RegionIsOnlyEyeSpace(i, j, settled) ? 1 : 0;
      }
      if (verdict[k] == 0) continue;
      const int inside = EmptyNeighbours(i, j);
      if (!KeimaAllows(i, j, 1)) continue;
      PlaneBoard& trial = Work(kTrialBoard);
      CopyBoard(b, trial, size_);
      if (Refused(trial.PlayStone(i, j, 1, 1))) continue;
      const int libs = trial.ChainLiberties(i, j);
      int score = 0;
      if (region < 0) {
        if (libs < 2 || inside < 3) continue;
        score = 10 * inside + libs;
      } else {
        // Own region: the stone must split it (two separate empty parts
        // around it) and keep two liberties.
        trial.LabelRegions();
        int ids[4], parts = 0;
        for (const Step& d : kOrthogonal) {
          const int a = i + d.di, c = j + d.dj;
          if (!InsideBoard(a, c) || trial.GetChain(a, c) != 0) continue;
          const int r = trial.GetRegion(a, c);
          bool seen = r == 0;
          for (int k = 0; k < parts; ++k) seen = seen || ids[k] == r;
          if (!seen) ids[parts++] = r;
        }
        if (parts < 2 || libs < 2) continue;
        score = 10 * parts + libs;
      }
      if (score > bestScore) {
        bestScore = score;
        best = MoveCodeOf(i, j);
      }
    }
  return best;
}

// ---- Operation 25. ----

bool PipelineGenerators::Pressed(int i, int j) const {
  // An enemy stone within two points (Manhattan distance) of the stone.
  for (int a = i - 2; a <= i + 2; ++a)
    for (int c = j - 2; c <= j + 2; ++c) {
      const int dist = (a > i ? a - i : i - a) + (c > j ? c - j : j - c);
      if (dist <= 2 && InsideBoard(a, c) && board_->GetChain(a, c) < 0 &&
          board_->GetDead(a, c) == 0)
        return true;
    }
  return false;
}

bool PipelineGenerators::OpeningDevelopment(int i, int j) const {
  // On nine lines, a move that develops own stones in the opening (the
  // least-swing point of the later stage would often be a second-line
  // stone there): a point on the third line or higher, its 3 x 3 block
  // empty and nothing of the enemy's within two points (checked by the
  // caller), a live own stone within two points each way (a one- or
  // two-point jump, a knight's or a large knight's move), and the point
  // not yet settled by either side's influence.
  if (size_ > 9 || LineOf(i, j) < 2) return false;
  const int influence = board_->GetInfluence(i, j);
  if (influence < -7 || influence > 7) return false;
  for (int a = i - 2; a <= i + 2; ++a)
    for (int c = j - 2; c <= j + 2; ++c)
      if (InsideBoard(a, c) && board_->GetChain(a, c) > 0 &&
          board_->GetDead(a, c) == 0)
        return true;
  return false;
}

int PipelineGenerators::EmptyCornerPoint() {
  // On nine lines a corner is a quarter of the board and the surest place
  // to live. White, a move behind and facing Black's stones in the centre,
  // settles in a corner that is still empty (nothing on its first four
  // lines either way) rather than adding a stone to the contested centre,
  // where Black's first move is stronger. Of the corner's 3-3 and 3-4
  // points, the one where the influence is most even, with nothing of the
  // enemy's within two points and the stone safe; the first of a tie in
  // corner order.
  static constexpr Step kCornerPoints[3] = {{2, 2}, {2, 3}, {3, 2}};
  const PlaneBoard& b = *board_;
  const int last = size_ - 1;
  int best = 1 << 30, move = -1;
  for (const int ci : {0, last})
    for (const int cj : {0, last}) {
      const int si = ci == 0 ? 1 : -1, sj = cj == 0 ? 1 : -1;
      bool empty = true;
      for (int a = 0; a < 4 && empty; ++a)
        for (int c = 0; c < 4 && empty; ++c)
          empty = b.GetChain(ci + si * a, cj + sj * c) == 0;
      if (!empty) continue;
      for (const Step& p : kCornerPoints) {
        const int i = ci + si * p.di, j = cj + sj * p.dj;
        const int g = b.GetInfluence(i, j);
        const int balance = g < 0 ? -g : g;
        if (balance < best && !Pressed(i, j) &&
            SafeFor(MoveCodeOf(i, j), 1, kSafetyQuickTests)) {
          best = balance;
          move = MoveCodeOf(i, j);
        }
      }
    }
  return move;
}

int PipelineGenerators::OpenAreaMove() {
  if (board_ == nullptr || size_ < 5) return -1;
  ColourView view(*board_, colour_);
  PlaneBoard& b = *board_;
  const int li = lastMove_ >= 0 ? lastMove_ / 100 : 0;
  const int lj = lastMove_ >= 0 ? lastMove_ % 100 : 0;
  const ScanAxis ai = ScanOrder(li, 1, size2_), aj = ScanOrder(lj, 1, size2_);
  SettledGroups settled(*this, colour_);
  // The development point found so far and its distance from the balance
  // of influence (the jump out of a pressed group is played at once).
  int development = -1, developmentBalance = 1 << 30;
  for (int i = ai.from;; i += ai.step) {
    for (int j = aj.from;; j += aj.step) {
      const int here = MoveCodeOf(i, j);
      bool open = b.GetChain(i, j) == 0 && b.GetRegion(i, j) == 0 &&
                  AreaAt(i, j) == 0;
      // Nothing within one point around.
      for (int a = i - 1; open && a <= i + 1; ++a)
        for (int c = j - 1; open && c <= j + 1; ++c)
          if (b.GetChain(a, c) != 0) open = false;
      // Nothing of the enemy's within two points of the new stone.
      if (open && Pressed(i, j)) open = false;
      if (open) {
        // A one-point jump out of an own group that the enemy presses: an
        // own stone two points away on a line with the point between empty,
        // an enemy stone next to or near that stone, and the group not
        // settled.
        // The jump goes out, towards the centre: never onto the first two
        // lines and never nearer the edge than the stone it leaves.
        for (const Step& d : kOrthogonal) {
          const int si = i - 2 * d.di, sj = j - 2 * d.dj;
          if (!InsideBoard(si, sj) || b.GetChain(si, sj) <= 0) continue;
          if (LineOf(i, j) < 2 || LineOf(i, j) < LineOf(si, sj)) continue;
          if (b.GetDead(si, sj) == 1 || b.ChainLiberties(si, sj) > 6) continue;
          if (!Pressed(si, sj) || settled.At(si, sj)) continue;
          if (SafeFor(here, 1, kSafetyQuickTests)) return here;
        }
        // Of the development points, the one where the two sides'
        // influence is most even: it claims the contested ground between
        // the frameworks rather than adding to an own side already held.
        if (gamePhase_ == 1 && OpeningDevelopment(i, j)) {
          const int g = b.GetInfluence(i, j);
          const int balance = g < 0 ? -g : g;
          if (balance < developmentBalance && SafeFor(here, 1, kSafetyQuickTests)) {
            development = here;
            developmentBalance = balance;
          }
        }
      }
      if (j == aj.to) break;
    }
    if (i == ai.to) break;
  }
  // White, a move behind, takes an empty corner before it develops.
  if (size_ == 9 && gamePhase_ == 1 && colour_ == -1) {
    const int corner = EmptyCornerPoint();
    if (corner >= 0) return corner;
  }
  if (development >= 0) return development;
  // On nine lines the open areas are gone after a few moves; the opening
  // then goes on at the boundary between the two sides' frameworks, near
  // own stones, rather than with a low stone of the least-swing stage.
  if (size_ == 9 && gamePhase_ == 1)
    return MeetingPoint(1, kOpenOnly | kNoContact | kNearOwnStone);
  // In the middle game on nine lines the later stages left alone would
  // often invade on the second line where the stone cannot live. When the
  // opponent's last stone touches none of ours (no fight to answer), the
  // boundary point goes first, inside an area only when no open one is
  // left.
  const bool quiet = lastMove_ < 0 || CountOrthogonal(li, lj, 1) == 0;
  if (size_ == 9 && gamePhase_ == 2 && quiet)
    return MeetingPoint(1, kNoContact | kNearOwnStone);
  return -1;
}

int PipelineGenerators::MeetingPoint(int sign, int flags) {
  // An open point always beats a point inside an area.
  constexpr int kInsideArea = 1 << 20;
  const PlaneBoard& b = *board_;
  // An opposing region that large is open board with stones of one side
  // around it (handicap stones, say), not territory.
  auto largeRegion = [&](int i, int j) {
    return (flags & kLargeRegions) && Sign(b.GetRegion(i, j)) == -sign &&
           4 * b.RegionSize(i, j) >= size_ * size_;
  };
  int best = 1 << 30, move = -1;
  for (int i = 2; i < size_ - 2; ++i)
    for (int j = 2; j < size_ - 2; ++j) {
      if (b.GetChain(i, j) != 0) continue;
      if (b.GetRegion(i, j) != 0 && !largeRegion(i, j)) continue;
      const bool inArea = AreaAt(i, j) != 0;
      if (inArea && (flags & kOpenOnly)) continue;
      if ((flags & kNoContact) && EmptyNeighbours(i, j) < 4) continue;
      bool nearOwn = !(flags & kNearOwnStone);
      for (int a = i - 2; a <= i + 2 && !nearOwn; ++a)
        for (int c = j - 2; c <= j + 2 && !nearOwn; ++c)
          nearOwn = Sign(b.GetChain(a, c)) == sign && b.GetDead(a, c) == 0;
      if (!nearOwn) continue;
      const int g = b.GetInfluence(i, j);
      const int v = (g < 0 ? -g : g) + (inArea ? kInsideArea : 0);
      if (v < best && SafeFor(MoveCodeOf(i, j), sign, kSafetyQuickTests)) {
        best = v;
        move = MoveCodeOf(i, j);
      }
    }
  return move;
}

}  // namespace kz
