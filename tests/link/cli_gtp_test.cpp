// kazaori-cli play against GTP programs: GNU Go, the built-in engine over
// GTP, and the scripted fake_gtp for every way a program can misbehave. The
// records are checked by replaying their moves into a fresh GNU Go.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board/plane_board.h"
#include "game/kazaori_doc.h"
#include "game/record_replay.h"
#include "gtp/vertex.h"
#include "link/peer_processes.h"
#include "match/gtp_process.h"
#include "support/temp_dir.h"

namespace kz::link {
namespace {

using test::Child;
using test::TempDir;

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

std::string Gnugo(int level) {
  return std::string(test::kGnuGo) + " --mode gtp --level " + std::to_string(level);
}

// kazaori-cli play on 9 lines in `dir` (its output in dir/play.log); the
// exit status.
int Play(const TempDir& dir, const std::string& gtp, const std::vector<std::string>& more,
         int limitMs = 240000) {
  std::vector<std::string> a = {KAZAORI_CLI, "play",  "--black", "computer", "--white", "gtp",
                                "--gtp",     gtp,     "--size",  "9",        "--fast",  "--tick-ms",
                                "0",         "--out", dir / "g.IG1"};
  a.insert(a.end(), more.begin(), more.end());
  Child play(a, dir / "play.log", dir.path());
  return play.Wait(limitMs);
}

std::vector<std::string> SeriesFiles(const TempDir& dir) {
  std::vector<std::string> out;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    const std::string name = e.path().filename().string();
    if (name.rfind("KAZ", 0) == 0 && name != "KAZ$$$$$.IG1") out.push_back(e.path().string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

// The record's moves played into a fresh GNU Go, each accepted, give the
// stones our board has after the same moves.
void ExpectGnuGoAgrees(const std::string& path) {
  SCOPED_TRACE(path);
  CKazaoriDoc doc;
  doc.SetAutosavePath(path + ".autosave");
  ASSERT_TRUE(doc.ReadRecord(path));
  const int size = doc.GetBoardSize(), moves = doc.GetLastMoveNumber();
  ASSERT_GE(moves, 2);
  // The game ended by two passes or a resignation.
  const bool passes = doc.GetMove(moves) == -101 && doc.GetMove(moves - 1) == -101;
  EXPECT_TRUE(passes || doc.GetResult() != kNoResult) << "moves " << moves;

  PlaneBoard board;
  RebuildPosition(board, doc, moves);
  match::GtpProcess gnugo;
  std::string error;
  ASSERT_TRUE(gnugo.Start(Gnugo(1), &error)) << error;
  ASSERT_TRUE(gnugo.Send("boardsize " + std::to_string(size), 5000).ok);
  ASSERT_TRUE(gnugo.Send("clear_board", 5000).ok);
  int colour = FirstMover(doc.GetHandicap());
  for (int k = 1; k <= moves; ++k, colour = -colour) {
    const int m = doc.GetMove(k);
    const std::string vertex = m < 0 ? "pass" : gtp::FormatPoint(m / 100, m % 100, size);
    const auto a = gnugo.Send(std::string("play ") + (colour == 1 ? "B " : "W ") + vertex, 5000);
    ASSERT_TRUE(a.ok) << "move " << k << " " << vertex << ": " << a.text << a.failure;
  }
  for (const int c : {1, -1}) {
    const auto a = gnugo.Send(c == 1 ? "list_stones black" : "list_stones white", 5000);
    ASSERT_TRUE(a.ok);
    std::istringstream words(a.text);
    int count = 0;
    for (std::string v; words >> v; ++count) {
      const auto p = gtp::ParseVertex(v, size);
      ASSERT_TRUE(p && !p->pass) << v;
      EXPECT_EQ(board.GetChain(p->i, p->j) * c > 0, true) << v;
    }
    int ours = 0;
    for (int i = 0; i < size; ++i)
      for (int j = 0; j < size; ++j) ours += board.GetChain(i, j) * c > 0 ? 1 : 0;
    EXPECT_EQ(count, ours);
  }
}

TEST(CliGtp, SeriesOfTwoGamesAgainstGnuGoExchangesColoursAndSavesBoth) {
  if (!test::GnuGoInstalled()) GTEST_SKIP() << "GNU Go is not installed";
  TempDir dir;
  ASSERT_EQ(Play(dir, Gnugo(1), {"--games", "2"}), 0) << ReadText(dir / "play.log");
  const std::string log = ReadText(dir / "play.log");
  EXPECT_NE(log.find("連続対局、お疲れさまでした"), std::string::npos) << log;
  const auto files = SeriesFiles(dir);
  ASSERT_EQ(files.size(), 2u) << log;
  int gnugoBlack = 0;
  for (const std::string& f : files) {
    ExpectGnuGoAgrees(f);
    CKazaoriDoc doc;
    doc.SetAutosavePath(f + ".autosave");
    ASSERT_TRUE(doc.ReadRecord(f));
    gnugoBlack += doc.GetPlayer(1) == 2 ? 1 : 0;
    // GNU Go's own name is the remote player's.
    const int remote = doc.GetPlayer(1) == 2 ? 1 : -1;
    EXPECT_EQ(doc.GetName(remote).substr(0, 6), "GNU Go");
  }
  EXPECT_EQ(gnugoBlack, 1);  // colours exchanged
}

TEST(CliGtp, TheBuiltInEngineOverGtpPlaysAWholeGame) {
  TempDir dir;
  const std::string engine = std::string(KAZAORI_CLI) + " gtp";
  ASSERT_EQ(Play(dir, engine, {"--no-resign"}), 0) << ReadText(dir / "play.log");
  const std::string log = ReadText(dir / "play.log");
  EXPECT_NE(log.find("result: "), std::string::npos);
  if (test::GnuGoInstalled()) ExpectGnuGoAgrees(dir / "g.IG1");
}

struct BadCase {
  std::string options;
  std::string message;
  int moves;   // in the record at least
  int status;  // of kazaori-cli play: 3 when the link failed
};

class CliGtpFaults : public ::testing::TestWithParam<BadCase> {};

TEST_P(CliGtpFaults, StopTheGameWithTheMessageAndKeepTheRecord) {
  TempDir dir;
  const std::string fake = std::string(FAKE_GTP_PATH) + " " + GetParam().options;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Play(dir, fake, {"--gtp-seconds", "1"}, 60000), GetParam().status);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  const std::string log = ReadText(dir / "play.log");
  EXPECT_NE(log.find("message: " + GetParam().message), std::string::npos) << log;
  // The moves before the fault are in the saved record and the autosave.
  CKazaoriDoc doc;
  doc.SetAutosavePath(dir / "other.IG1");
  ASSERT_TRUE(doc.ReadRecord(dir / "g.IG1")) << log;
  EXPECT_GE(doc.GetLastMoveNumber(), GetParam().moves) << log;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CliGtpFaults,
    // A refused remote move stops the game as over the serial line (the
    // command itself succeeded); the others fail the link.
    ::testing::Values(BadCase{"--echo", "通信相手の着手が反則です", 1, 0},
                      BadCase{"--moves E5,Z5", "通信相手の着手が反則です", 2, 0},
                      BadCase{"--exit-on genmove:2", "GTPプログラムが終了しました", 3, 3},
                      BadCase{"--exit-on play:2", "GTPプログラムが終了しました", 3, 3},
                      BadCase{"--garbage-on genmove", "GTPプログラムの応答が読めません", 1, 3},
                      BadCase{"--reject play", "GTPプログラムがコマンドを受け付けません", 1, 3},
                      BadCase{"--moves E5 --slow-ms 2500",
                              "通信相手の着手を待たずに対局を止めました", 1, 3}));

TEST(CliGtp, ProgramThatCannotStartStartsNoGame) {
  TempDir dir;
  for (const std::string& command :
       {std::string("/nonexistent/engine --mode gtp"), std::string(FAKE_GTP_PATH) + " --exit-at-start"}) {
    EXPECT_EQ(Play(dir, command, {}, 30000), 3);
    const std::string log = ReadText(dir / "play.log");
    EXPECT_NE(log.find("message: GTPプログラムを起動できません：" + command), std::string::npos)
        << log;
    EXPECT_NE(log.find("the game did not start"), std::string::npos);
  }
}

}  // namespace
}  // namespace kz::link
