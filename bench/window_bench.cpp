// The window's drawing: generating every bitmap at start-up, opening and
// closing the window, and one paint of
// a full 19-line board (361 stones and the status panel) into the view's
// image through the Qt canvas, in each style, with and without numbers.
#include <QApplication>
#include <QTemporaryDir>
#include <QImage>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>

#include "app/bitmaps.h"
#include "app/board_only_view.h"
#include "app/main_frame.h"
#include "app/qt_canvas.h"
#include "display/board_painter.h"
#include "display/status_panel.h"
#include "engine/board/plane_board.h"
#ifdef KAZAORI_GAME_VIEW
#include "app/game_view_port.h"
#include "app/qt_host.h"
#endif

namespace {

using namespace kz;

const app::BitmapStore& Store() {
  static const app::BitmapStore store;
  return store;
}

// Every point filled, Black and White in stripes, with a record to match.
struct FullBoard {
  PlaneBoard board;
  std::array<int, 570> moves{};
  int played = 0;
  FullBoard() {
    board.Reset(19, 0);
    for (int i = 0; i < 19; ++i) {
      for (int j = 0; j < 19; ++j) {
        board.SetChain(i, j, (i / 2 + j) % 2 == 0 ? 1 : -1);
        moves[played++] = i * 100 + j + 1;
      }
    }
  }
};

void BM_GenerateBitmaps(benchmark::State& state) {
  for (auto _ : state) {
    app::BitmapStore store;
    benchmark::DoNotOptimize(store.Has(101));
  }
}
BENCHMARK(BM_GenerateBitmaps)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_PaintFullBoard(benchmark::State& state) {
  static const FullBoard full;
  const int style = static_cast<int>(state.range(0));
  const bool numbers = state.range(1) != 0;
  QImage surface(1024, 768, QImage::Format_ARGB32_Premultiplied);
  display::BoardLook look;
  look.style = style;
  look.previousStyle = style;
  look.moveNumbers = numbers;
  look.shownMove = full.played;
  look.moves = full.moves;
  display::PanelState panel;
  panel.style = style;
  panel.movesPlayed = full.played;
  panel.moves = full.moves;
  for (auto _ : state) {
    app::QtCanvas canvas(surface, Store());
    bool redraw = true;
    display::PaintBoard(canvas, full.board, look, redraw);
    display::PaintStatusPanel(canvas, full.board, panel);
  }
}
BENCHMARK(BM_PaintFullBoard)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly(true);

// The program's life as a player sees it: bitmaps made, the frame opened on
// a 19-line board, painted on screen, closed (placement written).
void BM_OpenPaintClose(benchmark::State& state) {
  QTemporaryDir dir;
  for (auto _ : state) {
    platform::ProfileFile profile((dir.path() + "/kazaori.ini").toStdString());
    const app::BitmapStore bitmaps;
    app::CMainFrame frame(profile, bitmaps);
    app::BoardOnlyView view({}, app::SystemFontHeight());
    frame.SetView(&view);
    frame.RestorePlacement();
    frame.repaint();
    QApplication::processEvents();
    frame.close();
  }
}
BENCHMARK(BM_OpenPaintClose)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

#ifdef KAZAORI_GAME_VIEW
// The same with the game's own view: settings read, the engine made, the
// first paint, the shut-down (settings, autosave removed, placement).
void BM_OpenPaintCloseProgram(benchmark::State& state) {
  QTemporaryDir dir;
  const QString ini = dir.path() + "/kazaori.ini";
  setenv("KAZAORI_INI", ini.toUtf8().constData(), 1);
  for (auto _ : state) {
    platform::ProfileFile profile(ini.toStdString());
    const app::BitmapStore bitmaps;
    app::CMainFrame frame(profile, bitmaps);
    app::QtHost host(frame, frame.Board());
    app::GameViewPort view(host, "");
    frame.SetView(&view);
    frame.RestorePlacement();
    frame.repaint();
    QApplication::processEvents();
    frame.close();
  }
}
BENCHMARK(BM_OpenPaintCloseProgram)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);
#endif

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
