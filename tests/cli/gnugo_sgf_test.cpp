// Interoperability: GNU Go loads the SGF export that kazaori-cli writes, and
// the position it shows equals the final position kazaori-cli prints.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "records/kifu_format.h"
#include "support/random_game.h"
#include "support/temp_dir.h"

namespace kz {
namespace {

constexpr char kGnuGo[] = "/usr/games/gnugo";

// Runs a shell command; its standard output, and the exit status.
std::string Capture(const std::string& command, int& status) {
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) {
    status = -1;
    return out;
  }
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  status = ::pclose(pipe);
  return out;
}

// The position lines of `kazaori-cli show`: the last `size` lines.
std::vector<std::string> ShownPosition(const std::string& show, int size) {
  std::vector<std::string> lines;
  std::istringstream in(show);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (static_cast<int>(lines.size()) < size) return {};
  return {lines.end() - size, lines.end()};
}

// GNU Go's showboard rows, top row first, in the same letters.
std::vector<std::string> GnuGoPosition(const std::string& gtp, int size) {
  std::vector<std::string> rows(size);
  std::istringstream in(gtp);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    int row = 0;
    if (!(words >> row) || row < 1 || row > size) continue;
    std::string cells;
    for (int i = 0; i < size; ++i) {
      std::string cell;
      if (!(words >> cell)) break;
      if (i > 0) cells += ' ';
      cells += cell == "X" ? 'X' : cell == "O" ? 'O' : '.';
    }
    rows[size - row] = cells;
  }
  return rows;
}

struct Case {
  int size, handicap, moves;
  std::uint32_t seed;
};

TEST(GnuGoReadsOurSgf, FinalPositionsAgree) {
  ASSERT_TRUE(std::filesystem::exists(kGnuGo)) << "install the Debian package gnugo";
  test::TempDir dir;
  for (const Case c : {Case{9, 0, 120, 7}, Case{13, 3, 200, 11}, Case{19, 9, 570, 5},
                       Case{19, 0, 400, 3}, Case{9, 2, 90, 13}}) {
    SCOPED_TRACE("size " + std::to_string(c.size) + " handicap " + std::to_string(c.handicap));
    KifuRecord record = test::RandomGameRecord(
        {.size = c.size, .handicap = c.handicap, .moves = c.moves, .passPercent = 3, .seed = c.seed});
    const std::string kifu = dir / ("game" + std::to_string(c.seed) + ".IG1");
    const std::string sgf = kifu.substr(0, kifu.size() - 3) + "SGF";
    test::WriteBytes(kifu, FormatKifu(record));

    int status = 0;
    Capture(std::string(KZ_CLI_PATH) + " sgf " + kifu, status);
    ASSERT_EQ(status, 0);
    const std::string show = Capture(std::string(KZ_CLI_PATH) + " show " + kifu, status);
    ASSERT_EQ(status, 0);
    ASSERT_NE(show.find("moves " + std::to_string(c.moves) + "\n"), std::string::npos);
    if (c.moves >= 200) {
      EXPECT_EQ(show.find("prisoners 0 0\n"), std::string::npos) << "a game with captures";
    }

    test::WriteBytes(dir / "commands.gtp", "loadsgf " + sgf + "\nshowboard\nquit\n");
    const std::string gtp = Capture(std::string(kGnuGo) + " --mode gtp < " +
                                        (dir / "commands.gtp") + " 2>&1", status);
    ASSERT_EQ(status, 0) << gtp;
    ASSERT_EQ(gtp.find("?"), std::string::npos) << "GNU Go refused a command:\n" << gtp;
    EXPECT_EQ(GnuGoPosition(gtp, c.size), ShownPosition(show, c.size)) << gtp << "\n" << show;
  }
}

// GNU Go plays a whole game against a scripted opponent (every point from
// A1 on, its illegal ones refused) and writes it with -o; kazaori-cli reads
// that file to the same final position as GNU Go's own loadsgf.
TEST(WeReadGnuGoSgf, FinalPositionsAgree) {
  ASSERT_TRUE(std::filesystem::exists(kGnuGo)) << "install the Debian package gnugo";
  test::TempDir dir;
  struct Game {
    int size, handicap;
  };
  for (const Game g : {Game{9, 0}, Game{13, 2}, Game{9, 4}}) {
    SCOPED_TRACE("size " + std::to_string(g.size) + " handicap " + std::to_string(g.handicap));
    std::string script;
    const std::string columns = "ABCDEFGHJKLMNOPQRST";
    for (int row = 1; row <= g.size; ++row)
      for (int c = 0; c < g.size; ++c) script += columns[c] + std::to_string(row) + "\n";
    script += "quit\n";
    const std::string sgf = dir / ("gnugo" + std::to_string(g.size) + ".sgf");
    test::WriteBytes(dir / "moves.txt", script);
    int status = 0;
    Capture(std::string(kGnuGo) + " --mode ascii --level 1 --seed 5 --boardsize " +
                std::to_string(g.size) + " --handicap " + std::to_string(g.handicap) +
                " --komi " + (g.handicap > 0 ? "0" : "5.5") + " --color white -o " + sgf + " < " + (dir / "moves.txt") + " > /dev/null 2>&1",
            status);
    ASSERT_EQ(status, 0);
    const std::string written = test::ReadBytes(sgf);
    ASSERT_NE(written.find("AP[GNU Go"), std::string::npos) << written;
    if (g.handicap > 0) {
      ASSERT_NE(written.find("HA[" + std::to_string(g.handicap) + "]"), std::string::npos);
    }

    const std::string show = Capture(std::string(KZ_CLI_PATH) + " show " + sgf + " 2>&1", status);
    ASSERT_EQ(status, 0) << show;
    EXPECT_NE(show.find("handicap " + std::to_string(g.handicap) + "\n"), std::string::npos) << show;
    EXPECT_EQ(show.find("moves 0\n"), std::string::npos) << show;
    test::WriteBytes(dir / "commands.gtp", "loadsgf " + sgf + "\nshowboard\nquit\n");
    const std::string gtp = Capture(std::string(kGnuGo) + " --mode gtp < " +
                                        (dir / "commands.gtp") + " 2>&1", status);
    ASSERT_EQ(status, 0) << gtp;
    EXPECT_EQ(GnuGoPosition(gtp, g.size), ShownPosition(show, g.size)) << gtp << "\n" << show;

    // And through the kifu file: the same position again.
    Capture(std::string(KZ_CLI_PATH) + " convert " + sgf + " " + (dir / "g.IG1"), status);
    ASSERT_EQ(status, 0);
    const std::string again = Capture(std::string(KZ_CLI_PATH) + " show " + (dir / "g.IG1"), status);
    EXPECT_EQ(ShownPosition(again, g.size), ShownPosition(show, g.size));
  }
}

}  // namespace
}  // namespace kz
