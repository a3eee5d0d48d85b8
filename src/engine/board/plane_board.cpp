// PlaneBoard: construction, the rules of play (Reset, PlayStone, the Keima
// test), the plane accessors, the queries and the end-of-game counting.
// The analysis refreshes live in board_analysis.cpp, the eye shapes in
// board_shapes.cpp.
#include "engine/board/plane_board.h"

#include "engine/board/board_geometry.h"

namespace kz {

PlaneBoard::PlaneBoard() {
  // Every plane starts zeroed, the link and influence planes included: the
  // classification of a first move reads the link plane before any refresh.
}

PlaneBoard::~PlaneBoard() = default;

std::uint32_t PlaneBoard::NextStamp() const {
  if (++stamp_ == 0) {
    mark_.fill(0);
    stamp_ = 1;
  }
  return stamp_;
}

// ---------------------------------------------------------------- rules ----

namespace {

struct HandicapPoint {
  int minHandicap;
  int p19[2], p13[2], p9[2];
};

// Corner and side stones in the order of their chain ids 1..8.
constexpr HandicapPoint kHandicapPoints[] = {
    {2, {15, 3}, {9, 3}, {6, 2}},  {2, {3, 15}, {3, 9}, {2, 6}},
    {3, {15, 15}, {9, 9}, {6, 6}}, {4, {3, 3}, {3, 3}, {2, 2}},
    {6, {3, 9}, {3, 6}, {2, 4}},   {6, {15, 9}, {9, 6}, {6, 4}},
    {8, {9, 3}, {6, 3}, {4, 2}},   {8, {9, 15}, {6, 9}, {4, 6}},
};

}  // namespace

void PlaneBoard::Reset(int size, int handicap) {
  size_ = (size == 9) ? 9 : (size == 13) ? 13 : 19;
  size1_ = size_ - 1;
  size2_ = size_ - 2;
  size3_ = size_ - 3;
  handicap_ = handicap < 2 ? 0 : handicap > 9 ? 9 : handicap;

  chain_.fill(0);
  undo_.fill(0);
  previous_.fill(0);
  region_.fill(0);
  eye_.fill(0);
  territory_.fill(0);
  dead_.fill(0);
  lastWhiteChainId_ = 0;
  territoryCounted_ = 0;

  auto place = [&](const int (&p19)[2], const int (&p13)[2], const int (&p9)[2],
                   int id) {
    const int* p = size_ == 19 ? p19 : size_ == 13 ? p13 : p9;
    chain_[PlaneIndex(p[0], p[1])] = id;
  };
  int id = 0;
  for (const HandicapPoint& hp : kHandicapPoints) {
    if (handicap_ < hp.minHandicap) break;
    ++id;
    place(hp.p19, hp.p13, hp.p9, id);
  }
  if (handicap_ == 5 || handicap_ == 7 || handicap_ == 9) {
    const int c = size_ / 2;
    chain_[PlaneIndex(c, c)] = handicap_;
  }
  lastBlackChainId_ = handicap_;
}

int PlaneBoard::LibertiesOf(int p, int skip) const {
  const int id = chain_[p];
  const std::uint32_t s = NextStamp();
  int count = 0;
  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      if (chain_[PlaneIndex(i, j)] != id) continue;
      for (const Step& d : kOrthogonal) {
        const int a = i + d.di, b = j + d.dj;
        if (!OnBoard(a, b)) continue;
        const int q = PlaneIndex(a, b);
        if (chain_[q] != 0 || q == skip || mark_[q] == s) continue;
        mark_[q] = s;
        ++count;
      }
    }
  }
  return count;
}

bool PlaneBoard::HasLibertyBesides(int p, int skip) const {
  // The same scan as LibertiesOf, ending at the first liberty found.
  const int id = chain_[p];
  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      if (chain_[PlaneIndex(i, j)] != id) continue;
      for (const Step& d : kOrthogonal) {
        const int a = i + d.di, b = j + d.dj;
        if (!OnBoard(a, b)) continue;
        const int q = PlaneIndex(a, b);
        if (chain_[q] == 0 && q != skip) return true;
      }
    }
  }
  return false;
}

bool PlaneBoard::IsSuicide(int i, int j, int colour) const {
  const int here = PlaneIndex(i, j);
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, b = j + d.dj;
    if (!OnBoard(a, b)) continue;
    const int q = PlaneIndex(a, b);
    const int v = chain_[q];
    if (v == 0) return false;
    const bool own = (v > 0) == (colour > 0);
    const bool others = HasLibertyBesides(q, here);
    if (!own && !others) return false;  // the move captures
    if (own && others) return false;    // an own chain keeps a liberty
  }
  return true;
}

bool PlaneBoard::IsFalseEyeFor(int i, int j, int colour) const {
  // A diagonal point is "bad" when it is off the board or holds an opponent
  // stone of no linked group; a pair of bad diagonals with at least one
  // real stone among them makes the eye false.
  auto bad = [&](int a, int b, bool& stone) {
    if (!OnBoard(a, b)) return true;
    const int q = PlaneIndex(a, b);
    const int v = chain_[q];
    if (v != 0 && (v > 0) != (colour > 0) && link_[q] == 0) {
      stone = true;
      return true;
    }
    return false;
  };
  static constexpr Step kPairs[6][2] = {
      {{-1, -1}, {1, -1}}, {{-1, 1}, {1, 1}},  {{-1, -1}, {-1, 1}},
      {{1, -1}, {1, 1}},   {{-1, -1}, {1, 1}}, {{1, -1}, {-1, 1}},
  };
  for (const auto& pair : kPairs) {
    bool stone = false;
    if (bad(i + pair[0].di, j + pair[0].dj, stone) &&
        bad(i + pair[1].di, j + pair[1].dj, stone) && stone)
      return true;
  }
  return false;
}

int PlaneBoard::ClassifyQuietMove(int i, int j, int colour) const {
  int cls;
  if (!IsSuicide(i, j, -colour)) {
    cls = kAtariSavingFill;
  } else {
    cls = IsFalseEyeFor(i, j, colour) ? 0 : kOwnEyeFill;
  }
  int empty = 0, opponent = 0, own = 0, onBoard = 0;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, b = j + d.dj;
    if (!OnBoard(a, b)) continue;
    ++onBoard;
    const int v = StoneAt(a, b);
    if (v == 0)
      ++empty;
    else if ((v > 0) == (colour > 0))
      ++own;
    else
      ++opponent;
  }
  if (own != onBoard) cls = 0;
  if (cls == 0 && opponent == 0 && empty <= 1) cls = kSelfCrampedMove;
  return cls;
}

int PlaneBoard::PlayStone(int i, int j, int colour, int replay) {
  const int here = PlaneIndex(i, j);
  if (chain_[here] != 0) return kOccupied;
  undo_ = chain_;
  if (IsSuicide(i, j, colour)) return kSuicide;

  int captured = 0;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, b = j + d.dj;
    if (!OnBoard(a, b)) continue;
    const int q = PlaneIndex(a, b);
    const int v = chain_[q];
    if (v == 0 || (v > 0) == (colour > 0)) continue;
    if (HasLibertyBesides(q, here)) continue;
    for (int p = 0; p < kPlanePoints; ++p) {
      if (chain_[p] == v) {
        chain_[p] = 0;
        ++captured;
      }
    }
  }

  const int cls = captured == 0 ? ClassifyQuietMove(i, j, colour) : 0;

  // Put the stone and join it to its neighbouring chains.
  int joined[4];
  int nJoined = 0;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, b = j + d.dj;
    if (!OnBoard(a, b)) continue;
    const int v = StoneAt(a, b);
    if (v != 0 && (v > 0) == (colour > 0)) joined[nJoined++] = v;
  }
  int id;
  if (nJoined == 0) {
    id = colour > 0 ? ++lastBlackChainId_ : --lastWhiteChainId_;
  } else {
    id = joined[0];
    for (int k = 1; k < nJoined; ++k)
      if (colour > 0 ? joined[k] > id : joined[k] < id) id = joined[k];
    for (int k = 0; k < nJoined; ++k) {
      if (joined[k] == id) continue;
      const int old = joined[k];
      for (int p = 0; p < kPlanePoints; ++p)
        if (chain_[p] == old) chain_[p] = id;
    }
  }
  chain_[here] = id;

  if (cls != 0) return cls;

  // Ko: the move may not recreate the position before the previous move.
  bool same = true;
  for (int a = 0; a < size_ && same; ++a) {
    for (int b = 0; b < size_; ++b) {
      const int p = PlaneIndex(a, b);
      if (Sign(chain_[p]) != Sign(previous_[p])) {
        same = false;
        break;
      }
    }
  }
  if (same) {
    chain_ = undo_;
    return kKo;
  }
  previous_ = undo_;

  int result = captured;
  if (captured == 0 && link_[here] != 0) {
    // The classes below read the refresh made before this stone went in.
    const int r = region_[here];
    const int g = link_[here];
    int sameRegion = 0;
    bool otherRegionInGroup = false;
    for (int a = 0; a < size_; ++a) {
      for (int b = 0; b < size_; ++b) {
        const int p = PlaneIndex(a, b);
        if (region_[p] == r) ++sameRegion;
        if (link_[p] == g && region_[p] != 0 && region_[p] != r)
          otherRegionInGroup = true;
      }
    }
    if (sameRegion >= 8 || otherRegionInGroup) result = kLargeRegionMove;
  }

  if (replay == kFullRefresh) {
    LabelRegions();
    LinkChains(0);
  }
  if (replay != kReplayWithoutRefresh) SpreadInfluence();
  return result;
}

int PlaneBoard::IsKeimaViolation(int i, int j, int colour) const {
  for (const Step& d : kKnight) {
    const int a = i + d.di, b = j + d.dj;
    if (!OnBoard(a, b)) continue;
    const int v = StoneAt(a, b);
    if (v != 0 && (v > 0) == (colour > 0)) return 0;
  }
  return 1;
}

// -------------------------------------------------------------- queries ----

int PlaneBoard::FindChainInAtari(int colour, int continueFlag) {
  if (continueFlag == 0) atariSeen_.fill(0);
  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int p = PlaneIndex(i, j);
      const int id = chain_[p];
      if (id == 0 || (id > 0) != (colour > 0)) continue;
      bool seen = false;
      int freeSlot = -1;
      for (int k = 0; k < static_cast<int>(atariSeen_.size()); ++k) {
        if (atariSeen_[k] == id) {
          seen = true;
          break;
        }
        if (atariSeen_[k] == 0) {
          freeSlot = k;
          break;
        }
      }
      if (seen) continue;
      if (freeSlot >= 0) atariSeen_[freeSlot] = id;
      if (LibertiesOf(p, -1) < 2) return id;
    }
  }
  return 0;
}

int PlaneBoard::ChainLiberties(int i, int j) const {
  const int p = PlaneIndex(i, j);
  return chain_[p] == 0 ? 0 : LibertiesOf(p, -1);
}

int PlaneBoard::LinkLiberties(int i, int j) const {
  const int g = link_[PlaneIndex(i, j)];
  if (g == 0) return 0;
  const std::uint32_t s = NextStamp();
  int count = 0;
  for (int a = 0; a < size_; ++a) {
    for (int b = 0; b < size_; ++b) {
      if (link_[PlaneIndex(a, b)] != g) continue;
      for (const Step& d : kOrthogonal) {
        const int x = a + d.di, y = b + d.dj;
        if (!OnBoard(x, y)) continue;
        const int q = PlaneIndex(x, y);
        if (mark_[q] == s) continue;
        const int v = chain_[q];
        const bool deadEnemy =
            v != 0 && (v > 0) != (g > 0) && dead_[q] == 1;
        if (link_[q] == 0 || deadEnemy) {
          mark_[q] = s;
          ++count;
        }
      }
    }
  }
  return count;
}

int PlaneBoard::ChainSize(int i, int j) const {
  const int id = chain_[PlaneIndex(i, j)];
  if (id == 0) return 0;
  int count = 0;
  for (int a = 0; a < size_; ++a)
    for (int b = 0; b < size_; ++b) count += chain_[PlaneIndex(a, b)] == id;
  return count;
}

int PlaneBoard::LinkStoneCount(int i, int j) const {
  const int p0 = PlaneIndex(i, j);
  if (chain_[p0] == 0) return 0;
  const int g = link_[p0];
  int count = 0;
  for (int a = 0; a < size_; ++a) {
    for (int b = 0; b < size_; ++b) {
      const int p = PlaneIndex(a, b);
      count += link_[p] == g && chain_[p] != 0;
    }
  }
  return count;
}

int PlaneBoard::RegionSize(int i, int j) const {
  const int r = region_[PlaneIndex(i, j)];
  if (r == 0) return 0;
  int count = 0;
  for (int a = 0; a < size_; ++a)
    for (int b = 0; b < size_; ++b) count += region_[PlaneIndex(a, b)] == r;
  return count;
}

namespace {

// A small set of distinct ids with a fixed capacity.
class IdSet {
 public:
  bool Add(int id) {
    for (int k = 0; k < n_; ++k)
      if (ids_[k] == id) return false;
    if (n_ == kCap) return false;
    ids_[n_++] = id;
    return true;
  }
  int Size() const { return n_; }
  int At(int k) const { return ids_[k]; }

 private:
  static constexpr int kCap = 200;
  int ids_[kCap];
  int n_ = 0;
};

}  // namespace

// The linked group at (i, j), when the point holds a stone or a region of the
// group's own colour; 0 otherwise.
static int OwnGroupAt(const PlaneBoard& b, int i, int j) {
  const int g = b.GetLink(i, j);
  if (g == 0) return 0;
  const int v = b.GetChain(i, j) != 0 ? b.GetChain(i, j) : b.GetRegion(i, j);
  return Sign(v) == Sign(g) ? g : 0;
}

int PlaneBoard::LinkEyeCount(int i, int j) const {
  const int g = OwnGroupAt(*this, i, j);
  if (g == 0) return 0;
  IdSet eyes;
  for (int p = 0; p < kPlanePoints; ++p) {
    if (link_[p] != g || region_[p] == 0 || eye_[p] != 0) continue;
    if (!OnBoard(p / kMaxSize, p % kMaxSize)) continue;
    eyes.Add(region_[p]);
  }
  return eyes.Size();
}

int PlaneBoard::LinkWeakEyeCount(int i, int j) const {
  const int g = OwnGroupAt(*this, i, j);
  if (g == 0) return 0;
  IdSet regions;
  int count = 0;
  for (int p = 0; p < kPlanePoints; ++p) {
    if (link_[p] != g || region_[p] == 0) continue;
    const int a = p / kMaxSize, b = p % kMaxSize;
    if (!OnBoard(a, b)) continue;
    if (!regions.Add(region_[p])) continue;
    if (RegionSize(a, b) == 1 && eye_[p] == 1) ++count;
  }
  return count;
}

// ------------------------------------------------------------- counting ----

void PlaneBoard::CountTerritory() {
  territoryCounted_ = 1;
  LabelRegions();
  blackTerritory_ = GetTerritoryCount(1, 1);
  whiteTerritory_ = GetTerritoryCount(-1, 1);
}

int PlaneBoard::GetTerritoryCount(int colour, int force) const {
  if (territoryCounted_ == 0 && force != 1) return 0;
  int count = 0;
  for (int a = 0; a < size_; ++a) {
    for (int b = 0; b < size_; ++b) {
      const int p = PlaneIndex(a, b);
      count += territory_[p] == 1 && region_[p] != 0 &&
               (region_[p] > 0) == (colour > 0);
    }
  }
  return count;
}

int PlaneBoard::CountDeadStones(int colour, int force) const {
  if (territoryCounted_ == 0 && force != 1) return 0;
  int count = 0;
  for (int a = 0; a < size_; ++a) {
    for (int b = 0; b < size_; ++b) {
      const int p = PlaneIndex(a, b);
      count += dead_[p] == 1 && chain_[p] != 0 &&
               (chain_[p] > 0) == (colour > 0);
    }
  }
  return count;
}

void PlaneBoard::ToggleDeadChain(int i, int j) {
  const int id = chain_[PlaneIndex(i, j)];
  if (id == 0) return;
  for (int a = 0; a < size_; ++a) {
    for (int b = 0; b < size_; ++b) {
      const int p = PlaneIndex(a, b);
      if (chain_[p] == id) dead_[p] ^= 1;
    }
  }
}

void PlaneBoard::ClearDeadMarks() {
  dead_.fill(0);
  territoryCounted_ = 0;
}

int PlaneBoard::LibertiesIfPlayed(int i, int j, int colour) const {
  int count = 0;
  int seen[4];
  int nSeen = 0;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, b = j + d.dj;
    if (!OnBoard(a, b)) continue;
    const int v = StoneAt(a, b);
    if (v == 0) {
      ++count;
      continue;
    }
    if ((v > 0) != (colour > 0)) continue;
    bool dup = false;
    for (int k = 0; k < nSeen; ++k) dup |= seen[k] == v;
    if (dup) continue;
    seen[nSeen++] = v;
    count += LibertiesOf(PlaneIndex(a, b), -1) - 1;
  }
  return count;
}

}  // namespace kz
