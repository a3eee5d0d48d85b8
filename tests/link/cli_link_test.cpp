// kazaori-cli play with a remote player: the game controller, the link and
// the record together, against GNU Go and against a scripted peer.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "control/kazv_bas3.h"
#include "engine/board/plane_board.h"
#include "link/modem_link.h"
#include "link/peer_processes.h"
#include "link/test_player.h"
#include "support/temp_dir.h"

namespace kz::link {
namespace {

using test::Child;
using test::Outcome;
using test::TempDir;
using Clock = std::chrono::steady_clock;

// kazaori-cli play reads and writes the user's settings file: the games
// here get one of their own for the whole run, never the user's.
class OwnSettingsFile : public ::testing::Environment {
 public:
  void SetUp() override { ::setenv("KAZAORI_INI", (dir_ / "kazaori.ini").c_str(), 1); }
  void TearDown() override { ::unsetenv("KAZAORI_INI"); }

 private:
  TempDir dir_;
};
[[maybe_unused]] ::testing::Environment* const kOwnSettings =
    ::testing::AddGlobalTestEnvironment(new OwnSettingsFile);

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

// kazaori-cli play in `dir`, its output in dir/play.log.
std::vector<std::string> PlayArgs(const std::string& black, const std::string& white,
                                  const std::string& device, const std::string& out,
                                  const std::vector<std::string>& more = {}) {
  std::vector<std::string> a = {KAZAORI_CLI, "play",     "--black", black, "--white", white,
                                "--size",    "9",        "--device", device, "--out", out,
                                "--tick-ms", "5",        "--fast"};
  a.insert(a.end(), more.begin(), more.end());
  return a;
}

// The moves of a record of ours, as SGF nodes, through kazaori-cli sgf.
std::vector<std::string> RecordMoves(const std::string& record, const TempDir& dir) {
  const std::string sgf = record + ".sgf";
  Child convert({KAZAORI_CLI, "sgf", record, sgf}, dir / "sgf.log");
  EXPECT_EQ(convert.Wait(20000), 0) << ReadText(dir / "sgf.log");
  return test::ReadSgf(sgf).moves;
}

// Waits until the log holds `text`, or `ms` have passed.
bool WaitForText(const std::string& log, const std::string& text, int ms) {
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  while (Clock::now() < end) {
    if (ReadText(log).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}

constexpr const char* kNoAnswerLine = "message: 相手からの応答がありません";

class CliAgainstGnuGo : public ::testing::TestWithParam<bool> {};

TEST_P(CliAgainstGnuGo, RecordAgreesWithGnuGosMoveForMove) {
  ASSERT_TRUE(test::GnuGoInstalled());
  const bool weAreBlack = GetParam();
  TempDir dir;
  test::GnuGoPeer gnugo(weAreBlack ? "white" : "black", 9);
  ASSERT_TRUE(gnugo.Started());
  const std::string record = dir / "game.IG1";
  Child play(PlayArgs(weAreBlack ? "computer" : "remote", weAreBlack ? "remote" : "computer",
                      gnugo.Device(), record),
             dir / "play.log", dir.path());
  EXPECT_EQ(play.Wait(240000), 0) << ReadText(dir / "play.log");
  const std::string log = ReadText(dir / "play.log");
  EXPECT_NE(log.find("result: "), std::string::npos) << log;
  EXPECT_EQ(log.find("message: "), std::string::npos) << log;
  EXPECT_TRUE(gnugo.WaitExit(10000)) << "GNU Go leaves when the line closes";

  const std::vector<std::string> ours = RecordMoves(record, dir);
  const std::vector<std::string> theirs = test::ReadSgf(gnugo.SgfPath()).moves;
  EXPECT_GE(ours.size(), 4u);
  EXPECT_EQ(ours, theirs);
  ASSERT_GE(ours.size(), 2u);
  EXPECT_EQ(ours[ours.size() - 1].substr(1), "[]") << "two passes end the game";
  EXPECT_EQ(ours[ours.size() - 2].substr(1), "[]");
}

INSTANTIATE_TEST_SUITE_P(NineLines, CliAgainstGnuGo, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "AsBlack" : "AsWhite"; });

// A serial port that puts noise on the line before every packet: stray
// bytes, a packet with a bad checksum and one with bit 3 set.
class NoisyPort final : public SerialPort {
 public:
  NoisyPort() : port_(MakeTermiosPort()) {}
  int Open(const std::string& device, int baud) override { return port_->Open(device, baud); }
  bool Close() override { return port_->Close(); }
  bool IsOpen() const override { return port_->IsOpen(); }
  bool Write(const std::uint8_t* bytes, std::size_t n) override {
    static const std::uint8_t noise[] = {0xFF, 0x02, 0x7E, 0x80,            // stray bytes
                                         0x01, 0x90, 0xD0, 0xA9,            // bad checksum
                                         0x00, 0xD9, 0xD8, 0x81};           // bit 3 set
    port_->Write(noise, sizeof noise);
    return port_->Write(bytes, n);
  }
  int Read(std::uint8_t* bytes, std::size_t n) override { return port_->Read(bytes, n); }
  int Waiting() override { return port_->Waiting(); }

 private:
  std::unique_ptr<SerialPort> port_;
};

TEST(CliLink, SeriesOfTwoGamesExchangesColoursWaitsAndSavesBoth) {
  ASSERT_TRUE(test::GnuGoInstalled());
  TempDir dir;
  test::PtyPair line;
  ASSERT_TRUE(line.Started());
  CModemLink peer({}, std::make_unique<NoisyPort>());
  ASSERT_EQ(peer.OpenDevice(line.End()), kOpenOk);
  // The program plays White first, so that its second game, as Black, waits
  // before its NEWGAME.
  Child play(PlayArgs("remote", "computer", line.Device(), dir / "last.IG1", {"--games", "2"}),
             dir / "play.log", dir.path());

  PlaneBoard board;
  board.Reset(9, 0);
  ASSERT_TRUE(peer.StartGame(9, 1, kLinkBlack, 1));
  Outcome first = test::Play(peer, board, kLinkBlack, 0, std::chrono::seconds(120));
  ASSERT_EQ(first.fault, "") << ReadText(dir / "play.log");
  ASSERT_TRUE(first.finished);
  const auto firstEnded = Clock::now();

  board.Reset(9, 0);
  ASSERT_TRUE(peer.StartGame(9, 1, kLinkWhite, 1));
  Outcome second = test::Play(peer, board, kLinkWhite, 0, std::chrono::seconds(120));
  ASSERT_EQ(second.fault, "") << ReadText(dir / "play.log");
  ASSERT_TRUE(second.finished);
  EXPECT_TRUE(peer.NewGameReceived());
  const auto waited = std::chrono::duration_cast<std::chrono::seconds>(
      Clock::now() - firstEnded).count();
  EXPECT_GE(waited, 29) << "the program waits 30 s before the NEWGAME of its next game";

  EXPECT_EQ(play.Wait(30000), 0) << ReadText(dir / "play.log");
  const std::string log = ReadText(dir / "play.log");
  EXPECT_NE(log.find("連続対局、お疲れさまでした(~_^)"), std::string::npos) << log;

  std::vector<std::string> saved;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    const std::string name = e.path().filename().string();
    if (name.rfind("KAZ", 0) == 0 && name.size() > 4 && name.substr(name.size() - 4) == ".IG1" &&
        name != "KAZ$$$$$.IG1") {
      saved.push_back(e.path().string());
    }
  }
  std::sort(saved.begin(), saved.end(), [](const std::string& a, const std::string& b) {
    return std::filesystem::last_write_time(a) < std::filesystem::last_write_time(b);
  });
  ASSERT_EQ(saved.size(), 2u) << log;
  EXPECT_EQ(RecordMoves(saved[0], dir), first.moves);
  EXPECT_EQ(RecordMoves(saved[1], dir), second.moves);
}

TEST(CliLink, PeerKilledInMidGameStopsWithTheMessageAndKeepsTheRecord) {
  ASSERT_TRUE(test::GnuGoInstalled());
  TempDir dir;
  test::GnuGoPeer gnugo("white", 9);
  ASSERT_TRUE(gnugo.Started());
  const std::string record = dir / "cut.IG1";
  Child play(PlayArgs("computer", "remote", gnugo.Device(), record, {"--tick-ms", "50"}),
             dir / "play.log", dir.path());
  ASSERT_TRUE(WaitForText(dir / "play.log", "\n4 W ", 60000)) << ReadText(dir / "play.log");
  gnugo.Kill();
  EXPECT_EQ(play.Wait(20000), 3) << ReadText(dir / "play.log");
  const std::string log = ReadText(dir / "play.log");
  EXPECT_NE(log.find(kNoAnswerLine), std::string::npos) << log;
  EXPECT_NE(log.find("saved: " + record), std::string::npos) << log;
  EXPECT_GE(RecordMoves(record, dir).size(), 4u);
}

TEST(CliLink, PeerThatSendsOnlyNoiseEndsTheStartWithTheMessage) {
  ASSERT_TRUE(test::GnuGoInstalled());
  TempDir dir;
  test::PtyPair line;
  ASSERT_TRUE(line.Started());
  int fd = open(line.End().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  const std::string record = dir / "noise.IG1";
  Child play(PlayArgs("computer", "remote", line.Device(), record), dir / "play.log", dir.path());
  // Noise that never makes a packet, as fast as the line takes it, until
  // the program gives up on its NEWGAME.
  std::uint8_t noise[64];
  std::uint32_t x = 12345;
  int status = -1;
  const auto end = Clock::now() + std::chrono::seconds(60);
  while (status == -1 && Clock::now() < end) {
    for (auto& b : noise) {
      x = x * 1103515245u + 12345u;
      b = static_cast<std::uint8_t>((x >> 16) | 0x04);
    }
    if (write(fd, noise, sizeof noise) < 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::uint8_t sink[256];
    while (read(fd, sink, sizeof sink) > 0) {
    }
    status = play.Wait(5);
  }
  close(fd);
  EXPECT_EQ(status, 3) << ReadText(dir / "play.log");
  const std::string log = ReadText(dir / "play.log");
  EXPECT_NE(log.find(kNoAnswerLine), std::string::npos) << log;
  EXPECT_NE(log.find("saved: " + record), std::string::npos) << log;
}

TEST(CliLink, RemoteMoveOntoAStoneStopsTheGameAndKeepsTheRecord) {
  ASSERT_TRUE(test::GnuGoInstalled());
  TempDir dir;
  test::PtyPair line;
  ASSERT_TRUE(line.Started());
  CModemLink peer;
  ASSERT_EQ(peer.OpenDevice(line.End()), kOpenOk);
  const std::string record = dir / "refused.IG1";
  Child play(PlayArgs("remote", "computer", line.Device(), record), dir / "play.log", dir.path());
  ASSERT_TRUE(peer.StartGame(9, 1, kLinkBlack, 1));
  const auto end = Clock::now() + std::chrono::seconds(60);
  while (Clock::now() < end && peer.State() != LinkState::kPlaying && !peer.Failed()) {
    peer.Poll();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ASSERT_EQ(peer.State(), LinkState::kPlaying) << ReadText(dir / "play.log");
  peer.SendMove(5, 5);
  int reply = kRemoteNone;
  while (Clock::now() < end && reply == kRemoteNone && !peer.Failed()) {
    reply = peer.PollRemoteMove();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ASSERT_NE(reply, kRemoteNone) << ReadText(dir / "play.log");
  peer.SendMove(5, 5);  // onto its own stone
  for (int i = 0; i < 500 && !peer.Idle(); ++i) {
    peer.Poll();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  EXPECT_NE(play.Wait(20000), -1) << "the game stops";
  const std::string log = ReadText(dir / "play.log");
  EXPECT_NE(log.find("message: 通信相手の着手が反則です(+_+;) 対局を止めますね"), std::string::npos)
      << log;
  EXPECT_EQ(RecordMoves(record, dir).size(), 2u) << "the refused move is not recorded";
}

TEST(SeriesFileNameTest, GamesOfTheSameMinuteGetNamesOfTheirOwn) {
  TempDir dir(true);
  const platform::LocalDateTime t{2026, 5, 31, 14, 5, 0};
  EXPECT_EQ(control::SeriesFileName(t), "KAZ05311405.IG1");
  std::ofstream("KAZ05311405.IG1") << "x";
  EXPECT_EQ(control::SeriesFileName(t), "KAZ05311405-2.IG1");
  std::ofstream("KAZ05311405-2.IG1") << "x";
  EXPECT_EQ(control::SeriesFileName(t), "KAZ05311405-3.IG1");
  EXPECT_EQ(control::SeriesFileName({2026, 12, 1, 9, 0, 0}), "KAZ12010900.IG1");
}

}  // namespace
}  // namespace kz::link
