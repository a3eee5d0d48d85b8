// Eyes and the endgame: the vital point of a small eye space (27), eye
// shape (37), making or denying a second eye (44), the boundary of settled
// groups (45), securing a false eye (50) and the last reasonable point (51).
#include <algorithm>

#include "engine/eval/candidate_generators.h"
#include "engine/eval/move_filters.h"

namespace kz {

namespace {

constexpr int kEyeTrialsPerCall = 60;

// A point walled in by own stones or the edge on all four sides.
bool OwnEyeAt(const PlaneBoard& b, int i, int j) {
  for (const Step& d : kOrthogonal) {
    const int u = i + d.di, v = j + d.dj;
    if (b.OnBoard(u, v) && b.GetChain(u, v) <= 0) return false;
  }
  return true;
}

// Whether p is the vital point of the small closed space: it touches more
// points of the space than any other point does. That is the middle of a
// straight or bent three, the centre of a pyramid four, a bulky or crossed
// five and a rabbity six, where one stone decides between two eyes and one.
// Spaces with two such points (straight and bent four, a two-by-three
// block) live whoever plays first inside: no one point matters.
bool IsVitalPointOfSpace(const int* space, int n, int p) {
  auto inside = [&](int q) {
    return std::find(space, space + n, q) != space + n;
  };
  auto touching = [&](int q) {
    int count = 0;
    for (const Step& d : kOrthogonal)
      count += inside(q + d.di * 100 + d.dj);
    return count;
  };
  const int own = touching(p);
  for (int k = 0; k < n; ++k)
    if (space[k] != p && touching(space[k]) >= own) return false;
  return true;
}

}  // namespace

// ------------------------------------------------- 27 PlayEyeVitalPoint --

int CandidateGenerators::PlayEyeVitalPoint(int colour) {
  const int a = colour > 0 ? 1 : -1;
  ColourView view(*board_, a);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  const int mover = MoverSide(a);
  SettledGroups settled(*this, a);
  PlaneBoard& trial = Work(kChaseBoard);
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (!EmptyAt(i, j) || KeimaForbids(i, j, a)) continue;
      bool enclosed = true, besideSettled = false;
      for (const Step& d : kOrthogonal) {
        const int u = i + d.di, v = j + d.dj;
        const int side = SideAt(u, v);
        if (side == kOffBoard) continue;
        if (side == 1) {
          besideSettled = besideSettled || settled.At(u, v);
          continue;
        }
        if (side == 0 && (b.GetRegion(u, v) > 0 || AreaSide(u, v, a) > 0))
          continue;
        enclosed = false;
      }
      if (!enclosed || besideSettled) continue;
      if (b.GetRegion(i, j) != 0 && b.RegionSize(i, j) > 5) continue;
      if (AreaAt(i, j) != 0) {
        int areaSize = 0;
        for (const int v : area_) areaSize += v == AreaAt(i, j);
        if (areaSize > 6) continue;
      }
      // The vital point of a small eye space of three to six points, so
      // that the stone there makes two eyes of it or keeps it to one (a
      // vital point always has two or more of the space's points next to
      // it).
      int space[8];
      const int spaceSize = EmptyArea(b, MoveCodeOf(i, j), 6, space);
      if (spaceSize < 3 || spaceSize > 6 ||
          !IsVitalPointOfSpace(space, spaceSize, MoveCodeOf(i, j)))
        continue;
      bool weakGroup = true;
      for (const Step& d : kOrthogonal)
        if (SideAt(i + d.di, j + d.dj) == 1 &&
            b.LinkEyeCount(i + d.di, j + d.dj) > 2)
          weakGroup = false;
      if (!weakGroup) continue;
      // The mover's own eye space matters only while the group has no other
      // eyes and is not settled: otherwise the stone fills own territory.
      if (mover == 1 && b.GetRegion(i, j) > 0 &&
          !RegionIsOnlyEyeSpace(i, j, settled))
        continue;
      if (mover == 1) {
        CopyBoard(b, trial, size_);
        const int played = trial.PlayStone(i, j, 1, kReplay);
        if (played > 0 || played == kOccupied || played == kSuicide ||
            played == kKo)
          continue;
      }
      if (!StrictSafetyCheck(b, i, j, 1)) continue;
      if (mover != 1 && !StrictSafetyCheck(b, i, j, mover)) continue;
      return MoveCodeOf(i, j);
    }
  return -1;
}

// -------------------------------------------------- 37 PlayEyeShapeMove --

int CandidateGenerators::PlayEyeShapeMove(int colour) {
  const int a = colour > 0 ? 1 : -1;
  ColourView view(*board_, a);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  const int mover = MoverSide(a);
  PlaneBoard& trial = Work(kChaseBoard);
  SettledGroups settled(*this, a);

  // First pass, for the mover: take the empty diagonal point that an eye
  // of class 1 depends on, before the opponent spoils it.
  if (mover == 1) {
    for (int r = 0; r < size_; ++r)
      for (int c = 0; c < size_; ++c) {
        const int i = scan.I(r), j = scan.J(c);
        if (!EmptyAt(i, j) || KeimaForbids(i, j, a) || OwnEyeAt(b, i, j))
          continue;
        // (Only an eye the group still needs: one of a group without other
        // eyes that is not settled.)
        bool guardsEye = false;
        for (const Step& d : kDiagonal) {
          const int u = i + d.di, v = j + d.dj;
          guardsEye = guardsEye || (EmptyAt(u, v) && b.GetEye(u, v) == 1 &&
                                    b.GetRegion(u, v) > 0 &&
                                    RegionIsOnlyEyeSpace(u, v, settled));
        }
        if (!guardsEye) continue;
        CopyBoard(b, trial, size_);
        const int played = trial.PlayStone(i, j, 1, kReplay);
        if (played > 0 || played == kOccupied || played == kSuicide ||
            played == kKo)
          continue;
        if (gamePhase_ == 4) {
          trial.LabelRegions();
          trial.LinkChains(1);
          if (trial.LinkEyeCount(i, j) == 1) continue;
        }
        if (b.IsSuicide(i, j, -1)) continue;
        if (SafetyCheck(b, i, j, 1)) return MoveCodeOf(i, j);
      }
  }
  // Second pass, from the endgame on: a point that closes an eye. Two own
  // stones stand on both sides of the empty point q next to the candidate,
  // and q's far side is own or the edge: the candidate walls q in (for the
  // opponent's stones, the mover takes that point first). Earlier in the
  // game such a wall is slow: the first pass and the eye stages before this
  // one answer the eyes a group's life hangs on.
  //   O
  //   q *
  //   O
  if (gamePhase_ < 3) return -1;
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (!EmptyAt(i, j) || KeimaForbids(i, j, a) || OwnEyeAt(b, i, j))
        continue;
      for (const Step& t : kOrthogonal) {
        const int qi = i + t.di, qj = j + t.dj;
        if (!EmptyAt(qi, qj)) continue;
        const int si = t.dj, sj = t.di;  // across the line p-q
        if (!LiveStoneAt(qi + si, qj + sj, 1) || !LiveStoneAt(qi - si, qj - sj, 1))
          continue;
        const int far = SideAt(qi + t.di, qj + t.dj);
        if (far != 1 && far != kOffBoard) continue;
        // Not a false eye: the enemy holds at most one diagonal of q, none
        // on the edge.
        const int enemyDiagonals = CountDiagonal(qi, qj, -1);
        const bool edge = LineOf(qi, qj) == 0;
        if (enemyDiagonals > (edge ? 0 : 1)) continue;
        if (settled.At(qi + si, qj + sj)) continue;
        // An eye in a region the group has eyes besides needs no wall.
        if (b.GetRegion(qi, qj) > 0 && !RegionIsOnlyEyeSpace(qi, qj, settled))
          continue;
        if (SafetyCheck(b, i, j, mover)) return MoveCodeOf(i, j);
      }
    }
  return -1;
}

// ---------------------------------------------------- 44 MakeOrDenyEyes --

int CandidateGenerators::MakeOrDenyEyes(int colour) {
  const int opponentPlayer = colour_ == 1 ? whitePlayer_ : blackPlayer_;
  if (lastMove_ < 0 && opponentPlayer == 0) return -1;
  const int a = colour > 0 ? 1 : -1;
  ColourView view(*board_, a);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  const int mover = MoverSide(a);
  SettledGroups settled(*this, a);
  SeenIds seen;
  PlaneBoard& trial = Work(kChaseBoard);
  int trials = 0;
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int si = scan.I(r), sj = scan.J(c);
      if (SideAt(si, sj) != 1 || b.GetDead(si, sj) == 1) continue;
      const int group = b.GetLink(si, sj);
      if (group == 0 || seen.CheckAndAdd(group)) continue;
      const int eyes = b.LinkEyeCount(si, sj);
      if (eyes > 1 || b.LinkStoneCount(si, sj) < 3 || settled.At(si, sj))
        continue;
      // The group's empty neighbours, each tried once: does a stone there
      // give the group its second eye?
      bool tried[kPlanePoints] = {};
      for (int i = 0; i < size_; ++i)
        for (int j = 0; j < size_; ++j) {
          if (b.GetLink(i, j) != group || SideAt(i, j) != 1) continue;
          for (const Step& d : kOrthogonal) {
            const int u = i + d.di, v = j + d.dj;
            if (!EmptyAt(u, v) || tried[PlaneIndex(u, v)]) continue;
            tried[PlaneIndex(u, v)] = true;
            if (KeimaForbids(u, v, a) || OwnEyeAt(b, u, v)) continue;
            if (CountOrthogonal(u, v, 0) == 0) continue;
            if (++trials > kEyeTrialsPerCall) return -1;
            CopyBoard(b, trial, size_);
            const int played = trial.PlayStone(u, v, 1, kReplay);
            if (played == kOccupied || played == kSuicide || played == kKo)
              continue;
            trial.LabelRegions();
            trial.LinkChains(0);
            const int after = trial.LinkEyeCount(u, v);
            if (after < 2 || after <= eyes) continue;
            if (SafetyCheck(b, u, v, mover)) return MoveCodeOf(u, v);
          }
        }
    }
  return -1;
}

// ----------------------------------------------- 45 PlayEndgameBoundary --

int CandidateGenerators::PlayEndgameBoundary() {
  ColourView view(*board_, colour_);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  SettledGroups settled(*this, colour_);
  static constexpr Step kAround[8] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1},
                                      {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
  // First the points that also touch the enemy (a real boundary), then any.
  for (int pass = 0; pass < 2; ++pass)
    for (int r = 0; r < size_; ++r)
      for (int c = 0; c < size_; ++c) {
        const int i = scan.I(r), j = scan.J(c);
        if (!EmptyAt(i, j) || b.GetRegion(i, j) != 0 ||
            KeimaForbids(i, j, colour_) || AreaSide(i, j, colour_) > 0 ||
            OwnEyeAt(b, i, j))
          continue;
        if (pass == 0 && CountOrthogonal(i, j, -1) + CountDiagonal(i, j, -1) == 0)
          continue;
        bool besideSettled = false;
        for (const Step& d : kAround) {
          const int u = i + d.di, v = j + d.dj;
          if (LiveStoneAt(u, v, 1) && settled.At(u, v)) {
            besideSettled = true;
            break;
          }
        }
        if (!besideSettled || b.IsSuicide(i, j, 1)) continue;
        if (SafetyCheck(b, i, j, 1)) return MoveCodeOf(i, j);
      }
  return -1;
}

// ---------------------------------------------------- 50 SecureEyeShape --

int CandidateGenerators::SecureEyeShape() {
  ColourView view(*board_, colour_);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  SettledGroups settled(*this, colour_);
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (!EmptyAt(i, j) || b.GetEye(i, j) < 2) continue;
      if (b.GetRegion(i, j) <= 0 && AreaSide(i, j, colour_) <= 0) continue;
      if (KeimaForbids(i, j, colour_)) continue;
      bool quiet = true;
      for (const Step& d : kOrthogonal) {
        const int u = i + d.di, v = j + d.dj;
        const int side = SideAt(u, v);
        if (side == 0 || side == kOffBoard) continue;
        quiet = quiet && settled.At(u, v);
      }
      if (quiet && SafetyCheck(b, i, j, 1)) return MoveCodeOf(i, j);
    }
  return -1;
}

// -------------------------------------------- 51 PlayAnyReasonablePoint --

int CandidateGenerators::PlayAnyReasonablePoint() {
  if (lastMove_ < 0) return -1;
  ColourView view(*board_, colour_);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  SettledGroups settled(*this, colour_);
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (!EmptyAt(i, j)) continue;
      bool strongNeighbour = false;
      for (const Step& d : kOrthogonal) {
        const int u = i + d.di, v = j + d.dj;
        strongNeighbour = strongNeighbour ||
                          (LiveStoneAt(u, v, 1) && b.ChainLiberties(u, v) >= 5);
      }
      if (!strongNeighbour) continue;
      const int region = Sign(b.GetRegion(i, j)), area = AreaSide(i, j, colour_);
      if (region < 0 || area < 0) continue;
      if (KeimaForbids(i, j, colour_)) continue;
      if (gamePhase_ == 1 && LineOf(i, j) == 0) continue;
      const int move = MoveCodeOf(i, j);
      if (PassesReasonablePointTests(b, move, 1, gamePhase_) < 0) continue;
      if (region > 0 || area > 0) continue;
      if (gamePhase_ >= 3) {
        // In the endgame, stretching a settled group into the open gains
        // nothing unless the enemy is there to be pushed back.
        bool enemyNear = CountOrthogonal(i, j, -1) + CountDiagonal(i, j, -1) > 0;
        bool allSettled = true;
        for (const Step& d : kOrthogonal) {
          const int u = i + d.di, v = j + d.dj;
          if (LiveStoneAt(u, v, 1) && !settled.At(u, v)) allSettled = false;
        }
        if (allSettled && !enemyNear) continue;
      }
      if (SafetyCheck(b, i, j, 1)) return move;
    }
  return -1;
}

}  // namespace kz
