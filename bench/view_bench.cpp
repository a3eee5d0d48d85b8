// The game controller: whole games through the view's tick on a host that
// answers nothing (computer against computer, the real engine), and the
// navigation commands that rebuild the position from the record.
#include <benchmark/benchmark.h>

#include "control/dialogs.h"
#include "control/kazaori_view.h"
#include "game/kazaori_doc.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace {

using kz::control::CKazaoriView;

struct BenchView {
  explicit BenchView(int sizeChoice) : dir(true) {
    kz::control::ViewParts parts;
    parts.iniPath = dir / "kazaori.ini";
    parts.link = std::make_unique<kz::link::NullLink>();
    view = std::make_unique<CKazaoriView>(host, doc, std::move(parts));
    view->OnCreate();
    host.Answer(kz::control::kNewGameDialog, 0, [sizeChoice](kz::platform::DialogModel& m) {
      auto& d = static_cast<kz::control::NewGameDialog&>(m);
      d.sizeChoice = sizeChoice;
      d.black = kz::control::kComputer;
      d.white = kz::control::kComputer;
    });
    view->OnCommand(kz::control::kCmdNewGame);
  }
  // Ticks until the game stops (or 600 ticks); the moves played.
  int Play() {
    for (int n = 0; n < 600 && view->State().running; ++n) {
      host.clock.Advance(1);
      view->OnTick();
    }
    return view->State().play.movesPlayed;
  }
  kz::test::TempDir dir;
  kz::test::FakeHost host;
  kz::CKazaoriDoc doc;
  std::unique_ptr<CKazaoriView> view;
};

void BM_ComputerGameThroughTheView(benchmark::State& state) {
  int moves = 0;
  for (auto _ : state) {
    BenchView b(static_cast<int>(state.range(0)));
    moves = b.Play();
    benchmark::DoNotOptimize(moves);
  }
  state.counters["moves"] = moves;
}
BENCHMARK(BM_ComputerGameThroughTheView)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);

// Back 10 and forward 10 through a game of the computer's own.
void BM_NavigateTheRecord(benchmark::State& state) {
  BenchView b(0);
  b.Play();
  const int moves = b.view->State().play.movesPlayed;
  for (auto _ : state) {
    b.view->OnCommand(kz::control::kCmdFirst);
    b.view->OnCommand(kz::control::kCmdForward10);
    b.view->OnCommand(kz::control::kCmdLast);
  }
  state.counters["moves"] = moves;
}
BENCHMARK(BM_NavigateTheRecord)->Unit(benchmark::kMicrosecond);

}  // namespace
BENCHMARK_MAIN();
