// Speed of the board's rules and refreshes on a 19-line middle game.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/board/plane_board.h"
#include "positions.h"

namespace {

using kz::PlaneBoard;
using kz::bench::CountStones;
using kz::bench::MiddleGame;
using kz::bench::RandomGame;

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
