#include "app/main_frame.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QMenuBar>
#include <QStatusBar>

#include "app/bitmaps.h"
#include "app/view_port.h"

namespace kz::app {

namespace {

using namespace control;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Commands whose rule puts a tick mark on them.
bool HasTick(int id) {
  switch (id) {
    case kCmdStyleYellow: case kCmdStyleBrown: case kCmdStyleBrownLarge:
    case kCmdBlackNear: case kCmdWhiteNear:
    case kCmdSystemFont: case kCmdFont12: case kCmdFont16:
    case kCmdMoveNumbers: case kCmdDeadStones: case kCmdMoveErrors: case kCmdSaveCheck:
    case kCmdStandardComment: case kCmdCommentOnRead: case kCmdOutSgf:
    case kCmdSoundOpening: case kCmdSoundMove: case kCmdSoundEnding: case kCmdSoundWarning:
    case kCmdDebugStoneValues: case kCmdDebugEmptyValues: case kCmdDebugLinkValues:
    case kCmdDebugTemperature: case kCmdDebugBlackTemperature: case kCmdDebugWhiteTemperature:
    case kCmdToolBar: case kCmdStatusBar:
      return true;
    default:
      return false;
  }
}

// The strip's image for a tool bar command.
int StripIndex(int id) {
  const int order[kToolBarButtons] = {kCmdNewGame, kCmdOpen, kCmdSave, kCmdFirst, kCmdBack10,
                                      kCmdBack1, kCmdForward1, kCmdForward10, kCmdLast,
                                      kCmdPass, kCmdPause, kCmdAutoReplay, kCmdEndOfGame,
                                      kCmdAbout};
  for (int k = 0; k < kToolBarButtons; ++k) {
    if (order[k] == id) return k;
  }
  return -1;
}

}  // namespace

CMainFrame::CMainFrame(platform::ProfileFile& profile, const BitmapStore& bitmaps,
                       QWidget* parent)
    : CContFrameWnd(profile, parent), board_(new BoardWidget(bitmaps, this)) {
  setWindowTitle(Q("対局囲碁　風織"));
  setCentralWidget(board_);
  BuildMenuBar();
  BuildToolBar();
  BuildStatusBar();
  connect(board_, &BoardWidget::ViewChanged, this, &CMainFrame::UpdateCommandStates);
  if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->installEventFilter(this);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == QCoreApplication::instance() && event->type() == QEvent::FileOpen) {
    OpenRequested(static_cast<QFileOpenEvent*>(event)->file());
    return true;
  }
  return CContFrameWnd::eventFilter(watched, event);
}

void CMainFrame::OpenRequested(const QString& path) {
  if (view_ == nullptr || path.isEmpty()) return;
  view_->OpenPath(QFile::encodeName(path).toStdString());
  board_->Invalidate();
  FillRecentFiles();
  UpdateCommandStates();
}

QAction* CMainFrame::MakeAction(int id) {
  const CommandInfo* info = FindCommand(id);
  auto* action = new QAction(info != nullptr ? Q(info->label) : QString::number(id), this);
  action->setData(id);
  if (info != nullptr && !info->prompt.empty()) action->setStatusTip(Q(info->prompt));
  action->setCheckable(HasTick(id));
  // A tick-mark command keeps the state the rules give: the click only asks.
  connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
  actions_.insert(id, action);
  return action;
}

void CMainFrame::BuildMenu(QMenu* menu, const std::vector<MenuNode>& nodes) {
  for (const MenuNode& node : nodes) {
    switch (node.kind) {
      case MenuNode::kCommand: menu->addAction(MakeAction(node.id)); break;
      case MenuNode::kSeparator: menu->addSeparator(); break;
      case MenuNode::kSubmenu: BuildMenu(menu->addMenu(Q(node.title)), node.children); break;
      case MenuNode::kRecentFiles:
        fileMenu_ = menu;
        recentAnchor_ = menu->addSeparator();
        recentAnchor_->setVisible(false);
        break;
    }
  }
  connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::BuildMenuBar() {
  for (const MenuNode& node : MenuBarLayout()) {
    if (node.kind == MenuNode::kCommand) {
      menuBar()->addAction(MakeAction(node.id));
    } else if (node.kind == MenuNode::kSubmenu) {
      BuildMenu(menuBar()->addMenu(Q(node.title)), node.children);
    }
  }
  if (QAction* open = Action(kCmdOpen)) open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  FillRecentFiles();
}

void CMainFrame::BuildToolBar() {
  toolBar_ = addToolBar(Q("ﾂｰﾙ ﾊﾞｰ"));
  toolBar_->setObjectName("toolBar");
  toolBar_->setMovable(true);
  toolBar_->setFloatable(true);
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
  toolBar_->setIconSize(QSize(16, 16));
  // As slim as a classic tool bar: buttons of 16-pixel images with a thin
  // frame, so that the frame sizes leave the view its room.
  toolBar_->setStyleSheet("QToolBar { padding: 0px; spacing: 0px; border: 0px; }");
  const QImage strip = ToolBarStrip();
  for (int id : ToolBarLayout()) {
    if (id == 0) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* action = MakeAction(id);  // its own action: the menu bar shows no icons
    const int index = StripIndex(id);
    if (index >= 0) action->setIcon(QIcon(QPixmap::fromImage(strip.copy(index * 16, 0, 16, 16))));
    action->setToolTip(action->text());
    toolBar_->addAction(action);
  }
}

void CMainFrame::BuildStatusBar() {
  ready_ = new QLabel(IdleText());
  statusBar()->addWidget(ready_, 1);
  for (const char* indicator : {"KANA", "CAP", "NUM", "SCRL"}) {
    auto* label = new QLabel(indicator);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setEnabled(false);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("SCRL") + 10);
    statusBar()->addPermanentWidget(label);
  }
}

QString CMainFrame::IdleText() const { return Q("ﾚﾃﾞｨ"); }

void CMainFrame::FillRecentFiles() {
  if (fileMenu_ == nullptr) return;
  for (QAction* old : recentActions_) {
    fileMenu_->removeAction(old);
    delete old;
  }
  recentActions_.clear();
  const std::array<std::string, 4> files =
      view_ != nullptr ? view_->RecentFiles() : std::array<std::string, 4>{};
  shownRecent_ = files;
  QList<QAction*> entries;
  for (int k = 0; k < 4; ++k) {
    if (files[k].empty()) continue;
    const int id = kCmdRecent1 + k;
    auto* action = new QAction(QString("&%1 %2").arg(k + 1).arg(QString::fromStdString(files[k])),
                               this);
    action->setData(id);
    action->setStatusTip(Q(FindCommand(id)->prompt));
    connect(action, &QAction::triggered, this, [this, id] { Dispatch(id); });
    entries.append(action);
  }
  if (entries.isEmpty()) {
    auto* placeholder = new QAction(Q("最近使ったファイル"), this);
    placeholder->setEnabled(false);
    entries.append(placeholder);
  }
  // The list stands between the separators around it.
  const QList<QAction*> all = fileMenu_->actions();
  const int anchor = all.indexOf(recentAnchor_);
  QAction* before = anchor + 1 < all.size() ? all[anchor + 1] : nullptr;
  for (QAction* entry : entries) fileMenu_->insertAction(before, entry);
  recentActions_ = entries;
}

void CMainFrame::SetView(ViewPort* view) {
  view_ = view;
  board_->SetView(view);
  ApplyViewSize();
  FillRecentFiles();
  UpdateTitle();
  UpdateCommandStates();
}

void CMainFrame::Dispatch(int id) {
  switch (id) {
    case kCmdToolBar: ToggleBar(toolBar_); break;
    case kCmdStatusBar: ToggleBar(statusBar()); break;
    case kCmdExit: close(); return;
    case kCmdHelp: if (help_) help_(); break;
    case kCmdAbout:
      if (about_) {
        about_();
        break;
      }
      [[fallthrough]];
    default:
      if (view_ != nullptr) view_->OnCommand(id);
      board_->Invalidate();
      break;
  }
  FillRecentFiles();
  UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates() {
  if (view_ == nullptr) return;
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
    const int id = it.key();
    CommandUi ui;
    if (id == kCmdToolBar) {
      ui = {true, toolBar_->isVisible()};
    } else if (id == kCmdStatusBar) {
      ui = {true, statusBar()->isVisible()};
    } else {
      ui = view_->QueryCommand(id);
    }
    it.value()->setEnabled(ui.enabled);
    if (it.value()->isCheckable()) it.value()->setChecked(ui.checked);
  }
  ready_->setText(view_->Paused() ? Q("対局中断") : IdleText());
  UpdateTitle();
  // A record read at the first tick enters the list without a command.
  if (view_->RecentFiles() != shownRecent_) FillRecentFiles();
  if (view_->TakeSizeChanged()) {
    ApplyViewSize();
    FitToView();
  }
}

void CMainFrame::UpdateTitle() {
  const std::string name = view_ != nullptr ? view_->DocumentName() : std::string();
  const QString app = Q("対局囲碁　風織");
  setWindowTitle(name.empty() ? app
                              : QFileInfo(QString::fromStdString(name)).fileName() + " - " + app);
}

QSize FrameSizeFor(int lines) {
  if (lines == 9) return {400, 400};
  if (lines == 13) return {500, 470};
  return {630, 470};
}

QSize CMainFrame::FrameSize() const {
  // The sizes hold with both bars shown; a hidden bar gives its room back.
  QSize size = FrameSizeFor(view_ != nullptr ? view_->BoardLines() : 19);
  if (toolBar_->isHidden()) {
    const Qt::ToolBarArea area = toolBarArea(toolBar_);
    if (area == Qt::LeftToolBarArea || area == Qt::RightToolBarArea) {
      size.rwidth() -= toolBar_->width();
    } else {
      size.rheight() -= toolBar_->height();
    }
  }
  if (statusBar()->isHidden()) size.rheight() -= statusBar()->height();
  return size.expandedTo(minimumSizeHint());
}

void CMainFrame::ApplyViewSize() {
  // The view's window never gets smaller than the drawing (the menu bar
  // folds what does not fit into its extension button).
  QSize size(640, 480);
  if (view_ != nullptr) {
    const display::ViewExtent e = view_->Extent();
    size = QSize(e.width - display::kViewMargin, e.height - display::kViewMargin);
  }
  board_->setMinimumSize(size);
  board_->updateGeometry();
}

void CMainFrame::ToggleBar(QWidget* bar) {
  bar->setVisible(!bar->isVisible());
  FitToView();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (view_ != nullptr && !view_->CanClose()) {
    event->ignore();  // the computer is thinking: close once it has moved
    return;
  }
  if (!shutDown_) {
    shutDown_ = true;
    ViewPort* view = view_;
    view_ = nullptr;
    board_->SetView(nullptr);
    if (view != nullptr) view->Shutdown();
    // Last, after the view has written its settings.
    SavePlacement();
  }
  event->accept();
}

}  // namespace kz::app
