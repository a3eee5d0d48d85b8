// The view around the game: end-of-game marking, start-up with a record,
// the file commands with the save check and the standard comment, the
// settings across runs, clicks in every state, and commands that arrive
// while the computer thinks.
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>

#include "control/messages.h"
#include "game/record_replay.h"
#include "platform/shift_jis.h"
#include "records/standard_comment.h"
#include "support/board_diagram.h"
#include "view_fixture.h"

namespace kz::test {
namespace {

using control::kComputer;
using control::kUser;
namespace msg = control::msg;

// Plays the moves by clicks, Black first (two users at one board).
void PlayByClicks(ViewTest& t, std::initializer_list<int> moves) {
  for (int m : moves) t.Click(m / 100, m % 100);
}

class Lifecycle : public ViewTest {};

TEST_F(Lifecycle, EndOfGameMarkingTogglesChainsAndLeavingRestoresThePosition) {
  std::ofstream(Path("kazaori.ini")) << "[Init]\nRosu=9\n";
  Start();
  ASSERT_EQ(view->Board().GetSize(), 9);
  // Black walls off the left side, White the right; then White puts a
  // two-stone chain inside Black's side.
  std::vector<int> moves;
  for (int j = 0; j < 9; ++j) {
    moves.push_back(MoveCodeOf(3, j));
    moves.push_back(MoveCodeOf(5, j));
  }
  for (int m : moves) Click(m / 100, m % 100);
  PlayByClicks(*this, {MoveCodeOf(4, 0), MoveCodeOf(1, 3), MoveCodeOf(4, 1), MoveCodeOf(1, 4)});
  ASSERT_EQ(S().play.movesPlayed, 22);
  const std::string before = Diagram(view->Board());

  ASSERT_TRUE(view->OnCommand(control::kCmdEndOfGame));
  EXPECT_EQ(S().endOfGame, 1);
  EXPECT_TRUE(view->Query(control::kCmdEndOfGame).checked);
  EXPECT_FALSE(view->Query(control::kCmdPass).enabled);
  const bool proposedDead = view->Board().GetDead(1, 3) == 1;
  const BoardCounts c0 = ReadCounts(view->Board());
  const int total0 = view->Score().blackTotal;
  Click(1, 4);  // toggles the whole chain
  const BoardCounts c1 = ReadCounts(view->Board());
  EXPECT_EQ(view->Board().GetDead(1, 3), proposedDead ? 0 : 1);
  EXPECT_EQ(view->Board().GetDead(1, 4), proposedDead ? 0 : 1);
  // Dead, the chain is two prisoners and its side of the board (three
  // columns, the chain's points with them) Black's territory; alive, that
  // side is nobody's.
  const BoardCounts& dead = proposedDead ? c0 : c1;
  const BoardCounts& alive = proposedDead ? c1 : c0;
  EXPECT_EQ(dead.deadWhite, 2);
  EXPECT_EQ(alive.deadWhite, 0);
  EXPECT_EQ(dead.blackTerritory, 27);
  EXPECT_EQ(alive.blackTerritory, 0);
  EXPECT_EQ(dead.whiteTerritory, 27);
  EXPECT_EQ(alive.whiteTerritory, 27);
  EXPECT_EQ(std::abs(view->Score().blackTotal - total0), 29);
  Click(1, 3);  // and back
  const BoardCounts c2 = ReadCounts(view->Board());
  EXPECT_EQ(c2.deadWhite, c0.deadWhite);
  EXPECT_EQ(c2.blackTerritory, c0.blackTerritory);
  EXPECT_EQ(view->Score().blackTotal, total0);
  Click(0, 8);  // an empty point: nothing but a recount
  EXPECT_EQ(ReadCounts(view->Board()).deadWhite, c0.deadWhite);
  view->OnLeftButton(300, 5);  // outside: nothing in this mode
  EXPECT_EQ(S().play.movesPlayed, 22);
  EXPECT_FALSE(view->Score().resultText.empty());

  ASSERT_TRUE(view->OnCommand(control::kCmdEndOfGame));
  EXPECT_EQ(S().endOfGame, 0);
  EXPECT_EQ(Diagram(view->Board()), before);
  EXPECT_EQ(S().play.movesPlayed, 22);
  for (int i = 0; i < 9; ++i)
    for (int j = 0; j < 9; ++j) EXPECT_EQ(view->Board().GetDead(i, j), 0);
  EXPECT_EQ(view->Score().blackTotal, 0);
  EXPECT_EQ(S().resultText, "");
}

TEST_F(Lifecycle, StartUpWithARecordWithClocksAndTheComputerGoesOn) {
  {
    CKazaoriDoc writer;
    writer.SetAutosavePath(Path("other.IG1"));
    writer.StartRecord(9, 0, kUser, kComputer, 0, 0);
    writer.RecordMove(1, 4, 4);
    writer.StoreClocks(10, 30, 20);
    ASSERT_TRUE(writer.WriteRecord(Path("game.IG1"), false));
  }
  std::ofstream(Path("kazaori.ini")) << "[Init]\nRosu=19\n";
  Start(Path("game.IG1"));
  EXPECT_EQ(S().play.movesPlayed, 0);
  engine->moves = {MoveCodeOf(2, 2)};
  Tick();  // loads the record, and the computer (White) moves at once
  EXPECT_EQ(S().boardSize, 9);
  EXPECT_EQ(S().sizeChanged, 1);
  EXPECT_EQ(S().running, 1);
  EXPECT_EQ(S().whitePlayer, kComputer);
  EXPECT_EQ(S().timeLimit, 10);
  EXPECT_EQ(S().carriedBlack, 30);
  EXPECT_EQ(S().play.movesPlayed, 2);
  EXPECT_EQ(doc->GetMove(2), MoveCodeOf(2, 2));
  EXPECT_EQ(S().startupFile, "");
  EXPECT_EQ(view->RecentFiles()[0], Path("game.IG1"));
  Tick(5);  // the user's clock runs on from the stored value
  EXPECT_EQ(S().usedBlack, 35);
  Click(6, 6);
  EXPECT_EQ(S().play.movesPlayed, 3);
}

TEST_F(Lifecycle, StartUpNamesNoRecordOrAMissingOne) {
  EXPECT_EQ(control::StartupFileFromCommandLine("/E"), "");
  EXPECT_EQ(control::StartupFileFromCommandLine("-embedding"), "");
  EXPECT_EQ(control::StartupFileFromCommandLine(""), "");
  EXPECT_EQ(control::StartupFileFromCommandLine("-x.IG1"), "-x.IG1");
  Start(Path("missing.IG1"));
  Tick();
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kFileNotFound)});
  EXPECT_EQ(S().busy, 0);
  Click(3, 3);  // the program waits for the user as usual
  EXPECT_EQ(S().play.movesPlayed, 1);
}

// A save killed part way leaves a hidden temporary beside the autosave file
// (each a complete record); the next start removes those of earlier runs.
TEST_F(Lifecycle, StartUpRemovesStaleTemporariesOfKilledSaves) {
  const std::string record = "#COMMENT\r\nINT 19 0\r\nMOV\r\n -0\r\n";
  for (const char* name : {".kazaori-Ab12Cd", ".kazaori-q9w8e7", ".kazaori-newer0"})
    WriteBytes(Path(name), record);
  WriteBytes(Path(".kazaori-notes0"), "the user's own file");
  const std::time_t hourAgo = std::time(nullptr) - 3600;
  for (const char* name : {".kazaori-Ab12Cd", ".kazaori-q9w8e7", ".kazaori-notes0"}) {
    const timespec times[2] = {{hourAgo, 0}, {hourAgo, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, Path(name).c_str(), times, 0), 0);
  }
  Start();
  EXPECT_FALSE(std::filesystem::exists(Path(".kazaori-Ab12Cd")));
  EXPECT_FALSE(std::filesystem::exists(Path(".kazaori-q9w8e7")));
  EXPECT_TRUE(std::filesystem::exists(Path(".kazaori-newer0"))) << "written after the start";
  EXPECT_TRUE(std::filesystem::exists(Path(".kazaori-notes0"))) << "not a record";
}

TEST_F(Lifecycle, LongPathsFromTheCommandLineAndTheDesktopAreTakenWhole) {
  // A folder name of 40 Japanese characters: the path is far beyond 80
  // characters and 100 bytes, and none of it may be cut.
  std::string folder;
  for (int k = 0; k < 20; ++k) folder += "棋譜";
  const std::string dirPath = Path(folder + " 保存");
  std::filesystem::create_directory(dirPath);
  const std::string nine = dirPath + "/九路 の 対局.IG1";
  const std::string thirteen = dirPath + "/十三路.IG1";
  {
    CKazaoriDoc writer;
    writer.SetAutosavePath(Path("other.IG1"));
    writer.StartRecord(9, 0, kUser, kUser, 0, 0);
    writer.RecordMove(1, 4, 4);
    ASSERT_TRUE(writer.WriteRecord(nine, false));
    writer.StartRecord(13, 0, kUser, kUser, 0, 0);
    writer.RecordMove(1, 3, 3);
    writer.RecordMove(2, 9, 9);
    ASSERT_TRUE(writer.WriteRecord(thirteen, false));
  }
  Start(nine);
  EXPECT_EQ(S().startupFile, nine);
  Tick();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(S().boardSize, 9);
  EXPECT_EQ(view->RecentFiles()[0], nine);

  EXPECT_TRUE(view->OnOpenPath(thirteen));  // a file manager's request
  EXPECT_EQ(S().boardSize, 13);
  EXPECT_EQ(S().play.movesPlayed, 2);
  EXPECT_EQ(view->RecentFiles()[0], thirteen);  // the most recent first
  EXPECT_EQ(view->RecentFiles()[1], nine);

  // Longer than any path the system can open: the message, and the game on
  // the board stays as it was.
  const std::string tooLong = dirPath + "/" + std::string(5000, 'a') + ".IG1";
  EXPECT_FALSE(view->OnOpenPath(tooLong));
  EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kFileNotFound)});
  EXPECT_EQ(S().boardSize, 13);
  EXPECT_EQ(S().play.movesPlayed, 2);
  EXPECT_FALSE(view->OnOpenPath(""));
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(Lifecycle, SaveCheckBeforeANewGameAndAtTheEnd) {
  std::ofstream(Path("kazaori.ini")) << "[Options]\nSaveChk=1\n";
  Start();
  Click(3, 3);
  EXPECT_EQ(S().recordUnsaved, 1);
  host.Answer(control::kSaveCheckDialog, 0);
  host.AnswerFile(Path("first.IG1"));
  host.Answer(control::kNewGameDialog, 1);  // then cancel the new game
  ASSERT_TRUE(view->OnCommand(control::kCmdNewGame));
  EXPECT_EQ(host.fileDialogs.back().title, "棋譜の新規保存");
  EXPECT_EQ(host.fileDialogs.back().defaultExtension, "IG1");
  EXPECT_EQ(S().recordUnsaved, 0);
  CKazaoriDoc check;
  ASSERT_TRUE(check.ReadRecord(Path("first.IG1")));
  EXPECT_EQ(check.GetMove(1), MoveCodeOf(3, 3));
  EXPECT_EQ(S().play.movesPlayed, 1);  // cancelled: the game is as it was

  Click(4, 4);
  host.Answer(control::kSaveCheckDialog, 0);
  host.AnswerFile(Path("/no/such/dir/x.IG1"));
  Finish();
  EXPECT_EQ(host.fileDialogs.back().title, "棋譜ファイルの保存");
  EXPECT_EQ(host.messages.back(), msg::kSaveFailed);
  EXPECT_EQ(host.timers.count(1), 0u);
}

TEST_F(Lifecycle, SaveWithTheStandardComment) {
  std::ofstream(Path("kazaori.ini")) << "[Options]\nStanComm=1\n";
  Start();
  Click(3, 3);
  Click(5, 5);
  host.Answer(control::kStandardCommentDialog, 2);  // 棋譜保存取消
  ASSERT_TRUE(view->OnCommand(control::kCmdSave));
  EXPECT_TRUE(host.fileDialogs.empty());

  std::string proposedBlack, proposedDate;
  host.Answer(control::kStandardCommentDialog, 0, [&](platform::DialogModel& m) {
    auto& d = static_cast<control::StandardCommentDialog&>(m);
    proposedBlack = d.comment.blackName;
    proposedDate = d.comment.date;
    d.comment.place = "東京";
  });
  host.AnswerFile(Path("saved.IG1"));
  ASSERT_TRUE(view->OnCommand(control::kCmdSave));
  EXPECT_EQ(proposedBlack, "貴方");
  EXPECT_EQ(proposedDate, "2027年 5月31日");
  EXPECT_EQ(host.fileDialogs.back().title, "棋譜の保存");
  CKazaoriDoc check;
  ASSERT_TRUE(check.ReadRecord(Path("saved.IG1")));
  auto comment = ReadStandardComment(check.Record());
  ASSERT_TRUE(comment.has_value());
  EXPECT_EQ(comment->place, "東京");
  EXPECT_EQ(view->RecentFiles()[0], Path("saved.IG1"));

  // In the middle of the record the save asks first.
  ASSERT_TRUE(view->OnCommand(control::kCmdBack1));
  host.Answer(control::kStandardCommentDialog, 1);  // コメント取消: save without it
  host.AnswerFile(Path("midway.IG1"));
  host.Answer(control::kSaveMidwayDialog, 1);  // 保存しない
  ASSERT_TRUE(view->OnCommand(control::kCmdSave));
  EXPECT_FALSE(std::ifstream(Path("midway.IG1")).good());
}

TEST_F(Lifecycle, OpenReadsARecordAndShowsItsComment) {
  {
    CKazaoriDoc writer;
    writer.SetAutosavePath(Path("other.IG1"));
    writer.StartRecord(13, 2, kUser, kUser, 0, 0);
    writer.RecordMove(1, 3, 3);
    StandardComment c;
    c.blackName = "黒田";
    c.whiteName = "白石";
    writer.SetStandardComment(c);
    ASSERT_TRUE(writer.WriteRecord(Path("c.IG1"), false));
  }
  std::ofstream(Path("kazaori.ini")) << "[Options]\nDispComm=1\n";
  Start();
  host.AnswerFile(Path("c.IG1"));
  host.Answer(control::kCommentDialog, 0);
  ASSERT_TRUE(view->OnCommand(control::kCmdOpen));
  EXPECT_EQ(host.fileDialogs.back().title, "棋譜の読み込み");
  EXPECT_EQ(host.fileDialogs.back().filter,
            "棋譜ファイル (*.ig1 *.sgf) | *.ig1;*.sgf | SGF ファイル (*.sgf) | *.sgf | "
            "すべてのファイル (*.*) | *.* ||");
  EXPECT_EQ(host.dialogs.back(), control::kCommentDialog);
  EXPECT_EQ(S().boardSize, 13);
  EXPECT_EQ(S().play.handicap, 2);
  EXPECT_EQ(S().play.movesPlayed, 1);
  EXPECT_EQ(S().play.sideToMove, 1);  // White moved first in a handicap game
  EXPECT_EQ(S().blackName, "黒田");
  EXPECT_EQ(S().running, 0);
  host.AnswerFile(Path("none.IG1"));
  ASSERT_TRUE(view->OnCommand(control::kCmdOpen));
  EXPECT_EQ(host.messages.back(), msg::kFileNotFound);
  EXPECT_EQ(S().boardSize, 13);
}

TEST_F(Lifecycle, SettingsAreWrittenAtTheEndAndReadAtTheNextStart) {
  Start();  // no settings file: the defaults
  EXPECT_EQ(view->Options(), display::Settings{});
  EXPECT_EQ(S().boardSize, 19);
  EXPECT_FALSE(S().customFont);
  EXPECT_EQ(S().fontSize, 12);  // the system font is 13 pixels high
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 1;
    d.handicapText = "三子局";
    d.faster = true;
  }, false);
  for (int id : {control::kCmdStyleBrownLarge, control::kCmdWhiteNear, control::kCmdFont16,
                 control::kCmdMoveNumbers, control::kCmdDeadStones, control::kCmdMoveErrors,
                 control::kCmdSaveCheck, control::kCmdStandardComment, control::kCmdCommentOnRead,
                 control::kCmdOutSgf}) {
    ASSERT_TRUE(view->OnCommand(id)) << id;
  }
  host.AnswerFile("/snd/open.wav");
  ASSERT_TRUE(view->OnCommand(control::kCmdSoundOpening));
  host.AnswerFile("/snd/end.wav");
  ASSERT_TRUE(view->OnCommand(control::kCmdSoundEnding));
  EXPECT_TRUE(view->Query(control::kCmdSoundEnding).checked);
  EXPECT_FALSE(view->Query(control::kCmdSoundMove).checked);
  const display::Settings chosen = view->Options();
  host.sounds.clear();
  Finish();
  EXPECT_EQ(host.sounds, std::vector<std::string>{"/snd/end.wav sync"});

  platform::ProfileFile file(Path("kazaori.ini"));
  display::Settings read = display::ReadSettings(file);
  EXPECT_EQ(read.boardSize, 13);
  EXPECT_EQ(read.handicap, 3);
  EXPECT_EQ(read.boardStyle, 2);
  EXPECT_EQ(read.orientation, -1);
  EXPECT_EQ(read.fontSize, 16);
  EXPECT_EQ(read.fasterMoves, 1);
  EXPECT_EQ(read.showMoveErrors, 0);
  EXPECT_EQ(read.alsoWriteSgf, 1);
  EXPECT_EQ(read.wav[0], "/snd/open.wav");
  for (const char* key : {"Rosu", "Okiishi", "Rule"}) EXPECT_NE(file.GetInt("Init", key, -99), -99);
  for (const char* key : {"Goban", "GobanWay", "FontSize", "DispNo", "DispDead", "DispError",
                          "SaveChk", "ThinkSpeed", "StanComm", "DispComm", "OutSgf"})
    EXPECT_NE(file.GetInt("Options", key, -99), -99) << key;
  EXPECT_EQ(file.GetString("Options", "ChakuWav", "unset"), "");

  host.sounds.clear();
  Start();
  EXPECT_EQ(host.sounds, std::vector<std::string>{"/snd/open.wav sync"});
  display::Settings again = view->Options();
  EXPECT_EQ(again.boardStyle, chosen.boardStyle);
  EXPECT_EQ(again.wav, chosen.wav);
  EXPECT_EQ(S().boardSize, 13);
  EXPECT_EQ(S().play.handicap, 3);
  EXPECT_TRUE(S().customFont);
  EXPECT_EQ(S().fontSize, 16);
  EXPECT_EQ(S().play.rule, 0);
}

TEST_F(Lifecycle, OptionCommandsChangeOnlyWhatTheyName) {
  Start();
  ASSERT_TRUE(view->OnCommand(control::kCmdFont12));
  EXPECT_EQ(S().sizeChanged, 1);
  view->ClearSizeChanged();
  ASSERT_TRUE(view->OnCommand(control::kCmdFont12));  // already so: nothing
  EXPECT_EQ(S().sizeChanged, 0);
  ASSERT_TRUE(view->OnCommand(control::kCmdSystemFont));
  EXPECT_FALSE(S().customFont);
  EXPECT_EQ(S().sizeChanged, 1);
  view->ClearSizeChanged();
  ASSERT_TRUE(view->OnCommand(control::kCmdSystemFont));
  EXPECT_EQ(S().sizeChanged, 0);
  ASSERT_TRUE(view->OnCommand(control::kCmdStyleBrown));
  EXPECT_EQ(S().previousBoardStyle, 0);
  EXPECT_TRUE(view->Query(control::kCmdStyleBrown).checked);
  EXPECT_FALSE(view->OnCommand(control::kCmdDebugStoneValues));  // no debug mode
  EXPECT_FALSE(view->OnCommand(control::kCmdToolBar));            // the window's
  ASSERT_TRUE(view->OnCommand(control::kCmdAbout));
  EXPECT_EQ(host.dialogs.back(), control::kAboutDialog);
}

TEST_F(Lifecycle, ClicksAnywhereInAnyStateLeaveTheGameConsistent) {
  Start();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.white = kComputer;
  });
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-50, 900);
  std::uniform_int_distribution<int> action(0, 9);
  for (int n = 0; n < 3000; ++n) {
    const int a = action(random);
    const int x = coordinate(random), y = coordinate(random);
    if (a < 5) {
      view->OnLeftButton(x, y);
    } else if (a == 5) {
      view->OnRightButton(x, y);
    } else if (a == 6) {
      engine->moves.push_back(MoveCodeOf(x % 9 < 0 ? 0 : x % 9, y % 9 < 0 ? 0 : y % 9));
      Tick();
    } else if (a == 7) {
      view->OnCommand(n % 2 ? control::kCmdEndOfGame : control::kCmdPause);
    } else if (a == 8) {
      view->OnCommand(control::kCmdBack10);
    } else {
      view->OnCommand(control::kCmdStyleBrownLarge + 0 * x);
      view->OnCommand(y % 2 ? control::kCmdWhiteNear : control::kCmdBlackNear);
    }
    const control::GameState& s = S();
    ASSERT_TRUE(s.play.sideToMove == 1 || s.play.sideToMove == -1);
    ASSERT_GE(s.play.movesPlayed, 0);
    ASSERT_LE(s.play.movesPlayed, 570);
    ASSERT_EQ(s.busy, 0);
    for (int k = 1; k <= s.play.movesPlayed; ++k) {
      const int m = doc->GetMove(k);
      ASSERT_TRUE(m == -101 || (m >= 0 && OnBoard(9, m / 100, m % 100))) << k << " " << m;
    }
  }
  // Whatever happened, the record rebuilds to the position on the board.
  if (!S().endOfGame) {
    PlaneBoard replay;
    ReplayRecord(replay, doc->Record(), S().play.movesPlayed);
    EXPECT_EQ(Diagram(replay), Diagram(view->Board()));
  }
}

TEST_F(Lifecycle, CommandsDuringThinkingAreRefusedOrLeaveTheGameAlone) {
  Start();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.black = kComputer;
    d.white = kComputer;
  }, false);
  engine->real = true;
  engine->pumps = 0;
  int deliveries = 0;
  std::function<void()> meddle = [&] {
    ++deliveries;
    EXPECT_EQ(S().busy == control::kThinking || S().busy == control::kPausedThinking, true);
    const int moves = S().play.movesPlayed;
    host.clock.Advance(1);
    view->OnTick();  // only the clock
    EXPECT_FALSE(view->OnCommand(control::kCmdNewGame));
    EXPECT_FALSE(view->OnCommand(control::kCmdBack1));
    EXPECT_FALSE(view->OnCommand(control::kCmdResign));
    EXPECT_FALSE(view->OnCommand(control::kCmdEndOfGame));
    EXPECT_FALSE(view->OnCommand(control::kCmdOpen));
    EXPECT_TRUE(view->OnCommand(control::kCmdMoveNumbers));
    view->OnCommand(control::kCmdRecent1);
    view->OnLeftButton(20 + 4 * 21, 20 + 4 * 21);
    view->OnRightButton(30, 30);
    EXPECT_EQ(S().play.movesPlayed, moves);
    // Pause and resume are allowed: they only stop the clocks.
    EXPECT_TRUE(view->OnCommand(control::kCmdPause));
    EXPECT_EQ(S().busy, control::kPausedThinking);
    EXPECT_TRUE(view->OnCommand(control::kCmdPause));
    EXPECT_EQ(S().busy, control::kThinking);
  };
  for (int n = 0; n < 200 && S().running; ++n) {
    for (int k = 0; k < 3; ++k) host.Post(meddle);
    Tick();
    host.pending.clear();
    for (int k = 1; k <= S().play.movesPlayed; ++k) ASSERT_NE(doc->GetMove(k), -1);
    ASSERT_EQ(doc->GetMove(S().play.movesPlayed + 1), -1);
  }
  EXPECT_GT(host.pumped, 0);
  EXPECT_GT(deliveries, 0);
  EXPECT_EQ(S().running, 0);
  EXPECT_EQ(S().blackPlayer, kUser);
  EXPECT_EQ(host.CountMessage(msg::kGameOver), 1);
  EXPECT_EQ(S().play.consecutivePasses, 2);
}

}  // namespace
}  // namespace kz::test
