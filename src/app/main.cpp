// 対局囲碁　風織: the window program.
#include <QApplication>
#include <QFont>

#include "app/bitmaps.h"
#include "app/board_only_view.h"
#include "app/main_frame.h"
#include "app/qt_canvas.h"
#include "display/settings.h"
#include "platform/profile_file.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("kazaori");
  QFont font("IPAGothic");
  font.setPixelSize(12);
  QApplication::setFont(font);

  kz::platform::ProfileFile profile(kz::platform::ProfileFile::DefaultPath());
  const kz::app::BitmapStore bitmaps;
  kz::app::CMainFrame frame(profile, bitmaps);
  kz::app::BoardOnlyView view(kz::display::ReadSettings(profile), kz::app::SystemFontHeight());
  frame.SetView(&view);
  frame.RestorePlacement();
  return QApplication::exec();
}
