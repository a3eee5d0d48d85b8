// Speed of the board's rules and refreshes on a 19-line middle game.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/board/plane_board.h"

namespace {

using kz::PlaneBoard;

// A seeded random game that avoids filling its own eyes; returns its moves.
std::vector<std::pair<int, int>> RandomGame(int moves, std::uint32_t seed) {
  PlaneBoard board;
  board.Reset(19, 0);
  std::vector<std::pair<int, int>> played;
  int colour = 1;
  for (int tries = 0; static_cast<int>(played.size()) < moves && tries < 100000;
       ++tries) {
    seed = seed * 1664525u + 1013904223u;
    const int i = (seed >> 8) % 19, j = (seed >> 20) % 19;
    if (board.GetChain(i, j) != 0) continue;
    int own = 0, onBoard = 0;
    for (auto [di, dj] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
      if (!board.OnBoard(i + di, j + dj)) continue;
      ++onBoard;
      own += (board.GetChain(i + di, j + dj) > 0) == (colour > 0) &&
             board.GetChain(i + di, j + dj) != 0;
    }
    if (own == onBoard) continue;
    const int r = board.PlayStone(i, j, colour, 1);
    if (r == kz::kOccupied || r == kz::kSuicide || r == kz::kKo) continue;
    played.emplace_back(i, j);
    colour = -colour;
  }
  return played;
}

int CountStones(const PlaneBoard& b) {
  int n = 0;
  for (int i = 0; i < 19; ++i)
    for (int j = 0; j < 19; ++j) n += b.GetChain(i, j) != 0;
  return n;
}

// A middle-game position of about 150 stones, refreshed.
const PlaneBoard& MiddleGame() {
  static const PlaneBoard board = [] {
    PlaneBoard b;
    b.Reset(19, 0);
    int colour = 1;
    for (auto [i, j] : RandomGame(400, 12345)) {
      b.PlayStone(i, j, colour, 0);
      colour = -colour;
      if (CountStones(b) >= 150) break;
    }
    return b;
  }();
  return board;
}

// Empty points of the middle game where Black may play.
std::vector<std::pair<int, int>> LegalPoints() {
  std::vector<std::pair<int, int>> points;
  for (int i = 0; i < 19; ++i) {
    for (int j = 0; j < 19; ++j) {
      PlaneBoard b = MiddleGame();
      const int r = b.PlayStone(i, j, 1, 1);
      if (r != kz::kOccupied && r != kz::kSuicide && r != kz::kKo)
        points.emplace_back(i, j);
    }
  }
  return points;
}

void PlayStoneBench(benchmark::State& state, int replay) {
  const auto points = LegalPoints();
  std::size_t k = 0;
  PlaneBoard board = MiddleGame();
  for (auto _ : state) {
    state.PauseTiming();
    board = MiddleGame();
    const auto [i, j] = points[k++ % points.size()];
    state.ResumeTiming();
    benchmark::DoNotOptimize(board.PlayStone(i, j, 1, replay));
  }
  state.counters["stones"] = CountStones(MiddleGame());
}

void BM_PlayStoneFull(benchmark::State& state) { PlayStoneBench(state, 0); }
void BM_PlayStoneReplay(benchmark::State& state) { PlayStoneBench(state, 1); }

void BM_LabelRegions(benchmark::State& state) {
  PlaneBoard board = MiddleGame();
  for (auto _ : state) {
    board.LabelRegions();
    benchmark::ClobberMemory();
  }
}

void BM_LinkChains(benchmark::State& state) {
  PlaneBoard board = MiddleGame();
  for (auto _ : state) {
    board.LinkChains(0);
    benchmark::ClobberMemory();
  }
}

void BM_SpreadInfluence(benchmark::State& state) {
  PlaneBoard board = MiddleGame();
  for (auto _ : state) benchmark::DoNotOptimize(board.SpreadInfluence());
}

void BM_Replay250Moves(benchmark::State& state) {
  const auto moves = RandomGame(250, 777);
  PlaneBoard board;
  for (auto _ : state) {
    board.Reset(19, 0);
    int colour = 1;
    for (auto [i, j] : moves) {
      benchmark::DoNotOptimize(board.PlayStone(i, j, colour, 1));
      colour = -colour;
    }
  }
  state.counters["moves"] = static_cast<double>(moves.size());
}

void BM_CopyBoard(benchmark::State& state) {
  PlaneBoard to;
  for (auto _ : state) {
    kz::CopyBoard(MiddleGame(), to, 19);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_PlayStoneFull)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayStoneReplay)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LabelRegions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LinkChains)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpreadInfluence)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Replay250Moves)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyBoard)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
