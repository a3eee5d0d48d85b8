// The capture readers: the ladder (ReadAtari / ReadChase), the readers for
// two, three and four liberties, and the shapes they consult.
#include <array>

#include "engine/board/board_geometry.h"
#include "engine/eval/capture_reader.h"

namespace kz {

namespace {

// Turns a board to a colour for the life of the object and back after.
class Normalised {
 public:
  Normalised(PlaneBoard& board, int colour) : board_(board), colour_(colour) {
    NormaliseColour(board_, colour_);
  }
  ~Normalised() { NormaliseColour(board_, colour_); }
  Normalised(const Normalised&) = delete;
  Normalised& operator=(const Normalised&) = delete;

 private:
  PlaneBoard& board_;
  int colour_;
};

bool Refused(int r) { return r == kOccupied || r == kSuicide || r == kKo; }

constexpr int kChaseLimit = 120;

}  // namespace

// ---- The ladder. ----

ReadResult CaptureReader::ReadAtari(PlaneBoard& board, int i, int j) {
  const int s = Sign(board.GetChain(i, j));
  if (s == 0) return {0, -1};
  Normalised turn(board, s);
  int lib;
  const int libs = LibertyList(board, i, j, &lib, 1);
  if (libs == 0) return {1, -1};
  if (libs > 1) return ReadByLiberties(board, i, j);
  const int id = board.GetChain(i, j);
  const int stones = board.ChainSize(i, j);

  // Rescue by capturing a neighbour in atari.
  PlaneBoard& scratch = Work(kAtariBoard);
  for (int k = 0;; ++k) {
    const ReadResult rescue = RescueSearch(board, id, false, 1, k, false);
    if (rescue.status != 1) break;
    const int x = FirstLiberty(board, rescue.move / 100, rescue.move % 100);
    if (x < 0) continue;
    CopyBoard(board, scratch, size_);
    const int r = scratch.PlayStone(x / 100, x % 100, 1, 1);
    if (Refused(r)) continue;
    // A lone stone taken by a lone stone left in atari is a ko, not a
    // rescue.
    const bool ko = stones == 1 && r == 1 &&
                    scratch.ChainLiberties(x / 100, x % 100) == 1;
    if (!ko && scratch.ChainLiberties(i, j) > 1) return {0, x};
  }

  // The edge rule: a liberty on the first two lines with open points on
  // both sides along that line, none of them under own influence.
  const int lr = lib / 100, lc = lib % 100;
  auto openSide = [&](int a, int b) {
    return board.OnBoard(a, b) && board.GetChain(a, b) == 0 &&
           board.GetInfluence(a, b) <= 0;
  };
  if ((OnEdgeLine(lr) && openSide(lr, lc - 1) && openSide(lr, lc + 1)) ||
      (OnEdgeLine(lc) && openSide(lr - 1, lc) && openSide(lr + 1, lc)))
    return {1, -1};

  // An extension to four liberties or more ends the chase at once (a
  // capture on the way only adds liberties): no need to play it out.
  PlaneBoard& chase = Work(kChaseBoard);
  if (MergedLiberties(board, 1, lib, -1, -1) >= 4) return {0, lib};
  CopyBoard(board, chase, size_);
  if (ReadChase(lib, 1) == 0) return {0, lib};

  // Once more, starting with each capture the chain can make.
  for (int k = 0;; ++k) {
    const ReadResult rescue = RescueSearch(board, id, false, 1, k, false);
    if (rescue.status != 1) break;
    const int x = FirstLiberty(board, rescue.move / 100, rescue.move % 100);
    if (x < 0) continue;
    CopyBoard(board, chase, size_);
    if (Refused(chase.PlayStone(x / 100, x % 100, 1, 1))) continue;
    const int after = chase.ChainLiberties(i, j);
    if (after >= 3) return {0, x};
    if (after <= 1) continue;
    const int q = TwoLibertyPoints(chase, MoveCodeOf(i, j), -1);
    if (q < 0 || Refused(chase.PlayStone(q / 100, q % 100, -1, 1)))
      return {0, x};
    const int p = FirstLiberty(chase, i, j);
    if (p >= 0 && ReadChase(p, 1) == 0) return {0, x};
  }
  return {1, -1};
}

int CaptureReader::ReadChase(int liberty, int colour) {
  PlaneBoard& b = Work(kChaseBoard);
  int p = liberty;
  for (int step = 0; step < kChaseLimit && p >= 0; ++step) {
    const int pi = p / 100, pj = p % 100;
    // 1. The defender extends.
    if (Refused(b.PlayStone(pi, pj, colour, 1))) return 1;
    // 2. Still in atari: lost.
    const int libs = b.ChainLiberties(pi, pj);
    if (libs <= 1) return 1;
    // 3. The extension ataris an attacker chain: the attacker saves it.
    int threatened = -1;
    static constexpr Step kUpDownLeftRight[4] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const Step& d : kUpDownLeftRight) {
      const int u = pi + d.di, v = pj + d.dj;
      if (!b.OnBoard(u, v)) continue;
      const int e = b.GetChain(u, v);
      if (e != 0 && Sign(e) == -colour && b.ChainLiberties(u, v) == 1)
        threatened = MoveCodeOf(u, v);
    }
    if (threatened >= 0) {
      const int x = FirstLiberty(b, threatened / 100, threatened % 100);
      if (x < 0 || Refused(b.PlayStone(x / 100, x % 100, -colour, 1))) return 0;
      if (b.GetChain(pi, pj) == 0) return 1;
      if (b.ChainLiberties(threatened / 100, threatened % 100) <= 1 ||
          b.ChainLiberties(pi, pj) != 1)
        return 0;
      return 1;
    }
    // 4. Out of the ladder.
    if (libs > 3) return 0;
    if (libs == 2 && CaptureShapeB(b, pi, pj)) return 1;
    if (libs == 3) {
      if (CaptureShapeD(b, pi, pj)) return 1;
      int three[3];
      LibertyList(b, pi, pj, three, 3);
      const int id = b.GetChain(pi, pj);
      for (int x : three) {
        const int xi = x / 100, xj = x % 100;
        // The stone of the chain this liberty hangs on gives the line.
        for (const Step& d : kOrthogonal) {
          if (!b.OnBoard(xi - d.di, xj - d.dj) ||
              b.GetChain(xi - d.di, xj - d.dj) != id)
            continue;
          const Step side[2] = {{d.dj, d.di}, {-d.dj, -d.di}};
          for (const Step& sd : side) {
            const int u = xi + sd.di, v = xj + sd.dj;
            if (!b.OnBoard(u, v)) continue;
            const int e = b.GetChain(u, v);
            if (e != 0 && Sign(e) == -colour && b.ChainLiberties(u, v) < 3)
              return 0;
          }
        }
      }
      for (int x : three)
        if (!IsFrontierPoint(b, x / 100, x % 100)) return 0;
      return 1;
    }
    // 7. Two liberties: the attacker ataris again.
    const int q = TwoLibertyPoints(b, p, -colour);
    if (q < 0) return 0;
    if (Refused(b.PlayStone(q / 100, q % 100, -colour, 1))) return 0;
    if (b.ChainLiberties(q / 100, q % 100) == 1 &&
        b.ChainSize(q / 100, q % 100) > 3)
      return 0;
    // 8. The defender's remaining liberty.
    p = FirstLiberty(b, pi, pj);
  }
  return p < 0 ? 1 : 0;
}

// ---- Two liberties. ----

ReadResult CaptureReader::ReadTwoLiberties(PlaneBoard& board, int a, int b) {
  const int s = Sign(board.GetChain(a, b));
  if (s == 0) return {0, -1};
  Normalised turn(board, s);
  int libs[2];
  const int count = LibertyList(board, a, b, libs, 2);
  if (count != 2) return ReadByLiberties(board, a, b);
  const int id = board.GetChain(a, b);
  PlaneBoard& work = Work(kTwoLibertyBoard);

  // 2. Rescue by capture.
  const ReadResult rescue = RescueSearch(board, id, false, 1, 0, true);
  if (rescue.status == 1) {
    const int ri = rescue.move / 100, rj = rescue.move % 100;
    const int x = FirstLiberty(board, ri, rj);
    const int k = board.ChainSize(ri, rj);
    const bool joins =
        TouchesOtherChain(board, id, board.GetChain(ri, rj), x) != 0;
    if (x >= 0 && (k > 2 || joins)) {
      if (x != libs[0] && x != libs[1]) return {0, x};
      CopyBoard(board, work, size_);
      const int r = work.PlayStone(x / 100, x % 100, -1, 1);
      if (Refused(r) || work.ChainLiberties(x / 100, x % 100) <= 1)
        return {0, x};
    }
  }

  // 3. A capturing shape.
  if (CaptureShapeA(board, a, b)) {
    const int m = ClosedLibertyAttack(board, a, b);
    return {1, m >= 0 ? m : SnapbackPoint(board, a, b)};
  }

  // 4. The net.
  int net = -1;
  static constexpr Step kNetOrder[4] = {{1, -1}, {1, 1}, {-1, 1}, {-1, -1}};
  for (const Step& g : kNetOrder) {
    const int di = a + g.di, dj = b + g.dj;
    if (!board.OnBoard(di, dj) || board.GetChain(di, dj) != 0) continue;
    const int l1 = MoveCodeOf(a, b + g.dj), l2 = MoveCodeOf(a + g.di, b);
    if (!((l1 == libs[0] && l2 == libs[1]) || (l1 == libs[1] && l2 == libs[0])))
      continue;
    auto strongFlank = [&](int u, int v) {
      if (!board.OnBoard(u, v)) return true;
      const int e = board.GetChain(u, v);
      return e < 0 && board.ChainLiberties(u, v) > 2;
    };
    if (!strongFlank(a - g.di, b + g.dj) || !strongFlank(a + g.di, b - g.dj))
      continue;
    bool runway = false;
    for (int k = 1; k <= 3 && !runway; ++k)
      for (int l = 1; l <= 3; ++l) {
        if (k < 2 && l < 2) continue;
        const int u = a + k * g.di, v = b + l * g.dj;
        if (board.OnBoard(u, v) && board.GetChain(u, v) > 0) {
          runway = true;
          break;
        }
      }
    if (!runway) net = MoveCodeOf(di, dj);
  }
  if (net >= 0) {
    CopyBoard(board, work, size_);
    const int r = work.PlayStone(net / 100, net % 100, -1, 1);
    if (!Refused(r) && work.ChainLiberties(net / 100, net % 100) > 1)
      return {1, net};
  }

  // 5. A dead-marked enemy chain next to it that it can take.
  {
    int enemies[8];
    const int n = EnemyNeighbours(board, a, b, -1, enemies, 8);
    for (int k = 0; k < n; ++k) {
      const int ei = enemies[k] / 100, ej = enemies[k] % 100;
      if (board.GetDead(ei, ej) != 1 || board.ChainLiberties(ei, ej) >= 3)
        continue;
      bool touchesBoth = true;
      for (int lib : libs) {
        bool near = false;
        for (const Step& d : kOrthogonal) {
          const int u = lib / 100 + d.di, v = lib % 100 + d.dj;
          near = near || (board.OnBoard(u, v) &&
                          board.GetChain(u, v) == board.GetChain(ei, ej));
        }
        touchesBoth = touchesBoth && near;
      }
      if (touchesBoth) continue;
      bool gains = board.ChainSize(ei, ej) > 2;
      if (!gains) {
        CopyBoard(board, work, size_);
        const int enemy = work.GetChain(ei, ej);
        for (int u = 0; u < size_; ++u)
          for (int v = 0; v < size_; ++v)
            if (work.GetChain(u, v) == enemy) work.SetChain(u, v, 0);
        gains = work.ChainLiberties(a, b) > 2;
      }
      if (gains) return {0, -1};
    }
  }

  // 6. The eye trap: both liberties in one three-point space closed by
  // enemy stones.
  {
    int area[5];
    if (EmptyArea(board, libs[0], 3, area) == 3 &&
        (area[1] == libs[1] || area[2] == libs[1] || area[0] == libs[1])) {
      bool enemyWall = true;
      int third = -1;
      for (int k = 0; k < 3; ++k) {
        if (area[k] != libs[0] && area[k] != libs[1]) third = area[k];
        for (const Step& d : kOrthogonal) {
          const int u = area[k] / 100 + d.di, v = area[k] % 100 + d.dj;
          if (!board.OnBoard(u, v)) continue;
          const int e = board.GetChain(u, v);
          if (e > 0 && e != id) enemyWall = false;
        }
      }
      if (enemyWall && third >= 0) return {1, third};
    }
  }

  // 7. Extensions. Filling an own eye (-97) needs own stones all round, so
  // the stones are only played when both liberties are closed that way.
  auto ownAllRound = [&](int p) {
    for (const Step& d : kOrthogonal) {
      const int u = p / 100 + d.di, v = p % 100 + d.dj;
      if (board.OnBoard(u, v) && board.GetChain(u, v) <= 0) return false;
    }
    return true;
  };
  if (ownAllRound(libs[0]) && ownAllRound(libs[1])) {
    int extendResult[2];
    for (int k = 0; k < 2; ++k) {
      CopyBoard(board, work, size_);
      extendResult[k] = work.PlayStone(libs[k] / 100, libs[k] % 100, 1, 1);
    }
    if (extendResult[0] == kOwnEyeFill && extendResult[1] == kOwnEyeFill)
      return {0, -1};
  }
  const bool adjacent =
      (libs[0] / 100 == libs[1] / 100 &&
       (libs[0] % 100 - libs[1] % 100 == 1 || libs[1] % 100 - libs[0] % 100 == 1)) ||
      (libs[0] % 100 == libs[1] % 100 &&
       (libs[0] / 100 - libs[1] / 100 == 1 || libs[1] / 100 - libs[0] / 100 == 1));
  if (adjacent) {
    for (int k = 0; k < 2; ++k) {
      const int attack = libs[k], extend = libs[1 - k];
      CopyBoard(board, work, size_);
      if (Refused(work.PlayStone(attack / 100, attack % 100, -1, 1))) continue;
      if (work.ChainLiberties(a, b) != 1) continue;
      const int r = work.PlayStone(extend / 100, extend % 100, 1, 1);
      if (Refused(r) || (r <= 0 && work.ChainLiberties(a, b) == 1))
        return {1, attack};
    }
  }

  // 8. Test attacks: an atari on either liberty, read as a ladder.
  const int first = TwoLibertyPoints(board, MoveCodeOf(a, b), -1);
  const int order[2] = {first >= 0 ? first : libs[0],
                        first == libs[0] ? libs[1] : libs[0]};
  for (int attack : order) {
    // The ladder cannot start when the extension on the other liberty, off
    // the first two lines, reaches four liberties.
    const int extend = attack == libs[0] ? libs[1] : libs[0];
    bool takesSomething = false;
    for (const Step& d : kOrthogonal) {
      const int u = attack / 100 + d.di, v = attack % 100 + d.dj;
      takesSomething = takesSomething ||
                       (board.OnBoard(u, v) && board.GetChain(u, v) > 0 &&
                        board.ChainLiberties(u, v) == 1);
    }
    if (!takesSomething && !OnEdgeLine(extend / 100) &&
        !OnEdgeLine(extend % 100) &&
        MergedLiberties(board, 1, extend, attack, -1) >= 4)
      continue;
    CopyBoard(board, work, size_);
    if (Refused(work.PlayStone(attack / 100, attack % 100, -1, 1))) continue;
    if (work.GetChain(a, b) == 0) return {1, attack};
    if (work.ChainLiberties(a, b) != 1) continue;
    if (ReadAtari(work, a, b).status == 1) return {1, attack};
  }
  return {0, -1};
}

// ---- Three and four liberties. ----

ReadResult CaptureReader::AttackByLiberties(PlaneBoard& board, int i, int j,
                                            int libs) {
  PlaneBoard& work =
      Work(libs == 3 ? kThreeLibertyBoard : kFourLibertyBoard);
  int points[4];
  LibertyList(board, i, j, points, libs);
  for (int k = 0; k < libs; ++k) {
    const int attack = points[k];
    CopyBoard(board, work, size_);
    if (Refused(work.PlayStone(attack / 100, attack % 100, -1, 1))) continue;
    if (work.GetChain(i, j) == 0) return {1, attack};
    // The attacker's stone must not simply be taken.
    if (work.ChainLiberties(attack / 100, attack % 100) <= 1) continue;
    // The defender's answers: each remaining liberty, and each capture.
    int replies[8];
    int n = LibertyList(work, i, j, replies, 4);
    if (n > 4) n = 4;
    int stones[4];
    const int weak = EnemyNeighbours(work, i, j, 1, stones, 4);
    for (int w = 0; w < weak && n < 8; ++w) {
      const int x = FirstLiberty(work, stones[w] / 100, stones[w] % 100);
      if (x >= 0) replies[n++] = x;
    }
    // With four liberties only the widest extension is tried.
    if (libs == 4 && n > 1) {
      int bestReply = replies[0], bestLibs = -1;
      for (int r = 0; r < n; ++r) {
        const int l = MergedLiberties(work, 1, replies[r], -1, -1);
        if (l > bestLibs) {
          bestLibs = l;
          bestReply = replies[r];
        }
      }
      replies[0] = bestReply;
      n = 1;
    }
    bool defended = false;
    for (int r = 0; r < n && !defended; ++r) {
      CopyBoard(board, work, size_);
      work.PlayStone(attack / 100, attack % 100, -1, 1);
      if (Refused(work.PlayStone(replies[r] / 100, replies[r] % 100, 1, 1)))
        continue;
      const int after = work.ChainLiberties(i, j);
      if (after >= libs) defended = true;
      else if (after == 3) defended = ReadThreeLiberties(work, i, j).status == 0;
      else if (after == 2) defended = ReadTwoLiberties(work, i, j).status == 0;
    }
    if (!defended) return {1, attack};
  }
  return {0, -1};
}

ReadResult CaptureReader::ReadThreeLiberties(PlaneBoard& board, int i, int j) {
  const int s = Sign(board.GetChain(i, j));
  if (s == 0) return {0, -1};
  Normalised turn(board, s);
  if (board.ChainLiberties(i, j) != 3) return ReadByLiberties(board, i, j);
  const int id = board.GetChain(i, j);
  const ReadResult rescue = RescueSearch(board, id, false, 1, 0, true);
  if (rescue.status == 1)
    return {0, FirstLiberty(board, rescue.move / 100, rescue.move % 100)};
  if (AtariNeighbourTest(board, i, j)) return {0, -1};
  if (CaptureShapeC(board, i, j) || CaptureShapeD(board, i, j))
    return {1, FirstLiberty(board, i, j)};
  return AttackByLiberties(board, i, j, 3);
}

ReadResult CaptureReader::ReadFourLiberties(PlaneBoard& board, int i, int j) {
  if (faster_) return {0, -1};
  const int s = Sign(board.GetChain(i, j));
  if (s == 0) return {0, -1};
  Normalised turn(board, s);
  if (board.ChainLiberties(i, j) != 4) return ReadByLiberties(board, i, j);
  const int id = board.GetChain(i, j);
  const ReadResult rescue = RescueSearch(board, id, false, 1, 0, true);
  if (rescue.status == 1)
    return {0, FirstLiberty(board, rescue.move / 100, rescue.move % 100)};
  if (AtariNeighbourTest(board, i, j)) return {0, -1};
  // Only a chain hemmed in on every side is worth attacking.
  if (!SurroundTestA(board, i, j) && !SurroundTestB(board, i, j))
    return {0, -1};
  if (CaptureShapeC(board, i, j)) return {1, FirstLiberty(board, i, j)};
  return AttackByLiberties(board, i, j, 4);
}

int CaptureReader::QuickThreeLibertyTest(PlaneBoard& board, int i, int j) {
  if (board.GetChain(i, j) == 0 || board.ChainLiberties(i, j) != 3) return 0;
  if (WeakEnemyNear(board, i, j, 2)) return 0;
  return ChaseStepTest(board, i, j) == 0 && SurroundTestB(board, i, j) ? 1 : 0;
}

int CaptureReader::QuickFourLibertyTest(PlaneBoard& board, int i, int j) {
  if (faster_) return 0;
  if (board.GetChain(i, j) == 0 || board.ChainLiberties(i, j) != 4) return 0;
  if (WeakEnemyNear(board, i, j, 3)) return 0;
  return ChaseStepTest(board, i, j) == 0 && SurroundTestA(board, i, j) &&
                 SurroundTestB(board, i, j)
             ? 1
             : 0;
}

// ---- Shapes and tests. ----

// Liberties through which the chain could run: extending there gains two or
// more new liberties.
int CaptureReader::ChaseStepTest(const PlaneBoard& board, int i, int j) {
  const int s = Sign(board.GetChain(i, j));
  if (s == 0) return 0;
  int libs[8];
  const int count = LibertyList(board, i, j, libs, 8);
  const int now = count;
  int open = 0;
  for (int k = 0; k < count && k < 8; ++k)
    if (MergedLiberties(board, s, libs[k], -1, -1) >= now + 2) ++open;
  return open;
}

// Stones of enemy chains next to this one that are short of liberties
// (two or fewer): what the chain could win back in a race.
int CaptureReader::CaptureCountTest(const PlaneBoard& board, int i, int j) {
  int enemies[8];
  int total = 0;
  for (int l = 1; l <= 2; ++l) {
    const int n = EnemyNeighbours(board, i, j, l, enemies, 8);
    for (int k = 0; k < n; ++k)
      total += board.ChainSize(enemies[k] / 100, enemies[k] % 100);
  }
  return total;
}

// Every liberty is flanked by the enemy or the edge on two or more sides.
int CaptureReader::SurroundTestA(const PlaneBoard& board, int i, int j) {
  const int s = Sign(board.GetChain(i, j));
  if (s == 0) return 0;
  int libs[8];
  const int count = LibertyList(board, i, j, libs, 8);
  if (count > 8) return 0;
  for (int k = 0; k < count; ++k) {
    int closed = 0;
    for (const Step& d : kOrthogonal) {
      const int u = libs[k] / 100 + d.di, v = libs[k] % 100 + d.dj;
      if (!board.OnBoard(u, v) || Sign(board.GetChain(u, v)) == -s) ++closed;
    }
    if (closed < 2) return 0;
  }
  return 1;
}

// Every liberty lies where the enemy's influence is at least the chain's.
int CaptureReader::SurroundTestB(const PlaneBoard& board, int i, int j) {
  const int s = Sign(board.GetChain(i, j));
  if (s == 0) return 0;
  int libs[8];
  const int count = LibertyList(board, i, j, libs, 8);
  if (count > 8) return 0;
  for (int k = 0; k < count; ++k) {
    const int u = libs[k] / 100, v = libs[k] % 100;
    const int own = s > 0 ? board.GetBlackInfluence(u, v)
                          : -board.GetWhiteInfluence(u, v);
    const int enemy = s > 0 ? -board.GetWhiteInfluence(u, v)
                            : board.GetBlackInfluence(u, v);
    if (enemy < own) return 0;
  }
  return 1;
}

// The throw-in of a snapback: a lone attacker stone on one liberty with one
// liberty of its own, whose capture leaves the capturing chain with only the
// throw-in point. -1 when there is none.
int CaptureReader::SnapbackPoint(const PlaneBoard& board, int i, int j) {
  const int s = Sign(board.GetChain(i, j));
  int libs[2];
  if (s == 0 || LibertyList(board, i, j, libs, 2) != 2) return -1;
  for (int throwIn : libs) {
    const int ti = throwIn / 100, tj = throwIn % 100;
    int z = -1, empties = 0;
    bool alone = true;
    for (const Step& d : kOrthogonal) {
      const int u = ti + d.di, v = tj + d.dj;
      if (!board.OnBoard(u, v)) continue;
      const int e = board.GetChain(u, v);
      if (e == 0) {
        ++empties;
        z = MoveCodeOf(u, v);
      } else if (Sign(e) == -s) {
        alone = false;
      }
    }
    if (!alone || empties != 1) continue;
    if (MergedLiberties(board, s, z, -1, throwIn) == 1) return throwIn;
  }
  return -1;
}

// Two liberties: an atari on one side leaves the extension on the other
// with one liberty, or a throw-in makes a snapback.
int CaptureReader::CaptureShapeA(const PlaneBoard& board, int i, int j) {
  return ClosedLibertyAttack(board, i, j) >= 0 || SnapbackPoint(board, i, j) >= 0
             ? 1
             : 0;
}

// In the chase, two liberties that both lead nowhere.
int CaptureReader::CaptureShapeB(const PlaneBoard& board, int i, int j) {
  return ClosedLibertyAttack(board, i, j) >= 0 ? 1 : 0;
}

// Three or four liberties inside the enemy's sphere with no way out: no
// extension gains two liberties, every liberty is flanked by the enemy and
// the enemy around is not short of liberties.
int CaptureReader::CaptureShapeC(const PlaneBoard& board, int i, int j) {
  if (board.GetChain(i, j) == 0) return 0;
  if (CaptureCountTest(board, i, j) > 0) return 0;
  return ChaseStepTest(board, i, j) == 0 && SurroundTestA(board, i, j) &&
                 SurroundTestB(board, i, j)
             ? 1
             : 0;
}

// Three liberties in the chase: every liberty is a dead end (extending
// there adds at most one liberty) and no enemy chain around is weak.
int CaptureReader::CaptureShapeD(const PlaneBoard& board, int i, int j) {
  const int s = Sign(board.GetChain(i, j));
  int libs[3];
  if (s == 0 || LibertyList(board, i, j, libs, 3) != 3) return 0;
  if (WeakEnemyNear(board, i, j, 2)) return 0;
  for (int lib : libs)
    if (MergedLiberties(board, s, lib, -1, -1) > 3) return 0;
  return SurroundTestA(board, i, j);
}

// ---- Races and confirmations. ----

ReadResult CaptureReader::CaptureRaceTest(PlaneBoard& board, int i, int j) {
  const int s = Sign(board.GetChain(i, j));
  if (s == 0) return {0, -1};
  const int own = board.ChainLiberties(i, j);
  if (own <= 1) return {1, FirstLiberty(board, i, j)};
  int enemies[8];
  const int n = EnemyNeighbours(board, i, j, -1, enemies, 8);
  int weakest = -1, weakestLibs = 0;
  for (int k = 0; k < n; ++k) {
    const int l = board.ChainLiberties(enemies[k] / 100, enemies[k] % 100);
    if (weakest < 0 || l < weakestLibs) {
      weakest = enemies[k];
      weakestLibs = l;
    }
  }
  if (weakest >= 0 && weakestLibs < own)
    return {0, FirstLiberty(board, weakest / 100, weakest % 100)};
  if (own == 2) {
    const ReadResult r = ReadTwoLiberties(board, i, j);
    if (r.status == 1) return r;
  }
  // The attacker moves first: equal liberties fall to it.
  if (weakest >= 0 && own <= weakestLibs)
    return {1, FirstLiberty(board, i, j)};
  return {0, -1};
}

ReadResult CaptureReader::ConfirmThreeLibertyCapture(PlaneBoard& board, int i,
                                                     int j) {
  const int s = Sign(board.GetChain(i, j));
  if (s == 0) return {0, -1};
  const ReadResult r = ReadThreeLiberties(board, i, j);
  if (r.status != 1 || r.move < 0) return {0, -1};
  if (!SafetyCheck(board, r.move / 100, r.move % 100, -s)) return {0, -1};
  return {1, r.move};
}

}  // namespace kz
