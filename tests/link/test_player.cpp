#include "link/test_player.h"

#include <fstream>
#include <sstream>
#include <thread>

#include "game/move_rules.h"

namespace kz::test {

using Clock = std::chrono::steady_clock;

std::string SgfMove(int colour, int x, int y) {
  std::string s = colour > 0 ? "B[" : "W[";
  if (x > 0) {
    s += static_cast<char>('a' + x - 1);
    s += static_cast<char>('a' + y - 1);
  }
  return s + "]";
}

SgfGame ReadSgf(const std::string& path) {
  std::ifstream in(path);
  std::stringstream all;
  all << in.rdbuf();
  const std::string text = all.str();
  SgfGame game;
  for (std::size_t at = 0; at + 2 < text.size(); ++at) {
    if (text[at] == ';' && (text[at + 1] == 'B' || text[at + 1] == 'W') && text[at + 2] == '[') {
      std::size_t end = text.find(']', at);
      if (end == std::string::npos) break;
      std::string value = text.substr(at + 3, end - at - 3);
      if (value == "tt") value.clear();
      game.moves.push_back(std::string(1, text[at + 1]) + "[" + value + "]");
    }
  }
  std::size_t ab = text.find("AB[");
  for (std::size_t at = ab == std::string::npos ? text.size() : ab + 2;
       at < text.size() && text[at] == '['; at = text.find_first_not_of(" \r\n", at + 4)) {
    game.setup.push_back(text.substr(at + 1, 2));
  }
  return game;
}

bool ChooseMove(const PlaneBoard& board, int colour, int* i, int* j) {
  const int n = board.GetSize();
  for (int b = 0; b < n; ++b) {
    for (int a = 0; a < n; ++a) {
      if (board.GetChain(a, b) != 0) continue;
      bool ownEye = true;
      const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
      for (auto& s : steps) {
        int p = a + s[0], q = b + s[1];
        if (OnBoard(n, p, q) && board.GetChain(p, q) * colour <= 0) ownEye = false;
      }
      if (ownEye || board.LibertiesIfPlayed(a, b, colour) < 2) continue;
      PlaneBoard trial = board;
      int r = trial.PlayStone(a, b, colour, 1);
      if (r == kOccupied || r == kSuicide || r == kKo) continue;
      *i = a;
      *j = b;
      return true;
    }
  }
  return false;
}

Outcome Play(link::CModemLink& modem, PlaneBoard& board, int ownColour, int handicap,
             std::chrono::seconds limit, int stopAfter) {
  Outcome out;
  const int own = ownColour == link::kLinkBlack ? 1 : -1;
  int side = FirstMover(handicap);
  int passes = 0;
  const auto end = Clock::now() + limit;
  while (Clock::now() < end && passes < 2) {
    if (stopAfter > 0 && static_cast<int>(out.moves.size()) >= stopAfter) return out;
    modem.Poll();
    if (modem.Failed()) {
      out.fault = "the link failed";
      return out;
    }
    if (side == own) {
      if (modem.State() != link::LinkState::kPlaying) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        continue;
      }
      int i = -1, j = -1;
      if (ChooseMove(board, own, &i, &j)) {
        board.PlayStone(i, j, own, 0);
        modem.SendMove(i + 1, j + 1);
        out.moves.push_back(SgfMove(own, i + 1, j + 1));
        passes = 0;
      } else {
        modem.SendMove(0, 0);
        out.moves.push_back(SgfMove(own, 0, 0));
        ++passes;
      }
      side = -side;
      continue;
    }
    int code = modem.PollRemoteMove();
    if (code == link::kRemoteNone) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      continue;
    }
    if (code == link::kRemoteResign) {
      out.finished = true;
      out.resigned = true;
      return out;
    }
    if (code == link::kRemotePass) {
      out.moves.push_back(SgfMove(side, 0, 0));
      ++passes;
    } else {
      const int x = code / 100, y = code % 100;
      if (code == link::kRemoteOffBoard || link::IsRemoteUndo(code) || !OnBoard(board.GetSize(), x - 1, y - 1)) {
        out.fault = "remote code " + std::to_string(code);
        return out;
      }
      int r = board.PlayStone(x - 1, y - 1, side, 0);
      if (r == kOccupied || r == kSuicide || r == kKo) {
        out.fault = "illegal remote move " + SgfMove(side, x, y);
        return out;
      }
      out.moves.push_back(SgfMove(side, x, y));
      passes = 0;
    }
    side = -side;
  }
  out.finished = passes >= 2;
  return out;
}

}  // namespace kz::test
