#include "display/settings.h"

#include <gtest/gtest.h>

#include <fstream>

#include "display/sounds.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace kz::display {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  std::string path_ = dir_ / "kazaori.ini";
};

TEST_F(SettingsTest, AFreshStartGivesTheDefaults) {
  platform::ProfileFile file(path_);
  Settings s = ReadSettings(file);
  EXPECT_EQ(s.boardSize, 19);
  EXPECT_EQ(s.handicap, 0);
  EXPECT_EQ(s.rule, 0);
  EXPECT_EQ(s.boardStyle, 0);
  EXPECT_EQ(s.orientation, 1);
  EXPECT_EQ(s.fontSize, 0);
  EXPECT_EQ(s.showMoveErrors, 1);
  EXPECT_EQ(s.showMoveNumbers + s.showDeadStones + s.confirmSaving + s.fasterMoves +
                s.standardComment + s.showCommentOnRead + s.alsoWriteSgf,
            0);
  for (const auto& w : s.wav) EXPECT_EQ(w, "");
  for (const auto& r : s.recentFiles) EXPECT_EQ(r, "");
  EXPECT_EQ(s, Settings{});
}

TEST_F(SettingsTest, EveryKeyIsWrittenAndReadBack) {
  Settings s;
  s.boardSize = 9;
  s.handicap = 4;
  s.rule = 1;
  s.boardStyle = 2;
  s.orientation = -1;
  s.wav = {"/snd/open.wav", "/snd/move.wav", "/snd/end.wav", "/snd/alarm.wav"};
  s.fontSize = 16;
  s.showMoveNumbers = 1;
  s.showDeadStones = 1;
  s.showMoveErrors = 0;
  s.confirmSaving = 1;
  s.fasterMoves = 1;
  s.standardComment = 1;
  s.showCommentOnRead = 1;
  s.alsoWriteSgf = 1;
  s.recentFiles = {"/a.IG1", "/b.IG1", "", "/d.IG1"};
  {
    platform::ProfileFile file(path_);
    ASSERT_TRUE(WriteSettings(file, s));
    ASSERT_TRUE(WriteRecentFiles(file, s.recentFiles));
  }
  platform::ProfileFile file(path_);
  EXPECT_EQ(ReadSettings(file), s);
  // The keys are the ones other tools and older files use.
  EXPECT_EQ(file.GetInt("Init", "Rosu", 0), 9);
  EXPECT_EQ(file.GetInt("Init", "Okiishi", 0), 4);
  EXPECT_EQ(file.GetInt("Options", "GobanWay", 0), -1);
  EXPECT_EQ(file.GetString("Options", "AlarmWav", ""), "/snd/alarm.wav");
  EXPECT_EQ(file.GetString("Recent File List", "File4", ""), "/d.IG1");
}

// A record or sound under a deep folder with Japanese names: its path is far
// beyond the 100 bytes of a plain value and comes back whole at the next start.
TEST_F(SettingsTest, LongPathsComeBackWhole) {
  std::string folder = "/home/user";
  for (int k = 0; k < 30; ++k) folder += "/棋譜の保存";
  Settings s = ReadSettings(platform::ProfileFile(path_));
  s.wav[0] = folder + "/開始.wav";
  s.recentFiles = {folder + "/第一局.IG1", "", "", ""};
  {
    platform::ProfileFile file(path_);
    ASSERT_TRUE(WriteSettings(file, s));
    ASSERT_TRUE(WriteRecentFiles(file, s.recentFiles));
  }
  ASSERT_GT(s.recentFiles[0].size(), 400u);
  const Settings again = ReadSettings(platform::ProfileFile(path_));
  EXPECT_EQ(again.recentFiles[0], s.recentFiles[0]);
  EXPECT_EQ(again.wav[0], s.wav[0]);
}

TEST_F(SettingsTest, OddValuesGiveTheDefaults) {
  std::ofstream(path_) << "[Init]\nRosu=15\nOkiishi=12\nRule=2\n[Options]\nGoban=7\n"
                          "GobanWay=0\nFontSize=14\nDispError=0\nDispNo=5\n";
  platform::ProfileFile file(path_);
  Settings s = ReadSettings(file);
  EXPECT_EQ(s.boardSize, 19);
  EXPECT_EQ(s.handicap, 0);
  EXPECT_EQ(s.rule, 0);
  EXPECT_EQ(s.boardStyle, 0);
  EXPECT_EQ(s.orientation, 1);
  EXPECT_EQ(s.fontSize, 0);
  EXPECT_EQ(s.showMoveErrors, 0);
  EXPECT_EQ(s.showMoveNumbers, 1);
}

TEST(Sounds, EachKindPlaysItsOwnFileInItsMode) {
  test::FakeHost host;
  Settings s;
  s.wav = {"open.wav", "move.wav", "end.wav", "alarm.wav"};
  PlaySoundKind(host, s, kSoundOpening);
  PlaySoundKind(host, s, kSoundEnding);
  PlaySoundKind(host, s, kSoundMove);
  PlaySoundKind(host, s, kSoundWarning);
  PlaySoundKind(host, s, 3);  // not a kind: nothing
  EXPECT_EQ(host.sounds, (std::vector<std::string>{"open.wav sync", "end.wav sync",
                                                   "move.wav async", "alarm.wav async"}));
}

TEST(Sounds, ChoosingAFileStoresItAndCancellingClearsIt) {
  test::FakeHost host;
  Settings s;
  host.AnswerFile("/snd/move.wav");
  ChooseWavFile(host, s, kMoveSound);
  EXPECT_EQ(s.wav[kMoveSound], "/snd/move.wav");
  EXPECT_EQ(host.fileDialogs.back().title, "ＷＡＶファイルの指定（着手音）");
  EXPECT_EQ(host.fileDialogs.back().initialName, "*.wav");

  host.AnswerFile(std::nullopt);
  ChooseWavFile(host, s, kMoveSound);
  EXPECT_EQ(host.fileDialogs.back().initialName, "/snd/move.wav");
  EXPECT_EQ(s.wav[kMoveSound], "");
  EXPECT_EQ(WavDialogTitle(kOpeningSound), "ＷＡＶファイルの指定（オープニング）");
  EXPECT_EQ(WavDialogTitle(kEndingSound), "ＷＡＶファイルの指定（エンディング）");
  EXPECT_EQ(WavDialogTitle(kWarningSound), "ＷＡＶファイルの指定（警告音）");
}

}  // namespace
}  // namespace kz::display
