// Takes the screenshots a player judges the drawing by: the window with an
// empty 19-line board in each style, a 9-line game with move numbers, the
// end-of-game marking with territory, the new-game dialog and the status
// panel with a clock past the limit. Usage: kazaori_screenshots OUTDIR
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QDir>
#include <QFont>
#include <array>
#include <cstdio>

#include "app/bitmaps.h"
#include "app/help_window.h"
#include "app/board_only_view.h"
#include "app/main_frame.h"
#include "app/qt_canvas.h"
#include "app/qt_dialogs.h"
#include "control/commands.h"
#include "control/dialogs.h"
#include "display/board_geometry.h"
#include "display/board_painter.h"
#include "display/status_panel.h"
#include "platform/profile_file.h"
#ifdef KAZAORI_GAME_VIEW
#include "app/game_view_port.h"
#include "app/qt_host.h"
#include "game/kazaori_doc.h"
#endif
#include "app/translations.h"


namespace {

using namespace kz;

bool Save(QWidget& widget, const QString& path) {
  widget.repaint();
  QApplication::processEvents();
  const bool ok = widget.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

// A position and its record, drawn as the game's view draws it.
class SceneView final : public app::ViewPort {
 public:
  explicit SceneView(int size, int handicap = 0) {
    board.Reset(size, handicap);
    colour = handicap >= 2 ? -1 : 1;
    look.handicap = handicap;
    panel.handicap = handicap;
  }
  void Play(int i, int j) {
    const int captured = board.PlayStone(i, j, colour, 1);
    if (captured < 0 && captured > -90) return;
    (colour > 0 ? panel.blackPrisoners : panel.whitePrisoners) += std::max(captured, 0);
    moves[played++] = MoveCodeOf(i, j) + 1;
    colour = -colour;
  }
  void Paint(platform::Canvas& canvas) override {
    look.shownMove = played;
    look.moves = moves;
    look.layout = panel.layout;
    panel.style = look.style;
    panel.orientation = look.orientation;
    panel.movesPlayed = played;
    panel.sideToMove = colour;
    panel.moves = moves;
    panel.endOfGame = look.endOfGame;
    canvas.SelectFont(panel.layout == 16 ? platform::FontKind::kDots16 : platform::FontKind::kSystem);
    display::PaintBoard(canvas, board, look, full);
    display::PaintStatusPanel(canvas, board, panel);
  }
  void LeftClick(int, int) override {}
  void RightClick(int, int) override {}
  void OnTimer(int) override {}
  void OnCommand(int) override {}
  control::CommandUi QueryCommand(int id) const override {
    control::CommandContext c;
    c.boardStyle = look.style;
    c.showMoveNumbers = look.moveNumbers;
    c.movesPlayed = played;
    c.endOfGame = look.endOfGame;
    return control::QueryCommand(id, c);
  }
  display::ViewExtent Extent() const override {
    return display::RequiredViewExtent(board.GetSize(), look.style, panel.layout);
  }
  bool TakeSizeChanged() override { return false; }
  std::array<std::string, 4> RecentFiles() const override { return {}; }
  std::string DocumentName() const override { return name; }
  void Shutdown() override {}

  PlaneBoard board;
  display::BoardLook look;
  display::PanelState panel;
  std::array<int, 570> moves{};
  int played = 0;
  int colour = 1;
  bool full = true;
  std::string name;
};

bool Shoot(platform::ProfileFile& profile, const app::BitmapStore& bitmaps, SceneView& scene,
           const QString& path) {
  app::CMainFrame frame(profile, bitmaps);
  frame.SetView(&scene);
  frame.RestorePlacement();
  return Save(frame, path);
}

// A 9-line game of 30 moves with a capture on each side.
void NineLineGame(SceneView& s) {
  const int moves[][2] = {{4, 4}, {2, 4}, {4, 2}, {6, 4}, {6, 6}, {5, 5}, {5, 6}, {4, 5},
                          {3, 5}, {4, 6}, {3, 6}, {5, 4}, {2, 2}, {6, 3}, {3, 4}, {7, 6},
                          {7, 7}, {6, 7}, {6, 8}, {5, 7}, {8, 6}, {1, 3}, {1, 2}, {2, 3},
                          {3, 3}, {0, 3}, {4, 7}, {5, 8}, {4, 8}, {7, 5}};
  for (const auto& m : moves) s.Play(m[0], m[1]);
}

#ifdef KAZAORI_GAME_VIEW
// `--reply-record PATH`: writes a 9-line record of 貴方 (Black) against 風織
// (White) with a time limit, which the program continues as a running game
// on the user's turn, and prints where E5 lies in the program's window (for
// the click that the computer then answers).
int WriteReplyRecord(const std::string& path) {
  {
    CKazaoriDoc doc;
    doc.SetAutosavePath(path + ".autosave");
    doc.StartRecord(9, 0, 0, 1, 0, 0);
    doc.StoreClocks(10, 0, 0);
    if (!doc.WriteRecord(path, false)) return 1;
  }
  platform::ProfileFile profile(std::getenv("KAZAORI_INI") ? std::getenv("KAZAORI_INI") : "");
  const app::BitmapStore bitmaps;
  app::CMainFrame frame(profile, bitmaps);
  app::QtHost host(frame, frame.Board());
  app::GameViewPort view(host, path);
  frame.SetView(&view);
  frame.RestorePlacement();
  view.OnTimer(1);  // the record is read
  QApplication::processEvents();
  const QPoint e5 = frame.Board().mapTo(&frame, QPoint(20 + 4 * 21 + 10, 20 + 4 * 21 + 10));
  std::printf("%d %d\n", e5.x(), e5.y());
  view.Shutdown();
  return 0;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app::LoadQtTranslation(app);
  QFont font("IPAGothic");
  font.setPixelSize(12);
  QApplication::setFont(font);
#ifdef KAZAORI_GAME_VIEW
  if (argc == 3 && std::string(argv[1]) == "--reply-record") return WriteReplyRecord(argv[2]);
#endif
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTDIR | --reply-record PATH\n", argv[0]);
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

  {
    SceneView s(9);
    s.look.style = 1;
    s.look.moveNumbers = true;
    s.name = "GAME9.IG1";
    NineLineGame(s);
    s.panel.timeLimit = 30;
    s.panel.blackSeconds = 412;
    s.panel.whiteSeconds = 388;
    ok &= Shoot(profile, bitmaps, s, out + "/game9_numbers.png");
  }
  {
    SceneView s(9);
    s.look.style = 2;
    s.look.moveNumbers = true;
    s.panel.layout = 16;
    NineLineGame(s);
    ok &= Shoot(profile, bitmaps, s, out + "/game9_numbers_large_16dot.png");
  }
  {
    // The end of a 9-line game: walls, one dead white stone inside Black's area.
    SceneView s(9);
    s.look.style = 0;
    s.look.endOfGame = true;
    for (int j = 0; j < 9; ++j) {
      s.Play(3, j);
      s.Play(5, j);
    }
    s.colour = -1;
    s.Play(1, 6);  // white invades, dead
    s.board.ToggleDeadChain(1, 6);
    s.board.CountTerritory();
    s.panel.blackPrisoners = 2;
    ok &= Shoot(profile, bitmaps, s, out + "/endgame9_marking.png");
  }
  {
    SceneView s(19);
    s.look.style = 1;
    s.panel.timeLimit = 10;
    s.panel.blackSeconds = 10 * 60 + 14;  // past the limit: red
    s.panel.whiteSeconds = 8 * 60 + 3;
    s.panel.blackKind = 0;
    s.panel.whiteKind = 1;
    const int moves[][2] = {{15, 3}, {3, 15}, {3, 3}, {15, 15}, {2, 5}, {16, 13}, {9, 3}};
    for (const auto& m : moves) s.Play(m[0], m[1]);
    ok &= Shoot(profile, bitmaps, s, out + "/panel_red_clock.png");
  }
#ifdef KAZAORI_GAME_VIEW
  {
    // The program itself, as it opens: the game's view on an empty board.
    setenv("KAZAORI_INI", ini.toUtf8().constData(), 1);
    app::CMainFrame frame(profile, bitmaps);
    app::QtHost host(frame, frame.Board());
    app::GameViewPort view(host, "");
    frame.SetView(&view);
    frame.RestorePlacement();
    ok &= Save(frame, out + "/program_start.png");

    // A 13-line game against the computer: the conditions dialog answered
    // (White 風織), the greeting returned, four moves each.
    QTimer answer;
    answer.setInterval(30);
    QObject::connect(&answer, &QTimer::timeout, [] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        box->accept();
        return;
      }
      if (modal->objectName() == "dialog108") {
        for (QRadioButton* r : modal->findChildren<QRadioButton*>()) {
          if (r->text() == QString::fromUtf8("１３路")) r->setChecked(true);
        }
        // The second player group is White's: its 風織.
        int seen = 0;
        for (QRadioButton* r : modal->findChildren<QRadioButton*>()) {
          if (r->text() == QString::fromUtf8("風織") && ++seen == 2) r->setChecked(true);
        }
      }
      if (auto* b = modal->findChild<QPushButton*>("button0")) b->click();
    });
    answer.start();
    frame.Action(control::kCmdNewGame)->trigger();
    const int moves[][2] = {{3, 9}, {9, 3}, {6, 6}, {10, 9}};
    for (const auto& m : moves) {
      QTest::mouseClick(&frame.Board(), Qt::LeftButton, {}, QPoint(20 + m[0] * 21 + 10, 20 + m[1] * 21 + 10));
      view.OnTimer(1);  // the computer answers at the next tick
      QApplication::processEvents();
    }
    answer.stop();
    ok &= Save(frame, out + "/game13_against_computer.png");
    view.Shutdown();
  }
#endif
  {
    app::CMainFrame frame(profile, bitmaps);
    control::NewGameDialog model = control::NewGameDialog::From(19, 0, 1, 1, 0, 0, 0, 0);
    QDialog* dialog = app::BuildModelDialog(model, &frame);
    dialog->show();
    ok &= Save(*dialog, out + "/new_game_dialog.png");
    delete dialog;
  }
  {
    app::CMainFrame frame(profile, bitmaps);
    control::CommentDialog model;
    const char* lines[] = {"", "（対 局 者）黒番：貴方", "　　　　　  白番：風織",
                           "（対 局 日）2026年 12月  7日", "（対局場所）自宅",
                           "（対局結果）白  3目半勝ち", "（コメント）九路で一局"};
    for (int j = 0; j < control::CommentDialog::kLines; ++j) {
      const std::string text = j < 7 ? lines[j] : "";
      model.lines[j] = text;
    }
    QDialog* dialog = app::BuildModelDialog(model, &frame);
    dialog->show();
    ok &= Save(*dialog, out + "/comment_dialog.png");
    delete dialog;
  }
  {
    app::CMainFrame frame(profile, bitmaps);
    app::ShowHelp(&frame);
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->isVisible() && top->inherits("QTextBrowser")) ok &= Save(*top, out + "/help.png");
    }
  }
  return ok ? 0 : 1;
}
