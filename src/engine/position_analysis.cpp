// The position analysis: dead stones, then five scanning passes that fill
// safe connection and extension points on the AnalysisBoard, so that the
// areas each side encloses show up as regions there (AreaPlane), and the
// vital points of those areas (ReservedMoves).
#include "engine/board/board_geometry.h"
#include "engine/think_engine.h"

namespace kz {

namespace {

constexpr int kCutInfluence = 20;
// A bare knight's move gives each point between its stones 13 + 6.
constexpr int kKnightInfluence = 18;

}  // namespace

int ThinkEngine::LiveColourAt(int i, int j) const {
  if (!InsideBoard(i, j)) return 0;
  const int v = board_->GetChain(i, j);
  if (v == 0 || board_->GetDead(i, j) == 1) return 0;
  return Sign(v);
}

bool ThinkEngine::TrialHolds(int i, int j, int c) {
  // A stone that would have five liberties or more is never read: no need
  // to play it out.
  if (MergedLiberties(*board_, c, MoveCodeOf(i, j), -1, -1) >= 5) return true;
  PlaneBoard& trial = Work(kTrialBoard);
  CopyBoard(*board_, trial, size_);
  const int r = trial.PlayStone(i, j, c, 1);
  if (r == kOccupied || r == kSuicide || r == kKo) return false;
  return ReadByLiberties(trial, i, j).status == 0;
}

void ThinkEngine::Fill(int i, int j, int c) {
  PlaneBoard& a = Work(kAnalysisBoard);
  if (InsideBoard(i, j) && a.GetChain(i, j) == 0) a.PlayStone(i, j, c, 1);
}

void ThinkEngine::AnalysePosition(PlaneBoard& board, int colour, int mode,
                                  int flag) {
  board_ = &board;
  colour_ = colour;
  SetSizeFrom(board);
  const int linkMode = mode == 2 ? 1 : 0;

  MarkDeadChains(mode);
  Pump();
  area_.fill(0);
  board.LabelRegions();
  board.LinkChains(linkMode);
  CopyBoard(board, Work(kAnalysisBoard), size_);

  ScanEdges();
  Pump();
  ScanThreeApart();
  Pump();
  ScanKnightMoves();
  Pump();
  ScanOnePointGaps();
  Pump();
  ScanDiagonals();
  Pump();

  BuildAreas(linkMode);
  FindReservedMoves();
  if (flag == 1) {
    if (colour == -1) whiteArea_ = area_;
    else if (colour == 1) blackArea_ = area_;
  }
  board.LabelRegions();
  board.LinkChains(linkMode);
  Pump();
}

// First pass: first-line points under a second-line stone, and under a
// third-line stone with the second line open.
void ThinkEngine::ScanEdges() {
  const PlaneBoard& a = Work(kAnalysisBoard);
  const int n = size_;
  auto emptyOrDead = [&](int i, int j) {
    return board_->GetChain(i, j) == 0 || board_->GetDead(i, j) == 1;
  };
  auto empty = [&](int i, int j) { return board_->GetChain(i, j) == 0; };
  auto stoneOf = [&](int i, int j, int c) {
    const int v = board_->GetChain(i, j);
    return v != 0 && Sign(v) == c;
  };
  // The four edges: P on the first line, (di, dj) inward, (ei, ej) along.
  struct Edge {
    int fixedI, fixedJ, di, dj, ei, ej;
  };
  const Edge edges[4] = {{-1, 0, 0, 1, 1, 0},
                         {-1, n - 1, 0, -1, 1, 0},
                         {0, -1, 1, 0, 0, 1},
                         {n - 1, -1, -1, 0, 0, 1}};
  for (const Edge& e : edges) {
    for (int k = 1; k < n - 1; ++k) {
      const int pi = e.fixedI >= 0 ? e.fixedI : k;
      const int pj = e.fixedJ >= 0 ? e.fixedJ : k;
      if (a.GetChain(pi, pj) != 0 || board_->GetRegion(pi, pj) != 0) continue;
      const int si = pi + e.di, sj = pj + e.dj;
      const int ti = si + e.di, tj = sj + e.dj;
      const int p1i = pi - e.ei, p1j = pj - e.ej, p2i = pi + e.ei,
                p2j = pj + e.ej;
      const int s1i = si - e.ei, s1j = sj - e.ej, s2i = si + e.ei,
                s2j = sj + e.ej;
      const int t1i = ti - e.ei, t1j = tj - e.ej, t2i = ti + e.ei,
                t2j = tj + e.ej;
      for (int c : {1, -1}) {
        if (LiveColourAt(si, sj) == c) {
          const bool sideOpen = !stoneOf(s1i, s1j, c) || !stoneOf(s2i, s2j, c);
          const bool pSides = (emptyOrDead(p1i, p1j) || emptyOrDead(p2i, p2j)) &&
                              (empty(p1i, p1j) || empty(p2i, p2j));
          if (sideOpen && pSides && TrialHolds(pi, pj, c)) Fill(pi, pj, c);
        } else if (n > 4 && LiveColourAt(ti, tj) == c && empty(si, sj) &&
                   empty(s1i, s1j) && empty(s2i, s2j)) {
          const bool tSides =
              (!stoneOf(t1i, t1j, c) || !stoneOf(t2i, t2j, c)) &&
              (!stoneOf(t1i, t1j, -c) || !stoneOf(t2i, t2j, -c));
          const bool pSides = emptyOrDead(p1i, p1j) && emptyOrDead(p2i, p2j) &&
                              (empty(p1i, p1j) || empty(p2i, p2j));
          if (tSides && pSides && TrialHolds(pi, pj, c)) {
            Fill(pi, pj, c);
            Fill(si, sj, c);
          }
        }
      }
    }
  }
}

// Second pass: two stones of one colour three points apart on a line with
// open points beside the gap close it without a trial.
void ThinkEngine::ScanThreeApart() {
  const PlaneBoard& a = Work(kAnalysisBoard);
  auto empty = [&](int i, int j) {
    return InsideBoard(i, j) && board_->GetChain(i, j) == 0;
  };
  for (int along = 0; along < 2; ++along) {
    // along 0: (i, j) and (i, j + 3); along 1: (i, j) and (i + 3, j).
    const int di = along == 1 ? 1 : 0, dj = along == 0 ? 1 : 0;
    const int pi = dj, pj = di;  // across the line
    for (int i = 0; i < size_; ++i) {
      for (int j = 0; j < size_; ++j) {
        const int c = LiveColourAt(i, j);
        if (c == 0) continue;
        const int ei = i + 3 * di, ej = j + 3 * dj;
        if (!InsideBoard(ei, ej) || LiveColourAt(ei, ej) != c) continue;
        bool open = true;
        for (int k = 1; k <= 2 && open; ++k) {
          const int gi = i + k * di, gj = j + k * dj;
          open = empty(gi, gj) && empty(gi - pi, gj - pj) &&
                 empty(gi + pi, gj + pj);
        }
        if (!open) continue;
        if (!(empty(i - pi, j - pj) || empty(i + pi, j + pj))) continue;
        if (!(empty(ei - pi, ej - pj) || empty(ei + pi, ej + pj))) continue;
        if (along == 0) {
          if (a.GetChain(i, j + 1) == 0) Fill(i, j + 1, c);
        } else {
          Fill(i + 1, j, c);
          Fill(i + 2, j, c);
        }
      }
    }
  }
}

// Third pass: a knight's move between two stones of one colour, with no
// enemy stone touching the two points between them and the owner's
// influence on both, is joined through the point next to the first stone.
void ThinkEngine::ScanKnightMoves() {
  const PlaneBoard& a = Work(kAnalysisBoard);
  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int c = LiveColourAt(i, j);
      if (c == 0) continue;
      for (const Step& k : kKnight) {
        const int ki = i + k.di, kj = j + k.dj;
        if (LiveColourAt(ki, kj) != c) continue;
        // The two points between: one step along the long leg from each end.
        const bool longI = k.di == 2 || k.di == -2;
        const int m1i = longI ? i + Sign(k.di) : i;
        const int m1j = longI ? j : j + Sign(k.dj);
        const int m2i = longI ? ki - Sign(k.di) : ki;
        const int m2j = longI ? kj : kj - Sign(k.dj);
        if (board_->GetChain(m1i, m1j) != 0 || board_->GetChain(m2i, m2j) != 0)
          continue;
        if (a.GetChain(m1i, m1j) != 0 || a.GetChain(m2i, m2j) != 0) continue;
        bool enemyNear = false;
        for (const Step& d : kOrthogonal) {
          enemyNear = enemyNear || LiveColourAt(m1i + d.di, m1j + d.dj) == -c ||
                      LiveColourAt(m2i + d.di, m2j + d.dj) == -c;
        }
        if (enemyNear) continue;
        const int f1 = c * board_->GetInfluence(m1i, m1j);
        const int f2 = c * board_->GetInfluence(m2i, m2j);
        if (f1 <= kKnightInfluence || f2 <= kKnightInfluence) continue;
        if (TrialHolds(m1i, m1j, c)) Fill(m1i, m1j, c);
      }
    }
  }
}

// Fourth pass: one-point gaps between two stones on a line.
void ThinkEngine::ScanOnePointGaps() {
  const PlaneBoard& an = Work(kAnalysisBoard);
  for (int swap = 0; swap < 2; ++swap) {
    for (int i = 1; i < size1_; ++i) {
      for (int j = 1; j < size1_; ++j) {
        if (an.GetChain(i, j) != 0 || board_->GetChain(i, j) != 0 ||
            board_->GetRegion(i, j) != 0)
          continue;
        // Along the line: A before P, B after it; X, Y across.
        const int ai = swap ? i - 1 : i, aj = swap ? j : j - 1;
        const int bi = swap ? i + 1 : i, bj = swap ? j : j + 1;
        const int xi = swap ? i : i - 1, xj = swap ? j - 1 : j;
        const int yi = swap ? i : i + 1, yj = swap ? j + 1 : j;
        const int c = LiveColourAt(ai, aj);
        if (c == 0 || LiveColourAt(bi, bj) != c) continue;
        // Across the line beside A and beside B.
        const int pi = swap ? 0 : 1, pj = swap ? 1 : 0;
        auto stoneOf = [&](int u, int v, int colour) {
          if (!InsideBoard(u, v)) return false;
          const int s = board_->GetChain(u, v);
          return s != 0 && Sign(s) == colour;
        };
        const bool aOpen = !stoneOf(ai - pi, aj - pj, c) || !stoneOf(ai + pi, aj + pj, c);
        const bool bOpen = !stoneOf(bi - pi, bj - pj, c) || !stoneOf(bi + pi, bj + pj, c);
        if (!aOpen || !bOpen) continue;
        const bool cutAround =
            LiveColourAt(xi, yj == j ? xj : xj) != 0 || LiveColourAt(yi, yj) != 0 ||
            (stoneOf(ai - pi, aj - pj, -c) && stoneOf(ai + pi, aj + pj, -c)) ||
            (stoneOf(bi - pi, bj - pj, -c) && stoneOf(bi + pi, bj + pj, -c));
        if (cutAround) {
          auto strong = [&](int u, int v) {
            return board_->GetChain(u, v) == 0 &&
                   c * board_->GetInfluence(u, v) > kCutInfluence;
          };
          if (strong(xi, xj)) Fill(xi, xj, c);
          else if (strong(yi, yj)) Fill(yi, yj, c);
        } else if (TrialHolds(i, j, c)) {
          Fill(i, j, c);
        }
      }
    }
  }
}

// Fifth pass: a diagonal step between two stones of one colour whose two
// cutting points are open and untouched by the enemy cannot be cut; the
// cutting point with more of the owner's influence is filled.
void ThinkEngine::ScanDiagonals() {
  const PlaneBoard& a = Work(kAnalysisBoard);
  for (int i = 0; i < size1_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int c = LiveColourAt(i, j);
      if (c == 0) continue;
      for (int dj : {-1, 1}) {
        const int ki = i + 1, kj = j + dj;
        if (LiveColourAt(ki, kj) != c) continue;
        const int u1i = i + 1, u1j = j, u2i = i, u2j = j + dj;
        if (board_->GetChain(u1i, u1j) != 0 || board_->GetChain(u2i, u2j) != 0)
          continue;
        if (a.GetChain(u1i, u1j) != 0 || a.GetChain(u2i, u2j) != 0) continue;
        bool enemyNear = false;
        for (const Step& d : kOrthogonal) {
          enemyNear = enemyNear || LiveColourAt(u1i + d.di, u1j + d.dj) == -c ||
                      LiveColourAt(u2i + d.di, u2j + d.dj) == -c;
        }
        if (enemyNear) continue;
        const bool first = c * board_->GetInfluence(u1i, u1j) >=
                           c * board_->GetInfluence(u2i, u2j);
        const int fi = first ? u1i : u2i, fj = first ? u1j : u2j;
        if (TrialHolds(fi, fj, c)) Fill(fi, fj, c);
      }
    }
  }
}

// Steps 5..8: areas from the filled board.
void ThinkEngine::BuildAreas(int linkMode) {
  PlaneBoard& a = Work(kAnalysisBoard);
  a.LabelRegions();
  a.LinkChains(linkMode);
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j) {
      const int r = a.GetRegion(i, j);
      if (r != 0 && a.GetEye(i, j) == 0 && board_->GetRegion(i, j) == 0)
        area_[PlaneIndex(i, j)] = r;
    }
  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      if (board_->GetChain(i, j) != 0 || board_->GetRegion(i, j) != 0) continue;
      const int s = Sign(a.GetChain(i, j));
      if (s == 0) continue;
      bool enclosed = true;
      for (const Step& d : kOrthogonal) {
        const int u = i + d.di, v = j + d.dj;
        if (!InsideBoard(u, v)) continue;
        const int stone = a.GetChain(u, v);
        const int region = a.GetRegion(u, v);
        if (!((stone != 0 && Sign(stone) == s) ||
              (stone == 0 && region != 0 && Sign(region) == s))) {
          enclosed = false;
          break;
        }
      }
      if (!enclosed) continue;
      // Merge this point with its neighbours' labels of the same sign into
      // the outermost one (largest for Black, most negative for White).
      int label = s;
      int merged[4];
      int count = 0;
      for (const Step& d : kOrthogonal) {
        const int u = i + d.di, v = j + d.dj;
        if (!InsideBoard(u, v)) continue;
        const int l = AreaAt(u, v);
        if (l == 0 || Sign(l) != s) continue;
        merged[count++] = l;
        if (s * l > s * label) label = l;
      }
      area_[PlaneIndex(i, j)] = label;
      for (int k = 0; k < count; ++k) {
        if (merged[k] == label) continue;
        for (auto& v : area_)
          if (v == merged[k]) v = label;
      }
    }
  }
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j)
      if (AreaAt(i, j) != 0 && board_->GetChain(i, j) == 0)
        a.SetChain(i, j, 0);
}

// Step 9: vital points of the areas, from the eye shapes of the filled board.
void ThinkEngine::FindReservedMoves() {
  PlaneBoard& a = Work(kAnalysisBoard);
  reserved_.fill(-1);
  int stored = 0;
  auto settledNeighbour = [&](int i, int j, int c) {
    for (int di = -1; di <= 1; ++di)
      for (int dj = -1; dj <= 1; ++dj) {
        if (di == 0 && dj == 0) continue;
        const int u = i + di, v = j + dj;
        if (!InsideBoard(u, v)) continue;
        const int s = a.GetChain(u, v);
        if (s != 0 && Sign(s) == c && board_->LinkEyeCount(u, v) >= 2)
          return true;
      }
    return false;
  };
  ShapePoint sp = a.NextShapePoint(colour_, 0);
  for (int guard = 0; sp.move >= 0 && stored < 10 && guard < kPlanePoints;
       ++guard) {
    const int i = sp.move / 100, j = sp.move % 100;
    const int label = AreaAt(i, j);
    bool keep = sp.kind != 1 && board_->GetChain(i, j) == 0 && label < 0;
    if (keep && sp.kind >= 2 && sp.kind <= 6) {
      static constexpr int kNeed[7] = {0, 0, 3, 4, 5, 5, 6};
      int points = 0;
      for (int v : area_) points += v == label;
      keep = points == kNeed[sp.kind];
    }
    keep = keep && !settledNeighbour(i, j, 1) && !settledNeighbour(i, j, -1);
    if (keep) reserved_[stored++] = sp.move;
    sp = a.NextShapePoint(colour_, 1);
  }
}

}  // namespace kz
