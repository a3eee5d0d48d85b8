// kazaori-cli's commands, run in-process.
#include "cli/cli_command.h"
#include "cli_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include <filesystem>
#include <sstream>

#include "platform/shift_jis.h"
#include "records/kifu_format.h"
#include "support/temp_dir.h"

namespace kz::cli {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// A 9-line handicap game: Black takes White's stone at A09, then passes;
// Black resigned.
std::string SampleRecord() {
  return "#COMMENT\r\n" + platform::Utf8ToCp932("対局メモ") +
         "\r\n\r\nlast line\r\nINT 9 2\r\nWHO 0 1\r\nRULE 2\r\nCHARA 1\r\n"
         "TIME 00:02:03 00:00:09 00:15 1\r\nMOV\r\n"
         " A09 B09 A01 A08 B01 A00 -0\r\n";
}

TEST(CliShow, PrintsFieldsCommentAndPosition) {
  TempDir dir;
  WriteBytes(dir / "game.IG1", SampleRecord());
  const CliRun r = Cli({"show", dir / "game.IG1"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "size 9\nhandicap 2\nblack user\nwhite computer\nrule keima\n"
            "style bold\ntime-limit 15\nblack-time 123\nwhite-time 9\n"
            "result black-resigned\nmoves 6\nprisoners 1 0\n"
            "comment:\n対局メモ\n\nlast line\n"
            "O O . . . . . . .\n"
            ". . . . . . . . .\n"
            ". . . . . . X . .\n"
            ". . . . . . . . .\n"
            ". . . . . . . . .\n"
            ". . . . . . . . .\n"
            ". . X . . . . . .\n"
            "X . . . . . . . .\n"
            ". X . . . . . . .\n");
}

TEST(CliShow, NoCommentAndMissingRecord) {
  TempDir dir;
  WriteBytes(dir / "empty.IG1", "");
  CliRun r = Cli({"show", dir / "empty.IG1"});
  EXPECT_EQ(r.status, kExitOk);
  EXPECT_NE(r.out.find("moves 0\nprisoners 0 0\ncomment:\n. . ."), std::string::npos);
  EXPECT_EQ(r.out.find("size 19\n"), 0u);

  r = Cli({"show", dir / "missing.IG1"});
  EXPECT_EQ(r.status, kExitNoRecord);
  EXPECT_EQ(r.err, "指定された棋譜ファイルが見つかりません\n");
  EXPECT_EQ(r.out, "");
}

// A named pipe is no record: every command that reads one says so at once
// instead of waiting for a writer (a child process with an alarm runs each).
TEST(CliShow, ANamedPipeIsRefusedAsMissing) {
  TempDir dir;
  const std::string fifo = dir / "pipe.IG1";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::vector<Args> commands = {{"show", fifo},
                                      {"sgf", fifo, dir / "out.SGF"},
                                      {"jis", fifo, dir / "out.TXT"}};
  for (const Args& args : commands) {
    EXPECT_EXIT(
        {
          ::alarm(5);
          const CliRun r = Cli(args);
          std::_Exit(r.status == kExitNoRecord &&
                             r.err == "指定された棋譜ファイルが見つかりません\n"
                         ? 0
                         : 1);
        },
        ::testing::ExitedWithCode(0), "")
        << args[0];
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "out.SGF"));
  EXPECT_FALSE(std::filesystem::exists(dir / "out.TXT"));
}

TEST(CliSgf, WritesBesideTheRecordOrToTheGivenPath) {
  TempDir dir;
  WriteBytes(dir / "game.ig1", SampleRecord());
  KifuRecord record;
  ParseKifu(SampleRecord(), record);
  EXPECT_EQ(Cli({"sgf", dir / "game.ig1"}).status, kExitOk);
  const std::string sgf = ReadBytes(dir / "game.SGF");
  EXPECT_NE(sgf.find("AB[gc][cg]\r\n"), std::string::npos);
  EXPECT_NE(sgf.find(";W[ai];B[bi];W[aa];B[ah];W[ba];B[])\r\n"), std::string::npos) << sgf;
  EXPECT_EQ(Cli({"sgf", dir / "game.ig1", dir / "other.sgf"}).status, kExitOk);
  EXPECT_EQ(ReadBytes(dir / "other.sgf"), sgf);
}

TEST(CliSgf, OutputFailures) {
  TempDir dir;
  WriteBytes(dir / "game.txt", SampleRecord());
  CliRun r = Cli({"sgf", dir / "game.txt"});
  EXPECT_EQ(r.status, kExitWriteFailed) << "no IG1 extension to derive the path from";
  EXPECT_EQ(r.err, "指定されたファイルヘの出力に失敗しました\n");
  r = Cli({"sgf", dir / "game.txt", dir / "no/such/dir.sgf"});
  EXPECT_EQ(r.status, kExitWriteFailed);
  EXPECT_EQ(Cli({"sgf", dir / "none.IG1"}).status, kExitNoRecord);
}

TEST(CliJis, PositionAfterNMovesWithTheLastMoveMark) {
  TempDir dir;
  WriteBytes(dir / "game.IG1", SampleRecord());
  ASSERT_EQ(Cli({"jis", dir / "game.IG1", dir / "b.TXT", "--move", "3"}).status, kExitOk);
  const std::string three = platform::Cp932ToUtf8(ReadBytes(dir / "b.TXT"));
  EXPECT_NE(three.find("\r\n１◇－－－－－－－・\r\n"), std::string::npos) << three;
  EXPECT_NE(three.find("\r\n９○●－－－－－－・\r\n"), std::string::npos) << three;

  ASSERT_EQ(Cli({"jis", "--move", "5", dir / "game.IG1", dir / "b.TXT"}).status, kExitOk);
  const std::string five = platform::Cp932ToUtf8(ReadBytes(dir / "b.TXT"));
  EXPECT_NE(five.find("\r\n１○◇－－－－－－・\r\n"), std::string::npos) << five;

  ASSERT_EQ(Cli({"jis", dir / "game.IG1", dir / "all.TXT"}).status, kExitOk);
  const std::string all = platform::Cp932ToUtf8(ReadBytes(dir / "all.TXT"));
  EXPECT_NE(all.find("\r\n１○○－－－－－－・\r\n"), std::string::npos)
      << "the game ends on a pass: no mark";

  // A game that ends on a stone has it marked, also when N lies beyond.
  std::string stoneLast = SampleRecord();
  stoneLast.replace(stoneLast.find(" A00 -0"), 7, " -0");
  WriteBytes(dir / "stone.IG1", stoneLast);
  for (const Args& args : {Args{"jis", dir / "stone.IG1", dir / "s.TXT"},
                           Args{"jis", dir / "stone.IG1", dir / "s.TXT", "--move", "570"}}) {
    ASSERT_EQ(Cli(args).status, kExitOk);
    const std::string text = platform::Cp932ToUtf8(ReadBytes(dir / "s.TXT"));
    EXPECT_NE(text.find("\r\n１○◇－－－－－－・\r\n"), std::string::npos) << text;
  }
}

TEST(CliJis, BadArgumentsAndOutputs) {
  TempDir dir;
  WriteBytes(dir / "game.IG1", SampleRecord());
  EXPECT_EQ(Cli({"jis", dir / "game.IG1"}).status, kExitUsage);
  EXPECT_EQ(Cli({"jis", dir / "game.IG1", dir / "o.TXT", "--move"}).status, kExitUsage);
  EXPECT_EQ(Cli({"jis", dir / "game.IG1", dir / "o.TXT", "--move", "x"}).status, kExitUsage);
  EXPECT_EQ(Cli({"jis", dir / "game.IG1", dir / "o.TXT", "--move", "571"}).status, kExitUsage);
  EXPECT_EQ(Cli({"jis", dir / "game.IG1", dir / "o.TXT", "--move", "-1"}).status, kExitUsage);
  EXPECT_FALSE(std::filesystem::exists(dir / "o.TXT"));
  const CliRun r = Cli({"jis", dir / "game.IG1", dir.path()});
  EXPECT_EQ(r.status, kExitWriteFailed);
  EXPECT_EQ(r.err, "指定されたファイルヘの出力に失敗しました\n");
  EXPECT_EQ(Cli({"jis", dir / "x.IG1", dir / "o.TXT"}).status, kExitNoRecord);
}

TEST(CliDispatch, HelpListsEveryCommandAndUnknownOnesFail) {
  const CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, kExitOk);
  for (const Command& c : Commands())
    EXPECT_NE(help.out.find("  " + std::string(c.name) + " "), std::string::npos) << c.name;
  EXPECT_EQ(Cli({}).status, kExitUsage);
  const CliRun unknown = Cli({"frobnicate"});
  EXPECT_EQ(unknown.status, kExitUsage);
  EXPECT_NE(unknown.err.find("unknown command"), std::string::npos);
  EXPECT_EQ(Cli({"show"}).status, kExitUsage);
  EXPECT_EQ(Cli({"sgf", "a", "b", "c"}).status, kExitUsage);
}

}  // namespace
}  // namespace kz::cli
