#include "game/resign_check.h"

namespace kz {

ResignEstimate EstimateForResign(const PlaneBoard& board, int blackArea,
                                 int whiteArea, int blackPrisoners,
                                 int whitePrisoners, int movesPlayed) {
  ResignEstimate e;
  e.blackScore = board.GetTerritoryCount(1, 1) + board.CountDeadStones(-1, 1) +
                 blackArea + blackPrisoners;
  e.whiteScore = board.GetTerritoryCount(-1, 1) + board.CountDeadStones(1, 1) +
                 whiteArea + whitePrisoners;
  e.margin = ResignMargin(board.GetSize(), movesPlayed);
  return e;
}

bool ComputerWantsToResign(const ResignEstimate& e, int colour,
                           bool opponentIsRemote) {
  if (opponentIsRemote) return false;
  return colour > 0 ? e.whiteScore - e.margin >= e.blackScore
                    : e.blackScore - e.margin >= e.whiteScore;
}

}  // namespace kz
