// The main frame: the menu bar, the tool bar of fourteen buttons, the status
// bar (the prompt pane with "ﾚﾃﾞｨ" and the KANA, CAP, NUM, SCRL indicators)
// and the view's window in the middle. Commands go to the view; the frame
// keeps the bars, the About box, the help and 終了 for itself.
#pragma once

#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <array>
#include <functional>
#include <string>

#include "app/board_widget.h"
#include "app/cont_frame_wnd.h"
#include "app/menu_layout.h"
#include "control/commands.h"

namespace kz::app {

class ViewPort;

// The frame's size for a board of `lines` lines with both bars shown:
// 400 × 400 for 9 lines, 500 × 470 for 13, 630 × 470 for 19 (grown when the
// drawing needs more).
QSize FrameSizeFor(int lines);

class CMainFrame final : public CContFrameWnd {
  Q_OBJECT
 public:
  CMainFrame(platform::ProfileFile& profile, const BitmapStore& bitmaps,
             QWidget* parent = nullptr);

  void SetView(ViewPort* view);
  BoardWidget& Board() { return *board_; }
  // The help, and the About box when the view does not show it itself.
  void SetAboutHandler(std::function<void()> about) { about_ = std::move(about); }
  void SetHelpHandler(std::function<void()> help) { help_ = std::move(help); }

  // Enables and ticks every menu item and button from the command rules, and
  // fits the frame when the view's size changed.
  void UpdateCommandStates();
  // The menu item of a command id (the first action made for it), and every
  // action of it (menu item and tool bar button).
  QAction* Action(int id) const {
    const QList<QAction*> all = actions_.values(id);  // the latest first
    return all.isEmpty() ? nullptr : all.last();
  }
  QList<QAction*> Actions(int id) const { return actions_.values(id); }
  QToolBar* ToolBar() const { return toolBar_; }
  QString IdleText() const;
  // Opens a record the desktop names (a QFileOpenEvent sent to the
  // application, which the frame watches).
  void OpenRequested(const QString& path);

 protected:
  QSize FrameSize() const override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* MakeAction(int id);
  void BuildMenu(QMenu* menu, const std::vector<MenuNode>& nodes);
  void BuildMenuBar();
  void BuildToolBar();
  void BuildStatusBar();
  void FillRecentFiles();
  void Dispatch(int id);
  void UpdateTitle();
  void ApplyViewSize();
  // Shows or hides a bar; the frame gives back or takes its room.
  void ToggleBar(QWidget* bar);

  BoardWidget* board_;
  ViewPort* view_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QLabel* ready_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QAction* recentAnchor_ = nullptr;
  QList<QAction*> recentActions_;
  std::array<std::string, 4> shownRecent_;
  QMultiHash<int, QAction*> actions_;
  std::function<void()> about_;
  std::function<void()> help_;
  bool shutDown_ = false;
};

}  // namespace kz::app
