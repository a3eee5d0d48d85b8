// What the GTP front end needs of a player: a new game, a move, the dead
// stones at the end, and (optionally) a resignation estimate.
#pragma once

#include "engine/board/plane_board.h"
#include "game/move_rules.h"

namespace kz::gtp {

struct PlayedMove {
  int move;      // i * 100 + j, or -1 for a pass
  int captured;  // stones the move took
};

class GtpPlayer {
 public:
  virtual ~GtpPlayer() = default;
  // A new game on `board`, which has just been reset to its size and
  // handicap (free handicap stones, when any, already stand on it).
  virtual void NewGame(PlaneBoard& board, int rule) = 0;
  // Chooses a move for `colour` and plays it on the board itself.
  virtual PlayedMove GenMove(PlaneBoard& board, const PlayState& state,
                             int colour) = 0;
  // Marks the stones judged dead in the board's dead plane.
  virtual void MarkDead(PlaneBoard& board, int colour) = 0;
  // Whether `colour` should resign now.
  virtual bool ShouldResign(PlaneBoard& board, const PlayState& state,
                            int colour) = 0;
};

// A player of uniformly random legal moves that never fills its own
// one-point eyes; a yardstick for the engine.
class RandomPlayer final : public GtpPlayer {
 public:
  explicit RandomPlayer(unsigned seed) : state_(seed ? seed : 1) {}
  void NewGame(PlaneBoard&, int rule) override { rule_ = rule; }
  PlayedMove GenMove(PlaneBoard& board, const PlayState& state,
                     int colour) override;
  void MarkDead(PlaneBoard&, int) override {}
  bool ShouldResign(PlaneBoard&, const PlayState&, int) override {
    return false;
  }

 private:
  unsigned Next();
  unsigned state_;
  int rule_ = kJapaneseRule;
};

}  // namespace kz::gtp
