// PlaneBoard's analysis refreshes: regions with their eye classes and
// territory, linked groups, and influence.
#include "engine/board/board_geometry.h"
#include "engine/board/plane_board.h"

namespace kz {

namespace {

// Union-find over labels where a merge always keeps the larger label: the
// result equals relabelling every point of the smaller label by a scan.
class LabelMerger {
 public:
  void Clear() { next_ = 0; }
  int Open() {
    ++next_;
    parent_[next_] = next_;
    return next_;
  }
  int Find(int x) const {
    while (parent_[x] != x) x = parent_[x];
    return x;
  }
  // Merges the two labels' sets into the larger representative.
  int Merge(int a, int b) {
    a = Find(a);
    b = Find(b);
    if (a == b) return a;
    if (a < b) {
      parent_[a] = b;
      return b;
    }
    parent_[b] = a;
    return a;
  }
  int Count() const { return next_; }

 private:
  int parent_[kPlanePoints + 1];
  int next_ = 0;
};

}  // namespace

// ---------------------------------------------------------------- regions ---

void PlaneBoard::LabelRegions() {
  LabelMerger labels;
  labels.Clear();
  auto isRegionPoint = [&](int p) { return chain_[p] == 0 || dead_[p] == 1; };

  // Phase 1: labels, column by column.
  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int p = PlaneIndex(i, j);
      if (!isRegionPoint(p)) {
        region_[p] = 0;
        continue;
      }
      const int left = i > 0 && isRegionPoint(PlaneIndex(i - 1, j))
                           ? region_[PlaneIndex(i - 1, j)]
                           : 0;
      const int up = j > 0 && isRegionPoint(PlaneIndex(i, j - 1))
                         ? region_[PlaneIndex(i, j - 1)]
                         : 0;
      if (left && up)
        region_[p] = labels.Merge(left, up);
      else if (left || up)
        region_[p] = labels.Find(left ? left : up);
      else
        region_[p] = labels.Open();
    }
  }

  // Phase 2: colours, from the live stones around each label.
  int touches[kPlanePoints + 1];  // bit 1: Black, bit 2: White
  for (int k = 1; k <= labels.Count(); ++k) touches[k] = 0;
  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int p = PlaneIndex(i, j);
      if (!isRegionPoint(p)) continue;
      const int label = labels.Find(region_[p]);
      region_[p] = label;
      for (const Step& d : kOrthogonal) {
        const int a = i + d.di, b = j + d.dj;
        if (!OnBoard(a, b)) continue;
        const int q = PlaneIndex(a, b);
        if (chain_[q] == 0 || dead_[q] == 1) continue;
        touches[label] |= chain_[q] > 0 ? 1 : 2;
      }
    }
  }
  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int p = PlaneIndex(i, j);
      if (!isRegionPoint(p)) continue;
      const int t = touches[region_[p]];
      region_[p] = t == 1 ? region_[p] : t == 2 ? -region_[p] : 0;
    }
  }

  // Phase 3: eye classes.
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j)
      eye_[PlaneIndex(i, j)] = EyeClassAt(i, j, region_[PlaneIndex(i, j)]);

  // Territory: sound or conditional eyes count; a false eye counts unless
  // the chains around it, followed through false eyes, have no sound eye.
  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int p = PlaneIndex(i, j);
      if (region_[p] == 0) {
        territory_[p] = 0;
        continue;
      }
      if (eye_[p] != 2) {
        territory_[p] = 1;
        continue;
      }
      int t = 1;
      for (const Step& d : kOrthogonal) {
        const int a = i + d.di, b = j + d.dj;
        if (!OnBoard(a, b) || StoneAt(a, b) == 0) continue;
        if (ChainHasNoSoundEye(StoneAt(a, b), i, j)) {
          t = 0;
          break;
        }
      }
      territory_[p] = t;
    }
  }
}

int PlaneBoard::EyeClassAt(int i, int j, int r) const {
  if (r == 0) return 0;
  const int own = Sign(r);
  auto isOpen = [&](int q) {
    const int v = chain_[q];
    return v == 0 || (Sign(v) == -own && dead_[q] == 1);
  };
  int open = 0;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, b = j + d.dj;
    if (OnBoard(a, b) && isOpen(PlaneIndex(a, b))) ++open;
  }
  if (open > 1) return 0;

  const bool edgeI = i == 0 || i == size1_;
  const bool edgeJ = j == 0 || j == size1_;
  const int offBoard = edgeI && edgeJ ? 5 : (edgeI || edgeJ) ? 3 : 0;
  int strict = offBoard, lenient = offBoard;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, b = j + d.dj;
    if (!OnBoard(a, b)) continue;
    const int q = PlaneIndex(a, b);
    if (Sign(chain_[q]) == own || Sign(region_[q]) == own) {
      ++strict;
      ++lenient;
    }
  }
  for (const Step& d : kDiagonal) {
    const int a = i + d.di, b = j + d.dj;
    if (!OnBoard(a, b)) continue;
    const int q = PlaneIndex(a, b);
    if (Sign(chain_[q]) == own || Sign(region_[q]) == own) {
      ++strict;
      ++lenient;
    } else if (chain_[q] == 0) {
      const int libs = LibertiesIfPlayed(a, b, -own);
      if (libs == 1) {
        ++strict;
        ++lenient;
      } else if (libs >= 2) {
        ++lenient;
      }
    }
  }
  const int need = offBoard > 0 ? 8 : 7;
  if (strict >= need) return 0;
  return lenient >= need ? 1 : 2;
}

// The chain-following test of a false-eye point (pi, pj): true when the chain
// and every chain reached across other false-eye points touch no sound eye
// or open region point.
bool PlaneBoard::ChainHasNoSoundEye(int chainId, int pi, int pj) const {
  constexpr int kMaxFollowed = 100;
  int queue[kMaxFollowed + 1];
  int followed[kMaxFollowed];
  int nFollowed = 0;
  int head = 0, tail = 0;
  queue[tail++] = chainId;
  while (head < tail) {
    const int id = queue[head++];
    for (int a = 0; a < size_; ++a) {
      for (int b = 0; b < size_; ++b) {
        if (chain_[PlaneIndex(a, b)] != id) continue;
        for (const Step& d : kOrthogonal) {
          const int x = a + d.di, y = b + d.dj;
          if (!OnBoard(x, y)) continue;
          const int q = PlaneIndex(x, y);
          if (region_[q] == 0) continue;
          if (eye_[q] != 2) return false;
          if (x == pi && y == pj) continue;
          const int fx = x + d.di, fy = y + d.dj;
          if (!OnBoard(fx, fy)) continue;
          const int far = chain_[PlaneIndex(fx, fy)];
          if (far == 0 || Sign(far) != Sign(id)) continue;
          const int fp = PlaneIndex(fx, fy);
          bool known = false;
          for (int k = 0; k < nFollowed; ++k) known |= followed[k] == fp;
          if (known || nFollowed == kMaxFollowed) continue;
          followed[nFollowed++] = fp;
          queue[tail++] = far;
        }
      }
    }
  }
  return true;
}

// ----------------------------------------------------------------- links ----

void PlaneBoard::LinkChains(int mode) {
  link_.fill(0);
  LinkHalf(1, mode);
  LinkHalf(-1, mode);
}

void PlaneBoard::LinkHalf(int s, int mode) {
  // Everything below is written for Black (s = +1); White reads the same
  // tests through the sign.
  auto on = [&](int i, int j) { return OnBoard(i, j); };
  auto own = [&](int i, int j) {
    return on(i, j) && Sign(chain_[PlaneIndex(i, j)]) == s;
  };
  auto enemy = [&](int i, int j) {
    return on(i, j) && Sign(chain_[PlaneIndex(i, j)]) == -s;
  };
  auto neutral = [&](int i, int j) {
    return on(i, j) && chain_[PlaneIndex(i, j)] == 0 &&
           region_[PlaneIndex(i, j)] == 0;
  };
  auto neutralOrOff = [&](int i, int j) { return !on(i, j) || neutral(i, j); };
  auto deadEnemy = [&](int i, int j) {
    return enemy(i, j) && dead_[PlaneIndex(i, j)] == 1;
  };
  auto labelled = [&](int i, int j) {
    if (!on(i, j)) return false;
    const int p = PlaneIndex(i, j);
    return (Sign(chain_[p]) == s && dead_[p] == 0) || Sign(region_[p]) == s;
  };
  // A cut point (ci, cj) is covered by (ai, aj), the point beyond it, and
  // (bi, bj), the point beside it.
  auto covered = [&](int ci, int cj, int ai, int aj, int bi, int bj) {
    if (!neutral(ci, cj) || !on(ai, aj) || enemy(ai, aj)) return false;
    return own(bi, bj) || (own(ai, aj) && on(bi, bj) && !enemy(bi, bj));
  };

  // Labels are stored as magnitudes here and signed at the end.
  LabelMerger labels;
  labels.Clear();
  auto labelOf = [&](int i, int j) {
    const int v = link_[PlaneIndex(i, j)] * s;
    return v > 0 ? labels.Find(v) : 0;
  };

  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      if (!labelled(i, j)) continue;
      int got[3] = {0, 0, 0};
      int n = 0;
      auto collect = [&](int v) {
        if (v == 0) return;
        for (int k = 0; k < n; ++k)
          if (got[k] == v) return;
        if (n == 3) {
          int lo = 0;
          for (int k = 1; k < 3; ++k)
            if (got[k] < got[lo]) lo = k;
          got[lo] = v;
          return;
        }
        got[n++] = v;
      };
      auto joinIf = [&](bool cond, int a, int b) {
        if (cond) collect(labelOf(a, b));
      };
      auto linkable = [&](int a, int b) {
        return own(a, b) || (on(a, b) && Sign(region_[PlaneIndex(a, b)]) == s);
      };

      joinIf(linkable(i - 1, j), i - 1, j);
      joinIf(linkable(i, j - 1), i, j - 1);

      if (own(i, j)) {
        // Diagonal connections.
        auto diagonal = [&](int di, int dj) {
          const int a = i + di, b = j + dj;
          if (!own(a, b)) return;
          // Cut points: (i + di, j) and (i, j + dj).
          const bool n1 = neutral(i + di, j), n2 = neutral(i, j + dj);
          bool ok = mode == 1 ? (n1 || n2) : (n1 && n2);
          ok = ok || covered(i + di, j, i + 2 * di, j, i + di, j - dj);
          ok = ok || covered(i, j + dj, i, j + 2 * dj, i - di, j + dj);
          ok = ok || deadEnemy(i + di, j) || deadEnemy(i, j + dj);
          if (ok) collect(labelOf(a, b));
        };
        diagonal(-1, -1);
        diagonal(-1, 1);

        // Double jump across a 2 x 2 empty gap with stones on both sides.
        joinIf(own(i, j - 2) && own(i + 1, j - 2) && own(i + 1, j) &&
                   neutral(i, j - 1) && neutral(i + 1, j - 1),
               i, j - 2);
        joinIf(own(i - 2, j) && own(i - 2, j + 1) && own(i, j + 1) &&
                   neutral(i - 1, j) && neutral(i - 1, j + 1),
               i - 2, j);

        // One-point jumps in open space.
        if (own(i - 2, j)) {
          bool open = true;
          for (int di = 0; di <= 2; ++di)
            for (int dj : {-1, 1})
              if (on(i - di, j + dj) && !neutral(i - di, j + dj)) open = false;
          joinIf(open, i - 2, j);
        }
        if (own(i, j - 2)) {
          bool open = true;
          for (int dj = 0; dj <= 2; ++dj)
            for (int di : {-1, 1})
              if (on(i + di, j - dj) && !neutral(i + di, j - dj)) open = false;
          joinIf(open, i, j - 2);
        }

        // Jumps with one side stone: exactly one of the side pair is own,
        // the other empty-neutral.
        auto onePair = [&](int a1, int b1, int a2, int b2) {
          return (own(a1, b1) && neutral(a2, b2)) ||
                 (neutral(a1, b1) && own(a2, b2));
        };
        if (own(i - 2, j)) {
          const bool lower = neutral(i - 1, j) && neutral(i - 1, j + 1) &&
                             neutralOrOff(i - 1, j - 1) &&
                             onePair(i, j + 1, i - 2, j + 1);
          const bool upper = neutral(i - 1, j) && neutral(i - 1, j - 1) &&
                             neutralOrOff(i - 1, j + 1) &&
                             onePair(i, j - 1, i - 2, j - 1);
          joinIf(lower || upper, i - 2, j);
        }
        if (own(i, j - 2)) {
          const bool right = neutral(i, j - 1) && neutral(i + 1, j - 1) &&
                             neutralOrOff(i - 1, j - 1) &&
                             onePair(i + 1, j, i + 1, j - 2);
          const bool left = neutral(i, j - 1) && neutral(i - 1, j - 1) &&
                            neutralOrOff(i + 1, j - 1) &&
                            onePair(i - 1, j, i - 1, j - 2);
          joinIf(right || left, i, j - 2);
        }
      }

      int label;
      if (n == 0) {
        label = labels.Open();
      } else {
        label = got[0];
        for (int k = 1; k < n; ++k) label = labels.Merge(label, got[k]);
      }
      link_[PlaneIndex(i, j)] = label * s;
    }
  }

  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int p = PlaneIndex(i, j);
      const int v = link_[p] * s;
      if (v > 0) link_[p] = labels.Find(v) * s;
    }
  }
}

// ------------------------------------------------------------- influence ----

int PlaneBoard::SpreadInfluence() {
  // The scan runs on the board with a margin of three off-board points, so
  // every reach of a stone's spread stays inside the arrays. open[0] holds
  // the points open to Black (empty, or a White stone marked dead), open[1]
  // those open to White; live[] is +1 / -1 for live stones.
  constexpr int kPad = 3;
  constexpr int kW = kMaxSize + 2 * kPad;
  unsigned char open[2][kW * kW] = {};
  unsigned char emptyOrDead[kW * kW] = {};
  signed char live[kW * kW] = {};
  int spread[2][kW * kW] = {};  // Black's and White's spread, as magnitudes
  int evaluation = 0;
  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int p = PlaneIndex(i, j);
      const int q = (i + kPad) * kW + j + kPad;
      const int v = chain_[p];
      const bool dead = dead_[p] == 1;
      open[0][q] = v == 0 || (v < 0 && dead);
      open[1][q] = v == 0 || (v > 0 && dead);
      emptyOrDead[q] = v == 0 || dead;
      live[q] = dead ? 0 : static_cast<signed char>(Sign(v));
      evaluation += 60 * live[q];
    }
  }

  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int q = (i + kPad) * kW + j + kPad;
      if (live[q] == 0) continue;
      const int side = live[q] > 0 ? 0 : 1;
      const unsigned char* op = open[side];
      int* to = spread[side];

      for (const int d : {-kW, kW, -1, 1}) {
        if (emptyOrDead[q + d]) to[q + d] += 13;
        if (!op[q + d] || !op[q + 2 * d]) continue;
        to[q + 2 * d] += 5;
        if (op[q + 3 * d]) to[q + 3 * d] += 1;
      }
      for (const Step& d : kDiagonal) {
        const int di = d.di * kW, dj = d.dj;
        const int t = q + di + dj;
        if (!op[t] || (!op[q + di] && !op[q + dj])) continue;
        to[t] += 6;
        // Double diagonal: through the (reachable) empty diagonal point.
        if (chain_[PlaneIndex(i + d.di, j + d.dj)] == 0 && op[t + di + dj])
          to[t + di + dj] += 1;
      }
      for (const Step& d : kKnight) {
        const int t = q + d.di * kW + d.dj;
        if (!op[t]) continue;
        // The straight neighbour towards it and the diagonal next to it.
        const int si = (d.di == 2 || d.di == -2) ? d.di / 2 : 0;
        const int sj = (d.dj == 2 || d.dj == -2) ? d.dj / 2 : 0;
        if (op[q + si * kW + sj] || op[q + Sign(d.di) * kW + Sign(d.dj)])
          to[t] += 2;
      }
    }
  }

  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int p = PlaneIndex(i, j);
      const int q = (i + kPad) * kW + j + kPad;
      blackInfluence_[p] = spread[0][q];
      whiteInfluence_[p] = -spread[1][q];
      int net = spread[0][q] - spread[1][q];
      // A point walled in by live stones, all but one of a single colour,
      // has no net influence (two and one on the edge). Corners are left
      // alone.
      const bool edgeI = i == 0 || i == size1_, edgeJ = j == 0 || j == size1_;
      if (!(edgeI && edgeJ)) {
        int black = 0, white = 0, onBoard = 0;
        for (const int d : {-kW, kW, -1, 1}) {
          const int t = q + d;
          const bool on = open[0][t] || open[1][t] || live[t] != 0;
          if (!on) continue;
          ++onBoard;
          black += live[t] > 0;
          white += live[t] < 0;
        }
        if (black + white == onBoard &&
            ((black == 1 && white == onBoard - 1) ||
             (white == 1 && black == onBoard - 1)))
          net = 0;
      }
      influence_[p] = net;
      evaluation += net;
    }
  }
  return evaluation;
}

}  // namespace kz
