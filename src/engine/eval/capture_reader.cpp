// Capture reading: the counting helpers, the small chain tests, the rescue
// search and the safety test that every generator runs on a test stone.
#include "engine/eval/capture_reader.h"

#include <array>

#include "engine/board/board_geometry.h"

namespace kz {

namespace {

// One scan's marks; 361 bytes on the stack, cleared per use.
using Marks = std::array<std::uint8_t, kPlanePoints>;

int ChainSign(const PlaneBoard& board, int i, int j) {
  return Sign(board.GetChain(i, j));
}

// Visits every enemy stone orthogonally next to a stone that `member`
// (a, b, chain id) selects, with its point; stops and answers true as soon
// as `visit` (u, v) does.
template <class Member, class Visit>
bool AnyEnemyNeighbour(const PlaneBoard& board, Member member, Visit visit) {
  const int n = board.GetSize();
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b) {
      const int id = board.GetChain(a, b);
      if (id == 0 || !member(a, b, id)) continue;
      for (const Step& d : kOrthogonal) {
        const int u = a + d.di, v = b + d.dj;
        if (!board.OnBoard(u, v)) continue;
        const int e = board.GetChain(u, v);
        if (e != 0 && Sign(e) != Sign(id) && visit(u, v)) return true;
      }
    }
  return false;
}

}  // namespace

int CaptureReader::LibertyList(const PlaneBoard& board, int i, int j, int* out,
                               int max) {
  const int id = board.GetChain(i, j);
  if (id == 0) return 0;
  const int n = board.GetSize();
  Marks mark{};
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b) {
      if (board.GetChain(a, b) != id) continue;
      for (const Step& d : kOrthogonal) {
        const int u = a + d.di, v = b + d.dj;
        if (board.OnBoard(u, v) && board.GetChain(u, v) == 0)
          mark[PlaneIndex(u, v)] = 1;
      }
    }
  int count = 0;
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b)
      if (mark[PlaneIndex(a, b)]) {
        if (count < max) out[count] = MoveCodeOf(a, b);
        ++count;
      }
  return count;
}

int CaptureReader::EnemyNeighbours(const PlaneBoard& board, int i, int j,
                                   int libs, int* out, int max) {
  return EnemyChainsWith(board, i, j, libs, libs, out, max);
}

int CaptureReader::EnemyChainsWith(const PlaneBoard& board, int i, int j,
                                   int fewest, int most, int* out, int max) {
  const int id = board.GetChain(i, j);
  if (id == 0) return 0;
  const int n = board.GetSize();
  // The distinct enemy chains next to the chain, each with one stone, in
  // row-major order of the chain's stones.
  constexpr int kMaxChains = 64;
  int ids[kMaxChains];
  int stones[kMaxChains];
  int count = 0;
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b) {
      if (board.GetChain(a, b) != id) continue;
      for (const Step& d : kOrthogonal) {
        const int u = a + d.di, v = b + d.dj;
        if (!board.OnBoard(u, v)) continue;
        const int e = board.GetChain(u, v);
        if (e == 0 || Sign(e) == Sign(id)) continue;
        bool seen = false;
        for (int k = 0; k < count && !seen; ++k) seen = ids[k] == e;
        if (seen || count == kMaxChains) continue;
        ids[count] = e;
        stones[count++] = MoveCodeOf(u, v);
      }
    }
  if (fewest < 0) {
    const int kept = count < max ? count : max;
    for (int k = 0; k < kept; ++k) out[k] = stones[k];
    return kept;
  }
  // Their liberties, all in one pass over the empty points.
  int liberties[kMaxChains] = {};
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b) {
      if (board.GetChain(a, b) != 0) continue;
      int touched[4];
      int t = 0;
      for (const Step& d : kOrthogonal) {
        const int u = a + d.di, v = b + d.dj;
        if (!board.OnBoard(u, v)) continue;
        const int e = board.GetChain(u, v);
        if (e == 0 || Sign(e) == Sign(id)) continue;
        bool dup = false;
        for (int k = 0; k < t && !dup; ++k) dup = touched[k] == e;
        if (!dup) touched[t++] = e;
      }
      for (int k = 0; k < t; ++k)
        for (int c = 0; c < count; ++c)
          if (ids[c] == touched[k]) ++liberties[c];
    }
  int kept = 0;
  for (int c = 0; c < count && kept < max; ++c)
    if (liberties[c] >= fewest && liberties[c] <= most) out[kept++] = stones[c];
  return kept;
}

int CaptureReader::MergedLiberties(const PlaneBoard& board, int s, int e,
                                   int blocked, int freed) {
  const int n = board.GetSize();
  const int ei = e / 100, ej = e % 100;
  int ids[4];
  int idCount = 0;
  for (const Step& d : kOrthogonal) {
    const int u = ei + d.di, v = ej + d.dj;
    if (!board.OnBoard(u, v)) continue;
    const int id = board.GetChain(u, v);
    if (id != 0 && Sign(id) == s) ids[idCount++] = id;
  }
  Marks lib{};
  auto addAround = [&](int a, int b) {
    for (const Step& d : kOrthogonal) {
      const int u = a + d.di, v = b + d.dj;
      if (!board.OnBoard(u, v)) continue;
      const int m = MoveCodeOf(u, v);
      if (m == e || m == blocked) continue;
      if (board.GetChain(u, v) == 0 || m == freed) lib[PlaneIndex(u, v)] = 1;
    }
  };
  addAround(ei, ej);
  if (idCount > 0) {
    for (int a = 0; a < n; ++a)
      for (int b = 0; b < n; ++b) {
        const int id = board.GetChain(a, b);
        if (id == 0) continue;
        for (int k = 0; k < idCount; ++k)
          if (ids[k] == id) {
            addAround(a, b);
            break;
          }
      }
  }
  int count = 0;
  for (std::uint8_t m : lib) count += m;
  return count;
}

int CaptureReader::StoneLiberties(const PlaneBoard& board, int s, int p,
                                  int skip) {
  return MergedLiberties(board, s, p, skip, -1);
}

bool CaptureReader::WeakEnemyNear(const PlaneBoard& board, int i, int j,
                                  int libs) {
  int one;
  return EnemyChainsWith(board, i, j, 1, libs, &one, 1) > 0;
}

int CaptureReader::EmptyArea(const PlaneBoard& board, int p, int limit,
                             int* out) {
  Marks seen{};
  int count = 0;
  int head = 0;
  out[count++] = p;
  seen[PlaneIndex(p / 100, p % 100)] = 1;
  while (head < count && count <= limit) {
    const int q = out[head++];
    for (const Step& d : kOrthogonal) {
      const int u = q / 100 + d.di, v = q % 100 + d.dj;
      if (!board.OnBoard(u, v) || board.GetChain(u, v) != 0 ||
          seen[PlaneIndex(u, v)])
        continue;
      seen[PlaneIndex(u, v)] = 1;
      if (count <= limit) out[count] = MoveCodeOf(u, v);
      ++count;
      if (count > limit) break;
    }
  }
  return count;
}

int CaptureReader::ClosedLibertyAttack(const PlaneBoard& board, int i, int j) {
  const int s = ChainSign(board, i, j);
  int libs[2];
  if (s == 0 || LibertyList(board, i, j, libs, 2) != 2) return -1;
  if (WeakEnemyNear(board, i, j, 1)) return -1;
  for (int k = 0; k < 2; ++k) {
    const int attack = libs[k], extend = libs[1 - k];
    if (board.IsSuicide(attack / 100, attack % 100, -s)) continue;
    if (StoneLiberties(board, -s, attack, -1) < 2) continue;
    if (MergedLiberties(board, s, extend, attack, -1) > 1) continue;
    // The extension must not put an attacker chain in atari either.
    bool counter = false;
    for (const Step& d : kOrthogonal) {
      const int u = extend / 100 + d.di, v = extend % 100 + d.dj;
      if (!board.OnBoard(u, v)) continue;
      const int e = board.GetChain(u, v);
      if (e != 0 && Sign(e) == -s && board.ChainLiberties(u, v) <= 2)
        counter = true;
    }
    if (!counter) return attack;
  }
  return -1;
}

int CaptureReader::LibertiesAfterMove(int i, int j, int colour) const {
  const PlaneBoard& b = *work_[kChaseBoard];
  int count = 0;
  int seen[4];
  int seenCount = 0;
  for (const Step& d : kOrthogonal) {
    const int u = i + d.di, v = j + d.dj;
    if (!b.OnBoard(u, v)) continue;
    const int id = b.GetChain(u, v);
    if (id == 0) {
      ++count;
      continue;
    }
    if ((colour != 1 && colour != -1) || Sign(id) != colour) continue;
    bool counted = false;
    for (int k = 0; k < seenCount; ++k) counted = counted || seen[k] == id;
    if (counted) continue;
    seen[seenCount++] = id;
    count += b.ChainLiberties(u, v);
  }
  return count;
}

int CaptureReader::FirstLiberty(const PlaneBoard& board, int i, int j) const {
  int first;
  return LibertyList(board, i, j, &first, 1) > 0 ? first : -1;
}

int CaptureReader::TwoLibertyPoints(const PlaneBoard& board, int move,
                                    int colour) const {
  const int i = move / 100, j = move % 100;
  const int s = ChainSign(board, i, j);
  int libs[2];
  if (s == 0 || LibertyList(board, i, j, libs, 2) != 2) return -1;
  int bestMove = -1, bestScore = 0;
  for (int k = 0; k < 2; ++k) {
    const int attack = libs[k], extend = libs[1 - k];
    if (board.IsSuicide(attack / 100, attack % 100, colour)) continue;
    const int attackerLibs = StoneLiberties(board, colour, attack, -1);
    int defenderLibs = MergedLiberties(board, s, extend, attack, -1);
    // Extending next to an attacker chain that is short of liberties turns
    // the chase round: avoid chasing that way.
    for (const Step& d : kOrthogonal) {
      const int u = extend / 100 + d.di, v = extend % 100 + d.dj;
      if (!board.OnBoard(u, v)) continue;
      const int e = board.GetChain(u, v);
      if (e != 0 && Sign(e) == colour && board.ChainLiberties(u, v) <= 2)
        defenderLibs += 2;
    }
    // A strong attacker chain beside the extension helps the chase.
    int support = 0;
    for (const Step& d : kOrthogonal) {
      const int u = extend / 100 + d.di, v = extend % 100 + d.dj;
      if (!board.OnBoard(u, v)) continue;
      const int e = board.GetChain(u, v);
      if (e != 0 && Sign(e) == colour && board.ChainLiberties(u, v) >= 4)
        support = 1;
    }
    const int score = (attackerLibs >= 2 ? 1000 : 0) - 100 * defenderLibs +
                      10 * support + (attackerLibs > 4 ? 4 : attackerLibs);
    if (bestMove < 0 || score > bestScore) {
      bestMove = attack;
      bestScore = score;
    }
  }
  return bestMove;
}

int CaptureReader::AtariNeighbourTest(PlaneBoard& board, int i, int j) {
  if (board.GetChain(i, j) == 0 || board.ChainLiberties(i, j) <= 1) return 0;
  return WeakEnemyNear(board, i, j, 1) ? 1 : 0;
}

int CaptureReader::EscapeTest(PlaneBoard& board, int from, int i, int j) {
  const int s = ChainSign(board, i, j);
  if (s == 0) return 0;
  int libs[8];
  const int count = LibertyList(board, i, j, libs, 8);
  for (int k = 0; k < count && k < 8; ++k) {
    if (libs[k] == from) continue;
    if (MergedLiberties(board, s, libs[k], from, -1) >= 3) return 1;
  }
  return 0;
}

int CaptureReader::QuickTwoLibertyTest(PlaneBoard& board, int i, int j) {
  if (board.GetChain(i, j) == 0 || board.ChainLiberties(i, j) != 2) return 0;
  if (WeakEnemyNear(board, i, j, 2)) return 0;
  return EscapeTest(board, -1, i, j) ? 0 : 1;
}

int CaptureReader::TouchesWeakEnemy(const PlaneBoard& board, int i, int j,
                                    int sign) {
  const int id = board.GetChain(i, j);
  if (id == 0) return 0;
  const int n = board.GetSize();
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b) {
      if (board.GetChain(a, b) != id) continue;
      for (const Step& d : kOrthogonal) {
        const int u = a + d.di, v = b + d.dj;
        if (!board.OnBoard(u, v)) continue;
        const int e = board.GetChain(u, v);
        if (e != 0 && Sign(e) == Sign(sign) && Sign(e) != Sign(id) &&
            board.GetDead(u, v) == 0)
          return 1;
      }
    }
  return 0;
}

int CaptureReader::LibertyShapeTest(const PlaneBoard& board, int i, int j,
                                    int excluded) {
  int libs[4];
  const int count = LibertyList(board, i, j, libs, 4);
  for (int k = 0; k < count && k < 4; ++k)
    if (libs[k] != excluded) return 0;
  return count <= 4 ? 1 : 0;
}

int CaptureReader::TouchesDeadEnemy(const PlaneBoard& board, int a,
                                    int b) const {
  return AnyEnemyNeighbour(
             board, [&](int, int, int id) { return id == a || id == b; },
             [&](int u, int v) { return board.GetDead(u, v) == 1; })
             ? 1
             : 0;
}

int CaptureReader::NeighbourChainSize(const PlaneBoard& board, int i,
                                      int j) const {
  const int id = board.GetChain(i, j);
  if (id == 0) return 0;
  int largest = 0;
  AnyEnemyNeighbour(
      board, [&](int, int, int chain) { return chain == id; },
      [&](int u, int v) {
        if (deadSnapshot_[PlaneIndex(u, v)] == 1 && board.ChainSize(u, v) > largest)
          largest = board.ChainSize(u, v);
        return false;
      });
  return largest;
}

int CaptureReader::CanCaptureNeighbour(const PlaneBoard& board,
                                       int linkId) const {
  if (linkId == 0) return 0;
  return AnyEnemyNeighbour(
             board, [&](int a, int b, int) { return board.GetLink(a, b) == linkId; },
             [&](int u, int v) { return board.ChainLiberties(u, v) == 1; })
             ? 1
             : 0;
}

int CaptureReader::CanAtariSafely(const PlaneBoard& board, int i, int j) {
  if (board.GetChain(i, j) == 0 || board.ChainLiberties(i, j) != 2) return 0;
  const int s = ChainSign(board, i, j);
  int libs[2];
  LibertyList(board, i, j, libs, 2);
  PlaneBoard& scratch = Work(kAtariBoard);
  for (int lib : libs) {
    CopyBoard(board, scratch, size_);
    const int r = scratch.PlayStone(lib / 100, lib % 100, -s, 1);
    if (r == kOccupied || r == kSuicide || r == kKo) continue;
    if (scratch.ChainLiberties(lib / 100, lib % 100) > 1) return 1;
  }
  return 0;
}

int CaptureReader::TouchesOtherChain(const PlaneBoard& board, int ownChain,
                                     int chain, int point) const {
  const int n = board.GetSize();
  auto touches = [&](int a, int b) {
    for (const Step& d : kOrthogonal) {
      const int u = a + d.di, v = b + d.dj;
      if (!board.OnBoard(u, v)) continue;
      const int e = board.GetChain(u, v);
      if (e > 0 && e != ownChain) return true;
    }
    return false;
  };
  if (chain != 0) {
    for (int a = 0; a < n; ++a)
      for (int b = 0; b < n; ++b)
        if (board.GetChain(a, b) == chain && touches(a, b)) return 1;
  }
  if (point >= 0 && touches(point / 100, point % 100)) return 1;
  return 0;
}

int CaptureReader::DiagonalJumpShape(const PlaneBoard& board, int i,
                                     int j) const {
  const int id = board.GetChain(i, j);
  if (id == 0) return 0;
  for (const Step& d : kDiagonal) {
    const int u = i + 2 * d.di, v = j + 2 * d.dj;
    if (!board.OnBoard(u, v)) continue;
    const int e = board.GetChain(u, v);
    if (e == 0 || Sign(e) != Sign(id) || board.GetDead(u, v) == 1) continue;
    if (board.GetChain(i + d.di, j + d.dj) == 0 &&
        board.GetChain(i + 2 * d.di, j + d.dj) == 0 &&
        board.GetChain(i + d.di, j + 2 * d.dj) == 0)
      return 1;
  }
  return 0;
}

int CaptureReader::IsFrontierPoint(const PlaneBoard& board, int i,
                                   int j) const {
  if (faster_) return 0;
  // The attacker's influence (the negative side) outweighs the chain's own.
  return -board.GetWhiteInfluence(i, j) >= board.GetBlackInfluence(i, j) ? 1
                                                                         : 0;
}

int CaptureReader::IsFrontierPoint2(const PlaneBoard& board, int i,
                                    int j) const {
  if (faster_) return 0;
  if (board.GetInfluence(i, j) > 0) return 0;
  // And an attacker stone stands within two points along a line.
  for (const Step& d : kOrthogonal)
    for (int k = 1; k <= 2; ++k) {
      const int u = i + k * d.di, v = j + k * d.dj;
      if (board.OnBoard(u, v) && board.GetChain(u, v) < 0) return 1;
    }
  return 0;
}

ReadResult CaptureReader::ReadByLiberties(PlaneBoard& board, int i, int j,
                                          bool withQuickTests) {
  switch (board.ChainLiberties(i, j)) {
    case 0:
      return {1, -1};
    case 1:
      return ReadAtari(board, i, j);
    case 2: {
      ReadResult r = ReadTwoLiberties(board, i, j);
      if (r.status == 0 && withQuickTests && QuickTwoLibertyTest(board, i, j))
        r.status = 1;
      return r;
    }
    case 3: {
      ReadResult r = ReadThreeLiberties(board, i, j);
      if (r.status == 0 && withQuickTests && QuickThreeLibertyTest(board, i, j))
        r.status = 1;
      return r;
    }
    case 4: {
      ReadResult r = ReadFourLiberties(board, i, j);
      if (r.status == 0 && withQuickTests && QuickFourLibertyTest(board, i, j))
        r.status = 1;
      return r;
    }
    default:
      return {0, -1};
  }
}

bool CaptureReader::SafetyCheck(const PlaneBoard& position, int i, int j,
                                int colour, int strictness) {
  // Five liberties or more are accepted without reading; when the -96 class
  // does not matter the stone need not be played to see that.
  if (!(strictness & kSafetyRejectLarge) && position.GetChain(i, j) == 0 &&
      MergedLiberties(position, colour, MoveCodeOf(i, j), -1, -1) >= 5)
    return true;
  PlaneBoard& trial = Work(kTrialBoard);
  CopyBoard(position, trial, size_);
  const int r = trial.PlayStone(i, j, colour, 1);
  if (r == kOccupied || r == kSuicide || r == kKo) return false;
  if ((strictness & kSafetyRejectLarge) && r == kLargeRegionMove) return false;
  const int libs = trial.ChainLiberties(i, j);
  if (libs <= 1) return false;
  if (libs >= 5) return true;
  return ReadByLiberties(trial, i, j, (strictness & kSafetyQuickTests) != 0)
             .status == 0;
}

// ---- Rescue by capture. ----

int CaptureReader::NthAtariNeighbour(const PlaneBoard& board, int id,
                                     bool byLink, int nth) {
  const int n = board.GetSize();
  int seen[32];
  int count = 0;
  const int sign = Sign(id);
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b) {
      const int own = board.GetChain(a, b);
      if (own == 0) continue;
      if (byLink ? (board.GetLink(a, b) != id || Sign(own) != sign)
                 : own != id)
        continue;
      for (const Step& d : kOrthogonal) {
        const int u = a + d.di, v = b + d.dj;
        if (!board.OnBoard(u, v)) continue;
        const int e = board.GetChain(u, v);
        if (e == 0 || Sign(e) == Sign(own)) continue;
        bool dup = false;
        for (int k = 0; k < count && k < 32; ++k) dup = dup || seen[k] == e;
        if (dup || board.ChainLiberties(u, v) != 1) continue;
        if (count == nth) return MoveCodeOf(u, v);
        if (count < 32) seen[count] = e;
        ++count;
      }
    }
  return -1;
}

ReadResult CaptureReader::RescueSearch(PlaneBoard& board, int id, bool byLink,
                                       int colour, int nth, bool strict) {
  // A linked group is given by its id and colour; a chain by its own id.
  const int key = byLink ? (id < 0 ? -id : id) * (colour < 0 ? -1 : 1) : id;
  if (key == 0) return {0, -1};
  if (!strict) {
    const int stone = NthAtariNeighbour(board, key, byLink, nth);
    return stone >= 0 ? ReadResult{1, stone} : ReadResult{0, -1};
  }
  // Strict: the capture must gain the group real liberties, take three or
  // more stones, join it to another own chain, or hit another weak chain.
  PlaneBoard& scratch = Work(kAtariBoard);
  for (int k = 0;; ++k) {
    const int stone = NthAtariNeighbour(board, key, byLink, k);
    if (stone < 0) break;
    const int si = stone / 100, sj = stone % 100;
    const int captured = board.ChainSize(si, sj);
    const int x = FirstLiberty(board, si, sj);
    if (x < 0) continue;
    const int own = -Sign(board.GetChain(si, sj));
    // An own stone of the group next to the enemy chain.
    int gi = -1, gj = -1;
    const int n = board.GetSize();
    const int enemyId = board.GetChain(si, sj);
    for (int a = 0; a < n && gi < 0; ++a)
      for (int b = 0; b < n && gi < 0; ++b) {
        if (board.GetChain(a, b) != enemyId) continue;
        for (const Step& d : kOrthogonal) {
          const int u = a + d.di, v = b + d.dj;
          if (!board.OnBoard(u, v)) continue;
          const int o = board.GetChain(u, v);
          if (o == 0 || Sign(o) != own) continue;
          if (byLink ? board.GetLink(u, v) == key : o == key) {
            gi = u;
            gj = v;
            break;
          }
        }
      }
    if (gi < 0) continue;
    bool joins = false;
    if (captured <= 2) {
      NormaliseColour(board, own);
      joins = TouchesOtherChain(board, board.GetChain(gi, gj), board.GetChain(si, sj), x) != 0;
      NormaliseColour(board, own);
    }
    CopyBoard(board, scratch, size_);
    const int r = scratch.PlayStone(x / 100, x % 100, own, 1);
    if (r == kOccupied || r == kSuicide || r == kKo) continue;
    const bool gains = scratch.ChainLiberties(gi, gj) > 2;
    bool hitsWeak = false;
    for (const Step& d : kOrthogonal) {
      const int u = x / 100 + d.di, v = x % 100 + d.dj;
      if (!board.OnBoard(u, v)) continue;
      const int e = board.GetChain(u, v);
      if (e != 0 && Sign(e) == -own && e != enemyId &&
          board.ChainLiberties(u, v) < 3)
        hitsWeak = true;
    }
    if (gains || captured >= 3 || joins || hitsWeak) return {1, stone};
  }
  return {0, -1};
}

ReadResult CaptureReader::FindRescuingCapture(PlaneBoard& board, int linkId,
                                              int colour) {
  return RescueSearch(board, linkId, true, colour, 0, true);
}

ReadResult CaptureReader::FindRescuingCapture2(PlaneBoard& board, int linkId,
                                               int colour, int continueFlag) {
  rescueCursor_ = continueFlag ? rescueCursor_ + 1 : 0;
  return RescueSearch(board, linkId, true, colour, rescueCursor_, false);
}

}  // namespace kz
