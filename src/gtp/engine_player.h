// The computer player behind the GTP front end.
#pragma once

#include "engine/think_engine.h"
#include "gtp/gtp_player.h"

namespace kz::gtp {

class EnginePlayer final : public GtpPlayer {
 public:
  EnginePlayer(int style, bool faster) : style_(style), faster_(faster) {}
  void NewGame(PlaneBoard& board, int rule) override;
  PlayedMove GenMove(PlaneBoard& board, const PlayState& state,
                     int colour) override;
  void MarkDead(PlaneBoard& board, int colour) override;
  bool ShouldResign(PlaneBoard& board, const PlayState& state,
                    int colour) override;

 private:
  ThinkEngine engine_;
  int style_;
  bool faster_;
  int nextResignCheck_ = 0;
};

}  // namespace kz::gtp
