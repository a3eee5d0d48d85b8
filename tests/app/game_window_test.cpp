// The program a player uses, offscreen: the game's view in the frame. Clicks
// play the points under them and the window shows the stones; a record named
// on the command line is on the board after the first tick; closing writes
// the settings and then the placement into the same file.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileOpenEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/bitmaps.h"
#include "app/game_view_port.h"
#include "app/main_frame.h"
#include "app/qt_host.h"
#include "control/commands.h"
#include "display/board_geometry.h"
#include "game/kazaori_doc.h"
#include "platform/profile_file.h"

namespace kz::app {
namespace {

using namespace control;

const BitmapStore& Bitmaps() {
  static const BitmapStore store;
  return store;
}

// A temporary current directory and settings file for one program run.
struct Workplace {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  Workplace() {
    QDir::setCurrent(dir.path());
    setenv("KAZAORI_INI", (dir.path() + "/kazaori.ini").toUtf8().constData(), 1);
  }
  ~Workplace() { QDir::setCurrent(previous); }
  std::string Ini() const { return (dir.path() + "/kazaori.ini").toStdString(); }
};

struct Program {
  platform::ProfileFile profile;
  CMainFrame frame;
  QtHost host;
  GameViewPort view;
  explicit Program(const Workplace& w, const std::string& commandLine = {})
      : profile(w.Ini()), frame(profile, Bitmaps()), host(frame, frame.Board()),
        view(host, commandLine) {
    frame.SetView(&view);
    frame.RestorePlacement();
    QApplication::processEvents();
  }
  QImage Grab() {
    frame.Board().repaint();
    return frame.Board().grab().toImage();
  }
  void Click(int x, int y) { QTest::mouseClick(&frame.Board(), Qt::LeftButton, {}, QPoint(x, y)); }
};

QColor Centre(const QImage& image, int pitch, int x, int y) {
  return image.pixelColor(20 + x * pitch + pitch / 2, 20 + y * pitch + pitch / 2);
}
bool IsBlack(QColor c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; }
bool IsWhite(QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() > 190; }
bool IsDot(QColor c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; }

TEST(GameWindow, ClicksPlayTheGameInEveryStyleAndOrientation) {
  Workplace w;
  Program p(w);
  EXPECT_EQ(p.host.TimerPeriod(1), 1000);
  const int styles[] = {kCmdStyleYellow, kCmdStyleBrown, kCmdStyleBrownLarge};
  for (int s = 0; s < 3; ++s) {
    for (int way : {kCmdBlackNear, kCmdWhiteNear}) {
      p.frame.Action(styles[s])->trigger();
      p.frame.Action(way)->trigger();
      const int pitch = display::Pitch(s);
      const int orientation = way == kCmdBlackNear ? 1 : -1;
      // A fresh position: first move, then two more on drawn squares.
      const int base = 3 * (s * 2 + (orientation == 1 ? 0 : 1));
      const int x0 = base % 19, y0 = 2 + base / 19;
      p.Click(20 + x0 * pitch + 1, 20 + y0 * pitch + 1);
      p.Click(20 + (x0 + 1) * pitch + 1, 20 + y0 * pitch + 1);
      p.Click(20 + (x0 + 2) * pitch + pitch - 1, 20 + y0 * pitch + pitch - 1);
      const QImage image = p.Grab();
      EXPECT_TRUE(IsBlack(Centre(image, pitch, x0, y0))) << s << " " << orientation;
      EXPECT_TRUE(IsWhite(Centre(image, pitch, x0 + 1, y0))) << s << " " << orientation;
      EXPECT_TRUE(IsDot(Centre(image, pitch, x0 + 2, y0))) << s << " " << orientation;
      const display::Point last = display::DrawnPosition(x0 + 2, y0, 19, orientation);
      EXPECT_GT(p.view.View()->Board().GetChain(last.i, last.j), 0) << s << " " << orientation;
      // Every move leaves the same colours for the next round: undo them.
      for (int k = 0; k < 3; ++k) p.frame.Action(kCmdBack1)->trigger();
      // The stones are gone again from the board and the window.
      EXPECT_EQ(p.view.View()->Board().GetChain(last.i, last.j), 0);
    }
  }
}

TEST(GameWindow, ARecordNamedOnTheCommandLineIsShownAfterTheFirstTick) {
  Workplace w;
  {
    CKazaoriDoc doc;
    doc.SetAutosavePath((w.dir.path() + "/autosave.IG1").toStdString());
    doc.StartRecord(9, 0, 0, 0, 0, 0);
    doc.RecordMove(1, 4, 4);
    doc.RecordMove(2, 2, 6);
    doc.RecordMove(3, 6, 2);
    ASSERT_TRUE(doc.WriteRecord((w.dir.path() + "/GAME.IG1").toStdString(), false));
  }
  Program p(w, (w.dir.path() + "/GAME.IG1").toStdString());
  const int widthFor19 = p.frame.width();
  p.view.OnTimer(1);  // the first tick loads it
  QApplication::processEvents();
  EXPECT_EQ(p.view.View()->Board().GetSize(), 9);
  const QImage image = p.Grab();
  EXPECT_TRUE(IsBlack(Centre(image, 21, 4, 4)));
  EXPECT_TRUE(IsWhite(Centre(image, 21, 2, 6)));
  EXPECT_TRUE(IsDot(Centre(image, 21, 6, 2)));
  EXPECT_TRUE(p.frame.windowTitle().startsWith("GAME.IG1"));
  bool listed = false;
  for (QAction* a : p.frame.menuBar()->actions().first()->menu()->actions()) {
    listed |= a->text().endsWith("GAME.IG1") && a->text().startsWith("&1 ");
  }
  EXPECT_TRUE(listed) << "the record entered the recent-file list";
  // The 9-line board got a window of its own size.
  const display::ViewExtent e = p.view.Extent();
  EXPECT_GE(p.frame.Board().width(), e.width);
  EXPECT_LT(e.width, display::RequiredViewExtent(19, 0, 12).width);
  EXPECT_LT(p.frame.width(), widthFor19) << "the frame shrank to the 9-line board";
}

TEST(GameWindow, ClosingWritesSettingsThenPlacementIntoTheSameFile) {
  Workplace w;
  {
    Program p(w);
    p.frame.Action(kCmdStyleBrown)->trigger();
    p.frame.Action(kCmdMoveNumbers)->trigger();
    p.frame.move(50, 40);
    p.frame.close();
  }
  platform::ProfileFile ini(w.Ini());
  EXPECT_EQ(ini.GetInt("Options", "Goban", -1), 1);
  EXPECT_EQ(ini.GetInt("Options", "DispNo", -1), 1);
  EXPECT_EQ(ini.GetString("WindowSZ", "Rect", "").rfind("50, 40, ", 0), 0u)
      << ini.GetString("WindowSZ", "Rect", "");
  EXPECT_FALSE(QFile::exists(w.dir.path() + "/KAZ$$$$$.IG1")) << "the autosave is gone";
}

}  // namespace
}  // namespace kz::app

namespace kz::app {
namespace {

TEST(GameWindow, TheDebugMenuWorksOnlyInDebugMode) {
  Workplace w;
  {
    unsetenv("KAZAORI_DEBUG");
    Program p(w);
    p.frame.UpdateCommandStates();
    EXPECT_FALSE(p.frame.Action(kCmdDebugStoneValues)->isEnabled());
    p.view.Shutdown();
  }
  setenv("KAZAORI_DEBUG", "1", 1);  // what `kazaori --debug` sets
  Program p(w);
  p.frame.UpdateCommandStates();
  EXPECT_TRUE(p.frame.Action(kCmdDebugStoneValues)->isEnabled());
  p.frame.Action(kCmdDebugStoneValues)->trigger();
  EXPECT_TRUE(p.frame.Action(kCmdDebugStoneValues)->isChecked());
  unsetenv("KAZAORI_DEBUG");
  p.view.Shutdown();
}

TEST(GameWindow, ARecordTheDesktopSendsIsOpenedWithItsWholePath) {
  Workplace w;
  const QString folder = w.dir.path() + QString::fromUtf8("/対局 の 記録");
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString path = folder + QString::fromUtf8("/九路 一.IG1");
  {
    CKazaoriDoc doc;
    doc.SetAutosavePath((w.dir.path() + "/autosave.IG1").toStdString());
    doc.StartRecord(9, 0, 0, 0, 0, 0);
    doc.RecordMove(1, 4, 4);
    doc.RecordMove(2, 2, 6);
    ASSERT_TRUE(doc.WriteRecord(QFile::encodeName(path).toStdString(), false));
  }
  Program p(w);
  QFileOpenEvent request(path);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &request);
  QApplication::processEvents();
  EXPECT_EQ(p.view.View()->Board().GetSize(), 9);
  const QImage image = p.Grab();
  EXPECT_TRUE(IsBlack(Centre(image, 21, 4, 4)));
  EXPECT_TRUE(IsDot(Centre(image, 21, 2, 6)));  // White's stone, the last move
  EXPECT_TRUE(p.frame.windowTitle().startsWith(QString::fromUtf8("九路 一.IG1")));
  EXPECT_EQ(p.view.RecentFiles()[0], QFile::encodeName(path).toStdString());
}

}  // namespace
}  // namespace kz::app
