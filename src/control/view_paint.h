// The view's paint: the display font, the board with its stones (and the move
// numbers when they are on), then the status panel, all from the view's own
// state, through the canvas.
#pragma once

#include "control/kazv_base.h"
#include "display/status_panel.h"
#include "platform/canvas.h"

namespace kz::control {

// Paints the whole view. `fullRedraw` asks for the background too; the paint
// clears it.
void PaintView(platform::Canvas& canvas, CKazvBase& view, bool& fullRedraw);

// The client area the view's drawing needs now.
display::ViewExtent ViewExtentOf(const CKazvBase& view);

}  // namespace kz::control
