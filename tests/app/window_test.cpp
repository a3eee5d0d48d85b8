// The window as a player meets it: stones where the geometry puts them in
// every style and both orientations, clicks that play the point under them,
// the menu and the tool bar in order, the prompts, and a frame that always
// holds the whole board and panel.
#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include "app/bitmaps.h"
#include "app/board_only_view.h"
#include "app/main_frame.h"
#include "window_workplace.h"
#include "app/qt_canvas.h"
#include "control/commands.h"
#include "display/bitmap_ids.h"
#include "display/board_geometry.h"
#include "platform/profile_file.h"

namespace kz::app {
namespace {

using namespace control;

struct Window {
  QTemporaryDir dir;
  platform::ProfileFile profile{(dir.path() + "/kazaori.ini").toStdString()};
  CMainFrame frame{profile, Bitmaps()};
  BoardOnlyView view;

  explicit Window(display::Settings settings = {})
      : view(settings, SystemFontHeight()) {
    frame.SetView(&view);
    frame.RestorePlacement();
    QApplication::processEvents();
  }
  QImage Grab() {
    QWidget& board = frame.Board();
    board.repaint();
    return board.grab().toImage();
  }
  void Click(int x, int y) {
    QTest::mouseClick(&frame.Board(), Qt::LeftButton, {}, QPoint(x, y));
  }
};

QColor Centre(const QImage& image, int pitch, int x, int y) {
  return image.pixelColor(20 + x * pitch + pitch / 2, 20 + y * pitch + pitch / 2);
}

bool IsBlackStone(QColor c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; }
bool IsWhiteStone(QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() > 190; }
bool IsDot(QColor c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; }
bool IsWood(QColor c) { return c.red() > 150 && c.red() > c.blue() + 40; }

// Beside the grid lines of a point.
QColor Wood(const QImage& image, int pitch, int x, int y) {
  return image.pixelColor(20 + x * pitch + pitch / 2 + 4, 20 + y * pitch + pitch / 2 + 4);
}

TEST(WindowBoard, StonesAndTheLastMoveDotInEveryStyleAndOrientation) {
  for (int style = 0; style < 3; ++style) {
    for (int way : {1, -1}) {
      display::Settings settings;
      settings.boardStyle = style;
      settings.orientation = way;
      Window w(settings);
      const int pitch = display::Pitch(style);
      // Clicks on drawn positions (3, 15), (15, 3), (9, 9).
      w.Click(20 + 3 * pitch + 2, 20 + 15 * pitch + 2);
      w.Click(20 + 15 * pitch + pitch - 1, 20 + 3 * pitch + pitch - 1);
      w.Click(20 + 9 * pitch + pitch / 2, 20 + 9 * pitch + pitch / 2);
      const QImage image = w.Grab();
      ASSERT_GE(image.width(), 20 + 19 * pitch) << style;
      EXPECT_TRUE(IsBlackStone(Centre(image, pitch, 3, 15))) << style << " " << way;
      EXPECT_TRUE(IsWhiteStone(Centre(image, pitch, 15, 3))) << style << " " << way;
      EXPECT_TRUE(IsDot(Centre(image, pitch, 9, 9))) << style << " " << way;
      EXPECT_TRUE(IsWood(Wood(image, pitch, 5, 5))) << style << " " << way;
      // The board holds the points the clicks give, turned with the board.
      const auto point = [&](int x, int y) { return display::DrawnPosition(x, y, 19, way); };
      EXPECT_GT(w.view.Board().GetChain(point(3, 15).i, point(3, 15).j), 0);
      EXPECT_LT(w.view.Board().GetChain(point(15, 3).i, point(15, 3).j), 0);
      EXPECT_GT(w.view.Board().GetChain(point(9, 9).i, point(9, 9).j), 0);
    }
  }
}

TEST(WindowBoard, ClicksBesideTheGridPlayNothing) {
  for (int style : {0, 2}) {
    display::Settings settings;
    settings.boardStyle = style;
    settings.boardSize = 9;
    Window w(settings);
    const int pitch = display::Pitch(style);
    w.Click(19, 30);
    w.Click(20 + 9 * pitch, 30);      // the pixel after the last column
    w.Click(30, 20 + 9 * pitch);
    for (int i = 0; i < 9; ++i) {
      for (int j = 0; j < 9; ++j) EXPECT_EQ(w.view.Board().GetChain(i, j), 0);
    }
    w.Click(20 + 9 * pitch - 1, 20);  // the last column's outer pixel
    EXPECT_GT(w.view.Board().GetChain(8, 0), 0);
  }
}

QStringList Labels(const QList<QAction*>& actions, const QString& indent = {}) {
  QStringList out;
  for (QAction* a : actions) {
    if (a->isSeparator()) {
      if (a->isVisible()) out << indent + "-";
      continue;
    }
    out << indent + a->text().remove('&');
    if (a->menu() != nullptr) out << Labels(a->menu()->actions(), indent + "  ");
  }
  return out;
}

TEST(WindowMenu, HoldsEveryLabelInOrder) {
  Window w;
  const QStringList expected = QString::fromUtf8(
      "ﾌｧｲﾙ(F)|  棋譜の読み込み|  棋譜の保存|  -|  ＪＩＳ碁盤を出力|  -|  最近使ったファイル|  -|  終了|"
      "対局開始|パス|投了|  投了|  投了勧告|対局中断|終局処理|"
      "補助操作|  N手目に移る|  自動鑑賞|  コメント表示|"
      "表示|  ﾂｰﾙ ﾊﾞｰ表示|  ｽﾃｰﾀｽ ﾊﾞｰ表示|  -|  碁盤の種類|    黄色|    薄茶|    薄茶（大）|"
      "  碁盤の向き|    黒番手前|    白番手前|  表示文字サイズ|    ｼｽﾃﾑ･ﾌｫﾝﾄ|    任意(12ﾄﾞｯﾄ)|"
      "    任意(16ﾄﾞｯﾄ)|  -|  手順番号表示|  死に石の表示|  -|  DEBUG|    石の値|    空点の値|"
      "    連続点の値|    盤面の温度|    黒からの温度|    白からの温度|"
      "ｵﾌﾟｼｮﾝ|  効果音|    ｵｰﾌﾟﾆﾝｸﾞ|    着手音|    ｴﾝﾃﾞｨﾝｸﾞ|    警告音|  -|  着手エラー表示|"
      "  棋譜の保存確認|  標準コメント|  棋譜コメント表示|  SGF棋譜出力|  -|  GTPプログラム...|"
      "ﾍﾙﾌﾟ|  遊び方（目次）|  バージョン情報").split('|');
  EXPECT_EQ(Labels(w.frame.menuBar()->actions()), expected);
  EXPECT_EQ(w.frame.Action(kCmdOpen)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
}

TEST(WindowMenu, RecentFilesStandBetweenTheSeparators) {
  QTemporaryDir dir;
  platform::ProfileFile profile((dir.path() + "/kazaori.ini").toStdString());
  CMainFrame frame(profile, Bitmaps());
  display::Settings settings;
  settings.recentFiles = {"/home/a/GAME1.IG1", "B.IG1", "", ""};
  BoardOnlyView view(settings, SystemFontHeight());
  frame.SetView(&view);
  const QStringList file = Labels(frame.menuBar()->actions().first()->menu()->actions());
  EXPECT_EQ(file.mid(4, 4), (QStringList{"-", "1 /home/a/GAME1.IG1", "2 B.IG1", "-"}));
}

TEST(WindowToolBar, FourteenButtonsInTheirGroups) {
  Window w;
  QStringList tips;
  for (QAction* a : w.frame.ToolBar()->actions()) {
    tips << (a->isSeparator() ? QString("|") : QString::number(a->data().toInt()));
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().isNull());
    }
  }
  EXPECT_EQ(tips.join(' '),
            "32791 | 57601 57604 | 32828 32818 32819 32821 32820 32829 | 32787 32830 32769 32770 | "
            "57664");
  EXPECT_EQ(ToolBarStrip().size(), QSize(224, 16));
}

TEST(WindowStatusBar, PromptOnHoverAndReadyWhenIdle) {
  Window w;
  w.frame.show();
  EXPECT_EQ(w.frame.IdleText(), QString::fromUtf8("ﾚﾃﾞｨ"));
  auto* ready = w.frame.statusBar()->findChild<QLabel*>();
  ASSERT_NE(ready, nullptr);
  EXPECT_EQ(ready->text(), QString::fromUtf8("ﾚﾃﾞｨ"));
  w.frame.Action(kCmdNewGame)->showStatusText(&w.frame);
  EXPECT_EQ(w.frame.statusBar()->currentMessage(), QString::fromUtf8("新規の対局を開始する"));
}

TEST(WindowMenu, TicksFollowTheRules) {
  Window w;
  EXPECT_TRUE(w.frame.Action(kCmdStyleYellow)->isChecked());
  EXPECT_FALSE(w.frame.Action(kCmdFirst)->isEnabled()) << "no move played yet";
  w.frame.Action(kCmdStyleBrownLarge)->trigger();
  EXPECT_FALSE(w.frame.Action(kCmdStyleYellow)->isChecked());
  EXPECT_TRUE(w.frame.Action(kCmdStyleBrownLarge)->isChecked());
  EXPECT_FALSE(w.frame.Action(kCmdDebugStoneValues)->isEnabled());
}

TEST(WindowSize, TheFrameHoldsTheBoardAndPanelInEveryStyleSizeAndFont) {
  for (int size : {9, 13, 19}) {
    display::Settings settings;
    settings.boardSize = size;
    Window w(settings);
    for (int style : {kCmdStyleYellow, kCmdStyleBrown, kCmdStyleBrownLarge}) {
      for (int font : {kCmdSystemFont, kCmdFont12, kCmdFont16}) {
        w.frame.Action(style)->trigger();
        w.frame.Action(font)->trigger();
        QApplication::processEvents();
        const display::ViewExtent e = w.view.Extent();
        // The whole drawing (the extent keeps a margin beyond it).
        EXPECT_GE(w.frame.Board().width(), e.width - display::kViewMargin)
            << size << " " << style << " " << font;
        EXPECT_GE(w.frame.Board().height(), e.height - display::kViewMargin)
            << size << " " << style << " " << font;
        const display::ViewExtent need = display::RequiredViewExtent(size, w.view.Look().boardStyle, w.view.Layout());
        EXPECT_EQ(e.width, need.width);
      }
    }
  }
}

TEST(WindowPlacement, StoredRectParsedAndWrittenBack) {
  std::array<int, 8> rect{1, 2, 3, 4, 5, 6, 7, 8};
  ParsePlacementRect("10, 20, 700, 560, -1, -1, -4, -4", rect);
  EXPECT_EQ(rect, (std::array<int, 8>{10, 20, 700, 560, -1, -1, -4, -4}));
  rect = {1, 2, 3, 4, 5, 6, 7, 8};
  ParsePlacementRect("10, 20, x", rect);
  EXPECT_EQ(rect, (std::array<int, 8>{10, 20, 3, 4, 5, 6, 7, 8})) << "the rest keeps its values";
  EXPECT_EQ(FormatPlacementRect({0, 0, 630, 470, 0, 0, -4, -4}), "0, 0, 630, 470, 0, 0, -4, -4");

  QTemporaryDir dir;
  platform::ProfileFile profile((dir.path() + "/kazaori.ini").toStdString());
  const Placement fresh = ReadPlacement(profile);
  EXPECT_EQ(fresh.rect[0], 0);
  EXPECT_EQ(fresh.rect[2], 630);
  EXPECT_EQ(fresh.showCmd, 1);
  {
    CMainFrame frame(profile, Bitmaps());
    BoardOnlyView view({}, SystemFontHeight());
    frame.SetView(&view);
    frame.RestorePlacement();
    EXPECT_EQ(frame.pos(), QPoint(0, 0));
    EXPECT_GE(frame.width(), 630);
    frame.move(40, 30);
    frame.close();
  }
  profile.Reload();
  const Placement stored = ReadPlacement(profile);
  EXPECT_EQ(stored.rect[0], 40);
  EXPECT_EQ(stored.rect[1], 30);
  EXPECT_EQ(stored.showCmd, 1);
}

}  // namespace
}  // namespace kz::app

#include <QTextBrowser>

#include "app/help_window.h"

namespace kz::app {
namespace {

TEST(WindowHelp, TheIndexOpensWithThePagesOwnChapters) {
  Window w;
  w.frame.SetHelpHandler([&] { ShowHelp(&w.frame); });
  w.frame.Action(control::kCmdHelp)->trigger();
  QTextBrowser* help = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* b = qobject_cast<QTextBrowser*>(top); b != nullptr && b->isVisible()) help = b;
  }
  ASSERT_NE(help, nullptr);
  const QString text = help->toPlainText();
  for (const char* chapter : {"対局のしかた", "メニューとツールバー", "終局と地の数え方", "棋譜ファイル",
                              "通信対局"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(chapter))) << chapter;
  }
  help->close();
}

}  // namespace
}  // namespace kz::app
