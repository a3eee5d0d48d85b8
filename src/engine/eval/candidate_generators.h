// CandidateGenerators: the generators of the later pipeline stages
// (operations 26..51). Each asks one narrow question about the position and
// answers a MoveCode, or -1 when it has nothing to say; the pipeline then
// goes on to its next stage.
//
// A generator that works for a colour turns the game board to that colour
// on entry (own stones positive) and back on every way out; the ColourView
// below does both, so no return path can forget it. Test stones go on the
// work boards only (engine_types.h says which), never on the game board.
//
// The files:
//   candidate_generators.cpp         the shared helpers, the opening and
//                                    influence generators (26, 29..33, 35)
//   candidate_generators_tactics.cpp cuts, two- and three-liberty fights,
//                                    shared liberties (28, 34, 38, 39,
//                                    46..49)
//   candidate_generators_shape.cpp   shape points and their patterns,
//                                    links between groups (36, 40..43)
//   candidate_generators_eyes.cpp    eyes and the endgame (27, 37, 44, 45,
//                                    50, 51)
//   pass_guard.cpp                   the last guard before a pass
#pragma once

#include <cstddef>

#include "engine/board/board_geometry.h"
#include "engine/eval/capture_reader.h"

namespace kz {

class CandidateGenerators : public CaptureReader {
 public:
  int PlayJumpFromWeakGroup(int colour) override;     // 26
  int PlayEyeVitalPoint(int colour) override;         // 27
  int DefendCuttingPoint() override;                  // 28
  int PlayOpenAreaPoint() override;                   // 29
  int AnswerSideApproach() override;                  // 30
  int PlayMinSwingPoint() override;                   // 31
  int PlayInfluenceFrontier() override;               // 32
  int IsShoulderShape(int i, int j) override;         // 33
  int CutDiagonalEnemy() override;                    // 34
  int PlayReservedMove() override;                    // 35
  int LinkWeakGroups(int colour) override;            // 36
  int PlayEyeShapeMove(int colour) override;          // 37
  Candidate ExtendTwoLibertyChain(int colour) override;  // 38
  int GuardSharedLiberty(int colour) override;        // 39
  int PlayShapePoint() override;                      // 40
  int MatchShapeA(int i, int j) override;             // 41
  int MatchShapeB(int i, int j) override;             // 42
  int PlayHaneShape() override;                       // 43
  int MakeOrDenyEyes(int colour) override;            // 44
  int PlayEndgameBoundary() override;                 // 45
  int PlayContestedPoint(int colour) override;        // 46
  int CaptureToRescue() override;                     // 47
  int AttackTwoLibertyNeighbour() override;           // 48
  int AttackThreeLibertyNeighbour() override;         // 49
  int SecureEyeShape() override;                      // 50
  int PlayAnyReasonablePoint() override;              // 51

  // The last guard before a pass (pass_guard.cpp): a move that saves an own
  // chain the readers find capturable, takes or presses an enemy chain
  // that matters, or fills a neutral point without losing liberties; -1
  // when there is none and the pass is sound.
  virtual int UrgentMoveBeforePass();
  // The answer to a threat: when the opponent's last move, within two
  // points of an own chain of five stones or more, has left that chain
  // capturable by the readers, the move that saves it (as the guard finds
  // it); -1 otherwise.
  virtual int SaveThreatenedGroup();

  // A local shape: up to 12 points around the candidate, each with a state
  // the stone there must have (in the view where own stones are positive).
  enum ShapeState : char { kOwn = 'O', kEnemy = 'X', kEmpty = '.',
                           kNotEnemy = 'o', kNotOwn = 'x' };
  struct ShapePointRule {
    signed char di, dj;
    char state;
  };
  struct Shape {
    int count;
    ShapePointRule points[12];
  };
  // True when the empty point (i, j) fits one of the shapes in one of the
  // eight symmetries.
  template <std::size_t N>
  bool MatchesAnyShape(const Shape (&shapes)[N], int i, int j) const;

 protected:
  // The game board seen from colour `a` (+1 or -1) for the object's life.
  class ColourView {
   public:
    ColourView(PlaneBoard& board, int a) : board_(board), a_(a) {
      NormaliseColour(board_, a_);
    }
    ~ColourView() { NormaliseColour(board_, a_); }
    ColourView(const ColourView&) = delete;
    ColourView& operator=(const ColourView&) = delete;

   private:
    PlaneBoard& board_;
    int a_;
  };

  // Visits points from the corner quarter nearest the last move outwards:
  // the visited index r stands for r or N-1-r (rows and columns apart).
  struct CornerScan {
    int flipI, flipJ, n;
    int I(int r) const { return flipI ? n - 1 - r : r; }
    int J(int c) const { return flipJ ? n - 1 - c : c; }
  };
  CornerScan ScanFromLastMove() const;

  // Settled-ness of linked groups, asked on the game board while it is
  // seen from colour `a`, each group once per generator call.
  class SettledGroups {
   public:
    SettledGroups(CandidateGenerators& engine, int a) : engine_(engine), a_(a) {}
    bool At(int i, int j);

   private:
    CandidateGenerators& engine_;
    int a_;
    int ids_[64] = {};
    bool settled_[64] = {};
    int count_ = 0;
  };
  friend class SettledGroups;

  // A list of up to 100 chain or group ids already examined in one call.
  struct SeenIds {
    int ids[100] = {};
    int count = 0;
    // True when `id` was there; otherwise it is added (while there is room).
    bool CheckAndAdd(int id);
  };

  // The stone at (i, j) in the current view: +1 own, -1 enemy, 0 empty,
  // kOffBoard off the board.
  static constexpr int kOffBoard = 2;
  int SideAt(int i, int j) const;
  bool EmptyAt(int i, int j) const { return SideAt(i, j) == 0; }
  // A live stone (not marked dead) of side s in the current view.
  bool LiveStoneAt(int i, int j, int s) const;
  // AreaPlane's owner at (i, j) seen from colour a: +1 own, -1 enemy, 0.
  int AreaSide(int i, int j, int a) const { return Sign(AreaAt(i, j)) * a; }
  // Whether the Keima-go rule forbids the mover's stone at (i, j) while the
  // board is seen from colour a.
  bool KeimaForbids(int i, int j, int a) const;
  // SafetyCheck in its stricter form for a stone of `side` at (i, j). The
  // quick tests behind it do not see eyes, so a stone whose chain then
  // keeps two or more liberties that are all its own one-point eyes (the
  // enemy can play none of them) counts as safe as well.
  bool StrictSafetyCheck(const PlaneBoard& b, int i, int j, int side);
  // The common playable point: empty, in no region, in no area, allowed by
  // the Keima-go rule for the mover.
  bool Playable(int i, int j, int a) const;
  // A move the mover may make here: on the board, empty, not suicide, allowed
  // by the Keima-go rule (board seen from a).
  bool MoverCanPlay(int move, int a) const;
  // The mover's side in the view of colour a (+1 when a is the mover).
  int MoverSide(int a) const { return colour_ * a > 0 ? 1 : -1; }
  // 0 for the first line, 1 for the second, ...
  int LineOf(int i, int j) const;
  // The bad-move filter for a point of the mover (board seen from a); under
  // the Keima-go rule a substitute the rule forbids is not taken. Answers
  // the filter's verdict: -1, the point, or the substitute.
  int FilterForMover(int move, int a) const;
  // The style filters of operations 31 and 32: true when the point is
  // skipped (board seen from the mover).
  bool StyleSkips(int i, int j);
  // Stones of side s orthogonally next to (i, j), and among the diagonals.
  int CountOrthogonal(int i, int j, int s) const;
  int CountDiagonal(int i, int j, int s) const;
  bool RegionIsOnlyEyeSpace(int i, int j, SettledGroups& settled) const;

  // The pass guard's steps, on the game board seen from the mover.
  // Saves the largest own chain of `minSize` stones or more (within two
  // points of `near` unless it is -1) that reads capturable.
  int SaveEndangeredChain(PlaneBoard& b, int minSize, int near);
  int PressEnemyChain(PlaneBoard& b);
  int FillNeutralPoint(PlaneBoard& b);
  // The mover's stone at `move` on the trial board: -1 when it is illegal,
  // keeps fewer than `minLibs` liberties or reads capturable, or when the
  // own chain at `target` (>= 0) is then gone or reads capturable; else the
  // liberties of the target's chain (of the new stone's when target < 0).
  int TrialLiberties(const PlaneBoard& b, int move, int target, int minLibs);
  // The one-point eyes of the chain at (i, j) that the enemy can neither
  // fill nor make false: two of them and the chain lives whatever the
  // readers, which count liberties, say.
  int SoundEyes(const PlaneBoard& b, int i, int j) const;

  // An offset turned by one of the eight symmetries (bit 4: swap the axes,
  // bit 1: mirror i, bit 2: mirror j).
  static Step Turn(int symmetry, int di, int dj);
  // Whether `shape`, turned by one of the eight symmetries, fits at (i, j).
  bool ShapeFits(const Shape& shape, int symmetry, int i, int j) const;
  bool StateHolds(int i, int j, char state) const;
};

}  // namespace kz
