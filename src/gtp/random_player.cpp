#include "engine/board/board_geometry.h"
#include "gtp/gtp_player.h"

namespace kz::gtp {

unsigned RandomPlayer::Next() {
  // xorshift32: small, seeded, reproducible.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

PlayedMove RandomPlayer::GenMove(PlaneBoard& board, const PlayState& state,
                                 int colour) {
  const int n = board.GetSize();
  int points[kPlanePoints];
  int count = 0;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (board.GetChain(i, j) != 0) continue;
      bool ownEye = true;
      for (const Step& d : kOrthogonal) {
        const int a = i + d.di, b = j + d.dj;
        if (board.OnBoard(a, b) && Sign(board.GetChain(a, b)) != colour)
          ownEye = false;
      }
      if (!ownEye) points[count++] = MoveCodeOf(i, j);
    }
  }
  // Try the points in random order until one is legal.
  PlayState probe = state;
  probe.sideToMove = colour;
  probe.rule = rule_;
  while (count > 0) {
    const int k = static_cast<int>(Next() % static_cast<unsigned>(count));
    const int move = points[k];
    points[k] = points[--count];
    const MoveOutcome r = TryMove(board, probe, move / 100, move % 100);
    if (r.legal) return {move, r.captured};
  }
  return {-1, 0};
}

}  // namespace kz::gtp
