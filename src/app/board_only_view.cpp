#include "app/board_only_view.h"

#include "display/board_geometry.h"

namespace kz::app {

using namespace control;

BoardOnlyView::BoardOnlyView(const display::Settings& settings, int systemFontHeight)
    : settings_(settings),
      systemFontHeight_(systemFontHeight),
      previousStyle_(settings.boardStyle) {
  board_.Reset(settings_.boardSize, settings_.handicap);
  state_.handicap = settings_.handicap;
  state_.sideToMove = FirstMover(settings_.handicap);
}

int BoardOnlyView::Layout() const {
  if (settings_.fontSize == 12 || settings_.fontSize == 16) return settings_.fontSize;
  return systemFontHeight_ == 13 ? 12 : 16;
}

void BoardOnlyView::Paint(platform::Canvas& canvas) {
  const int layout = Layout();
  canvas.SelectFont(settings_.fontSize == 12   ? platform::FontKind::kDots12
                    : settings_.fontSize == 16 ? platform::FontKind::kDots16
                                               : platform::FontKind::kSystem);
  display::BoardLook look;
  look.style = settings_.boardStyle;
  look.previousStyle = previousStyle_;
  look.orientation = settings_.orientation;
  look.layout = layout;
  look.moveNumbers = settings_.showMoveNumbers != 0;
  look.handicap = state_.handicap;
  look.shownMove = state_.movesPlayed;
  look.moves = moves_;
  display::PaintBoard(canvas, board_, look, fullRedraw_);

  display::PanelState panel;
  panel.style = settings_.boardStyle;
  panel.orientation = settings_.orientation;
  panel.layout = layout;
  panel.handicap = state_.handicap;
  panel.movesPlayed = state_.movesPlayed;
  panel.sideToMove = state_.sideToMove;
  panel.moves = moves_;
  panel.blackPrisoners = state_.blackPrisoners;
  panel.whitePrisoners = state_.whitePrisoners;
  display::PaintStatusPanel(canvas, board_, panel);
}

void BoardOnlyView::LeftClick(int x, int y) {
  const display::Point p = display::PointAtPixel(x, y, settings_.boardStyle, board_.GetSize(),
                                                 settings_.orientation);
  if (!board_.OnBoard(p.i, p.j) || state_.movesPlayed >= 570) return;
  const MoveOutcome outcome = TryMove(board_, state_, p.i, p.j);
  if (outcome.legal) moves_[state_.movesPlayed - 1] = MoveCodeOf(p.i, p.j) + 1;
}

void BoardOnlyView::SetStyle(int style) {
  if (style == settings_.boardStyle) return;
  previousStyle_ = settings_.boardStyle;
  settings_.boardStyle = style;
  fullRedraw_ = true;
  sizeChanged_ = true;
}

void BoardOnlyView::OnCommand(int id) {
  switch (id) {
    case kCmdStyleYellow: SetStyle(0); break;
    case kCmdStyleBrown: SetStyle(1); break;
    case kCmdStyleBrownLarge: SetStyle(2); break;
    case kCmdBlackNear:
    case kCmdWhiteNear: {
      const int way = id == kCmdBlackNear ? 1 : -1;
      if (way != settings_.orientation) {
        settings_.orientation = way;
        fullRedraw_ = true;
      }
      break;
    }
    case kCmdSystemFont:
    case kCmdFont12:
    case kCmdFont16: {
      const int size = id == kCmdFont12 ? 12 : id == kCmdFont16 ? 16 : 0;
      if (size != settings_.fontSize) {
        settings_.fontSize = size;
        fullRedraw_ = true;
        sizeChanged_ = true;
      }
      break;
    }
    case kCmdMoveNumbers: settings_.showMoveNumbers ^= 1; break;
    default: break;
  }
}

CommandUi BoardOnlyView::QueryCommand(int id) const {
  CommandContext c;
  c.boardStyle = settings_.boardStyle;
  c.orientation = settings_.orientation;
  c.customFont = settings_.fontSize != 0;
  c.fontSize = Layout();
  c.showMoveNumbers = settings_.showMoveNumbers != 0;
  c.movesPlayed = state_.movesPlayed;
  return control::QueryCommand(id, c);
}

display::ViewExtent BoardOnlyView::Extent() const {
  return display::RequiredViewExtent(board_.GetSize(), settings_.boardStyle, Layout());
}

bool BoardOnlyView::TakeSizeChanged() {
  const bool changed = sizeChanged_;
  sizeChanged_ = false;
  return changed;
}

}  // namespace kz::app
