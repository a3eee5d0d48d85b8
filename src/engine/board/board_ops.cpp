// Board-wide operations every engine layer uses: copying a board and turning
// it so that one colour is the positive side.
#include "engine/board/plane_board.h"

namespace kz {

void CopyBoard(const PlaneBoard& from, PlaneBoard& to, int size) {
  to.SetSize(from.GetSize());
  to.SetLastBlackChainId(from.GetLastBlackChainId());
  to.SetLastWhiteChainId(from.GetLastWhiteChainId());
  for (int i = 0; i < size; ++i) {
    for (int j = 0; j < size; ++j) {
      to.SetChain(i, j, from.GetChain(i, j));
      to.SetPrevious(i, j, from.GetPrevious(i, j));
      to.SetRegion(i, j, from.GetRegion(i, j));
      to.SetEye(i, j, from.GetEye(i, j));
      to.SetLink(i, j, from.GetLink(i, j));
      to.SetDead(i, j, from.GetDead(i, j));
      to.SetInfluence(i, j, from.GetInfluence(i, j));
      to.SetBlackInfluence(i, j, from.GetBlackInfluence(i, j));
      to.SetWhiteInfluence(i, j, from.GetWhiteInfluence(i, j));
    }
  }
}

void NormaliseColour(PlaneBoard& board, int colour) {
  if (colour != -1) return;
  const int black = board.GetLastBlackChainId();
  const int white = board.GetLastWhiteChainId();
  board.SetLastBlackChainId(-white);
  board.SetLastWhiteChainId(-black);
  const int n = board.GetSize();
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      board.SetChain(i, j, -board.GetChain(i, j));
      board.SetPrevious(i, j, -board.GetPrevious(i, j));
      board.SetRegion(i, j, -board.GetRegion(i, j));
      board.SetLink(i, j, -board.GetLink(i, j));
      board.SetInfluence(i, j, -board.GetInfluence(i, j));
      const int b = board.GetBlackInfluence(i, j);
      board.SetBlackInfluence(i, j, -board.GetWhiteInfluence(i, j));
      board.SetWhiteInfluence(i, j, -b);
    }
  }
}

}  // namespace kz
