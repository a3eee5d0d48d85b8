// The frame base class that remembers the window's place in kazaori.ini,
// section "WindowSZ": "Rect" (the normal rectangle, then the minimised and
// maximised positions), "ShowCmd" and "Flags". The first activation restores
// them; every later one keeps the position and gives the window the size
// for the view's board; closing writes them back. The rectangle is the
// frame's own (menu bar, tool bar, status bar and view), without the title
// bar and borders the window manager puts around it.
#pragma once

#include <QMainWindow>
#include <array>
#include <string>

#include "platform/profile_file.h"

namespace kz::app {

// The stored placement.
struct Placement {
  std::array<int, 8> rect{0, 0, 630, 470, 0, 0, 0, 0};  // left, top, right, bottom, min x, y, max x, y
  int showCmd = 1;  // 1 normal, 2 minimised, 3 maximised
  int flags = 0;
};

// "%d, %d, %d, %d, %d, %d, %d, %d"; the numbers that do not parse keep the
// values `into` had.
void ParsePlacementRect(const std::string& text, std::array<int, 8>& into);
std::string FormatPlacementRect(const std::array<int, 8>& rect);

Placement ReadPlacement(const platform::ProfileFile& file);
void WritePlacement(platform::ProfileFile& file, const Placement& placement);

class CContFrameWnd : public QMainWindow {
  Q_OBJECT
 public:
  explicit CContFrameWnd(platform::ProfileFile& profile, QWidget* parent = nullptr);

  // Restores the stored placement and shows the frame with its show state
  // (the first activation).
  void RestorePlacement();
  // The placement the frame has now.
  Placement CurrentPlacement() const;
  // Writes the placement (when the frame closes).
  void SavePlacement();

 protected:
  // The size the frame should have now (for the view's board and the bars
  // shown); never below what shows the whole drawing.
  virtual QSize FrameSize() const = 0;
  // Gives the normal rectangle FrameSize(), keeping its place.
  void FitToView();
  bool event(QEvent* event) override;

  platform::ProfileFile& profile_;
  bool firstActivation_ = true;
  bool placementSaved_ = false;
};

}  // namespace kz::app
