// Speed of the record: rebuilding the longest record (570 moves) on 19
// lines, as every navigation step does, and reading and writing kifu text.
#include <benchmark/benchmark.h>

#include "engine/board/plane_board.h"
#include "game/record_replay.h"
#include "records/kifu_format.h"
#include "support/random_game.h"

namespace {

kz::KifuRecord LongestGame() {
  return kz::test::RandomGameRecord(
      {.size = 19, .handicap = 0, .moves = kz::kMaxRecordMoves, .passPercent = 1, .seed = 5});
}

void BM_Rebuild570Moves(benchmark::State& state) {
  const kz::KifuRecord record = LongestGame();
  kz::PlaneBoard board;
  for (auto _ : state) {
    const kz::PlayState s = kz::ReplayRecord(board, record, kz::kMaxRecordMoves);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_Rebuild570Moves)->Unit(benchmark::kMicrosecond);

void BM_ParseKifu570Moves(benchmark::State& state) {
  const std::string bytes = kz::FormatKifu(LongestGame());
  for (auto _ : state) {
    kz::KifuRecord record;
    kz::ParseKifu(bytes, record);
    benchmark::DoNotOptimize(record);
  }
}
BENCHMARK(BM_ParseKifu570Moves)->Unit(benchmark::kMicrosecond);

void BM_FormatKifu570Moves(benchmark::State& state) {
  const kz::KifuRecord record = LongestGame();
  for (auto _ : state) benchmark::DoNotOptimize(kz::FormatKifu(record));
}
BENCHMARK(BM_FormatKifu570Moves)->Unit(benchmark::kMicrosecond);

}  // namespace
