// The program a player uses, offscreen: the game's view in the frame. Clicks
// play the points under them and the window shows the stones; a record named
// on the command line is on the board after the first tick; closing writes
// the settings and then the placement into the same file.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/bitmaps.h"
#include "app/game_view_port.h"
#include "app/main_frame.h"
#include "window_workplace.h"
#include "app/qt_host.h"
#include "control/commands.h"
#include "display/board_geometry.h"
#include "game/kazaori_doc.h"
#include "platform/profile_file.h"

namespace kz::app {
namespace {

using namespace control;

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

// Answers the next file dialog with `path` once it is open.
void AnswerFileDialog(const QString& path) {
  QTimer::singleShot(50, [path] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return AnswerFileDialog(path);
    // The name typed as a user would: the listed patterns need not match it.
    dialog->setDirectory(QFileInfo(path).absolutePath());
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    if (name != nullptr) name->setText(QFileInfo(path).fileName());
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
  });
}

TEST(GameWindow, SgfRecordsOpenFromTheCommandLineAndTheDialog) {
  Workplace w;
  const QString named = w.dir.path() + "/GAME.sgf";
  {
    std::ofstream(named.toStdString()) << "(;GM[1]FF[4]SZ[9];B[ee];W[cg](;B[gc])(;B[aa]))\n";
    // Told by its contents, not its name.
    std::ofstream((w.dir.path() + "/other.dat").toStdString()) << "(;SZ[13]HA[2];W[cc];B[kk])";
  }
  Program p(w, named.toStdString());
  p.view.OnTimer(1);
  QApplication::processEvents();
  ASSERT_EQ(p.view.View()->Board().GetSize(), 9);
  QImage image = p.Grab();
  EXPECT_TRUE(IsBlack(Centre(image, 21, 4, 4)));
  EXPECT_TRUE(IsWhite(Centre(image, 21, 2, 6)));
  EXPECT_TRUE(IsDot(Centre(image, 21, 6, 2))) << "the last move of the main line";
  EXPECT_EQ(p.view.View()->Board().GetChain(0, 0), 0) << "a side variation";
  EXPECT_TRUE(p.frame.windowTitle().startsWith("GAME.sgf"));

  AnswerFileDialog(w.dir.path() + "/other.dat");
  p.frame.Action(kCmdOpen)->trigger();
  QApplication::processEvents();
  ASSERT_EQ(p.view.View()->Board().GetSize(), 13);
  EXPECT_EQ(p.view.View()->Board().GetHandicap(), 2);
  image = p.Grab();
  const int pitch = display::Pitch(0);
  EXPECT_TRUE(IsWhite(Centre(image, pitch, 2, 2)));
  EXPECT_TRUE(IsDot(Centre(image, pitch, 10, 10)));
  EXPECT_TRUE(IsBlack(Centre(image, pitch, 9, 3))) << "a handicap stone";
  EXPECT_TRUE(QString::fromStdString(p.view.RecentFiles()[0]).endsWith("other.dat"))
      << "both records entered the recent files, the most recent first";
  EXPECT_TRUE(QString::fromStdString(p.view.RecentFiles()[1]).endsWith("GAME.sgf"));
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

#ifdef FAKE_GTP_PATH
TEST(GameWindow, AGameAgainstAGtpProgramStartsFromTheDialogAndShowsItsFirstMove) {
  Workplace w;
  std::ofstream(w.Ini()) << "[Link]\nGtpProgram=" << FAKE_GTP_PATH << " --name Fakir --moves E5\n";
  Program p(w);
  // The conditions: 9 lines, Black 通信 on the GTP port, White 風織.
  QTimer answer;
  answer.setInterval(20);
  QObject::connect(&answer, &QTimer::timeout, [] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      box->accept();
      return;
    }
    if (modal->objectName() != "dialog108") return;
    int remote = 0, computer = 0;
    for (QRadioButton* r : modal->findChildren<QRadioButton*>()) {
      const QString t = r->text();
      if (t == QString::fromUtf8("９路") || t == "GTP") r->setChecked(true);
      if (t == QString::fromUtf8("通信") && ++remote == 1) r->setChecked(true);
      if (t == QString::fromUtf8("風織") && ++computer == 2) r->setChecked(true);
    }
    if (auto* b = modal->findChild<QPushButton*>("button0")) b->click();
  });
  answer.start();
  p.frame.Action(kCmdNewGame)->trigger();
  answer.stop();
  ASSERT_TRUE(p.view.View()->State().running);
  ASSERT_EQ(p.view.View()->State().port, 3);
  // No input from here on: the window's own timer asks for the move and
  // draws it.
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (p.view.View()->State().play.movesPlayed < 1 && std::chrono::steady_clock::now() < end) {
    QTest::qWait(20);
  }
  ASSERT_GE(p.view.View()->State().play.movesPlayed, 1);
  EXPECT_GT(p.view.View()->Board().GetChain(4, 4), 0);
  // E5 is drawn with the last-move dot on it.
  const QImage image = p.Grab();
  EXPECT_TRUE(IsDot(Centre(image, 21, 4, 4)));
  EXPECT_TRUE(IsBlack(image.pixelColor(20 + 4 * 21 + 3, 20 + 4 * 21 + 10)));
  EXPECT_EQ(p.view.View()->State().blackName, "Fakir 1.0");
  p.view.Shutdown();
}
#endif

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
