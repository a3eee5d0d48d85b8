// PipelineGenerators: the generators of the early and middle pipeline
// stages (operations 8..25). Until a generator is written it answers
// "nothing" (-1, or a Candidate with move -1).
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
};

}  // namespace kz
