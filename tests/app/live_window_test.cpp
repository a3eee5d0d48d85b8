// The program's window on a real X server (Xvfb), left alone after it starts:
// what the screen shows must follow the game by itself. The computer's moves,
// the clock of the side to move and the tool bar's states appear without any
// click; after a new game the frame has its size for the board.
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "app/bitmaps.h"
#include "app/game_view_port.h"
#include "app/main_frame.h"
#include "window_workplace.h"
#include "app/qt_host.h"
#include "control/commands.h"
#include "display/board_geometry.h"
#include "game/kazaori_doc.h"
#include "platform/profile_file.h"
#include "xvfb_server.h"

namespace kz::app {
namespace {

using namespace control;

// A record of `moves` on nine lines with the players and clocks given; a
// record with a time limit or clock values continues as a running game.
std::string WriteRecord(const Workplace& w, int black, int white,
                        std::initializer_list<int> moves, int limit, unsigned blackSeconds) {
  CKazaoriDoc doc;
  doc.SetAutosavePath(w.File("autosave.IG1"));
  doc.StartRecord(9, 0, black, white, 0, 0);
  int k = 0;
  for (int move : moves) doc.RecordMove(++k, move / 100, move % 100);
  doc.StoreClocks(limit, blackSeconds, 0);
  const std::string path = w.File("START.IG1");
  EXPECT_TRUE(doc.WriteRecord(path, false));
  return path;
}

// The program as main() builds it, shown, with its own timer running.
struct Program {
  platform::ProfileFile profile;
  CMainFrame frame;
  QtHost host;
  GameViewPort view;
  QStringList messages;  // message boxes, closed as they come
  QTimer closer;
  explicit Program(const Workplace& w, const std::string& commandLine = {})
      : profile(w.Ini()), frame(profile, Bitmaps()), host(frame, frame.Board()),
        view(host, commandLine) {
    frame.SetView(&view);
    frame.RestorePlacement();
    QObject::connect(&closer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        messages << box->text();
        box->accept();
      }
    });
    closer.start(50);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
  }
  ~Program() { view.Shutdown(); }
  // What the X server shows of a rectangle of the view's window: no paint
  // is forced, so only what the program drew by itself is there.
  QImage Screen(QRect part) {
    QWidget& board = frame.Board();
    const QPoint at = board.mapTo(&frame, part.topLeft());
    return frame.screen()
        ->grabWindow(frame.winId(), at.x(), at.y(), part.width(), part.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  QRect BoardArea() const {
    const int side = display::BoardImageSide(0, view.BoardLines());
    return {display::kBoardOrigin, display::kBoardOrigin, side, side};
  }
  QRect PanelArea() {
    const int right = display::kBoardOrigin + display::BoardImageSide(0, view.BoardLines());
    return {right, 0, frame.Board().width() - right, frame.Board().height()};
  }
};

QByteArray Digest(const QImage& image) {
  return QCryptographicHash::hash(
      QByteArrayView(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()),
      QCryptographicHash::Md5);
}

bool IsWhiteStone(QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() > 190; }
bool IsLastMoveDot(QColor c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; }

// White stones on the board; the last move's stone shows the red dot.
int WhiteStones(const QImage& board, int lines) {
  int count = 0;
  for (int i = 0; i < lines; ++i) {
    for (int j = 0; j < lines; ++j) {
      const QColor centre = board.pixelColor(i * 21 + 10, j * 21 + 10);
      const QColor rim = board.pixelColor(i * 21 + 4, j * 21 + 10);
      count += IsWhiteStone(centre) || (IsLastMoveDot(centre) && IsWhiteStone(rim)) ? 1 : 0;
    }
  }
  return count;
}

int RedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += c.red() > 200 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
    }
  }
  return count;
}

TEST(LiveWindow, ComputerAgainstComputerPlaysOnScreenWithoutInput) {
  KZ_NEEDS_XVFB();
  Workplace w;
  Program p(w, WriteRecord(w, kComputer, kComputer, {}, 10, 0));
  std::set<QByteArray> positions;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 20000 && positions.size() < 10) {
    QTest::qWait(250);
    positions.insert(Digest(p.Screen(p.BoardArea())));
  }
  EXPECT_GE(positions.size(), 10u) << "different boards on the screen in "
                                   << clock.elapsed() << " ms";
  EXPECT_TRUE(p.messages.isEmpty()) << p.messages.join(" / ").toStdString();
}

TEST(LiveWindow, TheComputersReplyToARecordAppearsWithinTwoTicks) {
  KZ_NEEDS_XVFB();
  Workplace w;
  // Black (the user) has played E5; White, the computer, is to move.
  Program p(w, WriteRecord(w, kUser, kComputer, {404}, 10, 0));
  QTest::qWait(2300);  // two ticks: the record is read, the computer moves
  const QImage board = p.Screen(p.BoardArea());
  EXPECT_EQ(WhiteStones(board, 9), 1) << "the computer's stone is on the screen";
  EXPECT_EQ(p.view.View()->State().play.movesPlayed, 2);
  // The user's turn again: the tool bar says so without a click.
  EXPECT_TRUE(p.frame.Actions(kCmdPass).first()->isEnabled());
  for (QAction* a : p.frame.ToolBar()->actions()) {
    const int id = a->data().toInt();
    if (id == 0 || a->isSeparator()) continue;
    EXPECT_EQ(a->isEnabled(), p.view.QueryCommand(id).enabled) << id;
  }
}

TEST(LiveWindow, TheUsersClockRunsOnScreenAndTurnsRedAtTheLimit) {
  KZ_NEEDS_XVFB();
  Workplace w;
  // The user's turn with one minute each, 59 seconds of it used: the first
  // tick reads the record, the third finds the minute past.
  Program p(w, WriteRecord(w, kUser, kComputer, {}, 1, 59));
  QTest::qWait(1500);
  const QImage before = p.Screen(p.PanelArea());
  EXPECT_EQ(RedPixels(before), 0);
  QTest::qWait(3500);
  const QImage after = p.Screen(p.PanelArea());
  EXPECT_NE(Digest(before), Digest(after)) << "the clock's text changed";
  EXPECT_GT(RedPixels(after), 20) << "past the limit the clock is red";
  EXPECT_EQ(p.messages.size(), 1) << "the time-out warning, once";
}

TEST(LiveWindow, TheToolBarFollowsTheStartupRecordAndThePause) {
  KZ_NEEDS_XVFB();
  Workplace w;
  Program p(w, WriteRecord(w, kUser, kUser, {404, 202, 606}, 0, 0));
  QTest::qWait(1300);  // the first tick reads it
  ASSERT_EQ(p.view.View()->State().play.movesPlayed, 3);
  int enabled = 0;
  for (QAction* a : p.frame.ToolBar()->actions()) {
    const int id = a->data().toInt();
    if (id == 0 || a->isSeparator()) continue;
    EXPECT_EQ(a->isEnabled(), p.view.QueryCommand(id).enabled) << id;
    enabled += a->isEnabled() ? 1 : 0;
  }
  EXPECT_GE(enabled, 8) << "a record at its end: open, save, back, pass and more";
  // A running game paused says so in the status bar's prompt pane.
  Workplace w2;
  Program q(w2, WriteRecord(w2, kUser, kComputer, {}, 10, 0));
  QTest::qWait(1300);
  QLabel* prompt = q.frame.statusBar()->findChild<QLabel*>();
  ASSERT_NE(prompt, nullptr);
  q.frame.Actions(kCmdPause).first()->trigger();
  EXPECT_EQ(prompt->text(), QString::fromUtf8("対局中断"));
  q.frame.Actions(kCmdPause).first()->trigger();
  EXPECT_EQ(prompt->text(), QString::fromUtf8("ﾚﾃﾞｨ"));
}

// Starts a new game of `lines` lines between two users through the dialog.
void NewGame(Program& p, int lines) {
  const QString label = QString::fromUtf8(lines == 9 ? "９路" : lines == 13 ? "１３路" : "１９路");
  QTimer::singleShot(200, [label] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    for (QRadioButton* r : dialog->findChildren<QRadioButton*>()) {
      if (r->text() == label) r->click();
    }
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
      if (b->text() == QString::fromUtf8("対局開始")) b->click();
    }
  });
  p.frame.Action(kCmdNewGame)->trigger();
  QTest::qWait(100);
}

TEST(LiveWindow, TheFrameHasItsSizeForEachBoard) {
  KZ_NEEDS_XVFB();
  Workplace w;
  Program p(w);
  // At the start (no settings): 630 × 470, grown where the drawing needs it.
  EXPECT_EQ(p.frame.size(), FrameSizeFor(19).expandedTo(p.frame.minimumSizeHint()));
  EXPECT_EQ(p.frame.size(), QSize(630, 483));
  std::printf("start %d x %d (menu %d, tool bar %d, status bar %d)\n", p.frame.width(),
              p.frame.height(), p.frame.menuBar()->height(), p.frame.ToolBar()->height(),
              p.frame.statusBar()->height());
  for (int lines : {9, 13, 19}) {
    NewGame(p, lines);
    ASSERT_EQ(p.view.BoardLines(), lines);
    const display::ViewExtent e = p.view.Extent();
    std::printf("%d lines: frame %d x %d, view %d x %d, drawing %d x %d\n", lines,
                p.frame.width(), p.frame.height(), p.frame.Board().width(),
                p.frame.Board().height(), e.width - display::kViewMargin,
                e.height - display::kViewMargin);
    EXPECT_EQ(p.frame.size(), FrameSizeFor(lines).expandedTo(p.frame.minimumSizeHint()));
    EXPECT_GE(p.frame.Board().width(), e.width - display::kViewMargin) << lines;
    EXPECT_GE(p.frame.Board().height(), e.height - display::kViewMargin) << lines;
    // Measured with IPAGothic at 12 pixels: only the 19-line drawing needs
    // more than its 470 lines (its board is 420 high, the bars 63).
    const QSize expected = lines == 9 ? QSize(400, 400) : lines == 13 ? QSize(500, 470)
                                                                      : QSize(630, 483);
    EXPECT_EQ(p.frame.size(), expected) << lines;
  }
  // Hiding a bar gives its room back; showing it takes it again.
  const QSize shown = p.frame.size();
  const int toolBar = p.frame.ToolBar()->height(), status = p.frame.statusBar()->height();
  p.frame.Action(kCmdToolBar)->trigger();
  EXPECT_EQ(p.frame.height(), shown.height() - toolBar);
  p.frame.Action(kCmdStatusBar)->trigger();
  EXPECT_EQ(p.frame.height(), shown.height() - toolBar - status);
  p.frame.Action(kCmdToolBar)->trigger();
  p.frame.Action(kCmdStatusBar)->trigger();
  EXPECT_EQ(p.frame.size(), shown);
}

}  // namespace
}  // namespace kz::app
