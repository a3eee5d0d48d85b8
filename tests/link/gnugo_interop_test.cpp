// Whole 9-line games against GNU Go over the Go Modem Protocol, through a
// pseudo-terminal made by socat. Our side is a test player that answers each
// move with the first sensible legal point of a PlaneBoard; what is checked
// is the protocol: both sides' moves are legal on our board and the game we
// kept agrees move for move with the record GNU Go wrote.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/board/plane_board.h"
#include "game/move_rules.h"
#include "link/gnugo_peer.h"
#include "link/modem_link.h"

namespace kz::link {
namespace {

using Clock = std::chrono::steady_clock;

// One move in SGF terms: "B[ce]", "W[]" for a pass.
std::string SgfMove(int colour, int x, int y) {
  std::string s = colour > 0 ? "B[" : "W[";
  if (x > 0) {
    s += static_cast<char>('a' + x - 1);
    s += static_cast<char>('a' + y - 1);
  }
  return s + "]";
}

// The moves of an SGF record (";B[..]" and ";W[..]" nodes), "tt" read as a
// pass; and the handicap stones of its AB property.
struct SgfGame {
  std::vector<std::string> moves;
  std::vector<std::string> setup;
};

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

// The test player: the first point in reading order that is legal, leaves the
// new stone at least two liberties and does not fill a one-point eye of its
// own; a pass when there is none.
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

struct Outcome {
  std::vector<std::string> moves;  // as SGF nodes
  bool finished = false;           // two passes in a row, or a resignation
  std::string fault;               // empty when every move was sound
};

// Plays a game with the link until two passes, a resignation, a failure or
// `limit` of real time; `stopAfter` > 0 leaves the loop after that many moves.
Outcome Play(CModemLink& link, PlaneBoard& board, int ownColour, int handicap,
             std::chrono::seconds limit, int stopAfter = 0) {
  Outcome out;
  const int own = ownColour == kLinkBlack ? 1 : -1;
  int side = FirstMover(handicap);
  int passes = 0;
  const auto end = Clock::now() + limit;
  while (Clock::now() < end && passes < 2) {
    if (stopAfter > 0 && static_cast<int>(out.moves.size()) >= stopAfter) return out;
    link.Poll();
    if (link.Failed()) {
      out.fault = "the link failed";
      return out;
    }
    if (side == own) {
      if (link.State() != LinkState::kPlaying) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        continue;
      }
      int i = -1, j = -1;
      if (ChooseMove(board, own, &i, &j)) {
        board.PlayStone(i, j, own, 0);
        link.SendMove(i + 1, j + 1);
        out.moves.push_back(SgfMove(own, i + 1, j + 1));
        passes = 0;
      } else {
        link.SendMove(0, 0);
        out.moves.push_back(SgfMove(own, 0, 0));
        ++passes;
      }
      side = -side;
      continue;
    }
    int code = link.PollRemoteMove();
    if (code == kRemoteNone) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      continue;
    }
    if (code == kRemoteResign) {
      out.finished = true;
      return out;
    }
    if (code == kRemotePass) {
      out.moves.push_back(SgfMove(side, 0, 0));
      ++passes;
    } else {
      const int x = code / 100, y = code % 100;
      if (code == kRemoteOffBoard || IsRemoteUndo(code) || !OnBoard(9, x - 1, y - 1)) {
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

// After the game GNU Go sends one more pass, which is acknowledged and not
// played; it has written its record then and waits for the line to close.
void SeeOut(CModemLink& link, test::GnuGoPeer& gnugo) {
  const auto end = Clock::now() + std::chrono::seconds(10);
  int extra = kRemoteNone;
  while (Clock::now() < end && extra == kRemoteNone && !link.Failed()) {
    extra = link.PollRemoteMove();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  EXPECT_EQ(extra, kRemotePass);
  for (int i = 0; i < 100 && !link.Idle(); ++i) {
    link.Poll();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  EXPECT_TRUE(link.Close());
  EXPECT_TRUE(gnugo.WaitExit(5000)) << "GNU Go leaves when the line closes";
}

class GnuGoGame : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(GnuGoGame, WholeGameAgreesWithGnuGosRecord) {
  ASSERT_TRUE(test::GnuGoInstalled()) << "gnugo and socat come with scripts/install-deps.sh";
  const auto [ownColour, handicap] = GetParam();
  test::GnuGoPeer gnugo(ownColour == kLinkBlack ? "white" : "black", 9);
  ASSERT_TRUE(gnugo.Started());
  CModemLink link;
  ASSERT_EQ(link.OpenDevice(gnugo.Device()), kOpenOk);
  ASSERT_TRUE(link.StartGame(9, handicap + 1, ownColour, 1));
  PlaneBoard board;
  board.Reset(9, handicap);

  Outcome game = Play(link, board, ownColour, handicap, std::chrono::seconds(240));
  EXPECT_EQ(game.fault, "");
  EXPECT_TRUE(game.finished) << "after " << game.moves.size() << " moves";
  EXPECT_EQ(link.OwnColour(), ownColour);
  EXPECT_EQ(link.Conflicts(), 0);
  EXPECT_GT(game.moves.size(), 20u);
  RecordProperty("moves", static_cast<int>(game.moves.size()));
  SeeOut(link, gnugo);

  SgfGame recorded = ReadSgf(gnugo.SgfPath());
  EXPECT_EQ(recorded.moves, game.moves);
  if (handicap == 2) {
    std::sort(recorded.setup.begin(), recorded.setup.end());
    EXPECT_EQ(recorded.setup, (std::vector<std::string>{"cg", "gc"}))
        << "GNU Go put its handicap stones where ours stand";
  }
}

INSTANTIATE_TEST_SUITE_P(
    NineLines, GnuGoGame,
    ::testing::Values(std::make_tuple(kLinkBlack, 0), std::make_tuple(kLinkWhite, 0),
                      std::make_tuple(kLinkBlack, 2), std::make_tuple(kLinkWhite, 2)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param) == kLinkBlack ? "AsBlack" : "AsWhite") +
             (std::get<1>(info.param) == 0 ? "Even" : "TwoStones");
    });

TEST(GnuGoPeerTest, PeerKilledInMidGameIsALostLine) {
  ASSERT_TRUE(test::GnuGoInstalled());
  test::GnuGoPeer gnugo("white", 9);
  ASSERT_TRUE(gnugo.Started());
  CModemLink link;
  ASSERT_EQ(link.OpenDevice(gnugo.Device()), kOpenOk);
  ASSERT_TRUE(link.StartGame(9, 1, kLinkBlack, 1));
  PlaneBoard board;
  board.Reset(9, 0);
  Outcome game = Play(link, board, kLinkBlack, 0, std::chrono::seconds(60), 10);
  ASSERT_EQ(game.fault, "");
  ASSERT_EQ(game.moves.size(), 10u);
  gnugo.Kill();
  const auto end = Clock::now() + std::chrono::seconds(5);
  while (Clock::now() < end && !link.Failed()) {
    EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(link.State(), LinkState::kLineLost);
  EXPECT_TRUE(link.Close());
}

}  // namespace
}  // namespace kz::link
