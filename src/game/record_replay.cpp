#include "game/record_replay.h"

#include <algorithm>

#include "engine/board/plane_board.h"

namespace kz {

PlayState ReplayRecord(PlaneBoard& board, const KifuRecord& record, int k) {
  const int size = NormalisedSize(record.boardSize);
  PlayState state;
  state.rule = record.rule;
  state.handicap = std::clamp(record.handicap, 0, 9);
  state.sideToMove = FirstMover(state.handicap);
  board.Reset(size, state.handicap);

  const int target = std::clamp(k, 0, kMaxRecordMoves);
  for (int m = 1; m <= target; ++m) {
    const int entry = record.moves[m - 1];
    int i, j;
    if (entry == kNoEntry) {  // the end of the record
      state.lastMove = -1;
      break;
    }
    if (entry < 0) {
      ++state.consecutivePasses;
      state.lastMove = -1;
    } else if (EntryPoint(entry, size, i, j)) {
      const int result = board.PlayStone(i, j, state.sideToMove, kReplayWithoutRefresh);
      if (result > 0)
        (state.sideToMove > 0 ? state.blackPrisoners : state.whitePrisoners) += result;
      state.consecutivePasses = 0;
      const bool refused = result == kOccupied || result == kSuicide || result == kKo;
      state.lastMove = refused ? -1 : MoveCodeOf(i, j);
    } else {  // no point of this board: the record ends before it
      state.lastMove = -1;
      break;
    }
    state.sideToMove = -state.sideToMove;
    ++state.movesPlayed;
  }
  // The influence of the position reached, refreshed once rather than after
  // every replayed stone.
  board.SpreadInfluence();
  return state;
}

PlayState RebuildPosition(PlaneBoard& board, CKazaoriDoc& doc, int k) {
  const PlayState state = ReplayRecord(board, doc.Record(), k);
  doc.SetCurrentMove(state.movesPlayed);
  return state;
}

}  // namespace kz
