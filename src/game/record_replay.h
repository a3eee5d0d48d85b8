// Rebuilding the position from the record: every step back or forward, a
// jump to a move number, the end of the counting mode and the loading of a
// record reset the board and replay the record's moves from the first.
#pragma once

#include "game/kazaori_doc.h"
#include "game/move_rules.h"

namespace kz {

class PlaneBoard;

// Resets `board` to the record's size and handicap and replays moves 1..k
// (as a replay: without the region and link refreshes, and with the
// influence refreshed once at the end rather than after each stone), stopping early at the end of the record (and never past
// 570 moves). Returns the replayed state: prisoners, consecutive passes at the
// end of the replayed part, side to move, moves played (the entries
// replayed) and the last move (-1 after a pass, at the start, or when the
// replay reached the end of the record before k). The document's current
// move number becomes the moves played.
//
// A stone the board refuses (a hand-edited record) is still counted as an
// entry and passes the turn; it leaves no last-move mark.
PlayState RebuildPosition(PlaneBoard& board, CKazaoriDoc& doc, int k);

// The same replay from a record alone, for readers outside a game.
PlayState ReplayRecord(PlaneBoard& board, const KifuRecord& record, int k);

}  // namespace kz
