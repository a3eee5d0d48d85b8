// The bad-move filters several generators put their points through.
//
// `colour` is the mover's colour in the board's own signs; the board is
// only read. A filter answers -1 to reject the point, the point itself to
// accept it, or (the first filter) a nearby point that serves better.
#pragma once

#include "engine/board/plane_board.h"

namespace kz {

// First filter: rejects a point next to any chain (either colour) in atari;
// on the first and second lines it steps back along the edge, away from a
// strong enemy stone (more than two liberties) two points away, where the
// stone would be too close to live and be pushed against.
int FilterMove(const PlaneBoard& board, int move, int colour);

// The ten point tests of the reasonable-point search, numbered 0..9. Some
// apply only before game phase 3.
constexpr int kReasonablePointTests = 10;
int ReasonablePointTest(int test, const PlaneBoard& board, int move, int colour,
                        int gamePhase);
// The move when every test accepts it, else -1.
int PassesReasonablePointTests(const PlaneBoard& board, int move, int colour,
                               int gamePhase);

}  // namespace kz
