// ThinkEngine: set-up, the move-choice pipeline and playing the chosen move.
#include "engine/think_engine.h"

#include "engine/opening_book.h"

namespace kz {

ThinkEngine::ThinkEngine() = default;
ThinkEngine::~ThinkEngine() = default;

void ThinkEngine::SetSizeFrom(const PlaneBoard& board) {
  size_ = board.GetSize();
  size1_ = size_ - 1;
  size2_ = size_ - 2;
  size3_ = size_ - 3;
}

void ThinkEngine::SetupGame(PlaneBoard& board, int rule, int blackPlayer,
                            int whitePlayer, int faster, int style) {
  board_ = &board;
  rule_ = rule;
  blackPlayer_ = blackPlayer;
  whitePlayer_ = whitePlayer;
  faster_ = faster;
  style_ = style;
  SetSizeFrom(board);
  handicap_ = board.GetHandicap();
  for (auto& w : work_) w->Reset(size_, 0);
  lastMove_ = -1;
  moveNumber_ = 0;
  cornerMoves_.fill(0);
  gamePhase_ = 0;
  ClearStageFlags();
  area_.fill(0);
  whiteArea_.fill(0);
  blackArea_.fill(0);
  reserved_.fill(-1);
  book_->ShuffleBook();
}

void ThinkEngine::SetLastMove(int move) { lastMove_ = move; }

void ThinkEngine::SetCornerMoves(int a, int b, int c, int d) {
  cornerMoves_ = {a, b, c, d};
}

void ThinkEngine::ClearStageFlags() { stageFlags_.fill(0); }

int ThinkEngine::GetArea(int i, int j) const { return AreaAt(i, j); }

int ThinkEngine::GetSavedArea(int colour, int i, int j) const {
  return colour == 1 ? blackArea_[PlaneIndex(i, j)]
                     : whiteArea_[PlaneIndex(i, j)];
}

int ThinkEngine::CountArea(int colour) const {
  if (board_ == nullptr) return 0;
  int count = 0;
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j) {
      const int a = AreaAt(i, j);
      if (board_->GetChain(i, j) == 0 && a != 0 && (a > 0) == (colour > 0))
        ++count;
    }
  return count;
}

void ThinkEngine::CountCornerMove(int move) {
  if (move < 0 || (size_ != 19 && size_ != 13)) return;
  const int lo = size_ == 19 ? 8 : 6;
  const int hi = size_ == 19 ? 10 : 6;
  const int i = move / 100, j = move % 100;
  if (i > hi && j < lo) ++cornerMoves_[0];
  else if (i > hi && j > hi) ++cornerMoves_[1];
  else if (i < lo && j < lo) ++cornerMoves_[2];
  else if (i < lo && j > hi) ++cornerMoves_[3];
}

void ThinkEngine::UpdateGamePhase() {
  int open = 0, lacking = 0;
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j) {
      if (board_->GetChain(i, j) != 0 || board_->GetRegion(i, j) != 0 ||
          AreaAt(i, j) != 0)
        continue;
      ++open;
      if (board_->GetBlackInfluence(i, j) == 0 ||
          board_->GetWhiteInfluence(i, j) == 0)
        ++lacking;
    }
  const int n = size_ * size_;
  if (moveNumber_ < 10 || open > 3 * n / 4) gamePhase_ = 1;
  else if (open < n / 4) gamePhase_ = lacking > 0 ? 3 : 4;
  else gamePhase_ = 2;
}

bool ThinkEngine::BookAllowed() const {
  if (gamePhase_ != 1) return false;
  // The book's corner sequences are made for the larger boards. On 9 lines
  // a second corner or an enclosure splits the stones, so there the book
  // only finds White's first stone; Black opens from the open-area stage.
  if (size_ == 9 && (colour_ != -1 || moveNumber_ >= 2)) return false;
  if (rule_ == 0) return true;
  return rule_ == 1 &&
         (moveNumber_ < 1 || (handicap_ < 2 && moveNumber_ < 2));
}

void ThinkEngine::ReshuffleBookIfDue() {
  if ((blackPlayer_ == 1 && whitePlayer_ == 1) || moveNumber_ < 4)
    book_->ShuffleBook();
}

MoveResult ThinkEngine::ChooseMove(PlaneBoard& board, int colour,
                                   int moveNumber, int lastMove) {
  const unsigned commitsAtStart = commits_;
  board_ = &board;
  SetSizeFrom(board);
  colour_ = colour;
  moveNumber_ = moveNumber;
  lastMove_ = moveNumber >= 4 ? lastMove : -1;
  if (lastMove >= 0) CountCornerMove(lastMove);
  startEvaluation_ = board.SpreadInfluence();
  if (colour == 1) lastWhiteMove_ = lastMove;
  else lastBlackMove_ = lastMove;
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j)
      deadSnapshot_[PlaneIndex(i, j)] = board.GetDead(i, j);

  if (!stageFlags_[1]) AnalysePosition(board, colour, 0, 0);
  if (gamePhase_ < 4) UpdateGamePhase();
  if (gamePhase_ == 4) AnalysePosition(board, colour, 2, 0);

  const StageOutcome outcome =
      commits_ == commitsAtStart ? RunStages(commitsAtStart) : StageOutcome{true, 0};
  if (outcome.reentered) {
    // A request that arrived through the message pump has chosen and played
    // the move already; this one must not play a second stone.
    return {PackMove(0, 0, 0), 0};
  }
  return PlayEngineMove(outcome.packed, 0);
}

ThinkEngine::StageOutcome ThinkEngine::RunStages(unsigned commitsAtStart) {
  const int c = colour_;
  const bool fast = faster_ != 0;
  Best best;
  bool reentered = false;

  // Before a stage: the pump. False when a request that came in through
  // it has committed a move meanwhile.
  auto pumped = [&](bool pump) {
    if (pump) {
      Pump();
      if (commits_ != commitsAtStart) reentered = true;
    }
    return !reentered;
  };
  // A stage whose run condition holds starts unless its flag says it has
  // started already; its flag is set before its generator runs.
  auto claim = [&](int code) {
    if (stageFlags_[code]) return false;
    stageFlags_[code] = 1;
    return true;
  };
  auto packed = [](int move, int code) {
    return PackMove(move / 100, move % 100, code);
  };
  auto offer = [&](const Candidate& cand, int code) {
    if (cand.move >= 0 && cand.score >= best.score)
      best = {cand.score, cand.move, cand.extra, code};
  };

#define KZ_STAGE(code, pump, cond)  \
  if (!pumped(pump)) return {true, 0}; \
  if ((cond) && claim(code))
#define KZ_PLAY(move, code) return {false, packed((move), (code))}

  // Order 1: stage 1 (operation 8).
  KZ_STAGE(1, false, true) {
    const int m = RandomFirstMove();
    if (m >= 0) KZ_PLAY(m, 1);
  }
  // Orders 2 and 3: the book's first move and its reply.
  KZ_STAGE(2, true, lastMove_ >= 0 && BookAllowed()) {
    ReshuffleBookIfDue();
    const int m = book_->BookFirstMove(*board_, c, size_);
    if (m > 0) KZ_PLAY(m, 2);
  }
  KZ_STAGE(4, true, lastMove_ >= 0 && BookAllowed()) {
    ReshuffleBookIfDue();
    const int m = book_->BookReply(*board_, c, size_, lastMove_);
    if (m > 0) KZ_PLAY(m, 4);
  }
  // Order 4: stage 7, own chains in atari.
  KZ_STAGE(7, true, true) {
    const Candidate cand = AtariCandidate(c, 0);
    if (cand.move >= 0) {
      if (fast || cand.score >= 999) KZ_PLAY(cand.move, 7);
      best = {cand.score, cand.move, cand.extra, 7};
    }
  }
  // Order 5: stage 8, the opponent's chains in atari.
  KZ_STAGE(8, true, lastMove_ >= 0) {
    const Candidate cand = AtariCandidate(-c, 0);
    if (cand.move >= 0) {
      if (fast || cand.score > 998) KZ_PLAY(cand.move, 8);
      if (cand.score > best.score)
        best = {cand.score, cand.move, cand.extra, 8};
    }
  }
  // Orders 6 and 7: with faster moves, library A and the book at once.
  KZ_STAGE(3, true, fast) {
    const int m = PatternAMove(1, best.score, best.move, best.extra);
    if (m >= 0) KZ_PLAY(m, 3);
  }
  KZ_STAGE(5, true, fast && BookAllowed()) {
    ReshuffleBookIfDue();
    const int m = book_->BookAnyMove(*board_, c, size_);
    if (m > 0) KZ_PLAY(m, 5);
  }
  // Order 8: stage 6.
  KZ_STAGE(6, true, true) {
    const int m = AnswerLastMove();
    if (m >= 0) KZ_PLAY(m, 6);
  }
  // Orders 9..16: the candidate stages.
  auto candidate = [&](const Candidate& cand, int code) {
    if (cand.move >= 0 && fast) return true;
    offer(cand, code);
    return false;
  };
  {
    Candidate cand;
    KZ_STAGE(9, true, true) {
      cand = DoubleAtariCandidate(-c);
      if (candidate(cand, 9)) KZ_PLAY(cand.move, 9);
    }
    KZ_STAGE(10, true, true) {
      cand = CaptureCandidateA(-c);
      if (candidate(cand, 10)) KZ_PLAY(cand.move, 10);
    }
    KZ_STAGE(11, true, true) {
      cand = TwoLibertyCandidate(c, 0);
      if (candidate(cand, 11)) KZ_PLAY(cand.move, 11);
    }
    KZ_STAGE(12, true, true) {
      cand = TwoLibertyCandidate(-c, 0);
      if (candidate(cand, 12)) KZ_PLAY(cand.move, 12);
    }
    KZ_STAGE(13, true, true) {
      cand = DoubleAtariCandidate(c);
      if (candidate(cand, 13)) KZ_PLAY(cand.move, 13);
    }
    KZ_STAGE(14, true, best.code != 13) {
      cand = CaptureCandidateA(c);
      if (candidate(cand, 14)) KZ_PLAY(cand.move, 14);
    }
    KZ_STAGE(15, true, true) {
      cand = CaptureCandidateB(c);
      if (candidate(cand, 15)) KZ_PLAY(cand.move, 15);
    }
    KZ_STAGE(16, true, true) {
      cand = CaptureCandidateB(-c);
      if (candidate(cand, 16)) KZ_PLAY(cand.move, 16);
    }
  }
  // Order 17: stage 22, the vital point.
  KZ_STAGE(22, true, true) {
    const int m = VitalPointMove();
    if (m >= 0) {
      if (fast) KZ_PLAY(m, 22);
      if (best.score < 1000) best = {999, m, 0, 22};
    }
  }
  // Order 18: stage 3, library A when nothing better is known.
  KZ_STAGE(3, true, best.score == 0 || best.code == 7 || best.code == 8) {
    const int m = PatternAMove(1, best.score, best.move, best.extra);
    if (m >= 0) KZ_PLAY(m, 3);
  }
  // Order 19: stage 5, the book anywhere.
  KZ_STAGE(5, true,
           !fast && !(best.code >= 7 && best.code <= 16) && best.code != 22 &&
               BookAllowed()) {
    ReshuffleBookIfDue();
    const int m = book_->BookAnyMove(*board_, c, size_);
    if (m > 0) KZ_PLAY(m, 5);
  }
  // Order 20: stage 17, library A's second mode.
  KZ_STAGE(17, true, true) {
    const int m = PatternAMove(2, best.score, best.move, best.extra);
    if (m >= 0) {
      if (fast) KZ_PLAY(m, 17);
      if (best.score < 11) best = {10, m, 0, 17};
    }
  }
  if (!fast && best.move >= 0) KZ_PLAY(best.move, best.code);
  KZ_STAGE(18, true, true) {
    const int m = PatternBMove(0);
    if (m >= 0) KZ_PLAY(m, 18);
  }
  KZ_STAGE(19, true, !fast) offer(CaptureCandidateC(c), 19);
  KZ_STAGE(20, true, !fast) offer(CaptureCandidateC(-c), 20);
  if (!fast && best.move >= 0) KZ_PLAY(best.move, best.code);

  // Orders 24..47: move stages (and one candidate stage).
#define KZ_MOVE_STAGE(code, cond, call) \
  KZ_STAGE(code, true, cond) {          \
    const int m = (call);               \
    if (m >= 0) KZ_PLAY(m, code);       \
  }
  // A large own chain the last move has left capturable is saved before
  // any shape move.
  KZ_MOVE_STAGE(kThreatAnswerStage, lastMove_ >= 0, SaveThreatenedGroup())
  KZ_MOVE_STAGE(21, true, PatternBMove(1))
  KZ_MOVE_STAGE(23, true, ContactReply())
  KZ_MOVE_STAGE(24, true, AnswerSideApproach())
  KZ_MOVE_STAGE(25, true, ScanMove())
  KZ_MOVE_STAGE(26, true, LocalShapeMove(c))
  KZ_MOVE_STAGE(27, true, OpenAreaMove())
  KZ_MOVE_STAGE(28, gamePhase_ == 1, PlayMinSwingPoint())
  KZ_MOVE_STAGE(29, true,
                PatternAMove(3, best.score, best.move, best.extra))
  KZ_STAGE(12, true, true) {
    const Candidate cand = TwoLibertyCandidate(-c, 1);
    if (candidate(cand, 12)) KZ_PLAY(cand.move, 12);
  }
  KZ_MOVE_STAGE(32, true, PlayEyeVitalPoint(c))
  KZ_MOVE_STAGE(33, true, PatternBMove(2))
  KZ_MOVE_STAGE(34, true, DefendCuttingPoint())
  KZ_MOVE_STAGE(35, true, PlayOpenAreaPoint())
  KZ_MOVE_STAGE(36, gamePhase_ >= 2, LaterMinSwingPoint())
  KZ_MOVE_STAGE(38, true, LocalShapeMove(-c))
  KZ_MOVE_STAGE(39, true, CutDiagonalEnemy())
  KZ_MOVE_STAGE(40, true, PlayReservedMove())
  KZ_MOVE_STAGE(46, true, PlayEyeShapeMove(c))
  KZ_MOVE_STAGE(41, true, PatternBMove(3))
  KZ_MOVE_STAGE(42, true, PatternBMove(4))
  KZ_MOVE_STAGE(43, true, LinkWeakGroups(c))
  KZ_MOVE_STAGE(44, true, LinkWeakGroups(-c))
  KZ_MOVE_STAGE(45, true, PlayEyeVitalPoint(-c))
  KZ_MOVE_STAGE(47, true, PlayEyeShapeMove(-c))

  // Orders 48 and 49: own extension against the opponent's.
  KZ_STAGE(48, true, true) {
    const Candidate own = ExtendTwoLibertyChain(c);
    best = {own.score, own.move, own.extra, 48};
  }
  KZ_STAGE(49, true, true) {
    const Candidate theirs = ExtendTwoLibertyChain(-c);
    if (best.code == 48 && best.move >= 0 && theirs.score < best.score)
      KZ_PLAY(best.move, 48);
    if (theirs.move >= 0) KZ_PLAY(theirs.move, 49);
  }

  KZ_MOVE_STAGE(50, true, GuardSharedLiberty(c))
  KZ_MOVE_STAGE(51, true, GuardSharedLiberty(-c))
  KZ_MOVE_STAGE(52, true, PlayShapePoint())
  KZ_MOVE_STAGE(53, true, PlayHaneShape())
  KZ_MOVE_STAGE(54, true, MakeOrDenyEyes(c))
  KZ_MOVE_STAGE(55, true, MakeOrDenyEyes(-c))
  KZ_MOVE_STAGE(56, gamePhase_ >= 3, PlayEndgameBoundary())
  KZ_MOVE_STAGE(57, true, PlayContestedPoint(c))
  KZ_MOVE_STAGE(58, true, PlayContestedPoint(-c))
  KZ_MOVE_STAGE(59, true, AttackThreeLibertyNeighbour())
  KZ_MOVE_STAGE(60, true, AttackTwoLibertyNeighbour())
  KZ_MOVE_STAGE(61, true, SecureEyeShape())
  KZ_MOVE_STAGE(62, true, AtariCandidate(c, 1).move)
  KZ_MOVE_STAGE(63, lastMove_ >= 0, AtariCandidate(-c, 1).move)
  KZ_MOVE_STAGE(64, true, PlayAnyReasonablePoint())
  KZ_MOVE_STAGE(65, true, CaptureToRescue())
  KZ_MOVE_STAGE(kOpenBoardStage, gamePhase_ <= 2, OpenBoardMove())
  // Nothing found is a pass, unless a group is still at stake.
  KZ_MOVE_STAGE(kPassGuardStage, true, UrgentMoveBeforePass())
#undef KZ_MOVE_STAGE
#undef KZ_PLAY
#undef KZ_STAGE

  if (reentered) return {true, 0};
  return {false, PackedPass()};
}

int ThinkEngine::LaterMinSwingPoint() {
  if (size_ == 9 && gamePhase_ == 2) {
    const int move = MeetingPoint(colour_, kNoContact | kNearOwnStone);
    if (move >= 0) return move;
  }
  return PlayMinSwingPoint();
}

int ThinkEngine::OpenBoardMove() {
  if (gamePhase_ > 2) return -1;
  const int move = MeetingPoint(colour_, 0);
  return move >= 0 ? move : MeetingPoint(colour_, kLargeRegions);
}

MoveResult ThinkEngine::PlayEngineMove(int packed, int extra) {
  ClearStageFlags();
  ++commits_;
  const int code = PackedCode(packed);
  if (code == -1) {
    lastMove_ = -1;
    if (colour_ == 1) lastBlackMove_ = -1;
    else lastWhiteMove_ = -1;
    return {packed, extra};
  }
  const int i = PackedI(packed), j = PackedJ(packed);
  const int move = MoveCodeOf(i, j);
  lastMove_ = move;
  if (colour_ == 1) lastBlackMove_ = move;
  else lastWhiteMove_ = move;
  if (board_ == nullptr || !board_->OnBoard(i, j)) {
    // Nothing sound to play: report a refused move.
    return {PackMove(i, j, -1), 0};
  }
  CountCornerMove(move);
  const int r = board_->PlayStone(i, j, colour_, 0);
  if (r == kOccupied || r == kSuicide || r == kKo) {
    if (colour_ == 1) lastBlackMove_ = -1;
    else lastWhiteMove_ = -1;
    return {PackMove(i, j, -1), 0};
  }
  colour_ = -colour_;
  if (gamePhase_ == 4) {
    board_->LinkChains(1);
    AnalysePosition(*board_, colour_, 2, 1);
  } else {
    AnalysePosition(*board_, colour_, 0, 1);
  }
  return {packed, r >= 0 ? r : 0};
}

}  // namespace kz
