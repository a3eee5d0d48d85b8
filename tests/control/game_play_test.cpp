// Games played through the view on a FakeHost: ticks, clicks and commands
// in the order a user gives them, with the state, texts and sounds checked.
#include <fstream>

#include "control/messages.h"
#include "view_fixture.h"

namespace kz::test {
namespace {

using control::kComputer;
using control::kUser;
namespace msg = control::msg;

class GamePlay : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    std::ofstream(Path("kazaori.ini")) << "[Options]\nOpenWav=open.wav\nChakuWav=move.wav\n"
                                          "EndWav=end.wav\nAlarmWav=warn.wav\n";
  }
  int Sounds(const std::string& entry) const {
    return static_cast<int>(std::count(host.sounds.begin(), host.sounds.end(), entry));
  }
};

TEST_F(GamePlay, NineLineGameAgainstTheComputerToTwoPasses) {
  Start();
  EXPECT_EQ(host.sounds, std::vector<std::string>{"open.wav sync"});
  EXPECT_EQ(host.timers[1], 1000);
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.black = kUser;
    d.white = kComputer;
  });
  EXPECT_EQ(host.dialogs, (std::vector<int>{108, 185}));
  EXPECT_EQ(S().boardSize, 9);
  EXPECT_EQ(S().sizeChanged, 1);
  EXPECT_EQ(S().running, 1);
  EXPECT_EQ(S().play.sideToMove, 1);

  engine->moves = {MoveCodeOf(6, 2), MoveCodeOf(2, 6), -1};
  Click(2, 2);
  EXPECT_EQ(S().play.movesPlayed, 1);
  EXPECT_EQ(doc->GetMove(1), MoveCodeOf(2, 2));
  EXPECT_EQ(host.sounds.back(), "move.wav async");
  Click(3, 3);  // not the user's turn: nothing
  EXPECT_EQ(S().play.movesPlayed, 1);
  Tick();
  EXPECT_EQ(S().play.movesPlayed, 2);
  EXPECT_EQ(doc->GetMove(2), MoveCodeOf(6, 2));
  EXPECT_EQ(view->Board().GetChain(6, 2) < 0, true);
  EXPECT_EQ(S().play.lastMove, MoveCodeOf(6, 2));
  Click(6, 6);
  Tick();
  Click(4, 4);
  host.sounds.clear();
  Tick();  // the computer passes
  EXPECT_EQ(S().play.movesPlayed, 6);
  EXPECT_EQ(doc->GetMove(6), -101);
  EXPECT_EQ(S().play.consecutivePasses, 1);
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kWhitePassed)});
  EXPECT_EQ(host.sounds, std::vector<std::string>{"warn.wav async"});
  host.TakeMessages();

  host.Answer(control::kPassDialog, 0);
  ASSERT_TRUE(view->OnCommand(control::kCmdPass));
  EXPECT_EQ(S().play.movesPlayed, 7);
  EXPECT_EQ(doc->GetMove(7), -101);
  EXPECT_EQ(S().running, 0);
  EXPECT_EQ(S().blackPlayer, kUser);
  EXPECT_EQ(S().whitePlayer, kUser);
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kGameOver)});
  EXPECT_EQ(S().recordUnsaved, 1);
  EXPECT_EQ(engine->requests, 3);
  Tick(3);  // nobody moves any more
  EXPECT_EQ(engine->requests, 3);
  EXPECT_EQ(S().play.movesPlayed, 7);
}

TEST_F(GamePlay, AnIllegalClickWarnsAndTheMessageFollowsItsOption) {
  Start();
  Click(4, 4);
  host.sounds.clear();
  Click(4, 4);
  EXPECT_EQ(host.sounds, std::vector<std::string>{"warn.wav async"});
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], RefusalMessage(kOccupied));
  ASSERT_TRUE(view->OnCommand(control::kCmdMoveErrors));
  Click(4, 4);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(Sounds("warn.wav async"), 2);
  EXPECT_EQ(S().play.movesPlayed, 1);
}

TEST_F(GamePlay, ClocksPauseAndTimeOutWarnOncePerSide) {
  Start();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.timeLimitText = "1";
  }, false);
  EXPECT_EQ(S().running, 1);
  Tick(30);
  EXPECT_EQ(S().usedBlack, 30);
  ASSERT_TRUE(view->OnCommand(control::kCmdPause));
  EXPECT_EQ(S().paused, 1);
  Tick(30);  // paused: the clock stands
  EXPECT_EQ(S().usedBlack, 30);
  Click(1, 1);  // and the board does not take moves
  EXPECT_EQ(S().play.movesPlayed, 0);
  ASSERT_TRUE(view->OnCommand(control::kCmdPause));
  EXPECT_EQ(S().paused, 0);
  Tick(30);
  EXPECT_EQ(S().usedBlack, 60);
  EXPECT_TRUE(host.messages.empty());
  Tick();
  EXPECT_EQ(S().usedBlack, 61);
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kBlackTimeUp)});
  Tick(20);
  EXPECT_EQ(host.CountMessage(msg::kBlackTimeUp), 1);
  Click(2, 2);  // the game goes on
  EXPECT_EQ(S().play.movesPlayed, 1);
  Tick(61);
  EXPECT_EQ(S().usedWhite, 61);
  EXPECT_EQ(host.CountMessage(msg::kWhiteTimeUp), 1);
  Click(3, 3);
  Tick(30);
  EXPECT_EQ(host.CountMessage(msg::kBlackTimeUp), 1);
  EXPECT_EQ(host.CountMessage(msg::kWhiteTimeUp), 1);
  EXPECT_EQ(S().usedBlack, 111);
  // The clocks go with the record.
  EXPECT_EQ(doc->GetTimeUsed(1), 81u);
  EXPECT_EQ(doc->GetTimeUsed(-1), 61u);
}

TEST_F(GamePlay, UndoRequestAgainstTheComputer) {
  Start();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.white = kComputer;
  });
  engine->moves = {MoveCodeOf(6, 2), MoveCodeOf(6, 6)};
  Click(2, 2);
  Tick();
  Click(2, 6);
  Tick();
  ASSERT_EQ(S().play.movesPlayed, 4);
  EXPECT_TRUE(view->Query(control::kCmdBack1).enabled);
  EXPECT_FALSE(view->Query(control::kCmdBack10).enabled);

  host.sounds.clear();
  host.Answer(control::kUndoRequestDialog, 1);  // "や～めた"
  ASSERT_TRUE(view->OnCommand(control::kCmdBack1));
  EXPECT_EQ(host.sounds, std::vector<std::string>{"warn.wav async"});
  EXPECT_EQ(S().play.movesPlayed, 4);
  ASSERT_TRUE(view->OnCommand(control::kCmdBack1));  // closed: nothing either
  EXPECT_EQ(S().play.movesPlayed, 4);

  host.Answer(control::kUndoRequestDialog, 0);  // "お願い"
  view->OnRightButton(100, 100);
  EXPECT_EQ(S().play.movesPlayed, 2);
  EXPECT_EQ(S().play.sideToMove, 1);
  EXPECT_EQ(view->Board().GetChain(2, 6), 0);
  EXPECT_EQ(view->Board().GetChain(6, 6), 0);
  EXPECT_NE(view->Board().GetChain(6, 2), 0);
  EXPECT_EQ(S().running, 1);  // the game goes on from there
  engine->moves = {MoveCodeOf(5, 5)};
  Click(3, 6);
  Tick();
  EXPECT_EQ(doc->GetMove(3), MoveCodeOf(3, 6));
  EXPECT_EQ(doc->GetMove(4), MoveCodeOf(5, 5));
}

TEST_F(GamePlay, StepBackWithoutTheComputerAsksNothing) {
  Start();
  Click(2, 2);
  Click(3, 3);
  ASSERT_TRUE(view->OnCommand(control::kCmdBack1));
  EXPECT_EQ(S().play.movesPlayed, 1);
  EXPECT_TRUE(host.dialogs.empty());
  ASSERT_TRUE(view->OnCommand(control::kCmdForward1));
  EXPECT_EQ(S().play.movesPlayed, 2);
  EXPECT_EQ(host.sounds.back(), "move.wav async");
  ASSERT_TRUE(view->OnCommand(control::kCmdForward1));  // at the end
  EXPECT_EQ(S().play.movesPlayed, 2);
  EXPECT_EQ(S().play.lastMove, -1);
  ASSERT_TRUE(view->OnCommand(control::kCmdBack10));
  EXPECT_EQ(S().play.movesPlayed, 0);
  EXPECT_FALSE(view->Query(control::kCmdFirst).enabled);
  // A click outside the grid steps forward one entry.
  view->OnLeftButton(5, 5);
  EXPECT_EQ(S().play.movesPlayed, 1);
  EXPECT_NE(view->Board().GetChain(2, 2), 0);
  ASSERT_TRUE(view->OnCommand(control::kCmdLast));
  EXPECT_EQ(S().play.movesPlayed, 2);
}

TEST_F(GamePlay, PassAndResignationByTheUser) {
  Start();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.white = kComputer;
  });
  host.Answer(control::kPassDialog, 1);  // 取り消し
  ASSERT_TRUE(view->OnCommand(control::kCmdPass));
  EXPECT_EQ(S().play.movesPlayed, 0);
  host.Answer(control::kPassDialog, 0);
  ASSERT_TRUE(view->OnCommand(control::kCmdPass));
  EXPECT_EQ(S().play.movesPlayed, 1);
  EXPECT_EQ(S().play.consecutivePasses, 1);
  EXPECT_EQ(S().running, 1);
  engine->moves = {MoveCodeOf(4, 4)};
  Tick();
  EXPECT_EQ(S().play.consecutivePasses, 0);

  host.sounds.clear();
  host.Answer(control::kResignDialog, 0);
  ASSERT_TRUE(view->OnCommand(control::kCmdResign));
  EXPECT_EQ(host.sounds, std::vector<std::string>{"warn.wav async"});
  EXPECT_EQ(doc->GetResult(), 1);  // Black resigned
  EXPECT_EQ(S().resultDisplay, 1);
  EXPECT_EQ(S().running, 0);
  EXPECT_EQ(S().whitePlayer, kUser);
  EXPECT_EQ(S().resultText, "白中押し勝ち");
  EXPECT_EQ(host.messages.back(), msg::kThanks);
}

TEST_F(GamePlay, ResignationRecommendedToTheComputer) {
  Start();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.white = kComputer;
  });
  Click(4, 4);
  engine->moves = {MoveCodeOf(2, 2)};
  Tick();
  host.Answer(control::kRecommendResignDialog, 0);
  ASSERT_TRUE(view->OnCommand(control::kCmdRecommendResign));
  EXPECT_EQ(S().play.movesPlayed, 3);
  EXPECT_EQ(doc->GetMove(3), -101);
  EXPECT_EQ(S().play.sideToMove, 1);  // no flip
  EXPECT_EQ(doc->GetResult(), 2);     // White, the computer, resigned
  EXPECT_EQ(S().resultDisplay, 2);
  EXPECT_EQ(S().resultText, "黒中押し勝ち");
  EXPECT_EQ(S().running, 0);
  EXPECT_EQ(host.messages.back(), msg::kThanks);
}

// Moves for a long game on 19 lines without captures: Black fills the top
// rows, White the bottom rows.
int LongGameMove(int n, int colour) {
  const int i = n % 19, row = n / 19;
  return colour == 1 ? MoveCodeOf(i, row) : MoveCodeOf(i, 18 - row);
}

TEST_F(GamePlay, TheComputerOffersToResignOnlyAfterItsCheckMove) {
  Start();
  NewGame([](control::NewGameDialog& d) { d.white = kComputer; });
  ASSERT_EQ(S().boardSize, 19);
  engine->blackArea = 300;  // the computer (White) is far behind
  for (int n = 0; n < 90; ++n) engine->moves.push_back(LongGameMove(n, -1));
  int firstOffer = -1;
  for (int n = 0; n < 80 && S().running; ++n) {
    Click(LongGameMove(n, 1) / 100, LongGameMove(n, 1) % 100);
    ASSERT_EQ(S().play.sideToMove, -1) << n;
    const auto before = host.dialogs.size();
    if (S().play.movesPlayed > 120 && firstOffer < 0) {
      host.Answer(control::kComputerResignDialog, 1);  // "ダメ"
    } else if (S().play.movesPlayed > 157) {
      host.Answer(control::kComputerResignDialog, 0);  // "いいよ"
    }
    Tick();
    if (host.dialogs.size() > before) {
      EXPECT_EQ(host.dialogs.back(), 153);
      if (firstOffer < 0) {
        firstOffer = S().play.movesPlayed;
        EXPECT_EQ(firstOffer, 122);  // offered at 121, refused, then it moved
        EXPECT_EQ(S().resignCheckMove, 121 + 36);
      } else {
        EXPECT_EQ(doc->GetMove(160), -1);  // resigned at 159 without moving
        break;
      }
    }
  }
  EXPECT_EQ(S().play.movesPlayed, 159);
  EXPECT_EQ(S().running, 0);
  EXPECT_EQ(doc->GetResult(), 2);
  EXPECT_EQ(S().resultDisplay, 2);
  EXPECT_EQ(host.CountMessage(msg::kThanks), 0);
  EXPECT_EQ(std::count(host.dialogs.begin(), host.dialogs.end(), 153), 2);
}

TEST_F(GamePlay, GoToMoveBeyondTheRecordGoesToItsEnd) {
  Start();
  Click(2, 2);
  Click(3, 3);
  Click(4, 4);
  host.Answer(control::kGoToMoveDialog, 0,
              [](platform::DialogModel& m) { static_cast<control::NumberDialog&>(m).text = "10"; });
  ASSERT_TRUE(view->OnCommand(control::kCmdGoToMove));
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kBeyondRecord)});
  EXPECT_EQ(host.sounds.back(), "warn.wav async");
  EXPECT_EQ(S().play.movesPlayed, 3);
  host.Answer(control::kGoToMoveDialog, 0,
              [](platform::DialogModel& m) { static_cast<control::NumberDialog&>(m).text = "0"; });
  ASSERT_TRUE(view->OnCommand(control::kCmdGoToMove));
  EXPECT_EQ(S().play.movesPlayed, 0);
  EXPECT_EQ(view->Board().GetChain(2, 2), 0);
  host.Answer(control::kGoToMoveDialog, 0,
              [](platform::DialogModel& m) { static_cast<control::NumberDialog&>(m).text = "571"; });
  ASSERT_TRUE(view->OnCommand(control::kCmdGoToMove));  // refused by the range check
  EXPECT_EQ(S().play.movesPlayed, 0);
}

TEST_F(GamePlay, AutomaticReplayToTheEnd) {
  Start();
  for (int k = 0; k < 6; ++k) Click(k, k % 2);
  ASSERT_TRUE(view->OnCommand(control::kCmdFirst));
  ASSERT_EQ(S().play.movesPlayed, 1);
  host.Answer(control::kReplaySpeedDialog, 0,
              [](platform::DialogModel& m) { static_cast<control::NumberDialog&>(m).text = "2"; });
  ASSERT_TRUE(view->OnCommand(control::kCmdAutoReplay));
  EXPECT_EQ(S().autoReplay, control::kReplayOn);
  EXPECT_FALSE(view->Query(control::kCmdNewGame).enabled);
  EXPECT_TRUE(view->Query(control::kCmdPause).enabled);
  host.sounds.clear();
  Tick();
  EXPECT_EQ(S().play.movesPlayed, 1);
  Tick();
  EXPECT_EQ(S().play.movesPlayed, 2);
  Click(8, 8);  // clicks do nothing during the replay
  EXPECT_EQ(S().play.movesPlayed, 2);
  Tick(8);
  EXPECT_EQ(S().play.movesPlayed, 6);
  EXPECT_EQ(S().autoReplay, control::kReplayOff);
  EXPECT_EQ(Sounds("move.wav async"), 5);
  host.Answer(control::kReplaySpeedDialog, 0);
  ASSERT_TRUE(view->OnCommand(control::kCmdAutoReplay));
  EXPECT_EQ(host.messages.back(), msg::kReplayAtEnd);
  EXPECT_EQ(S().autoReplay, control::kReplayOff);
}

TEST_F(GamePlay, TheRecordStopsCleanlyAtFiveHundredSeventyMoves) {
  Start();
  for (int k = 0; k < 570; ++k) {
    host.Answer(control::kPassDialog, 0);
    view->OnCommand(control::kCmdPass);
  }
  ASSERT_EQ(S().play.movesPlayed, 570);
  EXPECT_TRUE(host.messages.empty());
  host.Answer(control::kPassDialog, 0);
  view->OnCommand(control::kCmdPass);
  EXPECT_EQ(S().play.movesPlayed, 570);
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kRecordFull)});
  Click(4, 4);
  EXPECT_EQ(S().play.movesPlayed, 570);
  EXPECT_EQ(view->Board().GetChain(4, 4), 0);
  EXPECT_EQ(doc->GetLastMoveNumber(), 570);
  ASSERT_TRUE(view->OnCommand(control::kCmdFirst));
  ASSERT_TRUE(view->OnCommand(control::kCmdLast));
  EXPECT_EQ(S().play.movesPlayed, 570);
}

TEST_F(GamePlay, NewGameConditions) {
  Start();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.handicapText = "二子局";
  }, false);
  EXPECT_EQ(S().play.handicap, 2);
  EXPECT_EQ(S().play.sideToMove, -1);  // White first
  EXPECT_EQ(S().resignCheckMove, 27);
  int stones = 0;
  for (int i = 0; i < 9; ++i)
    for (int j = 0; j < 9; ++j) stones += view->Board().GetChain(i, j) > 0;
  EXPECT_EQ(stones, 2);
  EXPECT_EQ(doc->GetHandicap(), 2);

  // A handicap text that is none of the list keeps the handicap.
  NewGame([](control::NewGameDialog& d) { d.handicapText = "十子局"; }, false);
  EXPECT_EQ(S().play.handicap, 2);
  NewGame([](control::NewGameDialog& d) { d.handicapText = "先"; }, false);
  EXPECT_EQ(S().play.handicap, 1);
  EXPECT_EQ(S().play.sideToMove, 1);
  EXPECT_EQ(view->Board().GetChain(3, 3) + view->Board().GetChain(5, 5), 0);

  // 1441 minutes: the dialog refuses it and nothing changes.
  host.Answer(control::kNewGameDialog, 0, [](platform::DialogModel& m) {
    static_cast<control::NewGameDialog&>(m).timeLimitText = "1441";
  });
  ASSERT_TRUE(view->OnCommand(control::kCmdNewGame));
  EXPECT_EQ(S().timeLimit, 0);
  EXPECT_EQ(S().play.handicap, 1);

  // The greeting closed without its button: set up, but not running.
  host.Answer(control::kNewGameDialog, 0, [](platform::DialogModel& m) {
    static_cast<control::NewGameDialog&>(m).white = kComputer;
  });
  ASSERT_TRUE(view->OnCommand(control::kCmdNewGame));
  EXPECT_EQ(host.dialogs.back(), control::kGreetingDialog);
  EXPECT_EQ(S().running, 0);
  EXPECT_EQ(S().whitePlayer, kComputer);
  engine->moves = {MoveCodeOf(3, 3)};
  Click(4, 4);
  Tick(2);
  EXPECT_EQ(engine->requests, 0);  // the computer does not move
  // The new-game dialog offers the last conditions again, with one game and
  // faster moves unchecked.
  host.Answer(control::kNewGameDialog, 1, [](platform::DialogModel& m) {
    auto& d = static_cast<control::NewGameDialog&>(m);
    EXPECT_EQ(d.sizeChoice, 2);
    EXPECT_EQ(d.white, kComputer);
    EXPECT_EQ(d.handicapText, "先");
    EXPECT_EQ(d.seriesText, "1");
    EXPECT_FALSE(d.faster);
  });
  ASSERT_TRUE(view->OnCommand(control::kCmdNewGame));
}

TEST_F(GamePlay, AHandicapGameAgainstTheComputerStartsWithItsMove) {
  Start();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 1;
    d.handicapText = "四子局";
    d.black = kUser;
    d.white = kComputer;
  });
  engine->moves = {MoveCodeOf(6, 6)};
  Tick();
  EXPECT_EQ(doc->GetMove(1), MoveCodeOf(6, 6));
  EXPECT_EQ(S().play.sideToMove, 1);
  EXPECT_EQ(S().resignCheckMove, 56);
}

TEST_F(GamePlay, ATimerThatCannotBeMadeStopsTheView) {
  host.failTimers = true;
  doc = std::make_unique<CKazaoriDoc>();
  control::ViewParts parts;
  parts.iniPath = Path("kazaori.ini");
  parts.link = std::make_unique<link::NullLink>();
  control::CKazaoriView v(host, *doc, std::move(parts));
  EXPECT_FALSE(v.OnCreate());
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kTimerError)});
}

}  // namespace
}  // namespace kz::test
