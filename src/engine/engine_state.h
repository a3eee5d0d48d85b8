// EngineState: the computer player's data and its operation table.
//
// ThinkEngine is built as a chain of layers that add no data:
//
//   EngineState          (this file)  the fields and the 94 operations in
//                                     the order of the operation table
//   CaptureReader        eval/        capture reading, safety, dead stones
//                                     (operations 52..76, 79..93)
//   CandidateGenerators  eval/        generators of the late stages (26..51)
//   PipelineGenerators   engine/      generators of the early stages (8..25)
//   ThinkEngine          engine/      set-up, the move-choice pipeline, the
//                                     position analysis (0..7, 77, 78)
//
// Every operation is virtual so that a test can replace a generator with a
// scripted answer. Nothing here allocates once the object is built.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/board/plane_board.h"
#include "engine/engine_types.h"

namespace kz {

class OpeningBook;
class PatternLibraryA;
class PatternLibraryB;

class EngineState {
 public:
  using Plane = PlaneBoard::Plane;

  EngineState();
  EngineState(const EngineState&) = delete;
  EngineState& operator=(const EngineState&) = delete;

  // ---- The operation table, in its fixed order. ----
  virtual ~EngineState();                                               // 0
  virtual void SetupGame(PlaneBoard& board, int rule, int blackPlayer,
                         int whitePlayer, int faster, int style) = 0;    // 1
  virtual void SetLastMove(int move) = 0;                               // 2
  virtual void SetCornerMoves(int a, int b, int c, int d) = 0;          // 3
  virtual MoveResult ChooseMove(PlaneBoard& board, int colour,
                                int moveNumber, int lastMove) = 0;      // 4
  virtual void AnalysePosition(PlaneBoard& board, int colour, int mode,
                               int flag) = 0;                           // 5
  virtual int GetArea(int i, int j) const = 0;                          // 6
  virtual int CountArea(int colour) const = 0;                          // 7

  // Generators of the early and middle stages.
  virtual int RandomFirstMove() = 0;                                    // 8
  virtual int AnswerLastMove() = 0;                                     // 9
  virtual Candidate AtariCandidate(int colour, int flag) = 0;           // 10
  virtual Candidate TwoLibertyCandidate(int colour, int flag) = 0;      // 11
  virtual int IsMoveSafe(int move, int sign) = 0;                       // 12
  virtual Candidate DoubleAtariCandidate(int colour) = 0;               // 13
  virtual int IsDoubleAtariPoint(int i, int j) = 0;                     // 14
  virtual Candidate CaptureCandidateA(int colour) = 0;                  // 15
  virtual Candidate CaptureCandidateB(int colour) = 0;                  // 16
  virtual Candidate CaptureCandidateC(int colour) = 0;                  // 17
  virtual int ScanMove() = 0;                                           // 18
  virtual int PatternBMove(int type) = 0;                               // 19
  virtual int ContactReply() = 0;                                       // 20
  virtual int PatternAMove(int mode, int bestScore, int bestMove,
                           int bestExtra) = 0;                          // 21
  virtual int LocalShapeMove(int colour) = 0;                           // 22
  virtual int LocalShapeTest(int i, int j) = 0;                         // 23
  virtual int VitalPointMove() = 0;                                     // 24
  virtual int OpenAreaMove() = 0;                                       // 25

  // Candidate generators of the later stages.
  virtual int PlayJumpFromWeakGroup(int colour) = 0;                    // 26
  virtual int PlayEyeVitalPoint(int colour) = 0;                        // 27
  virtual int DefendCuttingPoint() = 0;                                 // 28
  virtual int PlayOpenAreaPoint() = 0;                                  // 29
  virtual int AnswerSideApproach() = 0;                                 // 30
  virtual int PlayMinSwingPoint() = 0;                                  // 31
  virtual int PlayInfluenceFrontier() = 0;                              // 32
  virtual int IsShoulderShape(int i, int j) = 0;                        // 33
  virtual int CutDiagonalEnemy() = 0;                                   // 34
  virtual int PlayReservedMove() = 0;                                   // 35
  virtual int LinkWeakGroups(int colour) = 0;                           // 36
  virtual int PlayEyeShapeMove(int colour) = 0;                         // 37
  virtual Candidate ExtendTwoLibertyChain(int colour) = 0;              // 38
  virtual int GuardSharedLiberty(int colour) = 0;                       // 39
  virtual int PlayShapePoint() = 0;                                     // 40
  virtual int MatchShapeA(int i, int j) = 0;                            // 41
  virtual int MatchShapeB(int i, int j) = 0;                            // 42
  virtual int PlayHaneShape() = 0;                                      // 43
  virtual int MakeOrDenyEyes(int colour) = 0;                           // 44
  virtual int PlayEndgameBoundary() = 0;                                // 45
  virtual int PlayContestedPoint(int colour) = 0;                       // 46
  virtual int CaptureToRescue() = 0;                                    // 47
  virtual int AttackTwoLibertyNeighbour() = 0;                          // 48
  virtual int AttackThreeLibertyNeighbour() = 0;                        // 49
  virtual int SecureEyeShape() = 0;                                     // 50
  virtual int PlayAnyReasonablePoint() = 0;                             // 51

  // Dead stones, capture reading and move safety. A reader examines the
  // chain at (i, j) of the board it is given, normalised to that chain's
  // colour while it works and turned back on every way out.
  virtual void MarkDeadChains(int mode) = 0;                            // 52
  virtual void UnmarkDeadChain(PlaneBoard& board, int i, int j,
                               int depth) = 0;                          // 53
  virtual void MarkWeakNeighbours(PlaneBoard& board, int i, int j) = 0; // 54
  virtual ReadResult CaptureRaceTest(PlaneBoard& board, int i, int j) = 0;  // 55
  virtual ReadResult ConfirmThreeLibertyCapture(PlaneBoard& board, int i,
                                                int j) = 0;             // 56
  virtual ReadResult ReadAtari(PlaneBoard& board, int i, int j) = 0;    // 57
  virtual ReadResult ReadTwoLiberties(PlaneBoard& board, int i, int j) = 0;  // 58
  virtual int AtariNeighbourTest(PlaneBoard& board, int i, int j) = 0;  // 59
  virtual int QuickTwoLibertyTest(PlaneBoard& board, int i, int j) = 0; // 60
  virtual int EscapeTest(PlaneBoard& board, int from, int i, int j) = 0;  // 61
  virtual int TouchesWeakEnemy(const PlaneBoard& board, int i, int j,
                               int sign) = 0;                           // 62
  virtual int LibertyShapeTest(const PlaneBoard& board, int i, int j,
                               int excluded) = 0;                       // 63
  virtual ReadResult ReadThreeLiberties(PlaneBoard& board, int i, int j) = 0;  // 64
  virtual int QuickThreeLibertyTest(PlaneBoard& board, int i, int j) = 0;  // 65
  virtual ReadResult ReadFourLiberties(PlaneBoard& board, int i, int j) = 0;  // 66
  virtual int QuickFourLibertyTest(PlaneBoard& board, int i, int j) = 0;  // 67
  virtual int ChaseStepTest(const PlaneBoard& board, int i, int j) = 0;   // 68
  virtual int CaptureCountTest(const PlaneBoard& board, int i, int j) = 0;  // 69
  virtual int SurroundTestA(const PlaneBoard& board, int i, int j) = 0;   // 70
  virtual int SurroundTestB(const PlaneBoard& board, int i, int j) = 0;   // 71
  virtual int CaptureShapeA(const PlaneBoard& board, int i, int j) = 0;   // 72
  virtual int CaptureShapeB(const PlaneBoard& board, int i, int j) = 0;   // 73
  virtual int CaptureShapeC(const PlaneBoard& board, int i, int j) = 0;   // 74
  virtual int CaptureShapeD(const PlaneBoard& board, int i, int j) = 0;   // 75
  virtual int LibertiesAfterMove(int i, int j, int colour) const = 0;     // 76
  virtual MoveResult PlayEngineMove(int packed, int extra) = 0;           // 77
  virtual void ClearStageFlags() = 0;                                     // 78
  virtual int TouchesDeadEnemy(const PlaneBoard& board, int a,
                               int b) const = 0;                          // 79
  virtual int NeighbourChainSize(const PlaneBoard& board, int i,
                                 int j) const = 0;                        // 80
  virtual ReadResult FindRescuingCapture(PlaneBoard& board, int linkId,
                                         int colour) = 0;                 // 81
  virtual int CanCaptureNeighbour(const PlaneBoard& board,
                                  int linkId) const = 0;                  // 82
  virtual ReadResult FindRescuingCapture2(PlaneBoard& board, int linkId,
                                          int colour, int continueFlag) = 0;  // 83
  virtual int CanAtariSafely(const PlaneBoard& board, int i, int j) = 0;  // 84
  virtual int TouchesOtherChain(const PlaneBoard& board, int ownChain,
                                int chain, int point) const = 0;          // 85
  virtual int DiagonalJumpShape(const PlaneBoard& board, int i,
                                int j) const = 0;                         // 86
  virtual int ReadChase(int liberty, int colour) = 0;                     // 87
  virtual int TwoLibertyPoints(const PlaneBoard& board, int move,
                               int colour) const = 0;                     // 88
  virtual int FirstLiberty(const PlaneBoard& board, int i,
                           int j) const = 0;                              // 89
  virtual int IsFrontierPoint(const PlaneBoard& board, int i,
                              int j) const = 0;                           // 90
  virtual int IsFrontierPoint2(const PlaneBoard& board, int i,
                               int j) const = 0;                          // 91
  virtual int CountEyeAreas(int i, int j, PlaneBoard& board,
                            int refresh) const = 0;                       // 92
  virtual int IsGroupSettled(int i, int j, const PlaneBoard& board) const = 0;  // 93

  // ---- Beside the table. ----
  void SetMessagePump(MessagePump pump) { pump_ = std::move(pump); }
  int Colour() const { return colour_; }
  int Phase() const { return gamePhase_; }
  int LastMove() const { return lastMove_; }
  int MoveNumber() const { return moveNumber_; }
  int Faster() const { return faster_; }
  int Style() const { return style_; }
  int Rule() const { return rule_; }
  int CornerMoves(int k) const { return cornerMoves_[k]; }
  int ReservedMove(int k) const { return reserved_[k]; }
  bool StageStarted(int code) const { return stageFlags_[code] != 0; }
  PlaneBoard& Work(WorkBoard w) { return *work_[w]; }
  OpeningBook& Book() { return *book_; }
  const PatternLibraryA& PatternsA() const { return *patternsA_; }
  const PatternLibraryB& PatternsB() const { return *patternsB_; }

 protected:
  // Lets one window message through, when the host gave a pump.
  void Pump() {
    if (pump_) pump_();
  }
  int AreaAt(int i, int j) const { return area_[PlaneIndex(i, j)]; }

  // Fields, in the order of the engine's data model.
  std::unique_ptr<OpeningBook> book_;
  std::unique_ptr<PatternLibraryA> patternsA_;
  std::unique_ptr<PatternLibraryB> patternsB_;
  PlaneBoard* board_ = nullptr;  // the game board; not owned
  std::array<std::unique_ptr<PlaneBoard>, kWorkBoards> work_;
  int size_ = 19, size1_ = 18, size2_ = 17, size3_ = 16;
  int handicap_ = 0;
  int colour_ = 1;
  int moveNumber_ = 0;
  std::array<int, 4> cornerMoves_{};
  int blackPlayer_ = 0, whitePlayer_ = 0;
  int rule_ = 0;
  int style_ = 0;
  int faster_ = 0;
  int lastMove_ = -1;
  int startEvaluation_ = 0;
  int gamePhase_ = 0;
  int lastBlackMove_ = -1, lastWhiteMove_ = -1;
  std::array<std::uint8_t, 100> stageFlags_{};
  Plane area_{};
  Plane whiteArea_{};
  Plane blackArea_{};
  Plane deadSnapshot_{};
  std::array<int, 10> reserved_{};

  MessagePump pump_;
  // Iterator state of FindRescuingCapture2: the rescues already returned.
  int rescueCursor_ = 0;
  // Bumped by every committed engine move; a ChooseMove that finds it moved
  // across its own pumps knows a re-entered request already answered.
  unsigned commits_ = 0;
};

}  // namespace kz
