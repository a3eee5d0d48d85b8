// kazaori-cli play: whole games without a human through the game controller.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/cli_command.h"
#include "cli_run.h"
#include "game/kazaori_doc.h"
#include "support/temp_dir.h"

namespace kz::cli {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// Sets an environment variable for one test (unset: nullptr) and puts the
// previous value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    had_ = std::getenv(name) != nullptr;
    if (value) ::setenv(name, value, 1);
    else ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (had_) ::setenv(name_, old_.c_str(), 1);
    else ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

// Every game here reads and writes a settings file of its test's own.
class CliPlay : public ::testing::Test {
 protected:
  test::TempDir dir{true};
  ScopedEnv ini{"KAZAORI_INI", (dir / "kazaori.ini").c_str()};
};

TEST_F(CliPlay, ComputerAgainstComputerPlaysToTwoPassesAndSavesTheRecord) {
  const std::string path = dir / "game.IG1";
  // Without resignations: a computer that sees itself far behind would
  // otherwise end the game before the two passes.
  CliRun run = Cli({"play", "--black", "computer", "--white", "computer", "--size", "9",
                    "--no-resign", "--tick-ms", "0", "--out", path});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_NE(run.out.find("game 1: 9 lines, black computer, white computer"), std::string::npos);
  EXPECT_NE(run.out.find("終局で～す"), std::string::npos);
  EXPECT_NE(run.out.find("result: "), std::string::npos);
  EXPECT_NE(run.out.find("saved: " + path), std::string::npos);

  CKazaoriDoc doc;
  doc.SetAutosavePath(dir / "other.IG1");
  ASSERT_TRUE(doc.ReadRecord(path));
  EXPECT_EQ(doc.GetBoardSize(), 9);
  EXPECT_EQ(doc.GetPlayer(1), 1);
  EXPECT_EQ(doc.GetPlayer(-1), 1);
  const int moves = doc.GetLastMoveNumber();
  ASSERT_GE(moves, 2);
  EXPECT_EQ(doc.GetMove(moves), -101);  // two passes end it
  EXPECT_EQ(doc.GetMove(moves - 1), -101);
  // One progress line per move.
  EXPECT_NE(run.out.find("\n" + std::to_string(moves) + " "), std::string::npos);
  CliRun show = Cli({"show", path});
  EXPECT_EQ(show.status, kExitOk);
  EXPECT_NE(show.out.find("moves " + std::to_string(moves)), std::string::npos);
}

TEST_F(CliPlay, SeveralGamesAreSavedOneFileEach) {
  CliRun run = Cli({"play", "--black", "computer", "--white", "computer", "--size", "9",
                    "--handicap", "2", "--games", "2", "--tick-ms", "0", "--out",
                    dir / "g.IG1"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  CKazaoriDoc doc;
  doc.SetAutosavePath(dir / "other.IG1");
  EXPECT_TRUE(doc.ReadRecord(dir / "g-1.IG1"));
  EXPECT_TRUE(doc.ReadRecord(dir / "g-2.IG1"));
  EXPECT_EQ(doc.GetHandicap(), 2);
  EXPECT_NE(run.out.find("1 W "), std::string::npos);  // White moves first
}

TEST_F(CliPlay, BadCommandLinesAndUnusablePortsAreRefused) {
  EXPECT_EQ(Cli({"play", "--black", "computer", "--white", "computer"}).status, kExitUsage);
  EXPECT_EQ(Cli({"play", "--black", "user", "--out", "x.IG1"}).status, kExitUsage);
  EXPECT_EQ(Cli({"play", "--size", "15", "--out", "x.IG1"}).status, kExitUsage);
  EXPECT_EQ(Cli({"play", "--black", "remote", "--white", "remote", "--out", "x.IG1"}).status,
            kExitUsage);
  CliRun run = Cli({"play", "--black", "computer", "--white", "remote", "--device",
                    dir / "no-such-device", "--tick-ms", "0", "--out", dir / "x.IG1"});
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.out.find("モデム・オープン・エラー"), std::string::npos);
}

// The user's options apply to headless games: the settings file is the
// window program's, named by KAZAORI_INI, else found under XDG_CONFIG_HOME.
TEST_F(CliPlay, UsesTheWindowProgramsSettingsFile) {
  WriteBytes(dir / "kazaori.ini", "; the user's own\r\n[Options]\r\nOutSgf=1\r\n");
  CliRun run = Cli({"play", "--black", "computer", "--white", "computer", "--size", "9",
                    "--no-resign", "--tick-ms", "0", "--out", dir / "game.IG1"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const std::string sgf = ReadBytes(dir / "game.SGF");
  EXPECT_EQ(sgf.find("(;GM[1]FF[4]"), 0u) << "the SGF copy the settings ask for";
  const std::string ini = ReadBytes(dir / "kazaori.ini");
  EXPECT_NE(ini.find("; the user's own"), std::string::npos) << ini;
  EXPECT_NE(ini.find("OutSgf=1"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Rosu=9"), std::string::npos) << "written back at the end\n" << ini;

  ScopedEnv noIni("KAZAORI_INI", nullptr);
  ScopedEnv xdg("XDG_CONFIG_HOME", (dir / "config").c_str());
  run = Cli({"play", "--black", "computer", "--white", "computer", "--size", "9",
             "--no-resign", "--tick-ms", "0", "--out", dir / "second.IG1"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_NE(ReadBytes(dir / "config/kazaori/kazaori.ini").find("Rosu=9"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "second.SGF")) << "OutSgf is off there";
}

TEST(CliPlayHelp, SaysWhichSettingsFileItUses) {
  const CliRun run = Cli({"help"});
  EXPECT_NE(run.out.find("$KAZAORI_INI"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("XDG_CONFIG_HOME"), std::string::npos);
}

}  // namespace
}  // namespace kz::cli
