// 対局囲碁　風織: the window program. `kazaori [RECORD.IG1] [--debug]`
#include <QApplication>
#include <QFont>
#include <cstdlib>
#include <string>

#include "app/bitmaps.h"
#include "app/help_window.h"
#include "app/main_frame.h"
#include "app/qt_canvas.h"
#include "app/qt_dialogs.h"
#include "app/translations.h"
#include "platform/profile_file.h"
#ifdef KAZAORI_GAME_VIEW
#include "app/game_view_port.h"
#include "app/qt_host.h"
#else
#include "app/board_only_view.h"
#include "control/dialogs.h"
#include "display/settings.h"
#endif

int main(int argc, char** argv) {
  // The command line without the program's own options is the record to open.
  std::string commandLine;
  for (int k = 1; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--debug") {
      setenv("KAZAORI_DEBUG", "1", 1);  // enables the DEBUG menu
      continue;
    }
    if (!commandLine.empty()) commandLine += ' ';
    commandLine += arg;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName("kazaori");
  kz::app::LoadQtTranslation(app);
  QFont font("IPAGothic");
  font.setPixelSize(12);
  QApplication::setFont(font);

  kz::platform::ProfileFile profile(kz::platform::ProfileFile::DefaultPath());
  const kz::app::BitmapStore bitmaps;
  kz::app::CMainFrame frame(profile, bitmaps);
  frame.SetHelpHandler([&frame] { kz::app::ShowHelp(&frame); });
#ifdef KAZAORI_GAME_VIEW
  kz::app::QtHost host(frame, frame.Board());
  kz::app::GameViewPort view(host, commandLine);
  if (!view.Created()) return 1;
#else
  kz::app::BoardOnlyView view(kz::display::ReadSettings(profile), kz::app::SystemFontHeight());
  frame.SetAboutHandler([&frame] {
    kz::control::TextDialog about = kz::control::AboutDialog();
    kz::app::RunModelDialog(about, &frame);
  });
#endif
  frame.SetView(&view);
  frame.RestorePlacement();
#ifdef KAZAORI_GAME_VIEW
  if (const char* snapshot = std::getenv("KAZAORI_SNAPSHOT"); snapshot && *snapshot)
    kz::app::SnapshotWhenShown(frame, view, QString::fromLocal8Bit(snapshot));
#endif
  return QApplication::exec();
}
