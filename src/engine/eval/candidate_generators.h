// CandidateGenerators: the generators of the later pipeline stages
// (operations 26..51). Each answers a MoveCode or -1; until a generator is
// written it answers -1 ("nothing"), which the pipeline reads as: go on.
#pragma once

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
};

}  // namespace kz
