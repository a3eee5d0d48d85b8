// kazaori-cli play: whole games without a human through the game controller.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_command.h"
#include "cli_run.h"
#include "game/kazaori_doc.h"
#include "support/temp_dir.h"

namespace kz::cli {
namespace {

TEST(CliPlay, ComputerAgainstComputerPlaysToTwoPassesAndSavesTheRecord) {
  test::TempDir dir(true);
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

TEST(CliPlay, SeveralGamesAreSavedOneFileEach) {
  test::TempDir dir(true);
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

TEST(CliPlay, BadCommandLinesAndUnusablePortsAreRefused) {
  test::TempDir dir(true);
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

}  // namespace
}  // namespace kz::cli
