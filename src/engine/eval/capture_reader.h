// CaptureReader: the engine layer that reads captures and judges safety.
//
// Readers work for the chain at the point they are given: they turn the
// board they examine so that this chain is positive (own) and the attacker
// negative, copy it to their own work board (engine_types.h says which) for
// test stones, and turn the examined board back on every way out. Depth is
// fixed by the liberty count: one liberty is chased (ladder), two to four
// are read by shapes and single test attacks, five or more never.
#pragma once

#include "engine/engine_state.h"

namespace kz {

// How strict SafetyCheck is.
enum SafetyStrictness : int {
  kSafetyPlain = 0,
  kSafetyQuickTests = 1,      // also reject on the quick tests (stricter form)
  kSafetyRejectLarge = 2,     // also reject a -96 move into a large region
};

class CaptureReader : public EngineState {
 public:
  void MarkDeadChains(int mode) override;                                  // 52
  void UnmarkDeadChain(PlaneBoard& board, int i, int j, int depth) override;  // 53
  void MarkWeakNeighbours(PlaneBoard& board, int i, int j) override;       // 54
  ReadResult CaptureRaceTest(PlaneBoard& board, int i, int j) override;    // 55
  ReadResult ConfirmThreeLibertyCapture(PlaneBoard& board, int i,
                                        int j) override;                   // 56
  ReadResult ReadAtari(PlaneBoard& board, int i, int j) override;          // 57
  ReadResult ReadTwoLiberties(PlaneBoard& board, int i, int j) override;   // 58
  int AtariNeighbourTest(PlaneBoard& board, int i, int j) override;        // 59
  int QuickTwoLibertyTest(PlaneBoard& board, int i, int j) override;       // 60
  int EscapeTest(PlaneBoard& board, int from, int i, int j) override;      // 61
  int TouchesWeakEnemy(const PlaneBoard& board, int i, int j,
                       int sign) override;                                 // 62
  int LibertyShapeTest(const PlaneBoard& board, int i, int j,
                       int excluded) override;                             // 63
  ReadResult ReadThreeLiberties(PlaneBoard& board, int i, int j) override; // 64
  int QuickThreeLibertyTest(PlaneBoard& board, int i, int j) override;     // 65
  ReadResult ReadFourLiberties(PlaneBoard& board, int i, int j) override;  // 66
  int QuickFourLibertyTest(PlaneBoard& board, int i, int j) override;      // 67
  int ChaseStepTest(const PlaneBoard& board, int i, int j) override;       // 68
  int CaptureCountTest(const PlaneBoard& board, int i, int j) override;    // 69
  int SurroundTestA(const PlaneBoard& board, int i, int j) override;       // 70
  int SurroundTestB(const PlaneBoard& board, int i, int j) override;       // 71
  int CaptureShapeA(const PlaneBoard& board, int i, int j) override;       // 72
  int CaptureShapeB(const PlaneBoard& board, int i, int j) override;       // 73
  int CaptureShapeC(const PlaneBoard& board, int i, int j) override;       // 74
  int CaptureShapeD(const PlaneBoard& board, int i, int j) override;       // 75
  int LibertiesAfterMove(int i, int j, int colour) const override;         // 76
  int TouchesDeadEnemy(const PlaneBoard& board, int a, int b) const override;  // 79
  int NeighbourChainSize(const PlaneBoard& board, int i, int j) const override;  // 80
  ReadResult FindRescuingCapture(PlaneBoard& board, int linkId,
                                 int colour) override;                     // 81
  int CanCaptureNeighbour(const PlaneBoard& board, int linkId) const override;  // 82
  ReadResult FindRescuingCapture2(PlaneBoard& board, int linkId, int colour,
                                  int continueFlag) override;              // 83
  int CanAtariSafely(const PlaneBoard& board, int i, int j) override;      // 84
  int TouchesOtherChain(const PlaneBoard& board, int ownChain, int chain,
                        int point) const override;                         // 85
  int DiagonalJumpShape(const PlaneBoard& board, int i, int j) const override;  // 86
  int ReadChase(int liberty, int colour) override;                         // 87
  int TwoLibertyPoints(const PlaneBoard& board, int move,
                       int colour) const override;                         // 88
  int FirstLiberty(const PlaneBoard& board, int i, int j) const override;  // 89
  int IsFrontierPoint(const PlaneBoard& board, int i, int j) const override;   // 90
  int IsFrontierPoint2(const PlaneBoard& board, int i, int j) const override;  // 91
  int CountEyeAreas(int i, int j, PlaneBoard& board,
                    int refresh) const override;                           // 92
  int IsGroupSettled(int i, int j, const PlaneBoard& board) const override;  // 93

  // Whether a stone of `colour` at (i, j) on a copy of `position` survives:
  // it is played on the TrialBoard and read by its liberty count. True when
  // the stone is safe. `strictness` is a SafetyStrictness mask.
  bool SafetyCheck(const PlaneBoard& position, int i, int j, int colour,
                   int strictness = kSafetyPlain);
  // The reader that matches the liberty count of the chain at (i, j):
  // status 1 when it can be captured; five or more liberties are safe.
  ReadResult ReadByLiberties(PlaneBoard& board, int i, int j,
                             bool withQuickTests = false);

 protected:
  // Liberties of the chain at (i, j) in row-major order (at most `max`);
  // returns how many there are in all.
  static int LibertyList(const PlaneBoard& board, int i, int j, int* out,
                         int max);
  // Enemy chains (one stone each, as MoveCodes) next to the chain at (i, j)
  // with exactly `libs` liberties, distinct, in row-major order.
  static int EnemyNeighbours(const PlaneBoard& board, int i, int j, int libs,
                             int* out, int max);
  // The same for liberty counts from `fewest` to `most` (fewest < 0: all).
  static int EnemyChainsWith(const PlaneBoard& board, int i, int j, int fewest,
                             int most, int* out, int max);
  // Nth (0-based) adjacent enemy chain in atari of the stones selected by
  // (id, byLink): MoveCode of one of its stones, -1 when there is none.
  static int NthAtariNeighbour(const PlaneBoard& board, int id, bool byLink,
                               int n);
  // Rescue search shared by operations 81 and 83 and by the readers.
  ReadResult RescueSearch(PlaneBoard& board, int id, bool byLink, int colour,
                          int nth, bool strict);
  // Liberties the chains of colour s would have after a stone of s at the
  // empty point e (joining every chain of s next to it), with the point
  // `blocked` taken by the enemy (-1: none) and the point `freed` emptied
  // (-1: none). MoveCodes throughout.
  static int MergedLiberties(const PlaneBoard& board, int s, int e,
                             int blocked, int freed);
  // Liberties of a stone of colour s played at the empty point p, joined
  // with its chains, not counting `skip` (-1: none).
  static int StoneLiberties(const PlaneBoard& board, int s, int p, int skip);
  // The attacker's move that captures the 2-liberty chain at (i, j) at once
  // (the defender's extension on the other liberty keeps at most one
  // liberty and the attacker's stone keeps two), or -1.
  static int ClosedLibertyAttack(const PlaneBoard& board, int i, int j);
  static int SnapbackPoint(const PlaneBoard& board, int i, int j);
  // Whether an enemy chain next to the chain at (i, j) has at most `libs`.
  static bool WeakEnemyNear(const PlaneBoard& board, int i, int j, int libs);
  // Size of the empty area holding p, counted up to `limit` + 1 points;
  // its points go to `out` (at most `limit` + 1 of them).
  static int EmptyArea(const PlaneBoard& board, int p, int limit, int* out);
  // Test attacks of the multi-liberty readers; `board` is normalised to the
  // examined chain at (i, j).
  ReadResult AttackByLiberties(PlaneBoard& board, int i, int j, int libs);
  int OnEdgeLine(int v) const { return v <= 1 || v >= size2_; }
  bool InsideBoard(int i, int j) const { return OnBoard(size_, i, j); }
};

}  // namespace kz
