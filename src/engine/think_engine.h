// ThinkEngine: the computer player. The top layer of the engine chain
// (engine_state.h): game set-up, the move-choice pipeline of 65 stages
// and the open-board move that stands in for a pass before the endgame, the
// position analysis that fills AreaPlane and the reserved moves, and playing
// the chosen move on the game board.
#pragma once

#include "engine/pipeline_generators.h"

namespace kz {

class ThinkEngine : public PipelineGenerators {
 public:
  ThinkEngine();
  ~ThinkEngine() override;

  // Stage code of the open-board move, after the 65 stages of the pipeline.
  static constexpr int kOpenBoardStage = 66;
  // Stage code of the last guard before a pass (UrgentMoveBeforePass).
  static constexpr int kPassGuardStage = 67;
  // Stage code of the answer to a threat against a large own chain
  // (SaveThreatenedGroup), before the shape stages.
  static constexpr int kThreatAnswerStage = 68;

  void SetupGame(PlaneBoard& board, int rule, int blackPlayer, int whitePlayer,
                 int faster, int style) override;                       // 1
  void SetLastMove(int move) override;                                  // 2
  void SetCornerMoves(int a, int b, int c, int d) override;             // 3
  MoveResult ChooseMove(PlaneBoard& board, int colour, int moveNumber,
                        int lastMove) override;                         // 4
  void AnalysePosition(PlaneBoard& board, int colour, int mode,
                       int flag) override;                              // 5
  int GetArea(int i, int j) const override;                             // 6
  int CountArea(int colour) const override;                             // 7
  MoveResult PlayEngineMove(int packed, int extra) override;            // 77
  void ClearStageFlags() override;                                      // 78

  // AreaPlane as saved by the last analysis with flag 1 for a colour.
  int GetSavedArea(int colour, int i, int j) const;

 protected:
  // The last stage, run only when every other stage has come up empty.
  // Before the endgame a pass hands the opponent a free move on an open
  // board, so there the engine plays where the two sides' influence meets:
  // the empty point off the first two lines and outside every region with
  // the smallest influence either way, points outside both sides' areas
  // first, among those whose stone is safe by the stricter tests. When no
  // such point is left (stones of one side only make the whole empty board
  // their region), a point of an opposing region as large as a quarter of
  // the board serves. -1 in the endgame (phase 3 and later) or when no
  // point qualifies.
  virtual int OpenBoardMove();
  // Stage 36, the least-swing point after the opening. On nine lines in
  // the middle game that point is often a second-line stone behind the
  // opponent's wall, where it cannot live; there the boundary point of the
  // open-area stage (touching no stone, near a live own stone) goes first.
  int LaterMinSwingPoint();

 private:
  struct Best {
    int score = 0;
    int move = -1;
    int extra = 0;
    int code = 0;
  };
  // Outcome of running the stages: a packed move, or "a re-entered request
  // has already answered" (nothing to play).
  struct StageOutcome {
    bool reentered = false;
    int packed = 0;
  };

  StageOutcome RunStages(unsigned commitsAtStart);
  void UpdateGamePhase();
  bool BookAllowed() const;
  void ReshuffleBookIfDue();
  void CountCornerMove(int move);
  void SetSizeFrom(const PlaneBoard& board);

  // The five scanning passes of the position analysis.
  void ScanEdges();
  void ScanThreeApart();
  void ScanKnightMoves();
  void ScanOnePointGaps();
  void ScanDiagonals();
  // Whether a stone of colour c at (i, j) holds on a copy of the game board.
  bool TrialHolds(int i, int j, int c);
  void Fill(int i, int j, int c);
  void BuildAreas(int linkMode);
  void FindReservedMoves();

  int LiveColourAt(int i, int j) const;  // colour of a live stone, else 0
};

}  // namespace kz
