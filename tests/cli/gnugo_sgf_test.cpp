// Interoperability: GNU Go loads the SGF export that kazaori-cli writes, and
// the position it shows equals the final position kazaori-cli prints; an
// independent SGF parser from the npm registry (@sabaki/sgf, installed by
// scripts/install-deps.sh into third_party/node) reads the names, the comment
// and the moves back in UTF-8.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/shift_jis.h"
#include "records/kifu_format.h"
#include "records/sgf_export.h"
#include "records/standard_comment.h"
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


// A 19-line four-stone game with Japanese names, a place, a result and a
// comment that holds "]" and "\\", saved as a kifu file.
KifuRecord JapaneseHandicapGame() {
  KifuRecord record = test::RandomGameRecord(
      {.size = 19, .handicap = 4, .moves = 230, .passPercent = 3, .seed = 21});
  StoreStandardComment(record, {"本因坊　秀策", "風織", "2026年12月11日", "尾道・本因坊邸",
                                "白  6目半勝ち", {"耳赤の一局]を再現\\", "", "第二局へ"}});
  return record;
}

// The comment as the parser prints it: its newlines as "\n".
constexpr char kJapaneseComment[] =
    "（対 局 者）黒番：本因坊　秀策\\n　　　　　  白番：風織\\n（対 局 日）2026年12月11日\\n"
    "（対局場所）尾道・本因坊邸\\n（対局結果）白  6目半勝ち\\n（コメント）耳赤の一局]を再現\\\\n"
    "\\n            第二局へ";

TEST(GnuGoReadsOurSgf, HandicapGameWithJapaneseNamesAndAComment) {
  ASSERT_TRUE(std::filesystem::exists(kGnuGo)) << "install the Debian package gnugo";
  test::TempDir dir;
  const std::string kifu = dir / "meijin.IG1";
  test::WriteBytes(kifu, FormatKifu(JapaneseHandicapGame()));
  int status = 0;
  Capture(std::string(KZ_CLI_PATH) + " sgf " + kifu, status);
  ASSERT_EQ(status, 0);
  const std::string sgf = test::ReadBytes(dir / "meijin.SGF");
  EXPECT_NE(sgf.find("PB[本因坊　秀策]\r\nPW[風織]\r\n"), std::string::npos) << sgf;
  EXPECT_NE(sgf.find("HA[4]\r\nAB[pd][dp][pp][dd]\r\n"), std::string::npos);
  EXPECT_NE(sgf.find("RE[W+6.5]"), std::string::npos);
  const std::string show = Capture(std::string(KZ_CLI_PATH) + " show " + kifu, status);
  ASSERT_EQ(status, 0);
  EXPECT_NE(show.find("本因坊　秀策"), std::string::npos);

  test::WriteBytes(dir / "commands.gtp", "loadsgf " + (dir / "meijin.SGF") + "\nshowboard\nquit\n");
  const std::string gtp = Capture(std::string(kGnuGo) + " --mode gtp < " +
                                      (dir / "commands.gtp") + " 2>&1", status);
  ASSERT_EQ(status, 0) << gtp;
  ASSERT_EQ(gtp.find("?"), std::string::npos) << "GNU Go refused a command:\n" << gtp;
  EXPECT_EQ(GnuGoPosition(gtp, 19), ShownPosition(show, 19)) << gtp << "\n" << show;
}

TEST(SabakiReadsOurSgf, NamesCommentAndMovesInUtf8) {
  const std::string modules = std::string(KZ_SOURCE_DIR) + "/third_party/node/node_modules";
  int status = 0;
  Capture("node --version >/dev/null 2>&1", status);
  if (status != 0) GTEST_SKIP() << "node is not installed (scripts/install-deps.sh installs it)";
  if (!std::filesystem::exists(modules + "/@sabaki/sgf/package.json"))
    GTEST_SKIP() << "@sabaki/sgf is not in " << modules << " (scripts/install-deps.sh installs it)";

  test::TempDir dir;
  const KifuRecord record = JapaneseHandicapGame();
  const std::string kifu = dir / "meijin.IG1";
  test::WriteBytes(kifu, FormatKifu(record));
  Capture(std::string(KZ_CLI_PATH) + " sgf " + kifu, status);
  ASSERT_EQ(status, 0);
  const std::string read = Capture("node " + std::string(KZ_SOURCE_DIR) +
                                       "/tests/cli/sabaki_read_sgf.js " + (dir / "meijin.SGF") +
                                       " " + modules + " 2>&1", status);
  ASSERT_EQ(status, 0) << read;

  std::string moves;
  for (int k = 0; k < record.currentMove; ++k) {
    const bool white = k % 2 == 0;  // a handicap game: White moves first
    moves += std::string(k > 0 ? " " : "") + (white ? "W:" : "B:");
    const int entry = record.moves[k];
    if (entry > 0) {
      moves += static_cast<char>('a' + (entry - 1) / 100);
      moves += static_cast<char>('a' + (entry - 1) % 100);
    }
  }
  EXPECT_EQ(read, std::string("AB=pd|dp|pp|dd\nAP=") + std::string(kSgfApplication) +
                      "\nC=" + kJapaneseComment +
                      "\nCA=UTF-8\nDT=2026-12-11\nFF=4\nGM=1\nHA=4\nKM=0\n"
                      "PB=本因坊　秀策\nPC=尾道・本因坊邸\nPW=風織\nRE=W+6.5\nRU=Japanese\nSZ=19\n"
                      "moves=" + moves + "\n");
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
