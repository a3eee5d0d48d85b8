// Games against the remote program through the link seam: the controller's
// side of a linked game, with a scripted link in place of the serial one.
#include <deque>
#include <filesystem>
#include <tuple>

#include "control/messages.h"
#include "records/standard_comment.h"
#include "view_fixture.h"

namespace kz::test {
namespace {

using control::kComputer;
using control::kRemote;
using control::kUser;
namespace msg = control::msg;

class ScriptedLink final : public link::GameLink {
 public:
  int Open(int port) override {
    openedPort = port;
    open = openResult == link::kOpenOk;
    return openResult;
  }
  bool Close() override {
    open = false;
    return true;
  }
  bool IsOpen() const override { return open; }
  bool StartGame(int size, int handicap, int colour, int game) override {
    starts.emplace_back(size, handicap, colour, game);
    return open;
  }
  void SendMove(int x, int y) override { sent.emplace_back(x, y); }
  void SendResign() override { sent.emplace_back(1, 0); }
  int PollRemoteMove() override {
    if (remote.empty()) return link::kRemoteNone;
    const int code = remote.front();
    remote.pop_front();
    return code;
  }
  void Poll() override { ++polls; }
  bool Failed() const override { return failed; }
  std::string FailureText() const override { return failureText; }
  std::string PeerName() const override { return peerName; }
  bool MoveOverdue() const override { return overdue; }
  void WaitLonger() override {
    overdue = false;
    ++waits;
  }

  int openResult = link::kOpenOk;
  bool open = false;
  int openedPort = 0;
  int polls = 0;
  bool failed = false;
  std::string failureText;
  std::string peerName;
  bool overdue = false;
  int waits = 0;
  std::vector<std::tuple<int, int, int, int>> starts;
  std::vector<std::pair<int, int>> sent;
  std::deque<int> remote;
};

class LinkPlay : public ViewTest {
 protected:
  void StartWithLink() {
    auto scripted = std::make_unique<ScriptedLink>();
    link = scripted.get();
    nextLink = std::move(scripted);
    Start();
  }
  // A 9-line game: the user Black, the remote program White.
  void StartUserAgainstRemote() {
    StartWithLink();
    NewGame([](control::NewGameDialog& d) {
      d.sizeChoice = 2;
      d.white = kRemote;
    }, false);
  }
  ScriptedLink* link = nullptr;
};

TEST_F(LinkPlay, ASeriesAgainstTheRemoteProgramChangesColoursAndSavesEachGame) {
  StartWithLink();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.black = kComputer;
    d.white = kRemote;
    d.portChoice = 1;
    d.seriesText = "2";
  }, false);
  EXPECT_EQ(link->openedPort, 2);
  EXPECT_EQ(host.timers[1], 500);
  ASSERT_EQ(link->starts.size(), 1u);
  EXPECT_EQ(link->starts[0], std::make_tuple(9, 1, 1, 1));
  EXPECT_EQ(S().running, 1);
  EXPECT_FALSE(view->Query(control::kCmdNewGame).enabled);
  EXPECT_FALSE(view->Query(control::kCmdRecommendResign).enabled);

  engine->moves = {MoveCodeOf(4, 4), -1};
  Tick();  // the computer plays and the move goes over the link
  EXPECT_EQ(link->sent.back(), std::make_pair(5, 5));
  Tick();  // nothing from the remote program yet
  EXPECT_EQ(S().play.movesPlayed, 1);
  link->remote.push_back(303);  // x 3, y 3
  Tick();
  EXPECT_EQ(doc->GetMove(2), MoveCodeOf(2, 2));
  EXPECT_LT(view->Board().GetChain(2, 2), 0);
  Tick();  // the computer passes
  EXPECT_EQ(link->sent.back(), std::make_pair(0, 0));
  EXPECT_TRUE(host.messages.empty());  // no user to tell
  link->remote.push_back(link::kRemotePass);
  const int erased = host.erasingInvalidations;
  Tick();  // two passes: the first game is saved, the second starts
  EXPECT_GT(host.erasingInvalidations, erased) << "the next game's empty board is drawn";
  EXPECT_TRUE(std::filesystem::exists(Path("KAZ05311405.IG1")));
  ASSERT_EQ(link->starts.size(), 2u);
  EXPECT_EQ(link->starts[1], std::make_tuple(9, 1, 2, 2));
  EXPECT_EQ(S().blackPlayer, kRemote);
  EXPECT_EQ(S().whitePlayer, kComputer);
  EXPECT_EQ(S().play.movesPlayed, 0);
  EXPECT_EQ(S().running, 1);
  EXPECT_EQ(S().gamesPlayed, 1);

  link->remote = {link::kRemotePass};
  engine->moves = {-1};
  Tick();
  Tick();
  EXPECT_EQ(S().running, 0);
  EXPECT_EQ(S().blackPlayer, kUser);
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kSeriesDone)});
  CKazaoriDoc second;  // the same minute: a name of its own
  ASSERT_TRUE(second.ReadRecord(Path("KAZ05311405-2.IG1")));
  EXPECT_EQ(second.GetPlayer(1), kRemote);
  EXPECT_EQ(second.GetLastMoveNumber(), 2);
  EXPECT_GT(link->polls, 0);
}

TEST_F(LinkPlay, TheUserAgainstTheRemoteProgram) {
  StartUserAgainstRemote();
  Click(4, 4);
  EXPECT_EQ(link->sent.back(), std::make_pair(5, 5));
  EXPECT_FALSE(view->Query(control::kCmdBack1).enabled);
  view->OnRightButton(10, 10);  // no undo request over the link
  EXPECT_EQ(S().play.movesPlayed, 1);
  link->remote = {101};  // x 1, y 1
  Tick();
  EXPECT_EQ(doc->GetMove(2), MoveCodeOf(0, 0));
  Click(6, 6);
  link->remote = {link::kRemoteUndoBase - 2};  // the remote program takes two back
  Tick();
  EXPECT_EQ(S().play.movesPlayed, 1);
  EXPECT_EQ(view->Board().GetChain(0, 0), 0);
  EXPECT_EQ(S().play.sideToMove, -1);
  link->remote = {link::kRemoteResign};
  Tick();  // the remote program (White) resigns
  EXPECT_EQ(doc->GetResult(), 2);
  EXPECT_EQ(S().running, 0);
  EXPECT_EQ(host.messages.back(), msg::kThanks);
}

TEST_F(LinkPlay, ARemoteMoveTheBoardCannotTakeStopsTheGame) {
  StartUserAgainstRemote();
  Click(4, 4);
  link->remote = {505};  // on the stone just played
  Tick();
  EXPECT_EQ(S().play.movesPlayed, 1);
  EXPECT_EQ(S().running, 0);
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kRemoteMoveRefused)});
}

TEST_F(LinkPlay, APeerThatStopsAnsweringStopsTheGame) {
  StartUserAgainstRemote();
  link->failed = true;
  Tick();
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kNoAnswer)});
  EXPECT_EQ(S().running, 0);
  EXPECT_EQ(S().linkInUse, 0);
  EXPECT_FALSE(link->open);
  Tick(3);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(LinkPlay, APortThatDoesNotOpenLeavesTwoUsers) {
  auto scripted = std::make_unique<ScriptedLink>();
  scripted->openResult = link::kOpenDcbError;
  link = scripted.get();
  nextLink = std::move(scripted);
  Start();
  NewGame([](control::NewGameDialog& d) { d.black = kRemote; }, false);
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kModemDcbError)});
  EXPECT_EQ(S().blackPlayer, kUser);
  EXPECT_EQ(S().whitePlayer, kUser);
  EXPECT_EQ(host.timers[1], 1000);
  host.TakeMessages();
  NewGame([](control::NewGameDialog& d) {
    d.black = kRemote;
    d.white = kRemote;
  }, false);
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kBothRemote)});
  EXPECT_EQ(link->openedPort, 1);  // only the first attempt
}

TEST_F(LinkPlay, AGtpProgramsNameFailureAndSlowMoveReachTheUser) {
  StartWithLink();
  link->peerName = "GNU Go 3.8";
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.black = kRemote;
    d.white = kComputer;
    d.portChoice = 2;
  }, false);
  EXPECT_EQ(link->openedPort, link::kGtpPort);
  // The program's name on the panel and in the record.
  EXPECT_EQ(S().blackName, "GNU Go 3.8");
  EXPECT_EQ(S().whiteName, "");
  // The record's comment keeps the whole name, its name field six bytes.
  const auto comment = ReadStandardComment(doc->Record());
  ASSERT_TRUE(comment.has_value());
  EXPECT_EQ(comment->blackName, "GNU Go 3.8");
  EXPECT_EQ(comment->whiteName, "風織");
  EXPECT_EQ(doc->GetName(1), "GNU Go");
  link->remote = {505};
  Tick();
  EXPECT_EQ(S().play.movesPlayed, 1);
  Tick();  // the computer's answer
  // Overdue: the user waits on once, then stops; the record stays.
  link->overdue = true;
  host.Answer(control::kRemoteWaitDialog, 0);
  Tick();
  EXPECT_EQ(link->waits, 1);
  EXPECT_EQ(S().running, 1);
  link->overdue = true;
  host.Answer(control::kRemoteWaitDialog, 1);
  Tick();
  EXPECT_EQ(S().running, 0);
  EXPECT_FALSE(link->open);
  EXPECT_EQ(host.messages.back(), msg::kRemoteWaitStopped);
  EXPECT_EQ(doc->GetLastMoveNumber(), 2);
  const int shown = static_cast<int>(host.messages.size());

  // A failure the link can name is shown in place of the silent-peer text.
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.black = kComputer;
    d.white = kRemote;
    d.portChoice = 2;
  }, false);
  link->failed = true;
  link->failureText = "GTPプログラムが終了しました：gnugo";
  Tick();
  EXPECT_EQ(S().running, 0);
  ASSERT_GT(static_cast<int>(host.messages.size()), shown);
  EXPECT_EQ(host.messages.back(), "GTPプログラムが終了しました：gnugo");
  // And one that cannot open names itself too.
  link->failed = false;
  link->openResult = link::kOpenError;
  link->failureText = "GTPプログラムを起動できません：nothing";
  NewGame([](control::NewGameDialog& d) {
    d.black = kComputer;
    d.white = kRemote;
    d.portChoice = 2;
  }, false);
  EXPECT_EQ(host.messages.back(), "GTPプログラムを起動できません：nothing");
  // No game with the program: two users at an empty board.
  EXPECT_EQ(S().blackPlayer, kUser);
  EXPECT_EQ(S().whitePlayer, kUser);
  EXPECT_EQ(S().play.movesPlayed, 0);
}

}  // namespace
}  // namespace kz::test

namespace kz::test {
namespace {

TEST_F(LinkPlay, TheRemoteProgramsThinkingRunsOnItsOwnClock) {
  StartUserAgainstRemote();
  Click(4, 4);
  const int before = host.invalidations;
  Tick(5);  // the remote program thinks
  EXPECT_EQ(S().usedWhite, 5);
  EXPECT_GE(host.invalidations, before + 5) << "its clock is shown running";
  link->remote.push_back(303);  // C3
  Tick();
  ASSERT_EQ(S().play.movesPlayed, 2);
  EXPECT_EQ(S().usedWhite, 6);
  Tick(2);
  EXPECT_EQ(S().usedBlack, 2) << "the user is charged only the user's own time";
  EXPECT_EQ(S().usedWhite, 6);
}

}  // namespace
}  // namespace kz::test
