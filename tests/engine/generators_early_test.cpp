// The generators of the early and middle stages (operations 8..25) on small
// positions. Diagrams: rows from the top (j), columns from the left (i);
// X Black, O White; a MoveCode is i * 100 + j.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "engine/think_engine.h"
#include "support/board_diagram.h"

namespace kz {
namespace {

constexpr int kBlack = 1, kWhite = -1;
constexpr int kJapanese = 0, kKeima = 1;

// The real engine with the fields a move choice would set, set by hand.
class GenEngine : public ThinkEngine {
 public:
  void Prepare(PlaneBoard& b, int colour, int lastMove, int moveNumber,
               int rule = kJapanese, int faster = 0, int style = 0) {
    SetupGame(b, rule, 0, 1, faster, style);
    moveNumber_ = moveNumber;
    lastMove_ = lastMove;
    AnalysePosition(b, colour, 0, 0);
    for (int i = 0; i < size_; ++i)
      for (int j = 0; j < size_; ++j)
        deadSnapshot_[PlaneIndex(i, j)] = b.GetDead(i, j);
  }
  void SetHandicap(int h) { handicap_ = h; }
  void SetPhase(int phase) { gamePhase_ = phase; }
  using PipelineGenerators::SavingMove;
  using PipelineGenerators::AcceptPatternB;
  using ThinkEngine::LaterMinSwingPoint;
};

// Every stored plane a generator could disturb, as one string.
std::string Fingerprint(const PlaneBoard& b) {
  std::string s;
  const int n = b.GetSize();
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      for (int v : {b.GetChain(i, j), b.GetRegion(i, j), b.GetLink(i, j),
                    b.GetDead(i, j), b.GetInfluence(i, j),
                    b.GetBlackInfluence(i, j), b.GetWhiteInfluence(i, j)})
        s += std::to_string(v) + ",";
  s += std::to_string(b.GetLastBlackChainId()) + "/" +
       std::to_string(b.GetLastWhiteChainId());
  return s;
}

// Where a proposed 9-line move stands: its line (0 = the edge line), the
// Manhattan distance to the nearest enemy stone and to the nearest stone,
// and whether an own stone lies within two points each way.
struct MoveSurroundings {
  int line = 0;
  int enemyDistance = 99;
  int stoneDistance = 99;
  bool ownNear = false;
};
MoveSurroundings SurroundingsOf(const PlaneBoard& b, int move) {
  MoveSurroundings s;
  const int i = move / 100, j = move % 100;
  s.line = std::min(std::min(i, j), std::min(8 - i, 8 - j));
  for (int a = 0; a < 9; ++a)
    for (int c = 0; c < 9; ++c) {
      const int v = b.GetChain(a, c);
      if (v == 0) continue;
      const int dist = std::abs(a - i) + std::abs(c - j);
      s.stoneDistance = std::min(s.stoneDistance, dist);
      if (v < 0) s.enemyDistance = std::min(s.enemyDistance, dist);
      if (v > 0 && std::max(std::abs(a - i), std::abs(c - j)) <= 2) s.ownNear = true;
    }
  return s;
}

class Generators : public ::testing::Test {
 protected:
  // The open-area move for `colour` after `lastMove`, at move `moveNumber`,
  // with the game phase set to `phase`.
  int OpenAreaIn(int phase, int colour, int lastMove, int moveNumber) {
    engine.Prepare(board, colour, lastMove, moveNumber);
    engine.SetPhase(phase);
    return engine.OpenAreaMove();
  }
  // Runs every generator with both colours and checks that none leaves the
  // game board changed.
  void ExpectEveryGeneratorRestoresTheBoard() {
    const std::string before = Fingerprint(board);
    const int c = engine.Colour();
    std::vector<std::pair<std::string, std::function<void()>>> calls = {
        {"8", [&] { engine.RandomFirstMove(); }},
        {"9", [&] { engine.AnswerLastMove(); }},
        {"12", [&] { engine.IsMoveSafe(404, 1); engine.IsMoveSafe(404, -1); }},
        {"18", [&] { engine.ScanMove(); }},
        {"20", [&] { engine.ContactReply(); }},
        {"24", [&] { engine.VitalPointMove(); }},
        {"25", [&] { engine.OpenAreaMove(); }},
    };
    for (int s : {c, -c}) {
      calls.push_back({"10", [&, s] { engine.AtariCandidate(s, 0); engine.AtariCandidate(s, 1); }});
      calls.push_back({"11", [&, s] { engine.TwoLibertyCandidate(s, 0); engine.TwoLibertyCandidate(s, 1); }});
      calls.push_back({"13", [&, s] { engine.DoubleAtariCandidate(s); }});
      calls.push_back({"15", [&, s] { engine.CaptureCandidateA(s); }});
      calls.push_back({"16", [&, s] { engine.CaptureCandidateB(s); }});
      calls.push_back({"17", [&, s] { engine.CaptureCandidateC(s); }});
      calls.push_back({"22", [&, s] { engine.LocalShapeMove(s); }});
    }
    for (int t = 0; t <= 4; ++t)
      calls.push_back({"19", [&, t] { engine.PatternBMove(t); }});
    for (int m = 1; m <= 3; ++m)
      calls.push_back({"21", [&, m] { engine.PatternAMove(m, 0, -1, 0); }});
    for (auto& [name, call] : calls) {
      call();
      EXPECT_EQ(Fingerprint(board), before) << "operation " << name;
    }
  }

  PlaneBoard board;
  GenEngine engine;
};

// ---- Operation 8: the random first move under Keima-go. ----

TEST_F(Generators, RandomFirstMoveOnlyUnderKeimaGoAndEarly) {
  test::Place(board, 19, {"."});
  engine.Prepare(board, kBlack, -1, 0, kJapanese);
  EXPECT_EQ(engine.RandomFirstMove(), -1);
  engine.Prepare(board, kBlack, -1, 2, kKeima);
  EXPECT_EQ(engine.RandomFirstMove(), -1);  // after the second move
  engine.Prepare(board, kBlack, -1, 0, kKeima);
  engine.SetHandicap(2);
  EXPECT_EQ(engine.RandomFirstMove(), -1);  // Black with handicap stones
  engine.SetHandicap(0);
  const int m = engine.RandomFirstMove();
  // Never the centre; else one of the eight points around it.
  EXPECT_NE(m, 909);
  if (m >= 0) {
    EXPECT_LE(std::abs(m / 100 - 9), 1);
    EXPECT_LE(std::abs(m % 100 - 9), 1);
  }
}

TEST_F(Generators, FirstMoveListSkipsOccupiedPoints) {
  test::Place(board, 19, {"."});
  board.PlayStone(10, 10, kWhite, 0);
  engine.Prepare(board, kBlack, -1, 1, kKeima);
  EXPECT_EQ(engine.FirstMoveFromList(4), 910);
  EXPECT_EQ(engine.FirstMoveFromList(0), -1);
  EXPECT_EQ(engine.FirstMoveFromList(1), 908);
  test::Place(board, 9, {"."});
  engine.Prepare(board, kBlack, -1, 1, kKeima);
  EXPECT_EQ(engine.FirstMoveFromList(8), 303);
  board.PlayStone(3, 3, kWhite, 0);
  EXPECT_EQ(engine.FirstMoveFromList(8), -1);
}

// ---- Operation 10: chains in atari. ----

TEST_F(Generators, AtariCandidateSavesOwnCuttingStone) {
  test::Place(board, 9,
              {". . . . . . . . .",
               ". . . O . . . . .",
               ". . O X O . . . .",
               ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 402, 10);
  const Candidate c = engine.AtariCandidate(kBlack, 0);
  EXPECT_EQ(c.move, 303);
  EXPECT_EQ(c.score, 999);  // the stone cuts three White stones apart
  ExpectEveryGeneratorRestoresTheBoard();
}

TEST_F(Generators, AtariCandidateCapturesARunningStone) {
  test::Place(board, 9,
              {". . . . . . . . .",
               ". . . X . . . . .",
               ". . X O X . . . .",
               ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 303, 10);
  // White could run out at (3, 3): Black takes the stone at once.
  const Candidate c = engine.AtariCandidate(kWhite, 0);
  EXPECT_EQ(c.move, 303);
  EXPECT_EQ(c.score, 999);
}

TEST_F(Generators, AtariCandidateLeavesAChainThatCannotBeSaved) {
  // The White stone in atari has no way out: it is marked dead and left.
  test::Place(board, 9,
              {". X . . . . . . .",
               "X O X . . . . . .",
               ". . . . . . . . .",
               ". X . . . . . . .",
               ". . . . . . . . ."});
  board.PlayStone(0, 2, kBlack, 0);
  board.PlayStone(2, 2, kBlack, 0);
  engine.Prepare(board, kBlack, 202, 10);
  EXPECT_EQ(engine.AtariCandidate(kWhite, 0).move, -1);
  // White, to move, cannot save it either.
  engine.Prepare(board, kWhite, 202, 10);
  EXPECT_EQ(engine.AtariCandidate(kWhite, 0).move, -1);
}

TEST_F(Generators, AtariCandidateFindsNothingWithoutAtari) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . X . . . . . .", ". . . . O . . . ."});
  engine.Prepare(board, kBlack, 402, 10);
  EXPECT_EQ(engine.AtariCandidate(kBlack, 0).move, -1);
  EXPECT_EQ(engine.AtariCandidate(kWhite, 0).move, -1);
}

// ---- Operations 13 and 14: double ataris. ----

void DoubleAtariShape(PlaneBoard& board, const char* row3 = ". X O . . . . . .") {
  test::Place(board, 9,
              {". . . . . . . . .",
               ". . . X . . . . .",
               ". . X O . . . . .",
               row3,
               ". . . . . . . . ."});
}

TEST_F(Generators, DoubleAtariFoundForTheEngine) {
  DoubleAtariShape(board);
  engine.Prepare(board, kBlack, 203, 10);
  const Candidate c = engine.DoubleAtariCandidate(kWhite);  // stage 9
  EXPECT_EQ(c.move, 303);
  EXPECT_EQ(c.score, 1);
  ExpectEveryGeneratorRestoresTheBoard();
}

TEST_F(Generators, OpponentsDoubleAtariPointIsTakenFirst) {
  DoubleAtariShape(board);
  engine.Prepare(board, kWhite, 301, 10);
  EXPECT_EQ(engine.DoubleAtariCandidate(kWhite).move, 303);  // stage 13
}

TEST_F(Generators, DoubleAtariNeedsTwoChainsWithTwoLiberties) {
  DoubleAtariShape(board);
  engine.Prepare(board, kBlack, 203, 10);
  NormaliseColour(board, kWhite);
  EXPECT_EQ(engine.IsDoubleAtariPoint(3, 3), 1);
  EXPECT_EQ(engine.IsDoubleAtariPoint(4, 2), 0);
  NormaliseColour(board, kWhite);
  // Without the Black stone at (1, 3) the lower chain has three liberties.
  DoubleAtariShape(board, ". . O . . . . . .");
  engine.Prepare(board, kBlack, 203, 10);
  NormaliseColour(board, kWhite);
  EXPECT_EQ(engine.IsDoubleAtariPoint(3, 3), 0);
  NormaliseColour(board, kWhite);
}

// ---- Operations 11 and 15: chains with two liberties, ladders. ----

// A stone that White can ladder: White at (5, 4), (4, 5), (6, 6).
void LadderShape(PlaneBoard& board, bool blackStone) {
  const char* row5 = blackStone ? ". . . . O X . . . ." : ". . . . X O . . . .";
  test::Place(board, 19,
              {". . . . . . . . . .", ". . . . . . . . . .",
               ". . . . . . . . . .", ". . . . . . . . . .",
               blackStone ? ". . . . . O . . . ." : ". . . . . X . . . .",
               row5,
               blackStone ? ". . . . . . O . . ." : ". . . . . . X . . ."});
}

TEST_F(Generators, TwoLibertyCandidateRunsOutBeforeTheLadder) {
  LadderShape(board, true);
  engine.Prepare(board, kBlack, 606, 20);
  const Candidate c = engine.TwoLibertyCandidate(kBlack, 0);
  EXPECT_TRUE(c.move == 605 || c.move == 506) << c.move;
  EXPECT_EQ(c.score, 4);  // one stone, plus two: it cuts three White stones
  ExpectEveryGeneratorRestoresTheBoard();
}

TEST_F(Generators, TwoLibertyCandidateLetsALoneStoneThatCutsNothingGo) {
  // The same ladder, but the White stones around Black (5, 5) are one
  // chain: running out would save nothing worth a move.
  test::Place(board, 19,
              {". . . . . . . . . .", ". . . . . . . . . .",
               ". . . . . . . . . .", ". . . . . . . . . .",
               ". . . . O O . . . .", ". . . . O X . . . .",
               ". . . . . . O . . ."});
  engine.Prepare(board, kBlack, 606, 20);
  EXPECT_EQ(engine.TwoLibertyCandidate(kBlack, 0).move, -1);
  // White to move still takes it.
  engine.Prepare(board, kWhite, 505, 20);
  const Candidate c = engine.TwoLibertyCandidate(kBlack, 0);
  EXPECT_TRUE(c.move == 605 || c.move == 506) << c.move;
}

TEST_F(Generators, TwoLibertyCandidateAttacksTheOpponentsStone) {
  LadderShape(board, false);
  engine.Prepare(board, kBlack, 505, 20);
  const Candidate c = engine.TwoLibertyCandidate(kWhite, 0);
  EXPECT_TRUE(c.move == 605 || c.move == 506) << c.move;
}

TEST_F(Generators, LadderCandidateStartsTheLadder) {
  LadderShape(board, false);
  engine.Prepare(board, kBlack, 505, 20);
  const Candidate c = engine.CaptureCandidateA(kWhite);
  EXPECT_TRUE(c.move == 605 || c.move == 506) << c.move;
  EXPECT_EQ(c.score, 4);
}

TEST_F(Generators, LadderCandidateDoesNotRunOutWithALoneStoneThatCutsNothing) {
  // Black's stone touches one White chain only: White may still ladder it,
  // but Black does not run out with it.
  test::Place(board, 19,
              {". . . . . . . . . .", ". . . . . . . . . .",
               ". . . . . . . . . .", ". . . . . . . . . .",
               ". . . . O O . . . .", ". . . . O X . . . .",
               ". . . . . . O . . .", ". . . . . . . . . ."});
  engine.Prepare(board, kBlack, 606, 20);
  EXPECT_EQ(engine.CaptureCandidateA(kBlack).move, -1);
  engine.Prepare(board, kWhite, 606, 20);
  const int m = engine.CaptureCandidateA(kBlack).move;
  EXPECT_TRUE(m == 605 || m == 506) << m;
}

TEST_F(Generators, LadderBreakerStopsTheLadderCandidate) {
  // A White stone on the ladder's path: no atari works.
  test::Place(board, 19,
              {". . . . . . . . . .", ". . . . . . . . . .",
               ". . . . . . . . . .", ". . . . . . . . . .",
               ". . . . . X . . . .", ". . . . X O . . . .",
               ". . . . . . X . . .", ". . . . . . . . O .",
               ". . . . . . . . . .", ". . . . . . . . . ."});
  engine.Prepare(board, kBlack, 807, 20);
  const Candidate c = engine.CaptureCandidateA(kWhite);
  EXPECT_NE(c.move, 605);
}

TEST_F(Generators, ChainCandidatesAreQuietOnAQuietBoard) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . X . . . O . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . O . . . X . .", ". . . . . . . . .", ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 206, 10);
  for (int s : {kBlack, kWhite}) {
    EXPECT_EQ(engine.TwoLibertyCandidate(s, 0).move, -1);
    EXPECT_EQ(engine.DoubleAtariCandidate(s).move, -1);
    EXPECT_EQ(engine.CaptureCandidateA(s).move, -1);
    EXPECT_EQ(engine.CaptureCandidateB(s).move, -1);
    EXPECT_EQ(engine.CaptureCandidateC(s).move, -1);
  }
  EXPECT_EQ(engine.AnswerLastMove(), -1);
  EXPECT_EQ(engine.ContactReply(), -1);
}

// ---- Operation 12: is a move safe. ----

TEST_F(Generators, MoveSafetyRejectsSuicideAndSelfAtari) {
  test::Place(board, 9,
              {". O . . . . . . .",
               "O . . . . . . . .",
               ". . . O . . . . .",
               ". . O . O . . . .",
               ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 402, 10);
  EXPECT_EQ(engine.IsMoveSafe(0, 1), -1);    // suicide in the corner
  EXPECT_EQ(engine.IsMoveSafe(303, 1), -1);  // one liberty left
  EXPECT_EQ(engine.IsMoveSafe(606, 1), 606);
  EXPECT_EQ(engine.IsMoveSafe(303, -1), 303);  // White may fill its own eye
  EXPECT_EQ(engine.IsMoveSafe(-1, 1), -1);
}

// ---- Operation 20: the contact reply. ----

TEST_F(Generators, ContactReplyHanesAtTheHeadOfTheLongerChain) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .",
               ". . X . O O . . .",
               ". . . . X . . . .",
               ". . . . X . . . .",
               ". . . . . . . . .", ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 404, 12);
  EXPECT_EQ(engine.ContactReply(), 304);
  ExpectEveryGeneratorRestoresTheBoard();
}

TEST_F(Generators, ContactReplyNeedsAChainWithMoreThanFourLiberties) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .",
               ". . X . O . . . .",
               ". . . . X . . . .",
               ". . . . X . . . .",
               ". . . . . . . . .", ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 404, 12);
  EXPECT_EQ(engine.ContactReply(), -1);
  engine.Prepare(board, kBlack, -1, 12);
  EXPECT_EQ(engine.ContactReply(), -1);
}

// ---- Operation 21: pattern library A. ----

void Peep(PlaneBoard& board, int size) {
  test::Place(board, size, {". . . . . . . .", ". . . . . . . .", ". . . . . . . .",
                            ". . . . X . . .", ". . . O . . . .", ". . . . X . . .",
                            ". . . . . . . ."});
}

TEST_F(Generators, PatternAConnectsAgainstAPeep) {
  Peep(board, 9);
  engine.Prepare(board, kBlack, 304, 20);
  EXPECT_EQ(engine.PatternAMove(2, 0, -1, 0), 404);
  EXPECT_EQ(engine.PatternAMove(3, 0, -1, 0), 404);
  // Mode 1 is for young games only; a 9-line game is never young.
  EXPECT_EQ(engine.PatternAMove(1, 0, -1, 0), -1);
  ExpectEveryGeneratorRestoresTheBoard();
}

TEST_F(Generators, PatternAModeOneInAYoungGameOrABusyCorner) {
  Peep(board, 19);
  engine.Prepare(board, kBlack, 304, 36);
  EXPECT_EQ(engine.PatternAMove(1, 0, -1, 0), 404);
  engine.Prepare(board, kBlack, 304, 37);
  EXPECT_EQ(engine.PatternAMove(1, 0, -1, 0), -1);
  engine.SetCornerMoves(0, 0, 15, 0);  // the upper-left corner is busy
  EXPECT_EQ(engine.PatternAMove(1, 0, -1, 0), 404);
  engine.SetCornerMoves(15, 15, 14, 15);
  EXPECT_EQ(engine.PatternAMove(1, 0, -1, 0), -1);
}

TEST_F(Generators, PatternAModeTwoStandsBackWhenTheBestTouchesTheLastMove) {
  Peep(board, 9);
  engine.Prepare(board, kBlack, 304, 20);
  EXPECT_EQ(engine.PatternAMove(2, 5, 204, 0), -1);
  EXPECT_EQ(engine.PatternAMove(2, 5, 707, 0), 404);
}

TEST_F(Generators, PatternANeedsALastMoveThatIsNotDead) {
  Peep(board, 9);
  engine.Prepare(board, kBlack, -1, 20);
  EXPECT_EQ(engine.PatternAMove(3, 0, -1, 0), -1);
  engine.Prepare(board, kBlack, 304, 20);
  board.SetDead(3, 4, 1);
  EXPECT_EQ(engine.PatternAMove(3, 0, -1, 0), -1);
}

// ---- Operation 19: pattern library B. ----

// White holds one cutting point of Black's diagonal; the other is (4, 3).
void DiagonalCut(PlaneBoard& board) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . X . . . . .", ". . . O X . . . .", ". . . . . . . . .",
               ". . . . . . . . ."});
}

TEST_F(Generators, PatternBMendsADiagonalCut) {
  // Type 0: Black connects at the other cutting point.
  DiagonalCut(board);
  engine.Prepare(board, kBlack, 304, 10);
  EXPECT_EQ(engine.PatternBMove(0), 403);
  EXPECT_EQ(engine.PatternBMove(3), -1);
  ExpectEveryGeneratorRestoresTheBoard();
}

TEST_F(Generators, PatternBEdgeShapeAnswersTheLastMoveBeforeTheNineLineEndgame) {
  // Black's third-line pair C3-D3 above White's second-line C2: blocking
  // beside the White stone (B2 or D2) is edge shape (type 2). Before the
  // endgame on nine lines it is played only as the answer to a White move
  // within two points; after White's G7 elsewhere, or with no last move,
  // Black leaves it, and in the endgame it is played.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . O . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . X X . . . . .", ". . O . . . . . .", ". . . . . . . . ."});
  auto edgeShape = [&](int lastMove, int moveNumber, int phase) {
    engine.Prepare(board, kBlack, lastMove, moveNumber);
    engine.SetPhase(phase);
    return engine.PatternBMove(2);
  };
  auto besideWhite = [](int m) { return m == 107 || m == 307; };
  EXPECT_TRUE(besideWhite(edgeShape(207, 10, 2)));
  EXPECT_EQ(edgeShape(602, 10, 2), -1);
  EXPECT_EQ(edgeShape(-1, 10, 2), -1);
  EXPECT_TRUE(besideWhite(edgeShape(602, 40, 3)));
  ExpectEveryGeneratorRestoresTheBoard();
}

TEST_F(Generators, PatternBLeavesADiagonalWhoseCutWouldBeCaptured) {
  // A White stone on the cutting point would be caught in a ladder (Black
  // ataris from above, the stone on its right blocks): the cut is no
  // threat yet, so Black does not spend a move mending it.
  DiagonalCut(board);
  board.PlayStone(6, 3, kBlack, 0);
  engine.Prepare(board, kBlack, 304, 10);
  EXPECT_EQ(engine.PatternBMove(0), -1);
}

TEST_F(Generators, PatternBMendsAJumpTheEnemyHasClosedInOn) {
  // Black's one-point jump C7-C5 with White's wall D6-D5 beside it: the
  // cutting point C6 has a single empty neighbour, and it is still the
  // point to connect. The same with the colours swapped.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . X . . . . . .",
               ". . . O . . . . .", ". . X O . . . . .", ". . . . . . . . .",
               ". . . O . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 304, 6);
  EXPECT_EQ(engine.PatternBMove(0), 203);
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . O . . . . . .",
               ". . . X . . . . .", ". . O X . . . . .", ". . . . . . . . .",
               ". . . X . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  engine.Prepare(board, kWhite, 304, 6);
  EXPECT_EQ(engine.PatternBMove(0), 203);
  ExpectEveryGeneratorRestoresTheBoard();
}

TEST_F(Generators, PatternBFightShapesArePlayedInsideAnArea) {
  // Black's diagonal wall D8-C7-B6 makes the corner behind it Black's area,
  // and White's D7 stands in the cut of D8-C7. The other cutting point C8
  // lies in that area: a fight shape (types 0 and 1) may be played there,
  // an edge shape (type 2) may not.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . X . . . . .", ". . X O . . . . .",
               ". X . O . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 302, 6);
  ASSERT_NE(engine.GetArea(2, 1), 0);
  EXPECT_TRUE(engine.AcceptPatternB(201, 0));
  EXPECT_TRUE(engine.AcceptPatternB(201, 1));
  EXPECT_FALSE(engine.AcceptPatternB(201, 2));
}

TEST_F(Generators, PatternBMakesNoEyeShapeInsideTheTerritoryOfALiveGroup) {
  // From a game's end: Black's left side is settled. The eye shape of
  // type 3 at (1, 6) only filled Black's own territory.
  test::Place(board, 9,
              {"X O O . . . . . .",
               "X X O O . . O . .",
               ". X X O . O X . .",
               "X . X O O O X . .",
               ". X . X X X O O .",
               "X . X X X X O X .",
               ". . X O O O O O .",
               "X X X O . O X X .",
               ". X O O . . X . ."});
  engine.Prepare(board, kBlack, -1, 54);
  const int m = engine.PatternBMove(3);
  EXPECT_TRUE(m < 0 || board.GetRegion(m / 100, m % 100) <= 0) << m;
}

TEST_F(Generators, PatternBTakesFirstLineEyesOnlyInTheEndgame) {
  // From a game: Black's hane at (2, 0) under White's wall, beside Black's
  // stone, takes eye space from White's upper group. At move 17 it was a
  // small move on an open board; in the endgame it is the right one.
  test::Place(board, 9,
              {". . . . . . . . .", ". X O O O . . . .", ". . X X . O . . .",
               ". . . . X . . . .", ". . X . . . O . .", ". . . . X . . . .",
               ". . X . O O . . .", ". . X O . . . . .", ". . . . . . . . ."});
  for (int phase : {1, 2, 3}) {
    engine.Prepare(board, kBlack, 401, 16);
    engine.SetPhase(phase);
    EXPECT_EQ(engine.PatternBMove(3), phase == 3 ? 200 : -1) << "phase " << phase;
  }
}

TEST_F(Generators, PatternBFindsNothingOnAnEmptyBoard) {
  test::Place(board, 9, {"."});
  engine.Prepare(board, kBlack, -1, 0);
  for (int t = 0; t <= 4; ++t) EXPECT_EQ(engine.PatternBMove(t), -1) << t;
}

// ---- Operation 22/23: the cut of a diagonal around an enemy stone. ----

TEST_F(Generators, LocalShapeMendsOwnCutAndCutsTheOpponent) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . X O . . . .", ". . . O X . . . .", ". . . . . . . . .",
               ". . . . . . . . ."});
  // A crosscut: every empty point next to two stones of one side.
  engine.Prepare(board, kBlack, 403, 10);
  const int own = engine.LocalShapeMove(kBlack);
  const int theirs = engine.LocalShapeMove(kWhite);
  EXPECT_EQ(own, -1);  // the crosscut has no empty cutting point
  EXPECT_EQ(theirs, -1);
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . X . . . . .", ". . . O X . . . .", ". . . . . . . . .",
               ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 304, 10);
  EXPECT_EQ(engine.LocalShapeMove(kBlack), 403);
  NormaliseColour(board, kBlack);
  EXPECT_EQ(engine.LocalShapeTest(4, 3), 1);
  EXPECT_EQ(engine.LocalShapeTest(5, 5), 0);
}

TEST_F(Generators, LocalShapeLeavesCutsThatCostNothing) {
  // The cut at (4, 3) would leave White's cutting stone in atari against
  // Black (5, 3): nothing to mend. Black still cuts White's own diagonal.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . X . X . . .", ". . . O X . . . .", ". . . . . . . . .",
               ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 304, 10);
  EXPECT_EQ(engine.LocalShapeMove(kBlack), -1);
  // One piece a lone stone with two liberties: letting it go costs little.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . O . . . . .",
               ". . . X . . . . .", ". . . O X . . . .", ". . . . . . . . .",
               ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 302, 10);
  EXPECT_EQ(engine.LocalShapeMove(kBlack), -1);
  // For White the same point cuts two Black stones: still played.
  engine.Prepare(board, kWhite, 304, 10);
  EXPECT_EQ(engine.LocalShapeMove(kBlack), 403);
}

// ---- Operation 24: the vital point. ----

TEST_F(Generators, VitalPointOfAStraightThreeOnTheEdge) {
  test::Place(board, 9,
              {". . . O . . . . .",
               "O O O O . . . . .",
               ". . . . . . . . .",
               "X X X X X . . . .",
               ". . . . . X . . ."});
  engine.Prepare(board, kBlack, 301, 20);
  EXPECT_EQ(engine.VitalPointMove(), 100);
  ExpectEveryGeneratorRestoresTheBoard();
}

// ---- Operation 25: the open-area jump. ----

TEST_F(Generators, OpenAreaJumpsOutOfAWeakGroup) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . O . . . . . .",
               ". O X O . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 303, 10);
  EXPECT_EQ(engine.OpenAreaMove(), 205);
  test::Place(board, 9, {"."});
  engine.Prepare(board, kBlack, -1, 0);
  EXPECT_EQ(engine.OpenAreaMove(), -1);
}

TEST_F(Generators, OpenAreaDevelopsOwnStonesInANineLineOpening) {
  // Each side holds two corners. In the opening the move develops from an
  // own stone on the third line or higher, with no enemy stone within two
  // points, instead of a low second-line stone.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . X . . . O . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . X . . . O . .", ". . . . . . . . .", ". . . . . . . . ."});
  const int m = OpenAreaIn(1, kBlack, 606, 4);
  ASSERT_GE(m, 0);
  const MoveSurroundings s = SurroundingsOf(board, m);
  EXPECT_GE(s.line, 2) << m;
  EXPECT_TRUE(s.ownNear) << m;
  EXPECT_GT(s.enemyDistance, 2) << m;
  // In the endgame, or on larger boards, it is not played.
  engine.SetPhase(3);
  EXPECT_EQ(engine.OpenAreaMove(), -1);
  test::Place(board, 13,
              {". . . . . . . . . . . . .", ". . . . . . . . . . . . .",
               ". . X . . . . . . . O . .", ". . . . . . . . . . . . .",
               ". . . . . . . . . . . . .", ". . . . . . . . . . . . .",
               ". . . . . . . . . . . . .", ". . . . . . . . . . . . .",
               ". . . . . . . . . . . . .", ". . . . . . . . . . . . .",
               ". . X . . . . . . . O . ."});
  EXPECT_EQ(OpenAreaIn(1, kBlack, 1010, 4), -1);
}

TEST_F(Generators, OpenAreaGoesOnAtTheFrameworksBoundaryOnNineLines) {
  // From a measured game, Black to play move 9: no open area is left, and
  // the least-swing stage after this one played a second-line stone under
  // White's wall (row 7, column 1). The opening goes on where the two
  // frameworks meet instead: off the first two lines, touching no stone,
  // near an own stone and outside both sides' areas.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . X . X . X . .",
               ". . . . . . . . .", ". O O . . . X . .", ". . . . O . . . .",
               ". . . . . . O . .", ". . . . . . . . .", ". . . . . . . . ."});
  const int m = OpenAreaIn(1, kBlack, 601, 8);
  ASSERT_GE(m, 0);
  const MoveSurroundings s = SurroundingsOf(board, m);
  EXPECT_GE(s.line, 2) << m;
  EXPECT_EQ(engine.GetArea(m / 100, m % 100), 0) << m;
  EXPECT_GT(s.stoneDistance, 1) << m;
  EXPECT_TRUE(s.ownNear) << m;
  // The boundary lies between the frameworks: not deep in Black's own
  // upper half, not deep in White's lower half.
  EXPECT_TRUE(m / 100 >= 3 && m / 100 <= 5) << m;
  ExpectEveryGeneratorRestoresTheBoard();
  // In the middle game the same point, as long as the opponent's last
  // stone touches none of ours; after a contact play the fight is left to
  // the later stages.
  // (1, 4): White's stone beside its pair; (6, 1): next to Black's (6, 2).
  EXPECT_EQ(OpenAreaIn(2, kBlack, 104, 10), m);
  EXPECT_EQ(OpenAreaIn(2, kBlack, 601, 10), -1);
  // Later than the middle game, never.
  EXPECT_EQ(OpenAreaIn(3, kBlack, 601, 10), -1);
}

TEST_F(Generators, OpenAreaKeepsToTheBoundaryInTheNineLineMiddleGame) {
  // A middle-game position: Black's wall on the third column, White's on
  // the seventh, the board between them open. White's last stone stands on
  // its own wall. The boundary point is the fifth column's, between the
  // walls; a second-line invasion behind either wall is not an answer.
  test::Place(board, 9,
              {". . . . . . . . .", ". . X . . . O . .", ". . X . . . O . .",
               ". . X . . . O . .", ". . X . . . O . .", ". . X . . . O . .",
               ". . X . . . O . .", ". . X . . . O . .", ". . . . . . . . ."});
  // The same for White, from its side of the board, after a Black stone
  // on Black's wall.
  for (const auto& [colour, last, moveNumber] :
       {std::tuple{kBlack, 607, 14}, std::tuple{kWhite, 207, 15}}) {
    const int m = OpenAreaIn(2, colour, last, moveNumber);
    ASSERT_GE(m, 0) << colour;
    EXPECT_EQ(m / 100, 4) << m;
    EXPECT_TRUE(m % 100 >= 2 && m % 100 <= 6) << m;
    ExpectEveryGeneratorRestoresTheBoard();
  }
}

TEST_F(Generators, OpenAreaDevelopsIntoTheContestedGroundOnNineLines) {
  // Each side has one stone on a 3-3 point, Black to play. Of the
  // development points the one where the two sides' influence is even comes
  // first: the centre point between the stones, not a two-point extension
  // along the own side (the first point met in scan order).
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . X . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . O . .", ". . . . . . . . .", ". . . . . . . . ."});
  EXPECT_EQ(OpenAreaIn(1, kBlack, -1, 2), 404);
}

TEST_F(Generators, OpenAreaTakesAnEmptyCornerForWhiteOnNineLines) {
  // Black E5 and C7 against White's G4, White to play move 4: White takes
  // the 3-3 or a 3-4 point of one of the two empty corners (upper right,
  // lower left). Black, in the same position with the colours swapped,
  // develops from its stone instead, and so did White before.
  const char* const rows[9] = {
      ". . . . . . . . .", ". . . . . . . . .", ". . X . . . . . .",
      ". . . . . . . . .", ". . . . X . . . .", ". . . . . . O . .",
      ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."};
  auto place = [&](bool swap) {
    std::vector<std::string> r;
    for (const char* row : rows) {
      std::string line = row;
      for (char& ch : line)
        if (swap && (ch == 'X' || ch == 'O')) ch = ch == 'X' ? 'O' : 'X';
      r.push_back(line);
    }
    test::Place(board, 9, {r[0].c_str(), r[1].c_str(), r[2].c_str(),
                           r[3].c_str(), r[4].c_str(), r[5].c_str(),
                           r[6].c_str(), r[7].c_str(), r[8].c_str()});
  };
  auto isEmptyCornerPoint = [](int m) {
    for (const int p : {602, 603, 502, 206, 205, 306})
      if (m == p) return true;
    return false;
  };
  place(true);
  const int developed = OpenAreaIn(1, kBlack, 202, 3);
  ASSERT_GE(developed, 0);
  EXPECT_TRUE(SurroundingsOf(board, developed).ownNear) << developed;
  place(false);
  const int white = OpenAreaIn(1, kWhite, 202, 3);
  EXPECT_TRUE(isEmptyCornerPoint(white)) << white;
  EXPECT_NE(white, developed);
  ExpectEveryGeneratorRestoresTheBoard();
  // In the middle game the corner rule is off: White plays as Black.
  const int whiteLater = OpenAreaIn(2, kWhite, 202, 3);
  place(true);
  EXPECT_EQ(whiteLater, OpenAreaIn(2, kBlack, 202, 3));
  // With a stone on the fourth line of each open corner no corner is
  // empty, and White's move is no corner point.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . X . . . . . .",
               ". . . . . X . . .", ". . . . X . . . .", ". . . O . . O . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  const int noCorner = OpenAreaIn(1, kWhite, 503, 5);
  EXPECT_FALSE(noCorner == 602 || noCorner == 206) << noCorner;
}

TEST_F(Generators, LaterMinSwingKeepsOffTheSecondLineInTheNineLineMiddleGame) {
  // From a measured game, Black to play move 13 after White's F5, every
  // earlier stage empty. The least-swing point was a second-line stone in
  // the open corner (H8); the boundary point goes first: off the first two
  // lines, touching no stone, near a live Black stone.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . X . O . . . .",
               ". . . . . O . . .", ". . . X . O X . .", ". . . . X O . . .",
               ". . X . X . O . .", ". . . . . O . . .", ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 504, 12);
  engine.SetPhase(2);
  const int m = engine.LaterMinSwingPoint();
  ASSERT_GE(m, 0);
  const MoveSurroundings s = SurroundingsOf(board, m);
  EXPECT_GE(s.line, 2) << m;
  EXPECT_GT(s.stoneDistance, 1) << m;
  EXPECT_TRUE(s.ownNear) << m;
  ExpectEveryGeneratorRestoresTheBoard();
  // The endgame keeps the least-swing point.
  engine.SetPhase(3);
  EXPECT_EQ(engine.LaterMinSwingPoint(), engine.PlayMinSwingPoint());
}

// ---- Operation 9: the answer to the last move. ----

TEST_F(Generators, AnswerLastMoveMendsTheChainTheMoveApproached) {
  // White's (4, 4) leaves Black's two stones two liberties and a safe atari
  // at (3, 5); they are not lost yet. Black connects at (4, 3).
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . O . . . . .",
               ". . O X . X . . .",
               ". . O X O . . . .",
               ". . . . . . . . .",
               ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 404, 12);
  EXPECT_EQ(engine.AnswerLastMove(), 403);
  engine.Prepare(board, kBlack, -1, 12);
  EXPECT_EQ(engine.AnswerLastMove(), -1);  // no last move known
  ExpectEveryGeneratorRestoresTheBoard();
}

TEST_F(Generators, AnswerLastMoveLeavesALastMoveInAtariToTheAtariStages) {
  test::Place(board, 9,
              {". . . . . . . . .", ". . . X . . . . .", ". . X O X . . . .",
               ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 302, 12);
  EXPECT_EQ(engine.AnswerLastMove(), -1);
}

// ---- Operation 17: races. ----

TEST_F(Generators, RaceOfTwoLibertiesIsWonByFillingFromOutside) {
  test::Place(board, 9,
              {". . X O . . . . .",
               ". . X O . . . . .",
               ". . O X . . . . .",
               ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 302, 12);
  for (int c : {kBlack, kWhite}) {
    const int m = engine.CaptureCandidateC(c).move;
    EXPECT_TRUE(m == 400 || m == 401) << c << " " << m;
  }
  ExpectEveryGeneratorRestoresTheBoard();
}

TEST_F(Generators, RaceLeavesAStoneThatCanRunToOpenSpace) {
  // A contact of two lone stones, three liberties each: not a race.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . X O . . .", ". . . . . . . . .",
               ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 504, 10);
  for (int c : {kBlack, kWhite}) EXPECT_EQ(engine.CaptureCandidateC(c).move, -1) << c;
}

// ---- Operation 19 plays no shape against dead stones. ----

TEST_F(Generators, PatternBLeavesShapesAroundDeadStones) {
  DiagonalCut(board);
  engine.Prepare(board, kBlack, 304, 10);
  board.SetDead(3, 4, 1);  // the White stone at the cut counts as captured
  EXPECT_EQ(engine.PatternBMove(0), -1);
}

// ---- Operation 24, second phase: a region of five to fifteen points. ----

TEST_F(Generators, VitalPointReducesALargerEnemyRegion) {
  // White's corner holds a 2 x 3 region, no eye shape of the iterator:
  // Black plays inside, where the stone takes most room and keeps its
  // liberties.
  test::Place(board, 9,
              {". . . O . X . . .",
               ". . . O . X . . .",
               "O O O O . X . . .",
               ". . . . . X . . .",
               "X X X X X X . . .",
               ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 304, 20);
  const int m = engine.VitalPointMove();
  EXPECT_TRUE(m == 100 || m == 101) << m;
}

TEST_F(Generators, VitalPointLeavesTheTerritoryOfALivingGroupAlone) {
  // From a game: Black's lower side is a wide region of its own. Splitting
  // it again and again only filled Black's territory point by point while
  // White pressed in from above; no vital point is inside it.
  test::Place(board, 9,
              {". . . . . . . O .",
               ". . . O X X O O X",
               ". O O . O O X X .",
               "O O X O O . X . .",
               "O X X . . O O O O",
               "O X . . X . O X X",
               "O X . X . X X X .",
               "X . X . . . . . .",
               ". X . . . . . . ."});
  engine.Prepare(board, kBlack, 303, 42);
  const int m = engine.VitalPointMove();
  EXPECT_TRUE(m < 0 || board.GetRegion(m / 100, m % 100) <= 0) << m;
  // (A small enemy region is still spoilt: VitalPointReducesALargerEnemyRegion.)
}

// ---- Keima-go: no generator answers a point the rule forbids. ----

TEST_F(Generators, UnderKeimaGoNoGeneratorAnswersAForbiddenPoint) {
  const char* positions[][9] = {
      {". . . . . . . . .", ". . . O . . . . .", ". . O X O . . . .",
       ". . . . . . . . .", ". . . . . . . . .", ". . . . X . . . .",
       ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."},
      {". . . . . . . . .", ". . . X . . . . .", ". . X O . . . . .",
       ". X O . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
       ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."},
      {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
       ". . . . X . . . .", ". . . O . . . . .", ". . . . X . . . .",
       ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."},
  };
  for (const auto& rows : positions) {
    test::Place(board, 9,
                {rows[0], rows[1], rows[2], rows[3], rows[4], rows[5], rows[6],
                 rows[7], rows[8]});
    engine.Prepare(board, kBlack, 304, 20, kKeima);
    auto allowed = [&](int m) {
      return m < 0 || board.IsKeimaViolation(m / 100, m % 100, kBlack) == 0;
    };
    for (int s : {kBlack, kWhite}) {
      EXPECT_TRUE(allowed(engine.AtariCandidate(s, 0).move));
      EXPECT_TRUE(allowed(engine.AtariCandidate(s, 1).move));
      EXPECT_TRUE(allowed(engine.TwoLibertyCandidate(s, 0).move));
      EXPECT_TRUE(allowed(engine.TwoLibertyCandidate(s, 1).move));
      EXPECT_TRUE(allowed(engine.DoubleAtariCandidate(s).move));
      EXPECT_TRUE(allowed(engine.CaptureCandidateA(s).move));
      EXPECT_TRUE(allowed(engine.CaptureCandidateB(s).move));
      EXPECT_TRUE(allowed(engine.CaptureCandidateC(s).move));
      EXPECT_TRUE(allowed(engine.LocalShapeMove(s)));
    }
    EXPECT_TRUE(allowed(engine.AnswerLastMove()));
    EXPECT_TRUE(allowed(engine.ScanMove()));
    EXPECT_TRUE(allowed(engine.ContactReply()));
    EXPECT_TRUE(allowed(engine.VitalPointMove()));
    EXPECT_TRUE(allowed(engine.OpenAreaMove()));
    for (int t = 0; t <= 4; ++t) EXPECT_TRUE(allowed(engine.PatternBMove(t)));
    for (int m = 1; m <= 3; ++m)
      EXPECT_TRUE(allowed(engine.PatternAMove(m, 0, -1, 0)));
    for (int p = 0; p < 81; ++p) {
      const int move = MoveCodeOf(p / 9, p % 9);
      EXPECT_TRUE(allowed(engine.IsMoveSafe(move, 1)));
    }
  }
}

// ---- The rescue of a short chain: a counter-atari that nets the enemy
// stone beats running. ----

TEST_F(Generators, RescueNetsTheAdjacentEnemyStoneRatherThanRun) {
  // Black (1, 1) has two liberties; White (2, 1) beside it has two. Black
  // at (2, 2) ataris it and its escape to (2, 0) is caught by Black (3, 0).
  test::Place(board, 9,
              {". . . X . . . . .", ". X O X . . . . .", ". O . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 201, 12);
  int libs = 0;
  EXPECT_EQ(engine.SavingMove(1, 1, &libs), 202);
  EXPECT_EQ(libs, 4);
  // In open ground the atari does not net the stone (it runs out either
  // way): Black (4, 4) runs out instead, to four liberties.
  test::Place(board, 9,
              {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
               ". . . . O . . . .", ". . . . X O X . .", ". . . . . . . . .",
               ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."});
  engine.Prepare(board, kBlack, 504, 12);
  const int run = engine.SavingMove(4, 4, &libs);
  EXPECT_TRUE(run == 304 || run == 405) << run;
  EXPECT_EQ(libs, 4);
}

}  // namespace
}  // namespace kz

