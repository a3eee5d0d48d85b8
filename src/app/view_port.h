// What the window needs from the view it shows: painting through the canvas,
// the mouse, the commands with their enable and tick rules, the timer, and
// the size its drawing needs. The game's view answers it; the window never
// looks inside.
#pragma once

#include <array>
#include <string>

#include "control/commands.h"
#include "display/status_panel.h"
#include "platform/canvas.h"

namespace kz::app {

class ViewPort {
 public:
  virtual ~ViewPort() = default;
  virtual void Paint(platform::Canvas& canvas) = 0;
  virtual void LeftClick(int x, int y) = 0;
  virtual void RightClick(int x, int y) = 0;
  virtual void OnTimer(int id) = 0;
  virtual void OnCommand(int id) = 0;
  virtual control::CommandUi QueryCommand(int id) const = 0;
  // The client area the drawing needs now.
  virtual display::ViewExtent Extent() const = 0;
  // The board's number of lines (9, 13 or 19).
  virtual int BoardLines() const { return 19; }
  // True once after the board size, style or font changed: the frame then
  // fits its size again.
  virtual bool TakeSizeChanged() = 0;
  // The recent-file list, most recent first; empty slots are empty strings.
  virtual std::array<std::string, 4> RecentFiles() const = 0;
  // The document's name for the title bar: the record's file name, or empty.
  virtual std::string DocumentName() const = 0;
  // The next paint redraws the background too (the window was resized).
  virtual void RequestFullRedraw() {}
  // True while the game is interrupted (対局中断).
  virtual bool Paused() const { return false; }
  // Whether the program may close now (not inside the computer's move).
  virtual bool CanClose() const { return true; }
  // A record the desktop asks to open; a view without records ignores it.
  virtual void OpenPath(const std::string& /*path*/) {}
  // The end of the run: the save offer, the ending sound, the settings. The
  // view answers nothing after it.
  virtual void Shutdown() = 0;
};

}  // namespace kz::app
