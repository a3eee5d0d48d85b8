#include "gtp/engine_player.h"

#include <cstdio>
#include <cstdlib>

#include "game/resign_check.h"

namespace kz::gtp {

void EnginePlayer::NewGame(PlaneBoard& board, int rule) {
  // Both players count as the computer: the book is reshuffled before
  // every lookup, so games differ.
  engine_.SetupGame(board, rule, 1, 1, faster_ ? 1 : 0, style_);
  nextResignCheck_ = FirstResignCheckMove(board.GetSize());
}

PlayedMove EnginePlayer::GenMove(PlaneBoard& board, const PlayState& state,
                                 int colour) {
  // Status 0 ("no move yet") asks again, as the game's next tick would.
  for (int attempt = 0; attempt < 2; ++attempt) {
    const MoveResult r =
        engine_.ChooseMove(board, colour, state.movesPlayed, state.lastMove);
    const int code = PackedCode(r.packed);
    // KZ_TRACE=1 in the environment prints which stage chose each move.
    static const bool trace = std::getenv("KZ_TRACE") != nullptr;
    if (trace)
      std::fprintf(stderr, "kz-trace move %d colour %d stage %d at %d,%d\n",
                   state.movesPlayed + 1, colour, code, PackedI(r.packed),
                   PackedJ(r.packed));
    if (code == -1) break;
    if (code == 0) continue;
    return {PackedI(r.packed) * 100 + PackedJ(r.packed), r.captures};
  }
  return {-1, 0};
}

void EnginePlayer::MarkDead(PlaneBoard& board, int colour) {
  engine_.AnalysePosition(board, colour, 2, 0);
}

bool EnginePlayer::ShouldResign(PlaneBoard& board, const PlayState& state,
                                int colour) {
  if (state.movesPlayed <= nextResignCheck_) return false;
  const ResignEstimate e = EstimateForResign(
      board, engine_.CountArea(1), engine_.CountArea(-1), state.blackPrisoners,
      state.whitePrisoners, state.movesPlayed);
  if (ComputerWantsToResign(e, colour, false)) return true;
  return false;
}

}  // namespace kz::gtp
