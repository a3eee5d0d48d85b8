// The JIS text board: the position drawn with full-width characters for
// pasting into mail or documents, CP932 with CR LF line ends.
#pragma once

#include <string>

#include "engine/board/plane_board.h"

namespace kz {

// The text board of `board`; `lastMove` (i * 100 + j, or -1) is drawn with
// the last-move marks when a stone stands there.
std::string FormatJisBoard(const PlaneBoard& board, int lastMove);

}  // namespace kz
