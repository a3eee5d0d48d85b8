#include "app/game_view_port.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>

#include "app/main_frame.h"
#include "control/view_paint.h"
#include "engine/think_engine.h"
#include "link/game_link.h"

namespace kz::app {

GameViewPort::GameViewPort(QtHost& host, const std::string& commandLine)
    : host_(host), doc_(std::make_unique<CKazaoriDoc>()) {
  control::ViewParts parts;
  parts.commandLine = commandLine;
  view_ = std::make_unique<control::CKazaoriView>(host_, *doc_, std::move(parts));
  host_.SetTimerHandler([this](int id) { OnTimer(id); });
  host_.SetFullRedrawHandler([this] { fullRedraw_ = true; });
  created_ = view_->OnCreate();
}

GameViewPort::~GameViewPort() { Shutdown(); }

void GameViewPort::Paint(platform::Canvas& canvas) {
  if (view_) control::PaintView(canvas, *view_, fullRedraw_);
}

void GameViewPort::LeftClick(int x, int y) {
  if (view_) view_->OnLeftButton(x, y);
}

void GameViewPort::RightClick(int x, int y) {
  if (view_) view_->OnRightButton(x, y);
}

void GameViewPort::OnTimer(int id) {
  if (view_ && id == 1) view_->OnTick();
}

void GameViewPort::OpenPath(const std::string& path) {
  if (view_) view_->OnOpenPath(path);
}

void GameViewPort::OnCommand(int id) {
  if (view_) view_->OnCommand(id);
}

control::CommandUi GameViewPort::QueryCommand(int id) const {
  return view_ ? view_->Query(id) : control::CommandUi{};
}

display::ViewExtent GameViewPort::Extent() const {
  return view_ ? control::ViewExtentOf(*view_) : display::ViewExtent{640, 480};
}

int GameViewPort::BoardLines() const { return view_ ? view_->Board().GetSize() : 19; }

bool GameViewPort::TakeSizeChanged() {
  if (!view_ || view_->State().sizeChanged == 0) return false;
  view_->ClearSizeChanged();
  return true;
}

std::array<std::string, 4> GameViewPort::RecentFiles() const {
  return view_ ? view_->RecentFiles() : std::array<std::string, 4>{};
}

std::string GameViewPort::DocumentName() const { return doc_ ? doc_->PathName() : std::string(); }

bool GameViewPort::Paused() const { return view_ && view_->State().paused != 0; }

bool GameViewPort::CanClose() const { return !view_ || view_->CanClose(); }

void GameViewPort::Shutdown() {
  if (!view_) return;
  host_.SetTimerHandler({});
  host_.SetFullRedrawHandler({});
  if (created_) view_->OnDestroy();
  view_.reset();  // the ending sound, the settings written
  doc_.reset();   // the autosave file deleted
}

void SnapshotWhenShown(CMainFrame& frame, GameViewPort& view, const QString& path) {
  auto* poll = new QTimer(&frame);
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(poll, &QTimer::timeout, poll, [&frame, &view, path, poll, clock] {
    const control::GameState& s = view.View()->State();
    // The first tick (after a second) reads the start-up record.
    const bool shown = clock->elapsed() >= 1200 && s.startupFile.empty() && s.busy == control::kIdle;
    if (!shown && clock->elapsed() < 15000) return;
    poll->stop();
    delete clock;
    frame.Board().repaint();
    const bool saved = frame.Board().grab().toImage().save(path, "PNG");
    QCoreApplication::exit(!shown ? 3 : saved ? 0 : 2);
  });
  poll->start(100);
}

}  // namespace kz::app
