// The GTP link against the scripted fake_gtp program: the game start, the
// vertices at the four corners on every board size, the program's name, and
// every way the program can misbehave.
#include "link/gtp_link.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "link/link_devices.h"
#include "link/port_links.h"
#include "support/temp_dir.h"

namespace kz::link {
namespace {

std::string Fake(const std::string& options = "") {
  return std::string(FAKE_GTP_PATH) + (options.empty() ? "" : " " + options);
}

// No child of this test process is left, running or unreaped.
bool NoChildren() {
  errno = 0;
  return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

class GtpLinkTest : public ::testing::Test {
 protected:
  std::string LogPath() const { return dir.path() + "/log.txt"; }
  std::string Logged() const {
    std::ifstream in(LogPath());
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Polls for the remote move for up to five seconds of real time.
  int AwaitMove(GtpLink& link) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < end) {
      const int code = link.PollRemoteMove();
      if (code != kRemoteNone || link.Failed()) return code;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return kRemoteNone;
  }
  // Polls until the fake has answered everything sent so far.
  void Settle(GtpLink& link) {
    for (int k = 0; k < 500 && !link.Failed(); ++k) {
      link.Poll();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

  test::TempDir dir;
};

TEST_F(GtpLinkTest, StartsAGameAndTellsTheProgramsName) {
  GtpLink link(Fake("--name Fakir --log " + LogPath()));
  ASSERT_EQ(link.Open(kGtpPort), kOpenOk) << link.FailureText();
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(link.PeerName(), "Fakir 1.0");
  ASSERT_TRUE(link.StartGame(9, 1, kLinkWhite, 1));
  // Black (the program) moves first.
  EXPECT_EQ(AwaitMove(link), 101);
  link.SendMove(5, 5);
  EXPECT_EQ(AwaitMove(link), 201);
  EXPECT_TRUE(link.Close());
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(Logged(),
            "name\nversion\nboardsize 9\nclear_board\nkomi 5.5\ngenmove B\n"
            "play W E5\ngenmove B\nquit\n");
  EXPECT_TRUE(NoChildren());
}

TEST_F(GtpLinkTest, HandicapStonesGoOnThisProgramsPointsWithSmallKomi) {
  {
    GtpLink link(Fake("--log " + LogPath()));
    ASSERT_EQ(link.Open(kGtpPort), kOpenOk);
    ASSERT_TRUE(link.StartGame(19, 5, kLinkBlack, 1));  // four stones
    Settle(link);
    EXPECT_FALSE(link.Failed());
  }
  EXPECT_NE(Logged().find("komi 0.5\nset_free_handicap D16 Q16 D4 Q4\n"), std::string::npos)
      << Logged();
  // A program without free handicap gets the stones as Black moves.
  std::remove(LogPath().c_str());
  GtpLink link(Fake("--reject set_free_handicap --log " + LogPath()));
  ASSERT_EQ(link.Open(kGtpPort), kOpenOk);
  ASSERT_TRUE(link.StartGame(9, 3, kLinkBlack, 1));  // 二子局
  Settle(link);
  EXPECT_FALSE(link.Failed()) << link.FailureText();
  const std::string log = Logged();
  const std::size_t free = log.find("set_free_handicap ");
  ASSERT_NE(free, std::string::npos) << log;
  EXPECT_NE(log.find("play B ", free), std::string::npos) << log;
  // 先 is no handicap stone but no komi either.
  EXPECT_EQ(GtpKomi(1), 0.5);
}

TEST_F(GtpLinkTest, CornersMapBothWaysOnEveryBoardSize) {
  for (const int n : {9, 13, 19}) {
    SCOPED_TRACE(n);
    const std::string last(1, "ABCDEFGHJKLMNOPQRST"[n - 1]);
    const std::string top = std::to_string(n);
    std::remove(LogPath().c_str());
    // The program answers the four corners: top left, top right, bottom
    // left, bottom right.
    GtpLink link(Fake("--log " + LogPath() + " --moves A" + top + "," + last + top + ",a1," +
                      last + "1"));
    ASSERT_EQ(link.Open(kGtpPort), kOpenOk);
    ASSERT_TRUE(link.StartGame(n, 1, kLinkBlack, 1));
    const int corners[4][2] = {{1, 1}, {n, 1}, {1, n}, {n, n}};
    for (const auto& c : corners) {
      link.SendMove(c[0], c[1]);
      EXPECT_EQ(AwaitMove(link), (c[0] == 1 ? 1 : n) * 100 + (c[1] == 1 ? 1 : n));
    }
    link.SendMove(0, 0);
    Settle(link);
    const std::string log = Logged();
    EXPECT_NE(log.find("play B A" + top + "\ngenmove W\nplay B " + last + top +
                       "\ngenmove W\nplay B A1\ngenmove W\nplay B " + last +
                       "1\ngenmove W\nplay B pass\n"),
              std::string::npos)
        << log;
  }
}

TEST_F(GtpLinkTest, ProgramThatCannotStartIsToldByItsCommandLine) {
  for (const std::string& command :
       {std::string("/nonexistent/gtp-engine --mode gtp"), Fake("--exit-at-start"),
        std::string("")}) {
    SCOPED_TRACE(command);
    GtpLink link(command);
    EXPECT_EQ(link.Open(kGtpPort), kOpenError);
    EXPECT_NE(link.FailureText().find("GTPプログラムを起動できません"), std::string::npos);
    EXPECT_NE(link.FailureText().find(command), std::string::npos);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.StartGame(9, 1, kLinkBlack, 1));
    EXPECT_TRUE(NoChildren());
  }
  // A program that is no GTP engine at all.
  GtpLink link("echo hello; sleep 5");
  EXPECT_EQ(link.Open(kGtpPort), kOpenError);
  EXPECT_NE(link.FailureText().find("hello"), std::string::npos) << link.FailureText();
  EXPECT_TRUE(NoChildren());
}

TEST_F(GtpLinkTest, ProgramThatDiesOrMisbehavesInMidGameFailsTheLink) {
  struct Case {
    std::string options;
    std::string text;
  };
  const Case cases[] = {
      {"--exit-on genmove:2", "GTPプログラムが終了しました"},
      {"--reject genmove", "genmove B → ? refused"},
      {"--reject play", "play W D5 → ? refused"},
      {"--garbage-on genmove", "GTPプログラムの応答が読めません"},
      {"--reject boardsize", "boardsize 9 → ? refused"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    GtpLink link(Fake(c.options));
    ASSERT_EQ(link.Open(kGtpPort), kOpenOk);
    ASSERT_TRUE(link.StartGame(9, 1, kLinkWhite, 1));
    int code = AwaitMove(link);
    if (!link.Failed()) {
      EXPECT_EQ(code, 101);
      link.SendMove(4, 5);
      code = AwaitMove(link);
    }
    EXPECT_TRUE(link.Failed());
    EXPECT_EQ(code, kRemoteNone);
    EXPECT_NE(link.FailureText().find(c.text), std::string::npos) << link.FailureText();
    EXPECT_NE(link.FailureText().find(FAKE_GTP_PATH), std::string::npos);
    // The dead or useless program is gone already, before the close.
    EXPECT_TRUE(NoChildren());
    EXPECT_TRUE(link.Close());
    EXPECT_FALSE(link.Failed());
  }
}

TEST_F(GtpLinkTest, MovesOffTheBoardAndWordsThatAreNoMoveAreOffBoard) {
  GtpLink link(Fake("--moves Z9,J10,A0,resign,PASS"));
  ASSERT_EQ(link.Open(kGtpPort), kOpenOk);
  ASSERT_TRUE(link.StartGame(9, 1, kLinkWhite, 1));
  EXPECT_EQ(AwaitMove(link), kRemoteOffBoard);
  EXPECT_EQ(AwaitMove(link), kRemoteOffBoard);
  EXPECT_EQ(AwaitMove(link), kRemoteOffBoard);
  EXPECT_EQ(AwaitMove(link), kRemoteResign);
  EXPECT_EQ(AwaitMove(link), kRemotePass);
  EXPECT_FALSE(link.Failed());
}

TEST_F(GtpLinkTest, SlowMoveIsOverdueAfterTheLimitAndMayBeWaitedFor) {
  std::int64_t now = 0;
  GtpLink link(Fake("--slow-ms 400"), 60, [&] { return now; });
  ASSERT_EQ(link.Open(kGtpPort), kOpenOk);
  ASSERT_TRUE(link.StartGame(9, 1, kLinkWhite, 1));
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
  EXPECT_TRUE(link.Thinking());
  now = 59'999;
  EXPECT_FALSE(link.MoveOverdue());
  now = 60'000;
  EXPECT_TRUE(link.MoveOverdue());
  link.WaitLonger();
  EXPECT_FALSE(link.MoveOverdue());
  now = 120'000;
  EXPECT_TRUE(link.MoveOverdue());
  // The answer still counts when it comes.
  EXPECT_EQ(AwaitMove(link), 101);
  EXPECT_FALSE(link.MoveOverdue());
}

TEST_F(GtpLinkTest, NextGameDropsTheAnswerOfAMoveStillOut) {
  GtpLink link(Fake("--slow-ms 200 --moves E5,C7"));
  ASSERT_EQ(link.Open(kGtpPort), kOpenOk);
  ASSERT_TRUE(link.StartGame(9, 1, kLinkWhite, 1));
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);  // genmove B out
  ASSERT_TRUE(link.StartGame(9, 1, kLinkBlack, 2));
  link.SendMove(7, 7);
  // The fake answers its list in turn; E5 belonged to the first game (C7 is x 3, y 3).
  EXPECT_EQ(AwaitMove(link), 303);
}

TEST(GtpSettingsTest, CommandLineAndMoveLimitFromTheIni) {
  test::TempDir dir;
  platform::ProfileFile file(dir.path() + "/kazaori.ini");
  LinkDevices d = ReadLinkDevices(file);
  EXPECT_EQ(d.gtpProgram, access(kGnuGoPath, X_OK) == 0 ? kDefaultGtpProgram : "");
  EXPECT_EQ(d.gtpMoveSeconds, 60);
  d.gtpProgram = "my-engine --gtp";
  d.gtpMoveSeconds = 5;
  WriteGtpProgram(file, d);
  EXPECT_EQ(ReadLinkDevices(file).gtpProgram, "my-engine --gtp");
  EXPECT_EQ(ReadLinkDevices(file).gtpMoveSeconds, 5);
  file.WriteInt("Link", "GtpMoveSeconds", 0);
  EXPECT_EQ(ReadLinkDevices(file).gtpMoveSeconds, 60);
}

TEST(PortLinksTest, PortThreeIsTheGtpProgram) {
  PortLinks links(std::make_unique<NullLink>(), std::make_unique<GtpLink>(Fake()));
  EXPECT_EQ(links.Open(1), kOpenError);  // the null serial line
  ASSERT_EQ(links.Open(kGtpPort), kOpenOk);
  EXPECT_EQ(links.PeerName(), "Fake 1.0");
  EXPECT_TRUE(links.IsOpen());
  EXPECT_TRUE(links.Close());
  EXPECT_FALSE(links.IsOpen());
  EXPECT_TRUE(NoChildren());
}

}  // namespace
}  // namespace kz::link
