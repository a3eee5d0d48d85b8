// Speed of the computer player's analysis and readers.
#include <benchmark/benchmark.h>

#include "engine/think_engine.h"
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

BENCHMARK(BM_AnalysePosition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysePositionFaster)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarkDeadChains)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAtariLongLadder)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
