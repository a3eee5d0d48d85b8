#include "app/cont_frame_wnd.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <cstdio>

namespace kz::app {

void ParsePlacementRect(const std::string& text, std::array<int, 8>& into) {
  std::array<int, 8> read = into;
  const int parsed = std::sscanf(text.c_str(), "%d, %d, %d, %d, %d, %d, %d, %d", &read[0],
                                 &read[1], &read[2], &read[3], &read[4], &read[5], &read[6],
                                 &read[7]);
  for (int k = 0; k < parsed && k < 8; ++k) into[k] = read[k];
}

std::string FormatPlacementRect(const std::array<int, 8>& r) {
  char text[128];
  std::snprintf(text, sizeof text, "%d, %d, %d, %d, %d, %d, %d, %d", r[0], r[1], r[2], r[3],
                r[4], r[5], r[6], r[7]);
  return text;
}

Placement ReadPlacement(const platform::ProfileFile& file) {
  Placement placement;
  const std::string rect = file.GetString("WindowSZ", "Rect", "");
  if (!rect.empty()) ParsePlacementRect(rect, placement.rect);
  placement.showCmd = file.GetInt("WindowSZ", "ShowCmd", 1);
  placement.flags = file.GetInt("WindowSZ", "Flags", 0);
  return placement;
}

void WritePlacement(platform::ProfileFile& file, const Placement& placement) {
  file.WriteString("WindowSZ", "Rect", FormatPlacementRect(placement.rect));
  file.WriteInt("WindowSZ", "ShowCmd", placement.showCmd);
  file.WriteInt("WindowSZ", "Flags", placement.flags);
}

CContFrameWnd::CContFrameWnd(platform::ProfileFile& profile, QWidget* parent)
    : QMainWindow(parent), profile_(profile) {}

void CContFrameWnd::RestorePlacement() {
  firstActivation_ = false;
  const Placement placement = ReadPlacement(profile_);
  const auto& r = placement.rect;
  // Never so small that part of the board or the status panel is hidden.
  if (layout() != nullptr) layout()->activate();
  resize(QSize(r[2] - r[0], r[3] - r[1]).expandedTo(minimumSizeHint()));
  move(r[0], r[1]);
  switch (placement.showCmd) {
    case 3: showMaximized(); break;
    case 2:
    case 6:
    case 7: showMinimized(); break;
    default: showNormal(); break;
  }
}

Placement CContFrameWnd::CurrentPlacement() const {
  Placement placement;
  const bool normalState = !isMaximized() && !isMinimized();
  const QRect normal = normalState ? geometry() : normalGeometry();
  const QPoint at = normalState ? pos() : normal.topLeft();
  placement.rect = {at.x(), at.y(), at.x() + normal.width(), at.y() + normal.height(), 0, 0, 0, 0};
  placement.showCmd = isMaximized() ? 3 : isMinimized() ? 2 : 1;
  placement.flags = 0;
  return placement;
}

void CContFrameWnd::SavePlacement() {
  if (placementSaved_) return;
  placementSaved_ = true;
  profile_.Reload();  // keep what the view wrote to the same file
  WritePlacement(profile_, CurrentPlacement());
}

void CContFrameWnd::FitToView() {
  if (isMaximized() || isMinimized()) return;
  // The layout learns the view's new size first, so the hint is the new one.
  if (layout() != nullptr) {
    layout()->invalidate();
    layout()->activate();
  }
  const QSize wanted = FrameSize();
  if (size() != wanted) resize(wanted);
}

bool CContFrameWnd::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && !firstActivation_) FitToView();
  return QMainWindow::event(e);
}

}  // namespace kz::app
