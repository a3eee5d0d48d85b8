// A GTP session, command by command, with the expected answers.
#include "gtp/gtp_session.h"

#include <gtest/gtest.h>

#include <sstream>

#include "gtp/vertex.h"

namespace kz::gtp {
namespace {

class GtpSessionTest : public ::testing::Test {
 protected:
  RandomPlayer player{42};
  GtpSession session{player, SessionOptions{}};
  std::string Ask(const std::string& line) { return session.Handle(line); }
};

TEST_F(GtpSessionTest, AdministrativeCommands) {
  EXPECT_EQ(Ask("protocol_version"), "= 2\n\n");
  EXPECT_EQ(Ask("1 name"), "=1 Kazaori\n\n");
  EXPECT_EQ(Ask("known_command genmove"), "= true\n\n");
  EXPECT_EQ(Ask("known_command reg_genmove"), "= false\n\n");
  EXPECT_EQ(Ask("frobnicate"), "? unknown command\n\n");
  EXPECT_EQ(Ask("   # only a comment"), "");
  EXPECT_NE(Ask("list_commands").find("final_status_list"), std::string::npos);
  EXPECT_EQ(Ask("boardsize 7"), "? unacceptable size\n\n");
  EXPECT_EQ(Ask("boardsize nine"), "? boardsize not an integer\n\n");
  EXPECT_EQ(Ask("komi 5.5"), "=\n\n");
  EXPECT_EQ(Ask("time_settings 0 5 1"), "=\n\n");
  EXPECT_FALSE(session.QuitRequested());
  EXPECT_EQ(Ask("quit"), "=\n\n");
  EXPECT_TRUE(session.QuitRequested());
}

// Found by the session's fuzz target: a first word that starts with a digit
// but is no number was echoed as the id ("=1\xB0 ..."), which no controller
// can read. It is a command name, and an unknown one.
TEST_F(GtpSessionTest, AFirstWordThatIsNoNumberIsNoId) {
  EXPECT_EQ(Ask("1\xB0 play 13b K4"), "? unknown command\n\n");
  EXPECT_EQ(Ask("2x name"), "? unknown command\n\n");
  EXPECT_EQ(Ask("3 name"), "=3 Kazaori\n\n");
  EXPECT_EQ(Ask("007 protocol_version"), "=007 2\n\n");
  EXPECT_EQ(Ask("12"), "? unknown command\n\n");
}

TEST_F(GtpSessionTest, CornersLandOnTheRightPoints) {
  ASSERT_EQ(Ask("boardsize 9"), "=\n\n");
  EXPECT_EQ(Ask("play B A1"), "=\n\n");
  EXPECT_EQ(Ask("play W J9"), "=\n\n");
  EXPECT_EQ(Ask("play B A9"), "=\n\n");
  EXPECT_EQ(Ask("play W J1"), "=\n\n");
  const PlaneBoard& b = session.Board();
  EXPECT_GT(b.GetChain(0, 8), 0);  // A1: left column, bottom row
  EXPECT_LT(b.GetChain(8, 0), 0);  // J9: right column, top row
  EXPECT_GT(b.GetChain(0, 0), 0);
  EXPECT_LT(b.GetChain(8, 8), 0);
  const std::string board = Ask("showboard");
  EXPECT_NE(board.find(" 9 X . . . . . . . O  9"), std::string::npos) << board;
  EXPECT_NE(board.find(" 1 X . . . . . . . O  1"), std::string::npos) << board;
}

TEST_F(GtpSessionTest, IllegalMovesAreRefusedAndChangeNothing) {
  Ask("boardsize 9");
  EXPECT_EQ(Ask("play B E5"), "=\n\n");
  EXPECT_EQ(Ask("play W E5"), "? illegal move\n\n");
  EXPECT_EQ(Ask("play W Z5"), "? invalid coordinate\n\n");
  EXPECT_EQ(Ask("play purple E4"), "? invalid color or coordinate\n\n");
  // Suicide in the corner.
  Ask("play B A2");
  Ask("play B B1");
  EXPECT_EQ(Ask("play W A1"), "? illegal move\n\n");
  EXPECT_EQ(session.State().movesPlayed, 3);
}

TEST_F(GtpSessionTest, KoAndUndo) {
  Ask("boardsize 9");
  // A ko on the left: Black takes at B5 ... built move by move.
  for (const char* m : {"play B D5", "play W E5", "play B C4", "play W F4",
                        "play B D3", "play W E3", "play B E4", "play W D4"})
    ASSERT_EQ(Ask(m), "=\n\n") << m;
  EXPECT_EQ(session.State().whitePrisoners, 1);
  EXPECT_EQ(Ask("play B E4"), "? illegal move\n\n") << "immediate retake";
  EXPECT_EQ(Ask("undo"), "=\n\n");
  EXPECT_EQ(session.State().whitePrisoners, 0);
  EXPECT_GT(session.Board().GetChain(4, 5), 0) << "E4 is Black again";
  EXPECT_EQ(session.Board().GetChain(3, 5), 0) << "D4 is empty again";
  Ask("clear_board");
  EXPECT_EQ(Ask("undo"), "? cannot undo\n\n");
}

TEST_F(GtpSessionTest, FixedHandicapUsesTheProgramsPoints) {
  Ask("boardsize 19");
  EXPECT_EQ(Ask("fixed_handicap 4"), "= Q16 D4 Q4 D16\n\n");
  EXPECT_EQ(Ask("fixed_handicap 2"), "? board not empty\n\n");
  Ask("clear_board");
  EXPECT_EQ(Ask("fixed_handicap 10"), "? invalid number of stones\n\n");
  EXPECT_EQ(Ask("fixed_handicap 5"), "= Q16 D4 Q4 D16 K10\n\n");
  EXPECT_EQ(session.State().handicap, 5);
  Ask("clear_board");
  EXPECT_EQ(Ask("set_free_handicap C3 G7"), "=\n\n");
  EXPECT_GT(session.Board().GetChain(2, 16), 0);
  EXPECT_EQ(Ask("set_free_handicap C3 G7"), "? board not empty\n\n");
}

TEST_F(GtpSessionTest, GenmovePlaysALegalPointOnTheBoard) {
  Ask("boardsize 9");
  for (int k = 0; k < 30; ++k) {
    const std::string r = Ask(k % 2 ? "genmove W" : "genmove B");
    ASSERT_EQ(r.substr(0, 2), "= ");
    const std::string v = r.substr(2, r.size() - 4);
    const auto parsed = ParseVertex(v, 9);
    ASSERT_TRUE(parsed) << r;
    if (!parsed->pass) {
      EXPECT_NE(session.Board().GetChain(parsed->i, parsed->j), 0) << v;
    }
  }
  EXPECT_EQ(session.State().movesPlayed, 30);
}

TEST_F(GtpSessionTest, FinalScoreCountsTerritoryPrisonersAndKomi) {
  Ask("boardsize 9");
  Ask("komi 5.5");
  // Black walls off the left four columns, White the right four.
  for (int row = 1; row <= 9; ++row) {
    Ask("play B D" + std::to_string(row));
    Ask("play W F" + std::to_string(row));
  }
  // Black: 3 x 9 = 27, White: 3 x 9 = 27 (column J and G, H), komi 5.5.
  EXPECT_EQ(Ask("final_score"), "= W+5.5\n\n");
  EXPECT_EQ(Ask("final_status_list dead"), "=\n\n");
  EXPECT_NE(Ask("final_status_list alive").find("D1"), std::string::npos);
}

TEST(GtpLoop, RunsUntilQuit) {
  RandomPlayer player(1);
  GtpSession session(player, SessionOptions{});
  std::istringstream in("boardsize 9\nname\nquit\nname\n");
  std::ostringstream out;
  RunGtp(session, in, out);
  EXPECT_EQ(out.str(), "=\n\n= Kazaori\n\n=\n\n");
}

}  // namespace
}  // namespace kz::gtp
