// A view that shows the board and the status panel from the settings and
// lets two people play by clicking, with the display commands (style,
// orientation, font, move numbers). The window runs it while the game's own
// view is not wired in.
#pragma once

#include <array>

#include "app/view_port.h"
#include "display/board_painter.h"
#include "display/settings.h"
#include "engine/board/plane_board.h"
#include "game/move_rules.h"

namespace kz::app {

class BoardOnlyView final : public ViewPort {
 public:
  BoardOnlyView(const display::Settings& settings, int systemFontHeight);

  void Paint(platform::Canvas& canvas) override;
  void LeftClick(int x, int y) override;
  void RightClick(int, int) override {}
  void OnTimer(int) override {}
  void OnCommand(int id) override;
  void RequestFullRedraw() override { fullRedraw_ = true; }
  int BoardLines() const override { return board_.GetSize(); }
  control::CommandUi QueryCommand(int id) const override;
  display::ViewExtent Extent() const override;
  bool TakeSizeChanged() override;
  std::array<std::string, 4> RecentFiles() const override { return settings_.recentFiles; }
  std::string DocumentName() const override { return {}; }
  void Shutdown() override {}

  const PlaneBoard& Board() const { return board_; }
  const display::Settings& Look() const { return settings_; }
  int Layout() const;

 private:
  void SetStyle(int style);

  display::Settings settings_;
  int systemFontHeight_;
  int previousStyle_;
  bool fullRedraw_ = true;
  bool sizeChanged_ = false;
  PlaneBoard board_;
  PlayState state_;
  std::array<int, 570> moves_{};
};

}  // namespace kz::app
