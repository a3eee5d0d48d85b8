// The early stages' generators are not written yet: each answers "nothing".
#include "engine/pipeline_generators.h"

namespace kz {

int PipelineGenerators::RandomFirstMove() { return -1; }
int PipelineGenerators::AnswerLastMove() { return -1; }
Candidate PipelineGenerators::AtariCandidate(int, int) { return {}; }
Candidate PipelineGenerators::TwoLibertyCandidate(int, int) { return {}; }
int PipelineGenerators::IsMoveSafe(int, int) { return -1; }
Candidate PipelineGenerators::DoubleAtariCandidate(int) { return {}; }
int PipelineGenerators::IsDoubleAtariPoint(int, int) { return 0; }
Candidate PipelineGenerators::CaptureCandidateA(int) { return {}; }
Candidate PipelineGenerators::CaptureCandidateB(int) { return {}; }
Candidate PipelineGenerators::CaptureCandidateC(int) { return {}; }
int PipelineGenerators::ScanMove() { return -1; }
int PipelineGenerators::PatternBMove(int) { return -1; }
int PipelineGenerators::ContactReply() { return -1; }
int PipelineGenerators::PatternAMove(int, int, int, int) { return -1; }
int PipelineGenerators::LocalShapeMove(int) { return -1; }
int PipelineGenerators::LocalShapeTest(int, int) { return 0; }
int PipelineGenerators::VitalPointMove() { return -1; }
int PipelineGenerators::OpenAreaMove() { return -1; }

}  // namespace kz
