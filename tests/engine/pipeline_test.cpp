// The move-choice pipeline with its generators replaced by scripted answers.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/board_diagram.h"
#include "engine/think_engine.h"

namespace kz {
namespace {

// Generators answer from a script keyed by name ("AtariCandidate+" for the
// engine's own colour, "-" for the opponent's); every call is logged.
class ScriptedEngine : public ThinkEngine {
 public:
  std::map<std::string, Candidate> candidates;
  std::map<std::string, int> moves;
  std::vector<std::string> calls;

  Candidate Cand(const std::string& name, int colour) {
    const std::string key = name + (colour == Colour() ? "+" : "-");
    calls.push_back(key);
    auto it = candidates.find(key);
    return it == candidates.end() ? Candidate{} : it->second;
  }
  int Move(const std::string& name) {
    calls.push_back(name);
    auto it = moves.find(name);
    return it == moves.end() ? -1 : it->second;
  }
  bool Called(const std::string& key) const {
    for (const auto& c : calls)
      if (c == key) return true;
    return false;
  }

  int RandomFirstMove() override { return Move("RandomFirstMove"); }
  int AnswerLastMove() override { return Move("AnswerLastMove"); }
  Candidate AtariCandidate(int colour, int flag) override {
    return Cand(flag ? "AtariCandidate1" : "AtariCandidate", colour);
  }
  Candidate TwoLibertyCandidate(int colour, int flag) override {
    return Cand(flag ? "TwoLibertyCandidate1" : "TwoLibertyCandidate", colour);
  }
  Candidate DoubleAtariCandidate(int colour) override {
    return Cand("DoubleAtariCandidate", colour);
  }
  Candidate CaptureCandidateA(int colour) override {
    return Cand("CaptureCandidateA", colour);
  }
  Candidate CaptureCandidateB(int colour) override {
    return Cand("CaptureCandidateB", colour);
  }
  Candidate CaptureCandidateC(int colour) override {
    return Cand("CaptureCandidateC", colour);
  }
  int VitalPointMove() override { return Move("VitalPointMove"); }
  int OpenAreaMove() override { return Move("OpenAreaMove"); }
  int PatternAMove(int mode, int, int, int) override {
    return Move("PatternAMove" + std::to_string(mode));
  }
  int PatternBMove(int type) override {
    return Move("PatternBMove" + std::to_string(type));
  }
  int PlayOpenAreaPoint() override { return Move("PlayOpenAreaPoint"); }
  int PlayShapePoint() override { return Move("PlayShapePoint"); }
  int CaptureToRescue() override { return Move("CaptureToRescue"); }
  Candidate ExtendTwoLibertyChain(int colour) override {
    return Cand("ExtendTwoLibertyChain", colour);
  }
  int OpenBoardMove() override { return Move("OpenBoardMove"); }
};

// Under Keima-go from the second move on the book stays shut, so on an open
// board only the scripted generators can answer.
constexpr int kKeima = 1;

class Pipeline : public ::testing::Test {
 protected:
  void SetUp() override {
    board.Reset(19, 0);
    engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  }
  MoveResult Choose(int colour = 1, int moveNumber = 40, int last = 1515) {
    return engine.ChooseMove(board, colour, moveNumber, last);
  }
  void Faster(int on) { engine.SetupGame(board, kKeima, 0, 1, on, 0); }

  PlaneBoard board;
  ScriptedEngine engine;
};

TEST_F(Pipeline, NothingFoundIsAPassWithEveryByteMinusOne) {
  const MoveResult r = Choose();
  EXPECT_EQ(PackedI(r.packed), -1);
  EXPECT_EQ(PackedJ(r.packed), -1);
  EXPECT_EQ(PackedCode(r.packed), -1);
  EXPECT_EQ(r.packed, 0x00FFFFFF);
  EXPECT_EQ(test::Diagram(board).find_first_of("XO"), std::string::npos);
  // The last stage ran: the pipeline went all the way through.
  EXPECT_TRUE(engine.Called("CaptureToRescue"));
}

TEST_F(Pipeline, MoveStagePlaysOnTheBoardWithItsCode) {
  engine.moves["PlayOpenAreaPoint"] = 1003;  // stage 35
  const MoveResult r = Choose(-1);
  EXPECT_EQ(PackedI(r.packed), 10);
  EXPECT_EQ(PackedJ(r.packed), 3);
  EXPECT_EQ(PackedCode(r.packed), 35);
  EXPECT_EQ(r.captures, 0);
  EXPECT_LT(board.GetChain(10, 3), 0);
  EXPECT_EQ(engine.Colour(), 1);  // the engine's colour flips after a move
  EXPECT_FALSE(engine.Called("CaptureToRescue"));
}

TEST_F(Pipeline, FasterMovesPlayTheFirstCandidate) {
  Faster(1);
  engine.candidates["DoubleAtariCandidate-"] = {3, 505, 0};  // stage 9
  engine.candidates["TwoLibertyCandidate+"] = {900, 707, 0};  // stage 11
  const MoveResult r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 9);
  EXPECT_EQ(PackedI(r.packed), 5);
  EXPECT_EQ(PackedJ(r.packed), 5);
  EXPECT_FALSE(engine.Called("TwoLibertyCandidate+"));
}

TEST_F(Pipeline, FasterMovesOffKeepTheBestAndItsStageCode) {
  engine.candidates["DoubleAtariCandidate-"] = {3, 505, 0};   // stage 9
  engine.candidates["TwoLibertyCandidate+"] = {40, 707, 0};   // stage 11
  engine.candidates["CaptureCandidateB-"] = {12, 909, 0};     // stage 16
  const MoveResult r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 11);
  EXPECT_EQ(PackedI(r.packed), 7);
  EXPECT_TRUE(engine.Called("CaptureCandidateB-"));
  EXPECT_GT(board.GetChain(7, 7), 0);
}

TEST_F(Pipeline, StageSevenAt999PlaysAtOnce) {
  engine.candidates["AtariCandidate+"] = {999, 303, 0};
  engine.candidates["AtariCandidate-"] = {2000, 404, 0};
  const MoveResult r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 7);
  EXPECT_EQ(PackedI(r.packed), 3);
  EXPECT_FALSE(engine.Called("AtariCandidate-"));
}

TEST_F(Pipeline, StageSevenBelow999IsKeptAndLosesToAnEqualLaterScore) {
  engine.candidates["AtariCandidate+"] = {500, 303, 0};
  engine.candidates["CaptureCandidateA-"] = {500, 1010, 0};  // stage 10
  MoveResult r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 10);

  board.Reset(19, 0);
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  engine.candidates["CaptureCandidateA-"] = {499, 1010, 0};
  r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 7);
  EXPECT_EQ(PackedI(r.packed), 3);
}

TEST_F(Pipeline, StageSevenIsTakenWhateverItsScore) {
  // A zero score still becomes the best move with faster moves off.
  engine.candidates["AtariCandidate+"] = {0, 303, 0};
  const MoveResult r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 7);
}

TEST_F(Pipeline, StageEightAbove998PlaysAtOnceAndOtherwiseNeedsMore) {
  engine.candidates["AtariCandidate+"] = {500, 303, 0};
  engine.candidates["AtariCandidate-"] = {999, 404, 0};
  MoveResult r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 8);
  EXPECT_FALSE(engine.Called("DoubleAtariCandidate-"));

  board.Reset(19, 0);
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  engine.calls.clear();
  engine.candidates["AtariCandidate-"] = {500, 404, 0};  // not strictly more
  r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 7);
  EXPECT_TRUE(engine.Called("DoubleAtariCandidate-"));
}

TEST_F(Pipeline, StageEightNeedsALastMove) {
  engine.candidates["AtariCandidate-"] = {999, 404, 0};
  const MoveResult r = Choose(1, 40, -1);
  EXPECT_EQ(PackedCode(r.packed), -1);
  EXPECT_FALSE(engine.Called("AtariCandidate-"));
}

TEST_F(Pipeline, StageFourteenIsSkippedWhenTheBestCameFromStageThirteen) {
  engine.candidates["DoubleAtariCandidate+"] = {30, 606, 0};  // stage 13
  engine.candidates["CaptureCandidateA+"] = {90, 808, 0};     // stage 14
  MoveResult r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 13);
  EXPECT_FALSE(engine.Called("CaptureCandidateA+"));

  board.Reset(19, 0);
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  engine.calls.clear();
  engine.candidates["DoubleAtariCandidate+"] = {};
  r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 14);
}

TEST_F(Pipeline, VitalPointBecomesBestWith999UnlessTheBestIsAbove999) {
  engine.moves["VitalPointMove"] = 909;
  engine.candidates["TwoLibertyCandidate+"] = {40, 707, 0};
  MoveResult r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 22);

  board.Reset(19, 0);
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  engine.candidates["TwoLibertyCandidate+"] = {1000, 707, 0};
  r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 11);
}

TEST_F(Pipeline, ExtensionComparisonOfStagesFortyEightAndFortyNine) {
  engine.candidates["ExtendTwoLibertyChain+"] = {5, 1212, 0};
  engine.candidates["ExtendTwoLibertyChain-"] = {3, 1313, 0};
  MoveResult r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 48);
  EXPECT_EQ(PackedI(r.packed), 12);

  board.Reset(19, 0);
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  engine.candidates["ExtendTwoLibertyChain-"] = {5, 1313, 0};
  r = Choose();
  EXPECT_EQ(PackedCode(r.packed), 49);
  EXPECT_EQ(PackedI(r.packed), 13);
}

TEST_F(Pipeline, RefusedMoveComesBackWithCodeMinusOne) {
  test::Place(board, 19, {});
  board.PlayStone(4, 4, 1, 0);
  engine.moves["PlayOpenAreaPoint"] = 404;  // occupied
  const MoveResult r = Choose(-1);
  EXPECT_EQ(PackedCode(r.packed), -1);
  EXPECT_EQ(r.captures, 0);
  EXPECT_EQ(engine.Colour(), -1);
  EXPECT_FALSE(engine.StageStarted(35));  // flags are clear again
}

TEST_F(Pipeline, CapturesAreCounted) {
  board.PlayStone(0, 1, 1, 0);
  board.PlayStone(0, 0, -1, 0);
  engine.moves["CaptureToRescue"] = 100;
  const MoveResult r = Choose(1);
  EXPECT_EQ(PackedCode(r.packed), 65);
  EXPECT_EQ(r.captures, 1);
  EXPECT_EQ(board.GetChain(0, 0), 0);
}

TEST_F(Pipeline, ReenteredRequestSkipsStartedStagesAndOnlyOneMoveIsPlayed) {
  // The pump re-enters once stage 7 has started.
  MoveResult inner{};
  bool entered = false;
  engine.SetMessagePump([&] {
    if (!entered && engine.StageStarted(7)) {
      entered = true;
      inner = engine.ChooseMove(board, 1, 40, 1515);
    }
  });
  engine.moves["AnswerLastMove"] = 909;  // stage 6
  const MoveResult outer = Choose();
  // Stages 1 and 7 had started before the pump re-entered: the inner
  // request did not run them again.
  int firstMoves = 0, ownAtari = 0;
  for (const auto& c : engine.calls) {
    firstMoves += c == "RandomFirstMove";
    ownAtari += c == "AtariCandidate+";
  }
  EXPECT_EQ(firstMoves, 1);
  EXPECT_EQ(ownAtari, 1);
  EXPECT_EQ(PackedCode(inner.packed), 6);
  EXPECT_EQ(PackedCode(outer.packed), 0);  // nothing for the outer request
  int stones = 0;
  for (int i = 0; i < 19; ++i)
    for (int j = 0; j < 19; ++j) stones += board.GetChain(i, j) != 0;
  EXPECT_EQ(stones, 1);
}

TEST_F(Pipeline, ReenteredRequestContinuesAfterTheStartedStages) {
  // The outer request is at stage 9 when the pump re-enters: stages 7 and 8
  // are not called again, stage 9 is skipped, the rest run.
  std::vector<std::string> innerCalls;
  bool entered = false;
  engine.SetMessagePump([&] {
    if (!entered && engine.StageStarted(9) && !engine.StageStarted(10)) {
      entered = true;
      const auto before = engine.calls.size();
      engine.ChooseMove(board, 1, 40, 1515);
      innerCalls.assign(engine.calls.begin() + before, engine.calls.end());
    }
  });
  Choose();
  ASSERT_TRUE(entered);
  for (const auto& c : innerCalls) {
    EXPECT_NE(c, "AtariCandidate+");
    EXPECT_NE(c, "DoubleAtariCandidate-");
  }
  EXPECT_EQ(innerCalls.front(), "CaptureCandidateA-");  // stage 10
}

TEST_F(Pipeline, GamePhaseIsOneForTheFirstNineMoves) {
  test::Place(board, 9,
              {"X X X X . O O O O", "X X X X . O O O O", "X X X X . O O O O",
               "X X X X . O O O O", "X X X X . O O O O", "X X X X . O O O O",
               "X X X X . O O O O", "X X X X . O O O O", "X X X X . O O O O"});
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  for (int m = 0; m < 10; ++m) {
    Choose(1, m, -1);
    EXPECT_EQ(engine.Phase(), 1) << m;
  }
}

TEST_F(Pipeline, GamePhaseNeverLeavesFour) {
  test::Place(board, 9,
              {"X X X X . O O O O", "X X X X . O O O O", "X X X X . O O O O",
               "X X X X . O O O O", "X X X X . O O O O", "X X X X . O O O O",
               "X X X X . O O O O", "X X X X . O O O O", "X X X X . O O O O"});
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  Choose(1, 60, -1);
  ASSERT_EQ(engine.Phase(), 4);
  board.Reset(9, 0);
  Choose(1, 3, -1);
  EXPECT_EQ(engine.Phase(), 4);
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  EXPECT_EQ(engine.Phase(), 0);
}

TEST_F(Pipeline, GamePhaseTwoInAnOpenMiddleGame) {
  Choose(1, 40, -1);
  EXPECT_EQ(engine.Phase(), 1);  // an empty board is all open points
  // Two walls with 27 open points between them: between a quarter and
  // three quarters of the board.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", "X X X X X X X X X",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               "O O O O O O O O O", ". . . . . . . . .", ". . . . . . . . ."});
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  Choose(1, 40, -1);
  EXPECT_EQ(engine.Phase(), 2);
}

TEST_F(Pipeline, OpenBoardMoveComesLastAndOnlyBeforeTheEndgame) {
  engine.moves["OpenBoardMove"] = 1003;
  MoveResult r = Choose(-1);
  EXPECT_EQ(PackedCode(r.packed), ThinkEngine::kOpenBoardStage);
  EXPECT_EQ(PackedI(r.packed), 10);
  EXPECT_LT(board.GetChain(10, 3), 0);
  ASSERT_TRUE(engine.Called("CaptureToRescue"));
  EXPECT_EQ(engine.calls.back(), "OpenBoardMove");

  // A stage that answers leaves it out.
  engine.calls.clear();
  engine.moves["CaptureToRescue"] = 505;
  r = Choose(1);
  EXPECT_EQ(PackedCode(r.packed), 65);
  EXPECT_FALSE(engine.Called("OpenBoardMove"));

  // In the endgame nothing stands in for the pass; the last guard fills a
  // neutral point while one is left, and then the engine passes.
  engine.moves.erase("CaptureToRescue");
  test::Place(board, 9,
              {"X X X X . O O O O", "X X X X . O O O O", "X X X X . O O O O",
               "X X X X . O O O O", "X X X X . O O O O", "X X X X . O O O O",
               "X X X X . O O O O", "X X X X . O O O O", "X X X X . O O O O"});
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  engine.calls.clear();
  r = Choose(1, 60, -1);
  ASSERT_EQ(engine.Phase(), 4);
  EXPECT_EQ(PackedCode(r.packed), ThinkEngine::kPassGuardStage);
  EXPECT_EQ(PackedI(r.packed), 4);
  EXPECT_FALSE(engine.Called("OpenBoardMove"));

  test::Place(board, 9,
              {". X X X X O O O .", ". X X X X O O O .", ". X X X X O O O .",
               ". X X X X O O O .", ". X X X X O O O .", ". X X X X O O O .",
               ". X X X X O O O .", ". X X X X O O O .", ". X X X X O O O ."});
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  engine.calls.clear();
  r = Choose(1, 60, -1);
  ASSERT_EQ(engine.Phase(), 4);
  EXPECT_EQ(PackedCode(r.packed), -1);
  EXPECT_FALSE(engine.Called("OpenBoardMove"));
}

class OpenBoardEngine : public ThinkEngine {
 public:
  using ThinkEngine::OpenBoardMove;
  void SetPhase(int phase) { gamePhase_ = phase; }
};

TEST(OpenBoardMove, TheEngineDoesNotPassOnAnOpenNineLineBoard) {
  // Measured against GNU Go: after these five stones every stage came up
  // empty and White passed at move 6.
  PlaneBoard board;
  board.Reset(9, 0);
  OpenBoardEngine engine;
  engine.SetupGame(board, 0, 1, 1, 0, 0);
  const int moves[5][3] = {{5, 6, 1}, {2, 5, -1}, {5, 2, 1}, {2, 3, -1}, {5, 4, 1}};
  for (const auto& m : moves) board.PlayStone(m[0], m[1], m[2], 0);

  engine.AnalysePosition(board, -1, 0, 0);
  const int m = engine.OpenBoardMove();
  ASSERT_GE(m, 0);
  EXPECT_TRUE(m / 100 >= 2 && m / 100 <= 6 && m % 100 >= 2 && m % 100 <= 6) << m;
  engine.SetPhase(3);
  EXPECT_EQ(engine.OpenBoardMove(), -1);

  // The whole move choice: no pass, a White stone off the first two lines.
  engine.SetupGame(board, 0, 1, 1, 0, 0);
  const MoveResult r = engine.ChooseMove(board, -1, 5, MoveCodeOf(5, 4));
  ASSERT_NE(PackedCode(r.packed), -1);
  const int i = PackedI(r.packed), j = PackedJ(r.packed);
  EXPECT_LT(board.GetChain(i, j), 0);
  EXPECT_TRUE(i >= 2 && i <= 6 && j >= 2 && j <= 6) << i << "," << j;
}

TEST(OpenBoardMove, WhiteDoesNotPassAgainstStonesOfBlackOnly) {
  // With only Black's stones on the board the whole empty board is one
  // Black region; White used to pass against two stones, and against five
  // handicap stones on nine lines.
  const std::vector<std::vector<std::pair<int, int>>> setups = {
      {{6, 2}, {2, 6}},
      {{2, 6}, {6, 2}, {6, 6}, {2, 2}, {4, 4}},
  };
  for (const auto& stones : setups) {
    PlaneBoard board;
    board.Reset(9, 0);
    OpenBoardEngine engine;
    engine.SetupGame(board, 0, 1, 1, 0, 0);
    for (const auto& [i, j] : stones) board.PlayStone(i, j, 1, 0);
    const int n = static_cast<int>(stones.size());
    const MoveResult r = engine.ChooseMove(
        board, -1, n, MoveCodeOf(stones.back().first, stones.back().second));
    ASSERT_NE(PackedCode(r.packed), -1) << n << " stones";
    const int i = PackedI(r.packed), j = PackedJ(r.packed);
    EXPECT_LT(board.GetChain(i, j), 0) << n << " stones";
  }

  // A smaller opposing region is territory, and so is White's own, however
  // large: the stand-in move goes into neither.
  PlaneBoard board;
  test::Place(board, 9,
              {". . . . . X O . .", ". . . . . X O . .", ". . . . . X O . .",
               ". . . . . X O . .", "X X X X X X O . .", "O O O O O O O . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  OpenBoardEngine engine;
  engine.SetupGame(board, 0, 1, 1, 0, 0);
  engine.AnalysePosition(board, -1, 0, 0);
  engine.SetPhase(2);
  EXPECT_EQ(engine.OpenBoardMove(), -1);
  // Black's view: White's region of 39 points is open board to play in.
  engine.AnalysePosition(board, 1, 0, 0);
  engine.SetPhase(2);
  const int m = engine.OpenBoardMove();
  ASSERT_GE(m, 0);
  EXPECT_GE(m / 100, 5) << m;
}

TEST_F(Pipeline, CornerCountersOnNineteenAndNineLines) {
  Choose(1, 40, 1503);  // i > 10, j < 8
  Choose(1, 41, 303);   // i < 8, j < 8
  Choose(1, 42, 909);   // the centre: no corner
  EXPECT_EQ(engine.CornerMoves(0), 1);
  EXPECT_EQ(engine.CornerMoves(2), 1);
  EXPECT_EQ(engine.CornerMoves(1) + engine.CornerMoves(3), 0);

  board.Reset(9, 0);
  engine.SetupGame(board, kKeima, 0, 1, 0, 0);
  engine.moves["PlayOpenAreaPoint"] = 0;
  for (int last : {101, 707, 107, 701}) Choose(1, 40, last);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(engine.CornerMoves(k), 0);
}

TEST_F(Pipeline, BookAnswersTheFirstMoveOnAnEmptyBoard) {
  // Move 0: no last move, so only the book-anywhere stage can answer.
  engine.SetupGame(board, 0, 0, 1, 0, 0);
  const MoveResult r = Choose(1, 0, -1);
  EXPECT_EQ(PackedCode(r.packed), 5);
  const int i = PackedI(r.packed), j = PackedJ(r.packed);
  const int li = i < 9 ? i : 18 - i, lj = j < 9 ? j : 18 - j;
  EXPECT_TRUE((li == 3 && lj == 3) || (li == 2 && lj == 3) ||
              (li == 3 && lj == 2) || (li == 2 && lj == 2))
      << i << "," << j;
}

TEST_F(Pipeline, OnNineLinesTheBookOnlyFindsWhitesFirstStone) {
  auto fromBook = [](const MoveResult& r) {
    const int code = PackedCode(r.packed);
    return code == 2 || code == 4 || code == 5;
  };
  board.Reset(9, 0);
  engine.SetupGame(board, 0, 1, 1, 0, 0);
  EXPECT_FALSE(fromBook(Choose(1, 0, -1)));
  // White's answer to a stone on the centre point comes from the book.
  board.PlayStone(4, 4, 1, 0);
  EXPECT_TRUE(fromBook(Choose(-1, 1, 404)));
  // Its second move no longer does.
  board.PlayStone(2, 2, 1, 0);
  EXPECT_FALSE(fromBook(Choose(-1, 3, 202)));
}

TEST_F(Pipeline, NoBookUnderKeimaGoAfterTheFirstMoves) {
  engine.SetupGame(board, 1, 1, 0, 0, 0);
  const MoveResult r = Choose(1, 4, -1);
  EXPECT_NE(PackedCode(r.packed), 5);
}

}  // namespace
}  // namespace kz
