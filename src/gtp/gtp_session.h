// The engine over the Go Text Protocol (version 2): one game's state, the
// commands, and the line loop on a pair of streams.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board/plane_board.h"
#include "game/move_rules.h"
#include "gtp/gtp_player.h"

namespace kz::gtp {

struct SessionOptions {
  int rule = kJapaneseRule;
  bool resign = false;  // let the player resign in genmove
};

class GtpSession {
 public:
  GtpSession(GtpPlayer& player, SessionOptions options);

  // Handles one input line; returns the full response ("= ...\n\n" or
  // "? ...\n\n"), or an empty string for a line that carries no command.
  std::string Handle(std::string_view line);
  bool QuitRequested() const { return quit_; }

  const PlaneBoard& Board() const { return board_; }
  const PlayState& State() const { return state_; }

 private:
  struct Entry {
    int colour;
    int move;   // -1 pass
    bool setup;  // a free handicap stone
  };
  struct Reply {
    bool ok;
    std::string text;
  };
  Reply Dispatch(const std::string& command, const std::vector<std::string>& args);

  void ClearBoard();
  void Replay();
  Reply Play(int colour, const std::string& vertex);
  Reply GenMove(int colour);
  Reply FixedHandicap(const std::vector<std::string>& args);
  Reply FreeHandicap(const std::vector<std::string>& args);
  Reply FinalScore();
  Reply FinalStatusList(const std::string& status);
  std::string ShowBoard() const;
  // The board after the player's end-of-game marking.
  PlaneBoard MarkedBoard();

  GtpPlayer& player_;
  SessionOptions options_;
  PlaneBoard board_;
  PlayState state_;
  int size_ = 19;
  int fixedHandicap_ = 0;  // stones put by fixed_handicap
  double komi_ = 6.5;
  std::vector<Entry> history_;
  bool quit_ = false;
};

// Reads commands from `in` until quit or end of input, answering on `out`.
void RunGtp(GtpSession& session, std::istream& in, std::ostream& out);

}  // namespace kz::gtp
