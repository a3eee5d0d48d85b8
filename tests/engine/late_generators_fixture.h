// The test engine and fixture the tests of the later generators share.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "engine/think_engine.h"

namespace kz {
namespace late_test {

// The engine with the conditions of one move choice set by hand.
class TestEngine : public ThinkEngine {
 public:
  void Prepare(PlaneBoard& board, int colour, int lastMove, int phase) {
    board_ = &board;
    colour_ = colour;
    lastMove_ = lastMove;
    gamePhase_ = phase;
  }
  void SetArea(int i, int j, int v) { area_[PlaneIndex(i, j)] = v; }
  void SetReserved(int k, int move) { reserved_[k] = move; }
  void SetMoveNumber(int n) { moveNumber_ = n; }
  void SetHandicap(int h) { handicap_ = h; }
  void SetPlayers(int black, int white) {
    blackPlayer_ = black;
    whitePlayer_ = white;
  }
};

// Every stored plane of the used points, to see that nothing changed.
inline std::vector<int> Snapshot(const PlaneBoard& b) {
  std::vector<int> s;
  const int n = b.GetSize();
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      for (int v : {b.GetChain(i, j), b.GetPrevious(i, j), b.GetRegion(i, j),
                    b.GetEye(i, j), b.GetLink(i, j), b.GetDead(i, j),
                    b.GetInfluence(i, j), b.GetBlackInfluence(i, j),
                    b.GetWhiteInfluence(i, j)})
        s.push_back(v);
  s.push_back(b.GetLastBlackChainId());
  s.push_back(b.GetLastWhiteChainId());
  return s;
}

class LateGenerators : public ::testing::Test {
 protected:
  // rule 0 Japanese / 1 Keima-go; style 0 solid / 1 bold.
  void Setup(int colour, int lastMove, int phase, int rule = 0, int style = 0,
             int faster = 0) {
    board.LabelRegions();
    board.LinkChains(0);
    board.SpreadInfluence();
    engine.SetupGame(board, rule, 0, 1, faster, style);
    engine.Prepare(board, colour, lastMove, phase);
  }
  PlaneBoard board;
  TestEngine engine;
};

}  // namespace late_test
}  // namespace kz
