#include "game/move_rules.h"

namespace kz {

std::string_view RefusalMessage(int code) {
  switch (code) {
    case kKeimaRefused: return "ケイマの脚がついてませんよ(^_^;)";
    case kOccupied: return "そこにはもう石がありますよ(^_^;) 打ち直してね";
    case kSuicide: return "自殺点ですよ(^_^;) 打ち直してね";
    case kKo: return "コウ材を打ってからでないと(^_^;) 打ち直してね";
    default: return {};
  }
}

MoveOutcome TryMove(PlaneBoard& board, PlayState& state, int i, int j) {
  const int side = state.sideToMove;
  if (KeimaTestApplies(state.rule, state.movesPlayed, state.handicap) &&
      board.IsKeimaViolation(i, j, side) == 1)
    return {false, kKeimaRefused, 0};

  const int code = board.PlayStone(i, j, side, 0);
  if (code == kOccupied || code == kSuicide || code == kKo)
    return {false, code, 0};

  const int captured = code > 0 ? code : 0;
  (side > 0 ? state.blackPrisoners : state.whitePrisoners) += captured;
  state.sideToMove = -side;
  ++state.movesPlayed;
  state.consecutivePasses = 0;
  state.lastMove = MoveCodeOf(i, j);
  return {true, code, captured};
}

void PassMove(PlayState& state) {
  state.sideToMove = -state.sideToMove;
  ++state.movesPlayed;
  ++state.consecutivePasses;
  state.lastMove = -1;
}

}  // namespace kz
