// PipelineGenerators: the generators of the early and middle pipeline
// stages (operations 8..25).
//
// They share one way of working. A generator that takes a colour c looks at
// the game board turned so that c is positive (ColourView below, which turns
// it back on every way out); the side the engine moves for is then `Mover()`
// in that view: +1 when c is the engine's colour, -1 when it is the
// opponent's. Whole-board scans that prefer the last move's corner run its
// quadrant first (ScanOrder). Every point a generator proposes is empty, on
// the board, legal for the mover, allowed by the Keima-go rule when that rule
// is on, and survives SafetyCheck unless the generator says otherwise.
//
// Files: pipeline_generators.cpp (operations 8, 9, 12, 14, 20, 22..25 and
// the shared helpers), pipeline_generators_chains.cpp (the atari, two-liberty,
// double-atari and capture candidates 10, 11, 13, 15..17),
// pipeline_generators_shapes.cpp (the scan move 18 and the pattern
// libraries' stages 19 and 21).
#pragma once

#include "engine/eval/candidate_generators.h"

namespace kz {

class PipelineGenerators : public CandidateGenerators {
 public:
  int RandomFirstMove() override;                               // 8
  int AnswerLastMove() override;                                // 9
  Candidate AtariCandidate(int colour, int flag) override;      // 10
  Candidate TwoLibertyCandidate(int colour, int flag) override; // 11
  int IsMoveSafe(int move, int sign) override;                  // 12
  Candidate DoubleAtariCandidate(int colour) override;          // 13
  int IsDoubleAtariPoint(int i, int j) override;                // 14
  Candidate CaptureCandidateA(int colour) override;             // 15
  Candidate CaptureCandidateB(int colour) override;             // 16
  Candidate CaptureCandidateC(int colour) override;             // 17
  int ScanMove() override;                                      // 18
  int PatternBMove(int type) override;                          // 19
  int ContactReply() override;                                  // 20
  int PatternAMove(int mode, int bestScore, int bestMove,
                   int bestExtra) override;                     // 21
  int LocalShapeMove(int colour) override;                      // 22
  int LocalShapeTest(int i, int j) override;                    // 23
  int VitalPointMove() override;                                // 24
  int OpenAreaMove() override;                                  // 25

  // Operation 8's pick from the size's list of centre points for a draw k
  // (0..8): the first empty point from entry k on, -1 for k = 0 or when all
  // are taken.
  int FirstMoveFromList(int k) const;

 protected:
  // Turns the game board to a colour for the life of the object.
  class ColourView {
   public:
    ColourView(PlaneBoard& board, int colour) : board_(board), colour_(colour) {
      NormaliseColour(board_, colour_);
    }
    ~ColourView() { NormaliseColour(board_, colour_); }
    ColourView(const ColourView&) = delete;
    ColourView& operator=(const ColourView&) = delete;

   private:
    PlaneBoard& board_;
    int colour_;
  };

  // One axis of the quadrant-first scan: from `from` to `to` inclusive.
  struct ScanAxis {
    int from, to, step;
  };
  // The axis of index `last` (the last move's i or j) over [lo, hi]:
  // downwards when the last move lies in the upper half.
  ScanAxis ScanOrder(int last, int lo, int hi) const;

  // The engine's side in the view of colour c: +1 or -1.
  int MoverIn(int c) const { return c == colour_ ? 1 : -1; }
  // Whether a stone of `sign` (in the current view) may stand at (i, j)
  // under the Keima-go rule; always true under Japanese rules.
  bool KeimaAllows(int i, int j, int sign) const;
  // Empty, Keima-allowed and safe for `sign` on the current view.
  bool SafeFor(int move, int sign, int strictness = kSafetyPlain);
  // The first bad-move filter for the mover `sign`; with `substitute`
  // false a replacement point counts as a rejection (for moves whose
  // purpose is tied to their exact point, such as an atari).
  int Filtered(int move, int sign, bool substitute);
  // Where the two sides' influence meets: the empty point off the first
  // two lines and outside every region with the smallest influence either
  // way (row-major, the first of a tie wins) whose stone is safe for `sign`
  // by the stricter tests. Points inside either side's area lose to every
  // open point; `flags` narrows the choice. -1 when no point qualifies.
  enum MeetingPointFlags : int {
    kOpenOnly = 1,       // skip points inside an area
    kNoContact = 2,      // skip points next to a stone
    kNearOwnStone = 4,   // need a live stone of `sign` within two points
    kLargeRegions = 8,   // also an opposing region of a quarter of the board
  };
  int MeetingPoint(int sign, int flags);
  // AreaPlane in the current view (its sign follows the view).
  int ViewArea(int i, int j, int view) const { return AreaAt(i, j) * view; }
  // A stone of the chain with the given id, scanning row-major; -1 if none.
  int StoneOfChain(int id) const;
  // Number of empty orthogonal neighbours.
  int EmptyNeighbours(int i, int j) const;
  // Whether the chain at (i, j) touches two or more different chains of
  // the other colour (its stones cut them apart).
  bool IsCuttingChain(int i, int j) const;
  // Whether a stone of the chain at `stone` is orthogonally next to `move`.
  bool ChainTouches(int stone, int move) const;
  // The best saving move for the positive chain at (i, j) on the current
  // view: a capture of an adjacent enemy chain in atari or an extension on
  // a liberty, after which the chain cannot be captured. -1 when none.
  // `liberties` gets the chain's liberties after the move.
  int SavingMove(int i, int j, int* liberties);
  // A chain as a candidate's target: its size, whether it cuts, and the
  // score (size + 1 below the urgent 999, plus 2 for a cutting chain).
  struct ChainWeight {
    int size = 0;
    bool cutting = false;
    int score = 0;
    // A lone stone that cuts nothing is not worth running out with.
    bool WorthRunning() const { return size >= 2 || cutting; }
  };
  ChainWeight WeighChain(int i, int j) const;
  // For a positive chain at (i, j) that reading `lost` found capturable:
  // when its owner, moving first, can save it with at least `minAfter`
  // liberties, offer the capture (mover -1, checked with `strictness`) or
  // the saving move (mover +1).
  void OfferLostChain(Candidate& best, int i, int j, const ReadResult& lost,
                      int minAfter, int mover, int score, int strictness);
  // Whether the cutting point (i, j) of two positive chains is worth the
  // move of `mover` there (operation 22).
  bool WorthMending(int i, int j, int mover);
  // Whether the positive chain at (i, j) would be safe after a stone of +1
  // at `move` (read on the TrialBoard).
  bool SavedBy(int i, int j, int move, int* liberties);
  // Whether the positive chain at (i, j) is out of the quick tests' reach
  // after a stone of +1 at `move`.
  bool LeavesTrouble(int i, int j, int move);
  // Pattern-library helpers of operations 19 and 21.
  bool AcceptPatternA(int move, int mode);
  bool AcceptPatternB(int move, int type);
  bool YoungGame() const;
  int CornerOf(int i, int j) const;
  int RegionVitalPoint();
  // Whether a live enemy stone stands within two points of (i, j).
  bool Pressed(int i, int j) const;
  // Whether `move` lies within `distance` points (Manhattan) of the last
  // move; false when the last move is not known.
  bool NearLastMove(int move, int distance) const;
  bool OpeningDevelopment(int i, int j) const;
  // White's corner point on nine lines: see the definition.
  int EmptyCornerPoint();
};

}  // namespace kz
