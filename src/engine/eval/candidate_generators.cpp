// The generators' shared helpers, and the generators that read influence:
// the empty 3rd/4th-line area (29), the answer to a side approach (30),
// the quiet point of least swing (31), the influence frontier (32), the
// shoulder shape (33), the jump out of a weak group (26) and the reserved
// vital points of the analysis (35).
#include "engine/eval/candidate_generators.h"

#include "engine/board/board_geometry.h"
#include "engine/eval/move_filters.h"

namespace kz {

// ---------------------------------------------------------------- helpers --

CandidateGenerators::CornerScan CandidateGenerators::ScanFromLastMove() const {
  const int half = (size_ - 1) / 2;
  // A missing last move reads as row 0, column -1.
  const int lr = lastMove_ >= 0 ? lastMove_ / 100 : 0;
  const int lc = lastMove_ >= 0 ? lastMove_ % 100 : -1;
  return {lr < half ? 0 : 1, lc < half ? 0 : 1, size_};
}

bool CandidateGenerators::SettledGroups::At(int i, int j) {
  PlaneBoard& board = *engine_.board_;
  const int id = board.GetLink(i, j);
  if (board.GetChain(i, j) == 0) return false;
  for (int k = 0; k < count_; ++k)
    if (ids_[k] == id) return settled_[k];
  // The settled test reads AreaPlane, which keeps Black positive: ask it
  // with the board in its own orientation.
  NormaliseColour(board, a_);
  const bool settled = engine_.IsGroupSettled(i, j, board) == 1;
  NormaliseColour(board, a_);
  if (count_ < 64) {
    ids_[count_] = id;
    settled_[count_++] = settled;
  }
  return settled;
}

bool CandidateGenerators::SeenIds::CheckAndAdd(int id) {
  for (int k = 0; k < count; ++k)
    if (ids[k] == id) return true;
  if (count < 100) ids[count++] = id;
  return false;
}

int CandidateGenerators::SideAt(int i, int j) const {
  if (!InsideBoard(i, j)) return kOffBoard;
  return Sign(board_->GetChain(i, j));
}

bool CandidateGenerators::LiveStoneAt(int i, int j, int s) const {
  return SideAt(i, j) == s && s != 0 && board_->GetDead(i, j) != 1;
}

bool CandidateGenerators::KeimaForbids(int i, int j, int a) const {
  return rule_ == 1 && board_->IsKeimaViolation(i, j, MoverSide(a)) == 1;
}

bool CandidateGenerators::Playable(int i, int j, int a) const {
  return EmptyAt(i, j) && board_->GetRegion(i, j) == 0 && AreaAt(i, j) == 0 &&
         !KeimaForbids(i, j, a);
}

bool CandidateGenerators::StrictSafetyCheck(const PlaneBoard& b, int i, int j,
                                            int side) {
  if (SafetyCheck(b, i, j, side, kSafetyQuickTests)) return true;
  PlaneBoard& trial = Work(kTrialBoard);
  CopyBoard(b, trial, size_);
  const int r = trial.PlayStone(i, j, side, kReplay);
  if (r == kOccupied || r == kSuicide || r == kKo) return false;
  int libs[8];
  const int count = LibertyList(trial, i, j, libs, 8);
  if (count < 2 || count > 8) return false;
  for (int k = 0; k < count; ++k)
    for (const Step& d : kOrthogonal) {
      const int u = libs[k] / 100 + d.di, v = libs[k] % 100 + d.dj;
      if (trial.OnBoard(u, v) && Sign(trial.GetChain(u, v)) != side) return false;
    }
  return true;
}

bool CandidateGenerators::MoverCanPlay(int move, int a) const {
  if (move < 0) return false;
  const int i = move / 100, j = move % 100;
  return EmptyAt(i, j) && !board_->IsSuicide(i, j, MoverSide(a)) &&
         !KeimaForbids(i, j, a);
}

int CandidateGenerators::LineOf(int i, int j) const {
  int line = i < j ? i : j;
  if (size1_ - i < line) line = size1_ - i;
  if (size1_ - j < line) line = size1_ - j;
  return line;
}

int CandidateGenerators::FilterForMover(int move, int a) const {
  const int r = FilterMove(*board_, move, MoverSide(a));
  if (r >= 0 && r != move && KeimaForbids(r / 100, r % 100, a)) return move;
  return r;
}

int CandidateGenerators::CountOrthogonal(int i, int j, int s) const {
  int count = 0;
  for (const Step& d : kOrthogonal) count += SideAt(i + d.di, j + d.dj) == s;
  return count;
}

// Is the region at (i, j) the one hope of eyes of the groups around it:
// every chain around it belongs to a group that is not settled (a group
// with two eyes already counts as settled)?
bool CandidateGenerators::RegionIsOnlyEyeSpace(int i, int j,
                                               SettledGroups& settled) const {
  const PlaneBoard& b = *board_;
  const int region = b.GetRegion(i, j);
  for (int a = 0; a < size_; ++a)
    for (int c = 0; c < size_; ++c) {
      if (b.GetRegion(a, c) != region || b.GetChain(a, c) != 0) continue;
      for (const Step& d : kOrthogonal) {
        const int u = a + d.di, v = c + d.dj;
        if (!InsideBoard(u, v) || Sign(b.GetChain(u, v)) != Sign(region))
          continue;
        if (settled.At(u, v)) return false;
      }
    }
  return true;
}

int CandidateGenerators::CountDiagonal(int i, int j, int s) const {
  int count = 0;
  for (const Step& d : kDiagonal) count += SideAt(i + d.di, j + d.dj) == s;
  return count;
}

bool CandidateGenerators::StyleSkips(int i, int j) {
  const bool ownDiagonal = CountDiagonal(i, j, 1) > 0;
  if (style_ == 0 && gamePhase_ <= 2 && IsShoulderShape(i, j) == 0 &&
      (board_->IsKeimaViolation(i, j, 1) == 0 || ownDiagonal))
    return true;
  return (style_ == 1 || gamePhase_ == 1) && ownDiagonal;
}

bool CandidateGenerators::StateHolds(int i, int j, char state) const {
  const int s = SideAt(i, j);
  switch (state) {
    case kOwn: return s == 1;
    case kEnemy: return s == -1;
    case kEmpty: return s == 0;
    case kNotEnemy: return s != -1;  // off the board counts as not enemy
    case kNotOwn: return s != 1;
    default: return false;
  }
}

bool CandidateGenerators::ShapeFits(const Shape& shape, int symmetry, int i,
                                    int j) const {
  for (int k = 0; k < shape.count; ++k) {
    const Step d = Turn(symmetry, shape.points[k].di, shape.points[k].dj);
    if (!StateHolds(i + d.di, j + d.dj, shape.points[k].state)) return false;
  }
  return true;
}

Step CandidateGenerators::Turn(int symmetry, int di, int dj) {
  if (symmetry & 4) {
    const int t = di;
    di = dj;
    dj = t;
  }
  if (symmetry & 1) di = -di;
  if (symmetry & 2) dj = -dj;
  return {di, dj};
}

// ------------------------------------------------- 29 PlayOpenAreaPoint --

int CandidateGenerators::PlayOpenAreaPoint() {
  // The test is the same for both colours: the board is not turned.
  static constexpr Step kBlock[9] = {{0, 0},  {-1, 0}, {-1, -1}, {0, -1}, {1, -1},
                                     {1, 0},  {1, 1},  {0, 1},   {-1, 1}};
  const PlaneBoard& b = *board_;
  auto thirdOrFourth = [&](int v) {
    return v == 2 || v == 3 || v == size_ - 4 || v == size3_;
  };
  for (int i = 2; i <= size3_; ++i)
    for (int j = 2; j <= size3_; ++j) {
      if (!thirdOrFourth(i) && !thirdOrFourth(j)) continue;
      bool open = true;
      for (const Step& d : kBlock) {
        const int u = i + d.di, v = j + d.dj;
        if (b.GetChain(u, v) != 0 || b.GetInfluence(u, v) != 0) {
          open = false;
          break;
        }
      }
      if (!open) continue;
      if (rule_ == 1 && b.IsKeimaViolation(i, j, colour_) == 1) continue;
      return MoveCodeOf(i, j);
    }
  return -1;
}

// ------------------------------------------------ 30 AnswerSideApproach --

int CandidateGenerators::AnswerSideApproach() {
  if (size_ != 19 || lastMove_ < 0) return -1;
  const int r = lastMove_ / 100, c = lastMove_ % 100;
  if (!(r > 3 && r < size_ - 4 && c > 3 && c < size1_)) return -1;
  ColourView view(*board_, colour_);
  const PlaneBoard& b = *board_;
  for (const Step& d : kOrthogonal)
    if (b.GetInfluence(r + d.di, c + d.dj) > 13) return -1;

  auto ownOrCalm = [&](int i, int j) {
    return SideAt(i, j) == 1 || b.GetInfluence(i, j) >= 0;
  };
  auto calm = [&](int i, int j) { return b.GetInfluence(i, j) >= 0; };
  // One of the four points two lines from (r, c) towards the centre, with
  // the way behind it open. (di, dj): the step from the candidate away from
  // the last move.
  auto approachShape = [&](int i, int j) {
    const int lo = 4, hi = size_ - 4;
    int di = 0, dj = 0;
    if (r > 11 && i == r - 2 && j == c && j >= lo && j < hi) di = -1;
    else if (r <= 10 && i == r + 2 && j == c && j >= lo && j < hi) di = 1;
    else if (c > 11 && i == r && j == c - 2 && i >= lo && i < hi) dj = -1;
    else if (c <= 10 && i == r && j == c + 2 && i >= lo && i < hi) dj = 1;
    else return false;
    if (!EmptyAt(i - di, j - dj) || !EmptyAt(i + di, j + dj) ||
        !EmptyAt(i + 2 * di, j + 2 * dj))
      return false;
    if (!ownOrCalm(i + 3 * di, j + 3 * dj)) return false;
    // The two points beside the first step, two lines out on each side.
    const int si = dj != 0 ? 2 : 0, sj = di != 0 ? 2 : 0;
    return calm(i + di - si, j + dj - sj) && calm(i + di + si, j + dj + sj);
  };
  for (int i = 1; i <= size2_; ++i)
    for (int j = 1; j <= size2_; ++j) {
      if (!Playable(i, j, colour_) || !approachShape(i, j)) continue;
      if (b.GetInfluence(i, j) != -5) continue;
      bool quiet = true;
      for (const Step& d : kOrthogonal)
        quiet = quiet && EmptyAt(i + d.di, j + d.dj) &&
                b.GetInfluence(i + d.di, j + d.dj) <= 13;
      for (const Step& d : kDiagonal)
        quiet = quiet && EmptyAt(i + d.di, j + d.dj) &&
                b.GetInfluence(i + d.di, j + d.dj) <= 6;
      if (quiet) return MoveCodeOf(i, j);
    }
  return -1;
}

// ------------------------------------------------- 31 PlayMinSwingPoint --

int CandidateGenerators::PlayMinSwingPoint() {
  ColourView view(*board_, colour_);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  const bool opening = gamePhase_ == 1;
  const int lo = size_ != 9 && opening ? 2 : 1;
  const int hi = size_ != 9 && opening ? size3_ : size2_;
  const int maxInfluence = opening ? 4 : 6, minInfluence = opening ? -3 : -5;
  PlaneBoard& trial = Work(kTrialBoard);
  int best = 9999, result = -1;
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (i < lo || i > hi || j < lo || j > hi) continue;
      if (!Playable(i, j, colour_) || CountOrthogonal(i, j, 0) != 4) continue;
      const int influence = b.GetInfluence(i, j);
      if (influence >= maxInfluence || influence < minInfluence) continue;
      if ((i < 2 || i > size3_ || j < 2 || j > size3_) &&
          CountDiagonal(i, j, -1) == 0) {
        // Near the edge: keep clear of an enemy stone two points away.
        bool enemyTwoAway = false;
        for (const Step& d : kOrthogonal)
          enemyTwoAway = enemyTwoAway ||
                         (SideAt(i + 2 * d.di, j + 2 * d.dj) == -1 &&
                          EmptyAt(i + d.di, j + d.dj));
        if (influence <= (enemyTwoAway ? -4 : -2)) continue;
      }
      if (StyleSkips(i, j)) continue;

      CopyBoard(b, trial, size_);
      if (trial.PlayStone(i, j, 1, kReplayWithoutRefresh) < 0 &&
          trial.GetChain(i, j) == 0)
        continue;
      const int own = trial.SpreadInfluence();
      bool walled = true;
      for (const Step& d : kOrthogonal)
        walled = walled && trial.GetInfluence(i + d.di, j + d.dj) > 12;
      if (walled) continue;
      CopyBoard(b, trial, size_);
      if (trial.PlayStone(i, j, -1, kReplayWithoutRefresh) < 0 &&
          trial.GetChain(i, j) == 0)
        continue;
      const int swing = own - trial.SpreadInfluence();
      if (swing < best) {
        best = swing;
        result = MoveCodeOf(i, j);
      }
    }
  return result;
}

// --------------------------------------------- 32 PlayInfluenceFrontier --

int CandidateGenerators::PlayInfluenceFrontier() {
  ColourView view(*board_, colour_);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  const bool narrow = gamePhase_ == 1 && size_ != 9;
  const int lo = narrow ? 2 : 1, hi = narrow ? size3_ : size2_;
  PlaneBoard& trial = Work(kTrialBoard);
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (i < lo || i > hi || j < lo || j > hi) continue;
      if (!Playable(i, j, colour_)) continue;
      if (b.GetWhiteInfluence(i, j) <= -b.GetBlackInfluence(i, j)) continue;
      if (StyleSkips(i, j)) continue;
      if (CountOrthogonal(i, j, 1) != 0) continue;  // it must stand alone
      CopyBoard(b, trial, size_);
      const int played = trial.PlayStone(i, j, 1, kReplay);
      if (played == kOccupied || played == kSuicide || played == kKo ||
          played == kLargeRegionMove)
        continue;
      if (trial.ChainSize(i, j) != 1) continue;
      const int libs = trial.ChainLiberties(i, j);
      bool holds = libs >= 5;
      if (libs == 3) holds = ReadThreeLiberties(trial, i, j).status == 0;
      if (libs == 4) holds = ReadFourLiberties(trial, i, j).status == 0;
      if (holds) return MoveCodeOf(i, j);
    }
  return -1;
}

// --------------------------------------------------- 33 IsShoulderShape --

int CandidateGenerators::IsShoulderShape(int i, int j) {
  // A shoulder hit: an enemy stone on the third or fourth line diagonally
  // below the point, nearer the edge than the point, with both points
  // between them empty.
  if (!EmptyAt(i, j)) return 0;
  const int line = LineOf(i, j);
  for (const Step& d : kDiagonal) {
    const int u = i + d.di, v = j + d.dj;
    if (SideAt(u, v) != -1) continue;
    const int enemyLine = LineOf(u, v);
    if (enemyLine < 2 || enemyLine > 3 || enemyLine >= line) continue;
    if (EmptyAt(u, j) && EmptyAt(i, v)) return 1;
  }
  return 0;
}

// --------------------------------------------- 26 PlayJumpFromWeakGroup --

int CandidateGenerators::PlayJumpFromWeakGroup(int colour) {
  if (gamePhase_ == 2) return -1;
  const int a = colour > 0 ? 1 : -1;
  ColourView view(*board_, a);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  const bool forMover = MoverSide(a) == 1;
  SeenIds seen;
  SettledGroups settled(*this, a);
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int si = scan.I(r), sj = scan.J(c);
      if (SideAt(si, sj) != 1 || b.GetDead(si, sj) == 1) continue;
      const int group = b.GetLink(si, sj);
      if (group == 0 || seen.CheckAndAdd(group)) continue;
      if (settled.At(si, sj)) continue;

      // The group's empty neighbours: how many the enemy does not reach,
      // and whether any of them is already somebody's area.
      bool nextTo[kPlanePoints] = {};
      int open = 0;
      bool touchesArea = false;
      for (int i = 0; i < size_; ++i)
        for (int j = 0; j < size_; ++j) {
          if (b.GetLink(i, j) != group || SideAt(i, j) != 1) continue;
          for (const Step& d : kOrthogonal) {
            const int u = i + d.di, v = j + d.dj;
            if (!EmptyAt(u, v) || nextTo[PlaneIndex(u, v)]) continue;
            nextTo[PlaneIndex(u, v)] = true;
            if (b.GetWhiteInfluence(u, v) == 0) ++open;
            if (b.GetRegion(u, v) > 0 || AreaAt(u, v) != 0) touchesArea = true;
          }
        }
      const int stones = b.LinkStoneCount(si, sj);
      int limit = stones;
      if (stones > 5) limit = b.LinkEyeCount(si, sj) != 0 ? 3 : 5;
      if (touchesArea || stones <= 2 || open > limit) continue;

      // A one-point jump out: two points from a stone of the group along a
      // line, the point between empty, not next to the group.
      int best = -1, result = -1;
      for (int i = 1; i <= size2_; ++i)
        for (int j = 1; j <= size2_; ++j) {
          if (nextTo[PlaneIndex(i, j)] || !Playable(i, j, a)) continue;
          bool jump = false;
          for (const Step& d : kOrthogonal) {
            const int u = i + 2 * d.di, v = j + 2 * d.dj;
            jump = jump || (SideAt(u, v) == 1 && b.GetLink(u, v) == group &&
                            EmptyAt(i + d.di, j + d.dj));
          }
          if (!jump) continue;
          const int influence = b.GetInfluence(i, j);
          if (!forMover && influence >= 1) continue;
          if (influence <= best) continue;
          if (!StrictSafetyCheck(b, i, j, 1)) continue;
          best = influence;
          result = MoveCodeOf(i, j);
        }
      if (result >= 0) return result;
    }
  return -1;
}

// -------------------------------------------------- 35 PlayReservedMove --

int CandidateGenerators::PlayReservedMove() {
  // Black stays positive here: AreaPlane's sign says whose area it is.
  const PlaneBoard& b = *board_;
  static constexpr Step kAround[8] = {{-1, 0}, {-1, -1}, {0, -1}, {1, -1},
                                      {1, 0},  {1, 1},   {0, 1},  {-1, 1}};
  SettledGroups settled(*this, 1);
  PlaneBoard& trial = Work(kTrialBoard);
  for (const int move : reserved_) {
    if (move == -1) break;
    if (move < 0) continue;
    const int i = move / 100, j = move % 100;
    if (!InsideBoard(i, j)) continue;
    if (rule_ == 1 && b.IsKeimaViolation(i, j, colour_) == 1) continue;
    const int area = Sign(AreaAt(i, j));
    bool besideSettled = false;
    if (area != 0)
      for (const Step& d : kAround) {
        const int u = i + d.di, v = j + d.dj;
        if (SideAt(u, v) == area && settled.At(u, v)) besideSettled = true;
      }
    if (besideSettled) continue;
    CopyBoard(b, trial, size_);
    const int r = trial.PlayStone(i, j, colour_, kReplay);
    // An occupied point is no move either: the analysis may be older than
    // the position.
    if (r == kSuicide || r == kKo || r == kOccupied) continue;
    return move;
  }
  return -1;
}

}  // namespace kz
