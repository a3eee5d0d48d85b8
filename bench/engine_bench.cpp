// Speed of the computer player's analysis and readers.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "engine/think_engine.h"
#include "match/match.h"
#include "positions.h"

namespace {

using kz::PlaneBoard;
using kz::ThinkEngine;

// The position analysis that runs before every move choice, on the 19-line
// middle game, with faster moves off and on.
void AnalyseBench(benchmark::State& state, int faster) {
  PlaneBoard board = kz::bench::MiddleGame();
  ThinkEngine engine;
  engine.SetupGame(board, 0, 0, 1, faster, 0);
  for (auto _ : state) {
    engine.AnalysePosition(board, 1, 0, 0);
    benchmark::ClobberMemory();
  }
}
// The dead-stone analysis alone: most of the position analysis' time.
void BM_MarkDeadChains(benchmark::State& state) {
  PlaneBoard board = kz::bench::MiddleGame();
  ThinkEngine engine;
  engine.SetupGame(board, 0, 0, 1, 0, 0);
  engine.AnalysePosition(board, 1, 0, 0);
  for (auto _ : state) engine.MarkDeadChains(0);
}

void BM_AnalysePosition(benchmark::State& state) { AnalyseBench(state, 0); }
void BM_AnalysePositionFaster(benchmark::State& state) { AnalyseBench(state, 1); }

// A ladder that runs from the centre to the edge of an empty 19-line board.
void BM_ReadAtariLongLadder(benchmark::State& state) {
  PlaneBoard board;
  board.Reset(19, 0);
  // Black (16, 2) in atari; the ladder runs diagonally to the far edge.
  board.PlayStone(16, 2, 1, 0);
  board.PlayStone(16, 1, -1, 0);
  board.PlayStone(15, 2, -1, 0);
  board.PlayStone(17, 2, -1, 0);
  board.PlayStone(17, 3, -1, 0);
  ThinkEngine engine;
  engine.SetupGame(board, 0, 0, 1, 0, 0);
  int status = 0;
  for (auto _ : state) {
    status = engine.ReadAtari(board, 16, 2).status;
    benchmark::DoNotOptimize(status);
  }
  state.counters["captured"] = status;
}

// The whole move choice in the positions the engine meets: one game of
// self-play per iteration on the given size (faster moves off), timed per
// move. Reports the median and the slowest move in milliseconds.
void BM_SelfPlayMoveChoice(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  std::vector<double> times;
  for (auto _ : state) {
    PlaneBoard board;
    board.Reset(size, 0);
    ThinkEngine engine;
    engine.SetupGame(board, 0, 1, 1, 0, 0);
    int colour = 1, last = -1, passes = 0;
    for (int n = 0; n < 3 * size * size && passes < 2; ++n) {
      const auto t0 = std::chrono::steady_clock::now();
      const kz::MoveResult r = engine.ChooseMove(board, colour, n, last);
      const auto t1 = std::chrono::steady_clock::now();
      times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
      const int code = kz::PackedCode(r.packed);
      if (code == 0) break;  // no answer at all: end the game here
      if (code == -1) {
        ++passes;
        last = -1;
      } else {
        passes = 0;
        last = kz::MoveCodeOf(kz::PackedI(r.packed), kz::PackedJ(r.packed));
      }
      colour = -colour;
    }
  }
  // The same median and maximum as the match runner reports.
  state.counters["moves"] = static_cast<double>(times.size());
  state.counters["median_ms"] = kz::match::Percentile(times, 50);
  state.counters["max_ms"] = kz::match::Percentile(times, 100);
}

BENCHMARK(BM_SelfPlayMoveChoice)->Arg(9)->Arg(19)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysePosition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysePositionFaster)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarkDeadChains)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAtariLongLadder)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
