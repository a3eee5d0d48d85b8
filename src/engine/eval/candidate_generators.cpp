// The later stages' generators are not written yet: each answers "nothing".
#include "engine/eval/candidate_generators.h"

namespace kz {

int CandidateGenerators::PlayJumpFromWeakGroup(int) { return -1; }
int CandidateGenerators::PlayEyeVitalPoint(int) { return -1; }
int CandidateGenerators::DefendCuttingPoint() { return -1; }
int CandidateGenerators::PlayOpenAreaPoint() { return -1; }
int CandidateGenerators::AnswerSideApproach() { return -1; }
int CandidateGenerators::PlayMinSwingPoint() { return -1; }
int CandidateGenerators::PlayInfluenceFrontier() { return -1; }
int CandidateGenerators::IsShoulderShape(int, int) { return 0; }
int CandidateGenerators::CutDiagonalEnemy() { return -1; }
int CandidateGenerators::PlayReservedMove() { return -1; }
int CandidateGenerators::LinkWeakGroups(int) { return -1; }
int CandidateGenerators::PlayEyeShapeMove(int) { return -1; }
Candidate CandidateGenerators::ExtendTwoLibertyChain(int) { return {}; }
int CandidateGenerators::GuardSharedLiberty(int) { return -1; }
int CandidateGenerators::PlayShapePoint() { return -1; }
int CandidateGenerators::MatchShapeA(int, int) { return 0; }
int CandidateGenerators::MatchShapeB(int, int) { return 0; }
int CandidateGenerators::PlayHaneShape() { return -1; }
int CandidateGenerators::MakeOrDenyEyes(int) { return -1; }
int CandidateGenerators::PlayEndgameBoundary() { return -1; }
int CandidateGenerators::PlayContestedPoint(int) { return -1; }
int CandidateGenerators::CaptureToRescue() { return -1; }
int CandidateGenerators::AttackTwoLibertyNeighbour() { return -1; }
int CandidateGenerators::AttackThreeLibertyNeighbour() { return -1; }
int CandidateGenerators::SecureEyeShape() { return -1; }
int CandidateGenerators::PlayAnyReasonablePoint() { return -1; }

}  // namespace kz
