#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"

namespace kz::platform {
namespace {

class ProfileFileTest : public ::testing::Test {
 protected:
  void WriteRaw(const std::string& text) {
    std::filesystem::create_directories(dir_ / "sub");
    test::WriteBytes(path_, text);
  }
  std::string ReadRaw() { return test::ReadBytes(path_); }
  test::TempDir dir_;
  std::string path_ = dir_ / "sub/kazaori.ini";
};

TEST_F(ProfileFileTest, MissingFileSectionOrKeyGivesTheDefault) {
  ProfileFile f(path_);
  EXPECT_EQ(f.GetInt("Init", "Rosu", 19), 19);
  EXPECT_EQ(f.GetString("Options", "OpenWav", "x"), "x");
  WriteRaw("[Init]\nRosu=9\n");
  f.Reload();
  EXPECT_EQ(f.GetInt("Init", "Okiishi", 3), 3);
  EXPECT_EQ(f.GetInt("Options", "Rosu", 5), 5);
  EXPECT_EQ(f.GetInt("Init", "Rosu", 19), 9);
}

TEST_F(ProfileFileTest, NamesMatchInEitherCaseAndBlanksAndCrLfAreIgnored) {
  WriteRaw("; a comment\r\n[init]\r\n  ROSU =  13 \r\n[Options]\r\nOpenWav = \"a b.wav\"\r\n");
  ProfileFile f(path_);
  EXPECT_EQ(f.GetInt("Init", "Rosu", 19), 13);
  EXPECT_EQ(f.GetString("OPTIONS", "openwav", ""), "a b.wav");
}

TEST_F(ProfileFileTest, IntegersAreLeadingDecimalTextElseTheDefault) {
  WriteRaw("[S]\na=-1\nb=12abc\nc=abc\nd=\ne=99999999999\n");
  ProfileFile f(path_);
  EXPECT_EQ(f.GetInt("S", "a", 0), -1);
  EXPECT_EQ(f.GetInt("S", "b", 0), 12);
  EXPECT_EQ(f.GetInt("S", "c", 7), 7);
  EXPECT_EQ(f.GetInt("S", "d", 7), 7);
  EXPECT_EQ(f.GetInt("S", "e", 7), 7);
}

TEST_F(ProfileFileTest, StringsAreCutToOneHundredBytesOnACharacterBoundary) {
  std::string longAscii(150, 'a');
  std::string kana;
  for (int k = 0; k < 40; ++k) kana += "あ";  // 3 bytes each, 120 bytes
  WriteRaw("[S]\nascii=" + longAscii + "\nkana=" + kana + "\n");
  ProfileFile f(path_);
  EXPECT_EQ(f.GetString("S", "ascii", ""), std::string(100, 'a'));
  EXPECT_EQ(f.GetString("S", "kana", ""), kana.substr(0, 99));
}

TEST_F(ProfileFileTest, WritesCreateTheFileAndKeepEveryOtherLine) {
  ProfileFile f(path_);
  ASSERT_TRUE(f.WriteInt("Init", "Rosu", 9));  // the directory is made too
  WriteRaw("; keep me\n[WindowSZ]\nRect=1, 2, 3, 4, 0, 0, 0, 0\n\n[Init]\nRosu=9\nOther=x\n");
  f.Reload();
  ASSERT_TRUE(f.WriteInt("init", "rosu", 13));
  ASSERT_TRUE(f.WriteString("Init", "Okiishi", "2"));
  ASSERT_TRUE(f.WriteString("Options", "OpenWav", "/tmp/a.wav"));
  ASSERT_TRUE(f.WriteString("WindowSZ", "Flags", "0"));
  EXPECT_EQ(ReadRaw(),
            "; keep me\n[WindowSZ]\nRect=1, 2, 3, 4, 0, 0, 0, 0\nFlags=0\n\n"
            "[Init]\nrosu=13\nOther=x\nOkiishi=2\n\n[Options]\nOpenWav=/tmp/a.wav\n");
  ProfileFile again(path_);
  EXPECT_EQ(again.GetInt("Init", "Rosu", 0), 13);
  EXPECT_EQ(again.GetString("WindowSZ", "Rect", ""), "1, 2, 3, 4, 0, 0, 0, 0");
}

TEST_F(ProfileFileTest, AValueCannotBreakTheFileIntoTwoLines) {
  ProfileFile f(path_);
  ASSERT_TRUE(f.WriteString("S", "k", "a\nb=c\r\n[X]"));
  ProfileFile again(path_);
  EXPECT_EQ(again.GetString("S", "k", ""), "ab=c[X]");
  EXPECT_EQ(again.GetString("S", "b", "none"), "none");
}

TEST_F(ProfileFileTest, AWriteThatCannotReachTheDiskSaysSo) {
  ProfileFile f("/proc/kazaori-cannot-be-here/kazaori.ini");
  EXPECT_FALSE(f.WriteInt("Init", "Rosu", 9));
  EXPECT_EQ(f.GetInt("Init", "Rosu", 19), 9);  // still held for this run
}

TEST(ProfileFilePath, EnvironmentChoosesTheFile) {
  setenv("KAZAORI_INI", "/tmp/x/kazaori.ini", 1);
  EXPECT_EQ(ProfileFile::DefaultPath(), "/tmp/x/kazaori.ini");
  unsetenv("KAZAORI_INI");
  setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
  EXPECT_EQ(ProfileFile::DefaultPath(), "/tmp/cfg/kazaori/kazaori.ini");
  unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", "/home/u", 1);
  EXPECT_EQ(ProfileFile::DefaultPath(), "/home/u/.config/kazaori/kazaori.ini");
}

}  // namespace
}  // namespace kz::platform
