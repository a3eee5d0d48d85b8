// The shape stages: the scan move (18) and the two pattern libraries, B
// matched anywhere by type (19) and A answering the last move (21).
#include "engine/board/board_geometry.h"
#include "engine/patterns/pattern_families.h"
#include "engine/patterns/pattern_library.h"
#include "engine/pipeline_generators.h"

namespace kz {

// ---- Operation 18. ----

// An own chain with two to four liberties that is pressed by the enemy, not
// settled, and that the quick tests find in trouble, runs out on the
// liberty that gives it the most liberties, when the readers say the
// extended chain holds. Chains are met in the last move's quadrant first.
int PipelineGenerators::ScanMove() {
  if (board_ == nullptr) return -1;
  ColourView view(*board_, colour_);
  PlaneBoard& b = *board_;
  const int li = lastMove_ >= 0 ? lastMove_ / 100 : 0;
  const int lj = lastMove_ >= 0 ? lastMove_ % 100 : 0;
  const ScanAxis ai = ScanOrder(li, 0, size1_), aj = ScanOrder(lj, 0, size1_);
  int seen[64];
  int seenCount = 0;
  for (int i = ai.from;; i += ai.step) {
    for (int j = aj.from;; j += aj.step) {
      const int id = b.GetChain(i, j);
      bool fresh = id > 0 && b.GetDead(i, j) == 0;
      for (int k = 0; fresh && k < seenCount; ++k) fresh = seen[k] != id;
      if (fresh) {
        if (seenCount < 64) seen[seenCount++] = id;
        const int libs = b.ChainLiberties(i, j);
        int enemies[1];
        bool trouble = libs >= 2 && libs <= 4 &&
                       EnemyNeighbours(b, i, j, -1, enemies, 1) > 0 &&
                       !IsGroupSettled(i, j, b);
        if (trouble) {
          trouble = libs == 2   ? QuickTwoLibertyTest(b, i, j) == 1
                    : libs == 3 ? QuickThreeLibertyTest(b, i, j) == 1
                                : QuickFourLibertyTest(b, i, j) == 1;
        }
        if (trouble) {
          int after = 0;
          const int save = SavingMove(i, j, &after);
          if (save >= 0 && after >= libs && LeavesTrouble(i, j, save)) {
            const int m = Filtered(save, 1, false);
            if (m >= 0) return m;
          }
        }
      }
      if (j == aj.to) break;
    }
    if (i == ai.to) break;
  }
  return -1;
}

bool PipelineGenerators::LeavesTrouble(int i, int j, int move) {
  PlaneBoard& trial = Work(kTrialBoard);
  CopyBoard(*board_, trial, size_);
  const int r = trial.PlayStone(move / 100, move % 100, 1, 1);
  if (r == kOccupied || r == kSuicide || r == kKo) return false;
  switch (trial.ChainLiberties(i, j)) {
    case 0:
    case 1: return false;
    case 2: return QuickTwoLibertyTest(trial, i, j) == 0;
    case 3: return QuickThreeLibertyTest(trial, i, j) == 0;
    case 4: return QuickFourLibertyTest(trial, i, j) == 0;
    default: return true;
  }
}

// ---- Operation 19. ----

namespace {

bool MendsACut(int family) {
  using namespace shape_b;
  return family == kMendDiagonal || family == kMendJump ||
         family == kMendKnight || family == kMendHane;
}

bool MakesOrTakesAnEye(int family) {
  using namespace shape_b;
  return family == kEyeMaking || family == kEyeStealing;
}

}  // namespace

bool PipelineGenerators::AcceptPatternB(int move, int type) {
  const int i = move / 100, j = move % 100;
  const PlaneBoard& b = *board_;
  // Eye shape (type 3) is played inside regions; the others are not. The
  // fight shapes (cuts, connections and contact, types 0 and 1) are played
  // inside an area too: a cutting point next to own stones lies inside
  // their area, and that is where the enemy peeps.
  const bool fightShape = type <= 1;
  if (type != 3 && b.GetRegion(i, j) != 0) return false;
  if (type != 3 && !fightShape && AreaAt(i, j) != 0) return false;
  // The weakest enemy chain next to the point and the point's own room:
  // a point with a single empty neighbour is played only to fight a short
  // enemy chain, or, for a fight shape, when the stone joins chains that
  // keep three liberties or more (a connection at the cutting point of a
  // one-point jump the enemy has closed in on from the side).
  int weakest = 0;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, c = j + d.dj;
    if (!InsideBoard(a, c) || b.GetChain(a, c) >= 0) continue;
    const int l = b.ChainLiberties(a, c);
    if (weakest == 0 || l < weakest) weakest = l;
  }
  const int empty = EmptyNeighbours(i, j);
  if (empty == 0) return false;
  if (empty == 1 && (weakest == 0 || weakest > 2) &&
      !(fightShape && b.LibertiesIfPlayed(i, j, 1) >= 3))
    return false;
  // The stones the shape is about must be alive: a shape against dead
  // enemy stones, or one that mends dead own stones, wastes the move.
  int liveEnemy = 0, liveOwn = 0, deadOwn = 0;
  for (int a = i - 1; a <= i + 1; ++a)
    for (int c = j - 1; c <= j + 1; ++c) {
      if (!InsideBoard(a, c) || b.GetChain(a, c) == 0) continue;
      const bool dead = b.GetDead(a, c) == 1;
      if (b.GetChain(a, c) < 0) liveEnemy += !dead;
      else if (dead) ++deadOwn;
      else ++liveOwn;
    }
  if (type != 3 && liveEnemy == 0) return false;
  // Eye shape only where eyes are still at stake: not in a region of a
  // group that has its eyes already or that is too big to need one more.
  if (type == 3 && b.GetRegion(i, j) != 0) {
    SettledGroups settled(*this, colour_);
    if (b.RegionSize(i, j) > 7 || !RegionIsOnlyEyeSpace(i, j, settled))
      return false;
  }
  if (deadOwn > 0 && liveOwn == 0) return false;
  // Edge and shape moves in the opening only in contact fights: an enemy
  // stone next to the point, or an own chain beside it short of liberties.
  // Edge shape before the endgame only in contact with the enemy.
  if (type == 2 && gamePhase_ < 3 && weakest == 0) return false;
  if ((type == 2 || type == 4) && gamePhase_ <= 1) {
    bool fight = weakest != 0;
    for (const Step& d : kOrthogonal) {
      const int a = i + d.di, c = j + d.dj;
      if (InsideBoard(a, c) && b.GetChain(a, c) > 0 && b.ChainLiberties(a, c) <= 3)
        fight = true;
    }
    if (!fight) return false;
  }
  if (!KeimaAllows(i, j, 1)) return false;
  // SafetyCheck plays the trial stone and refuses suicide and ko.
  return SafetyCheck(b, i, j, 1, type <= 1 ? kSafetyQuickTests : kSafetyPlain);
}

int PipelineGenerators::PatternBMove(int type) {
  if (board_ == nullptr) return -1;
  ColourView view(*board_, colour_);
  int cursor = -1, family = 0;
  for (int m = PatternsB().NextMatch(*board_, 1, type, &cursor, &family); m >= 0;
       m = PatternsB().NextMatch(*board_, 1, type, &cursor, &family)) {
    // A connection is mended only against a cut that would hold: when the
    // enemy's stone on the cutting point could be taken at once, the cut
    // is no threat yet and the move is better spent elsewhere.
    if (MendsACut(family) && !SafeFor(m, -1, kSafetyQuickTests)) continue;
    // Making or taking an eye on the first line is a small move, worth a
    // turn only once the endgame has come; before that the eye vital point
    // and eye-shape stages look after groups whose life is at stake.
    if (MakesOrTakesAnEye(family) && LineOf(m / 100, m % 100) == 0 &&
        gamePhase_ < 3)
      continue;
    // On nine lines a block, hane or descent on the first two lines is an
    // answer to the opponent's move at the edge; started anywhere else
    // before the endgame it is a small move in gote while the open points
    // are larger.
    if (type == 2 && size_ == 9 && gamePhase_ < 3 &&
        !NearLastMove(m, 2))
      continue;
    if (AcceptPatternB(m, type)) return m;
  }
  return -1;
}

bool PipelineGenerators::NearLastMove(int move, int distance) const {
  if (lastMove_ < 0) return false;
  const int di = move / 100 - lastMove_ / 100;
  const int dj = move % 100 - lastMove_ % 100;
  return (di < 0 ? -di : di) + (dj < 0 ? -dj : dj) <= distance;
}

// ---- Operation 21. ----

bool PipelineGenerators::YoungGame() const {
  if (size_ == 19) return moveNumber_ <= 36;
  if (size_ == 13) return moveNumber_ <= 16;
  return false;
}

int PipelineGenerators::CornerOf(int i, int j) const {
  if (size_ != 19 && size_ != 13) return -1;
  const int lo = size_ == 19 ? 8 : 6;
  const int hi = size_ == 19 ? 10 : 6;
  if (i > hi && j < lo) return 0;
  if (i > hi && j > hi) return 1;
  if (i < lo && j < lo) return 2;
  if (i < lo && j > hi) return 3;
  return -1;
}

bool PipelineGenerators::AcceptPatternA(int move, int mode) {
  const int i = move / 100, j = move % 100;
  const PlaneBoard& b = *board_;
  if (mode == 1 && !YoungGame()) {
    const int corner = CornerOf(i, j);
    if (corner < 0 || cornerMoves_[corner] <= 14) return false;
  }
  if (b.GetRegion(i, j) != 0) return false;
  bool enclosed = true;
  for (const Step& d : kOrthogonal) {
    const int a = i + d.di, c = j + d.dj;
    if (InsideBoard(a, c) && b.GetChain(a, c) == 0 && AreaAt(a, c) == 0)
      enclosed = false;
  }
  if (enclosed || !KeimaAllows(i, j, 1)) return false;
  PlaneBoard& trial = Work(kTrialBoard);
  CopyBoard(b, trial, size_);
  const int r = trial.PlayStone(i, j, 1, 1);
  if (r != 0 && r != kLargeRegionMove) return false;
  const int libs = trial.ChainLiberties(i, j);
  if (libs <= 1) return false;
  return libs >= 5 || ReadByLiberties(trial, i, j).status == 0;
}

int PipelineGenerators::PatternAMove(int mode, int, int bestMove, int) {
  if (lastMove_ < 0 || board_ == nullptr) return -1;
  const int li = lastMove_ / 100, lj = lastMove_ % 100;
  if (!InsideBoard(li, lj) || board_->GetChain(li, lj) == 0 ||
      board_->GetDead(li, lj) == 1)
    return -1;
  ColourView view(*board_, colour_);
  PlaneBoard& b = *board_;
  if (mode == 2 && bestMove >= 0 && InsideBoard(bestMove / 100, bestMove % 100) &&
      ChainTouches(lastMove_, bestMove))
    return -1;
  if (mode == 1) {
    // An own chain next to the last move that can be captured comes first
    // (the atari and capture stages answer it).
    for (const Step& d : kOrthogonal) {
      const int a = li + d.di, c = lj + d.dj;
      if (!InsideBoard(a, c) || b.GetChain(a, c) <= 0) continue;
      if (b.ChainLiberties(a, c) <= 4 && ReadByLiberties(b, a, c).status == 1)
        return -1;
    }
  }
  int cursor = -1;
  for (int m = PatternsA().NextMatch(b, 1, lastMove_, mode, &cursor); m >= 0;
       m = PatternsA().NextMatch(b, 1, lastMove_, mode, &cursor))
    if (AcceptPatternA(m, mode)) return m;
  return -1;
}

}  // namespace kz
