#include "control/view_paint.h"

#include <array>

#include "display/board_painter.h"
#include "display/status_panel.h"
#include "game/kazaori_doc.h"

namespace kz::control {

void PaintView(platform::Canvas& canvas, CKazvBase& view, bool& fullRedraw) {
  const GameState& s = view.State();
  const display::Settings& options = view.Options();
  canvas.SelectFont(!s.customFont          ? platform::FontKind::kSystem
                    : s.fontSize == 16     ? platform::FontKind::kDots16
                                           : platform::FontKind::kDots12);
  // The record's entries as the document stores them (stone code + 1, −100
  // for a pass, 0 for nothing).
  std::array<int, 570> moves{};
  for (int k = 1; k <= static_cast<int>(moves.size()); ++k) {
    const int code = view.Doc().GetMove(k);
    if (code == -1) break;
    moves[k - 1] = code + 1;
  }

  display::BoardLook look;
  look.style = options.boardStyle;
  look.previousStyle = s.previousBoardStyle;
  look.orientation = options.orientation;
  look.layout = s.fontSize;
  look.moveNumbers = options.showMoveNumbers != 0;
  look.deadStones = options.showDeadStones != 0;
  look.endOfGame = s.endOfGame != 0;
  look.handicap = s.play.handicap;
  look.shownMove = s.play.movesPlayed;
  look.moves = moves;
  display::PaintBoard(canvas, view.Board(), look, fullRedraw);

  display::PanelState panel;
  panel.style = options.boardStyle;
  panel.orientation = options.orientation;
  panel.layout = s.fontSize;
  panel.blackKind = s.blackPlayer;
  panel.whiteKind = s.whitePlayer;
  panel.blackName = s.blackName;
  panel.whiteName = s.whiteName;
  panel.handicap = s.play.handicap;
  panel.rule = s.play.rule;
  panel.timeLimit = s.timeLimit;
  panel.blackSeconds = s.usedBlack;
  panel.whiteSeconds = s.usedWhite;
  panel.movesPlayed = s.play.movesPlayed;
  panel.sideToMove = s.play.sideToMove;
  panel.moves = moves;
  panel.resultDisplay = s.resultDisplay;
  panel.blackPrisoners = s.play.blackPrisoners;
  panel.whitePrisoners = s.play.whitePrisoners;
  panel.endOfGame = s.endOfGame != 0;
  display::PaintStatusPanel(canvas, view.Board(), panel);
}

display::ViewExtent ViewExtentOf(const CKazvBase& view) {
  return display::RequiredViewExtent(view.Board().GetSize(), view.Options().boardStyle,
                                     view.State().fontSize);
}

}  // namespace kz::control
