// Matches between real GTP engine processes: games finish, results and SGF
// are written, and a broken engine never hangs the runner.
#include "match/match.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "match/gtp_process.h"

namespace kz::match {
namespace {

const std::string kCli = KAZAORI_CLI;

std::string TempPrefix(const char* name) {
  return ::testing::TempDir() + "/" + name + std::to_string(getpid());
}

TEST(Percentile, MedianAndNinetieth) {
  EXPECT_EQ(Percentile({}, 50), 0);
  EXPECT_DOUBLE_EQ(Percentile({3, 1, 2}, 50), 2);
  EXPECT_DOUBLE_EQ(Percentile({1, 2, 3, 4}, 50), 2.5);
  EXPECT_DOUBLE_EQ(Percentile({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 90), 10);
}

TEST(GtpProcess, TalksToARealEngine) {
  GtpProcess p;
  std::string error;
  ASSERT_TRUE(p.Start(kCli + " gtp --player random --seed 3", &error)) << error;
  auto a = p.Send("name", 5000);
  EXPECT_TRUE(a.ok);
  EXPECT_EQ(a.text, "Kazaori");
  a = p.Send("boardsize 7", 5000);
  EXPECT_FALSE(a.ok);
  EXPECT_EQ(a.text, "unacceptable size");
  a = p.Send("showboard", 5000);
  EXPECT_TRUE(a.ok);
  EXPECT_NE(a.text.find("A B C"), std::string::npos) << "multi-line answers";
  p.Stop();
}

TEST(Match, TwoRandomPlayersFinishTheirGames) {
  MatchOptions o;
  o.engine[0] = kCli + " gtp --player random --seed 1";
  o.engine[1] = kCli + " gtp --player random --seed 2";
  o.games = 2;
  o.size = 9;
  o.sgfPrefix = TempPrefix("random");
  std::ostringstream out;
  const MatchSummary s = RunMatch(o, out);
  ASSERT_EQ(s.games.size(), 2u);
  for (const GameRecord& g : s.games) {
    EXPECT_TRUE(g.error.empty()) << g.error;
    EXPECT_NE(g.result, "?");
    EXPECT_GT(g.moves.size(), 40u);
  }
  EXPECT_EQ(s.games[0].blackEngine, 0);
  EXPECT_EQ(s.games[1].blackEngine, 1) << "colours alternate";
  EXPECT_EQ(s.wins[0] + s.wins[1], 2);
  EXPECT_NE(out.str().find("wins: A"), std::string::npos);
  std::ifstream sgf(o.sgfPrefix + "-2.sgf");
  std::string text((std::istreambuf_iterator<char>(sgf)), {});
  EXPECT_EQ(text.rfind("(;GM[1]FF[4]", 0), 0u);
  EXPECT_NE(text.find("SZ[9]"), std::string::npos);
  EXPECT_NE(text.find(";B["), std::string::npos);
}

TEST(Match, HandicapStonesReachBothEngines) {
  MatchOptions o;
  o.engine[0] = kCli + " gtp --player random --seed 4";
  o.engine[1] = kCli + " gtp --player random --seed 5";
  o.games = 1;
  o.size = 9;
  o.handicap = 3;
  o.sgfPrefix = TempPrefix("handicap");
  std::ostringstream out;
  const MatchSummary s = RunMatch(o, out);
  ASSERT_EQ(s.games.size(), 1u);
  EXPECT_TRUE(s.games[0].error.empty()) << s.games[0].error;
  EXPECT_EQ(s.games[0].firstColour, -1) << "White moves first";
  std::ifstream sgf(o.sgfPrefix + "-1.sgf");
  std::string text((std::istreambuf_iterator<char>(sgf)), {});
  EXPECT_NE(text.find("HA[3]AB[gc][cg][gg]"), std::string::npos) << text.substr(0, 200);
}

TEST(Match, BrokenEnginesEndTheGameWithAMessage) {
  struct Case {
    std::string engine;
    std::string message;
  };
  const Case cases[] = {
      {"exit 3", "engine A"},
      {"yes", "not a GTP answer"},
      {"sleep 30", "no answer in time"},
      {"/nonexistent/engine", "engine A"},
  };
  for (const Case& c : cases) {
    MatchOptions o;
    o.engine[0] = c.engine;
    o.engine[1] = kCli + " gtp --player random";
    o.games = 1;
    o.size = 9;
    o.timeoutMs = 500;
    o.sgfPrefix.clear();
    std::ostringstream out;
    const MatchSummary s = RunMatch(o, out);
    ASSERT_EQ(s.games.size(), 1u);
    EXPECT_NE(s.games[0].error.find(c.message), std::string::npos)
        << c.engine << ": " << s.games[0].error;
    EXPECT_NE(out.str().find("game cut short"), std::string::npos);
  }
}

TEST(Match, TheEngineAgainstGnuGoFinishesBothGames) {
  if (access("/usr/games/gnugo", X_OK) != 0) GTEST_SKIP() << "gnugo not installed";
  MatchOptions o;
  o.engine[0] = kCli + " gtp";
  o.engine[1] = "/usr/games/gnugo --mode gtp --level 1";
  o.scorer = "/usr/games/gnugo --mode gtp --level 1";
  o.games = 2;
  o.size = 9;
  o.sgfPrefix.clear();
  std::ostringstream out;
  const MatchSummary s = RunMatch(o, out);
  ASSERT_EQ(s.games.size(), 2u);
  for (const GameRecord& g : s.games) {
    EXPECT_TRUE(g.error.empty()) << g.error;
    EXPECT_NE(g.result, "?") << out.str();
  }
  EXPECT_EQ(s.wins[0] + s.wins[1], 2) << "komi 5.5 leaves no draw";
}

}  // namespace
}  // namespace kz::match
