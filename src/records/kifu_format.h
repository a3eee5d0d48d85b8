// The kifu file (*.IG1): keyword lines for the game conditions and clocks, an
// optional comment block and the move list, CP932 text with CR LF line ends.
#pragma once

#include <string>
#include <string_view>

#include "records/kifu_record.h"

namespace kz {

// The record as the bytes of a kifu file: moves 1..currentMove (up to the
// first entry that cannot be written), lines ending in CR LF.
std::string FormatKifu(const KifuRecord& record);

// Reads the bytes of a kifu file into `record`. Everything except the board
// size and the handicap is reset first; those keep their values unless an INT
// line sets them. The contents never make reading fail: unknown lines are
// ignored, and the move list ends at its end entry, at the end of the data,
// at an entry that is no point of the record's board, or at 570 moves.
void ParseKifu(std::string_view bytes, KifuRecord& record);

}  // namespace kz
