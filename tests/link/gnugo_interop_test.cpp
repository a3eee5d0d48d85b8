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
#include "link/peer_processes.h"
#include "link/modem_link.h"
#include "link/test_player.h"

namespace kz::link {
namespace {

using Clock = std::chrono::steady_clock;
using test::ChooseMove;
using test::Outcome;
using test::Play;
using test::ReadSgf;
using test::SgfGame;

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
