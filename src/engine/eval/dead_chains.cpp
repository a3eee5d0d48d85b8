// Dead stones: which groups are settled, and the marking of chains the
// readers find capturable on the game board's DeadPlane.
#include <array>

#include "engine/board/board_geometry.h"
#include "engine/eval/capture_reader.h"

namespace kz {

int CaptureReader::IsGroupSettled(int i, int j, const PlaneBoard& board) const {
  if (board.GetChain(i, j) == 0) return 0;
  const int eyes = board.LinkEyeCount(i, j);
  if (eyes > 1) return 1;
  const int group = board.GetLink(i, j);
  if (group == 0) return 0;
  const int n = board.GetSize();
  // Sizes of regions and areas, each counted once.
  std::array<int, 16> regionIds{}, regionSizes{};
  int regions = 0;
  std::array<int, 16> areaIds{}, areaSizes{};
  int areas = 0;
  int firstArea = 0;
  static constexpr Step kUpLeftRightDown[4] = {{-1, 0}, {0, -1}, {0, 1}, {1, 0}};
  for (int a = 0; a < n; ++a) {
    for (int b = 0; b < n; ++b) {
      if (board.GetLink(a, b) != group) continue;
      const int r = board.GetRegion(a, b);
      if (r != 0) {
        int size = -1;
        for (int k = 0; k < regions; ++k)
          if (regionIds[k] == r) size = regionSizes[k];
        if (size < 0) {
          size = board.RegionSize(a, b);
          if (regions < 16) {
            regionIds[regions] = r;
            regionSizes[regions++] = size;
          }
        }
        if (size > 7) return 1;
      }
      for (const Step& d : kUpLeftRightDown) {
        const int u = a + d.di, v = b + d.dj;
        if (!board.OnBoard(u, v)) continue;
        const int value = AreaAt(u, v);
        if (value == 0 || Sign(value) != Sign(group)) continue;
        int size = -1;
        for (int k = 0; k < areas; ++k)
          if (areaIds[k] == value) size = areaSizes[k];
        if (size < 0) {
          size = 0;
          for (int v2 : area_) size += v2 == value;
          if (areas < 16) {
            areaIds[areas] = value;
            areaSizes[areas++] = size;
          }
        }
        if (size > 8) return 1;
        if (eyes == 1) return 1;
        if (firstArea == 0) firstArea = value;
        else if (value != firstArea) return 1;
      }
    }
  }
  return 0;
}

int CaptureReader::CountEyeAreas(int i, int j, PlaneBoard& board,
                                 int refresh) const {
  if (refresh == 1) {
    board.LabelRegions();
    board.LinkChains(0);
  }
  const int group = board.GetLink(i, j);
  if (board.GetChain(i, j) == 0 || group == 0) return 0;
  const int n = board.GetSize();
  std::array<std::uint8_t, kPlanePoints> collected{};
  int points[100];
  int count = 0;
  for (int a = 0; a < n && count < 100; ++a)
    for (int b = 0; b < n && count < 100; ++b) {
      if (board.GetChain(a, b) == 0 || board.GetLink(a, b) != group) continue;
      for (const Step& d : kOrthogonal) {
        const int u = a + d.di, v = b + d.dj;
        if (!board.OnBoard(u, v) || board.GetChain(u, v) != 0 ||
            collected[PlaneIndex(u, v)])
          continue;
        if (count == 100) break;
        collected[PlaneIndex(u, v)] = 1;
        points[count++] = MoveCodeOf(u, v);
      }
    }
  // Separate areas: components of the collected points through their
  // orthogonal neighbours among the empty points.
  std::array<std::uint8_t, kPlanePoints> seen{};
  int areas = 0;
  int queue[kPlanePoints];
  for (int k = 0; k < count; ++k) {
    const int start = points[k];
    if (seen[PlaneIndex(start / 100, start % 100)]) continue;
    ++areas;
    int head = 0, tail = 0;
    queue[tail++] = start;
    seen[PlaneIndex(start / 100, start % 100)] = 1;
    while (head < tail) {
      const int q = queue[head++];
      for (const Step& d : kOrthogonal) {
        const int u = q / 100 + d.di, v = q % 100 + d.dj;
        if (!board.OnBoard(u, v) || board.GetChain(u, v) != 0 ||
            seen[PlaneIndex(u, v)] || !collected[PlaneIndex(u, v)])
          continue;
        seen[PlaneIndex(u, v)] = 1;
        queue[tail++] = MoveCodeOf(u, v);
      }
    }
  }
  return areas;
}

void CaptureReader::UnmarkDeadChain(PlaneBoard& board, int i, int j,
                                    int depth) {
  const int id = board.GetChain(i, j);
  if (id == 0) return;
  const int n = board.GetSize();
  int joined[16];
  int count = 0;
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b) {
      if (board.GetChain(a, b) != id) continue;
      board.SetDead(a, b, 0);
      for (const Step& d : kDiagonal) {
        const int u = a + d.di, v = b + d.dj;
        if (!board.OnBoard(u, v)) continue;
        const int e = board.GetChain(u, v);
        if (e == 0 || e == id || Sign(e) != Sign(id) ||
            board.GetDead(u, v) != 1)
          continue;
        if (board.GetChain(a + d.di, b) == 0 && board.GetChain(a, b + d.dj) == 0 &&
            count < 16)
          joined[count++] = MoveCodeOf(u, v);
      }
    }
  if (depth <= 0) return;
  for (int k = 0; k < count; ++k)
    UnmarkDeadChain(board, joined[k] / 100, joined[k] % 100, depth - 1);
}

void CaptureReader::MarkWeakNeighbours(PlaneBoard& board, int i, int j) {
  int enemies[16];
  const int count = EnemyNeighbours(board, i, j, -1, enemies, 16);
  for (int k = 0; k < count; ++k) {
    const int ei = enemies[k] / 100, ej = enemies[k] % 100;
    if (board.ChainLiberties(ei, ej) > 4) continue;
    const int id = board.GetChain(ei, ej);
    for (int a = 0; a < board.GetSize(); ++a)
      for (int b = 0; b < board.GetSize(); ++b)
        if (board.GetChain(a, b) == id) board.SetDead(a, b, 1);
  }
}

void CaptureReader::MarkDeadChains(int mode) {
  if (board_ == nullptr) return;
  PlaneBoard& board = *board_;
  const int n = size_;
  // 1. The window.
  int i0 = 0, i1 = n - 1, j0 = 0, j1 = n - 1;
  if (n == 19 && mode == 0 && lastMove_ >= 0) {
    const int r = lastMove_ / 100, c = lastMove_ % 100;
    i0 = r - 10 < 0 ? 0 : r - 10;
    i1 = r + 10 > 18 ? 18 : r + 10;
    j0 = c - 10 < 0 ? 0 : c - 10;
    j1 = c + 10 > 18 ? 18 : c + 10;
  }
  auto inWindow = [&](int a, int b) {
    return a >= i0 && a <= i1 && b >= j0 && b <= j1;
  };
  // The chains with a stone in the window, each once (first stone).
  std::array<std::uint8_t, kPlanePoints> first{};
  {
    std::array<int, kPlanePoints> seenIds{};
    int seen = 0;
    for (int a = 0; a < n; ++a)
      for (int b = 0; b < n; ++b) {
        const int id = board.GetChain(a, b);
        if (id == 0 || !inWindow(a, b)) continue;
        bool dup = false;
        for (int k = 0; k < seen && !dup; ++k) dup = seenIds[k] == id;
        if (dup) continue;
        seenIds[seen++] = id;
        first[PlaneIndex(a, b)] = 1;
      }
  }
  auto setChainDead = [&](int a, int b, int value) {
    const int id = board.GetChain(a, b);
    for (int u = 0; u < n; ++u)
      for (int v = 0; v < n; ++v)
        if (board.GetChain(u, v) == id) board.SetDead(u, v, value);
  };
  // 2. Unmark.
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b)
      if (first[PlaneIndex(a, b)] && board.GetDead(a, b) == 1)
        setChainDead(a, b, 0);
  // 3. Refresh.
  board.LabelRegions();
  board.LinkChains(mode == 2 ? 1 : 0);
  board.SpreadInfluence();
  // 4. Settled chains are left alone.
  // Each unsettled chain keeps its liberty count (dead marks do not change
  // it); chains with five or more are never read.
  std::array<std::uint8_t, kPlanePoints> candidate{};
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b) {
      if (!first[PlaneIndex(a, b)]) continue;
      const int libs = board.ChainLiberties(a, b);
      if (libs <= 4 && !IsGroupSettled(a, b, board))
        candidate[PlaneIndex(a, b)] = static_cast<std::uint8_t>(libs);
    }
  // 5. Passes by liberty count: one, two, three, four.
  const int savedFaster = faster_;
  for (int libs = 1; libs <= 4; ++libs) {
    if (libs == 4) {
      if (mode == 0 && faster_ && lastMove_ >= 0) break;
      if (mode == 2) faster_ = 0;
    }
    for (int a = 0; a < n; ++a) {
      for (int b = 0; b < n; ++b) {
        if (candidate[PlaneIndex(a, b)] != libs) continue;
        bool dead = false;
        switch (libs) {
          case 1: dead = ReadAtari(board, a, b).status == 1; break;
          case 2: dead = ReadTwoLiberties(board, a, b).status == 1; break;
          case 3:
            dead = ReadThreeLiberties(board, a, b).status == 1 ||
                   QuickThreeLibertyTest(board, a, b) == 1;
            break;
          default:
            dead = ReadFourLiberties(board, a, b).status == 1 ||
                   QuickFourLibertyTest(board, a, b) == 1;
            break;
        }
        if (dead) setChainDead(a, b, 1);
        else if (libs >= 3) UnmarkDeadChain(board, a, b, 2);
      }
    }
    if (libs == 4) faster_ = savedFaster;
  }
  faster_ = savedFaster;
}

}  // namespace kz
