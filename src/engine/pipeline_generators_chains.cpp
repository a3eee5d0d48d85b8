// The chain candidates: chains in atari (10), with two liberties (11),
// double ataris (13), ladders (15), three-liberty chains (16) and
// four-liberty chains and races (17).
//
// Each looks at the chains of colour c, seen with c positive. When c is the
// engine's colour (mover +1) it looks for the move that saves the chain; when
// c is the opponent's (mover -1) for the move that takes it. Scores are the
// chain's size plus one, with a bonus of two for chains that cut the
// mover's stones apart (or, saved, keep the enemy's apart), and 999 for the
// urgent cases of the atari candidate.
#include "engine/board/board_geometry.h"
#include "engine/eval/move_filters.h"
#include "engine/pipeline_generators.h"

namespace kz {

namespace {

bool Refused(int r) { return r == kOccupied || r == kSuicide || r == kKo; }

constexpr int kUrgent = 999;

// Chain ids already looked at by one scan (fixed capacity; a chain that
// does not fit is simply looked at again).
struct SeenChains {
  int ids[128];
  int count = 0;
  bool Check(int id) {
    for (int k = 0; k < count; ++k)
      if (ids[k] == id) return true;
    if (count < 128) ids[count++] = id;
    return false;
  }
};

// A chain of at most four liberties is shut in when none of its liberties
// opens into open space (three empty points the chain does not touch yet,
// so that running there gains two liberties): it cannot run out, only race.
bool ShutIn(const PlaneBoard& b, int size, const int* libs, int n) {
  for (int k = 0; k < n; ++k) {
    int gained = 0;
    for (const Step& d : kOrthogonal) {
      const int a = libs[k] / 100 + d.di, c = libs[k] % 100 + d.dj;
      if (!OnBoard(size, a, c) || b.GetChain(a, c) != 0) continue;
      bool known = false;
      for (int m = 0; m < n; ++m) known = known || libs[m] == MoveCodeOf(a, c);
      if (!known) ++gained;
    }
    if (gained >= 3) return false;
  }
  return true;
}

void Offer(Candidate& best, int score, int move, int extra) {
  if (move >= 0 && score > best.score) best = {score, move, extra};
}

}  // namespace

PipelineGenerators::ChainWeight PipelineGenerators::WeighChain(int i, int j) const {
  ChainWeight w;
  w.size = board_->ChainSize(i, j);
  w.cutting = IsCuttingChain(i, j);
  w.score = (w.size < kUrgent ? w.size + 1 : w.size) + (w.cutting ? 2 : 0);
  return w;
}

void PipelineGenerators::OfferLostChain(Candidate& best, int i, int j,
                                        const ReadResult& lost, int minAfter,
                                        int mover, int score, int strictness) {
  int after = 0;
  const int save = SavingMove(i, j, &after);
  if (save < 0 || after < minAfter) return;
  const int size = board_->ChainSize(i, j);
  if (mover == -1) {
    if (lost.move >= 0 && SafeFor(lost.move, -1, strictness))
      Offer(best, score, Filtered(lost.move, -1, false), size);
    return;
  }
  Offer(best, score, Filtered(save, 1, true), size);
}

// ---- Operation 10. ----

Candidate PipelineGenerators::AtariCandidate(int colour, int flag) {
  if (board_ == nullptr) return {};
  ColourView view(*board_, colour);
  PlaneBoard& b = *board_;
  const int mover = MoverIn(colour);
  Candidate best;

  // Examines one chain of colour c in atari; true when its move is to be
  // played at once.
  auto examine = [&](int stone) {
    const int ci = stone / 100, cj = stone % 100;
    if (b.GetDead(ci, cj) == 1) return false;
    const int id = b.GetChain(ci, cj);
    if (flag == 1 && TouchesDeadEnemy(b, id, id)) return false;
    const int size = b.ChainSize(ci, cj);
    const int liberty = FirstLiberty(b, ci, cj);
    if (liberty < 0) return false;
    const int base = size < kUrgent ? size + 1 : size;
    if (mover == 1) {
      int libs = 0;
      const int save = SavingMove(ci, cj, &libs);
      if (save < 0) return false;
      // Urgent: a chain of three or more, or stones that cut the enemy
      // apart; a capture that saves gains two more.
      const bool capture = save != liberty;
      int score = base + (capture && size < kUrgent ? 2 : 0);
      if (size >= 3 || IsCuttingChain(ci, cj)) score = kUrgent;
      if (best.move < 0 || score > best.score) best = {score, save, size};
      return style_ == 1 || NeighbourChainSize(b, ci, cj) != 0;
    }
    // The opponent's chain: take it on its liberty.
    const int li = liberty / 100, lj = liberty % 100;
    if (!KeimaAllows(li, lj, -1)) return false;
    PlaneBoard& trial = Work(kTrialBoard);
    CopyBoard(b, trial, size_);
    if (Refused(trial.PlayStone(li, lj, -1, 1))) return false;
    // Urgent when the chain could otherwise run away or capture its way
    // out, or when taking it rescues a chain of ours in atari.
    int dummy = 0;
    const bool escapes = SavingMove(ci, cj, &dummy) >= 0;
    int ours[4];
    const bool rescues = EnemyNeighbours(b, ci, cj, 1, ours, 4) > 0;
    const int score = escapes || rescues ? kUrgent : base;
    if (best.move < 0 || score > best.score) best = {score, liberty, size};
    return style_ == 1 || NeighbourChainSize(b, ci, cj) != 0;
  };

  SeenChains seen;
  // An own chain that the last move put in atari comes first.
  if (mover == 1 && lastMove_ >= 0) {
    const int li = lastMove_ / 100, lj = lastMove_ % 100;
    for (const Step& d : kOrthogonal) {
      const int a = li + d.di, c = lj + d.dj;
      if (!InsideBoard(a, c) || b.GetChain(a, c) <= 0 ||
          b.ChainLiberties(a, c) != 1 || seen.Check(b.GetChain(a, c)))
        continue;
      if (examine(MoveCodeOf(a, c))) return best;
    }
  }
  for (int id = b.FindChainInAtari(1, 0); id != 0; id = b.FindChainInAtari(1, 1)) {
    if (seen.Check(id)) continue;
    const int stone = StoneOfChain(id);
    if (stone >= 0 && examine(stone)) return best;
  }
  return best;
}

// ---- Operation 11. ----

Candidate PipelineGenerators::TwoLibertyCandidate(int colour, int flag) {
  if (board_ == nullptr) return {};
  ColourView view(*board_, colour);
  PlaneBoard& b = *board_;
  const int mover = MoverIn(colour);
  Candidate best;
  SeenChains seen;
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j) {
      const int id = b.GetChain(i, j);
      if (id <= 0 || seen.Check(id) || b.ChainLiberties(i, j) != 2) continue;
      const ChainWeight w = WeighChain(i, j);
      const int size = w.size, score = w.score;
      if (mover == 1) {
        // Ours: saved only when the opponent could take it and could
        // start with an atari that holds, and only when it is worth
        // running out with.
        if (!w.WorthRunning()) continue;
        if (ReadTwoLiberties(b, i, j).status != 1 &&
            !(flag == 1 && QuickTwoLibertyTest(b, i, j)))
          continue;
        if (!CanAtariSafely(b, i, j)) continue;
        int libs = 0;
        const int save = SavingMove(i, j, &libs);
        if (save < 0 || libs < 3) continue;
        Offer(best, score + NeighbourChainSize(b, i, j), Filtered(save, 1, false),
              size);
        continue;
      }
      // Theirs: take it when the reader finds the capture and the opponent,
      // moving first, could have saved it (with flag 1 also dead stones).
      const ReadResult r = ReadTwoLiberties(b, i, j);
      if (r.status != 1 || r.move < 0) continue;
      if (flag == 0) {
        int libs = 0;
        if (SavingMove(i, j, &libs) < 0 || libs < 3) continue;
      }
      if (!SafeFor(r.move, -1)) continue;
      Offer(best, score, Filtered(r.move, -1, false), size);
    }
  return best;
}

// ---- Operation 13. ----

Candidate PipelineGenerators::DoubleAtariCandidate(int colour) {
  if (board_ == nullptr) return {};
  ColourView view(*board_, colour);
  PlaneBoard& b = *board_;
  const int mover = MoverIn(colour);
  Candidate best;
  for (int i = 1; i <= size2_; ++i)
    for (int j = 1; j <= size2_; ++j) {
      if (b.GetChain(i, j) != 0 || !KeimaAllows(i, j, -1)) continue;
      if (!IsDoubleAtariPoint(i, j)) continue;
      // The stone that gives the double atari must not simply be taken.
      PlaneBoard& trial = Work(kTrialBoard);
      CopyBoard(b, trial, size_);
      if (Refused(trial.PlayStone(i, j, -1, 1))) continue;
      if (trial.ChainLiberties(i, j) <= 1) continue;
      if (trial.ChainLiberties(i, j) <= 4 &&
          ReadByLiberties(trial, i, j).status == 1)
        continue;
      int largest = 0;
      for (const Step& d : kOrthogonal) {
        const int a = i + d.di, c = j + d.dj;
        if (!InsideBoard(a, c) || b.GetChain(a, c) <= 0) continue;
        const int s = b.ChainSize(a, c);
        if (s < kUrgent && s > largest) largest = s;
      }
      const int move = MoveCodeOf(i, j);
      // Taking the opponent's double-atari point ourselves must hold too.
      if (mover == 1 && !SafeFor(move, 1)) continue;
      Offer(best, largest, Filtered(move, mover, false), largest);
    }
  if (best.move >= 0) return best;
  // Second part: a lone cutting stone of colour c with two liberties that
  // the other side can net or ladder; the mover plays that point (to take
  // the cutting stone, or to stop it being taken).
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j) {
      if (b.GetChain(i, j) <= 0 || b.ChainSize(i, j) != 1 ||
          b.ChainLiberties(i, j) != 2 || b.GetDead(i, j) == 1 ||
          !IsCuttingChain(i, j))
        continue;
      const ReadResult r = ReadTwoLiberties(b, i, j);
      if (r.status != 1 || r.move < 0) continue;
      int move = r.move;
      if (mover == 1) {
        int libs = 0;
        move = SavingMove(i, j, &libs);
        if (move < 0 || libs < 3) continue;
      } else if (!SafeFor(move, -1)) {
        continue;
      }
      Offer(best, 2, Filtered(move, mover, false), 1);
    }
  return best;
}

// ---- Operations 15, 16 and 17. ----

// Ladders: chains of colour c with two liberties where an atari on one of
// them starts a chase the ladder reader wins.
Candidate PipelineGenerators::CaptureCandidateA(int colour) {
  if (board_ == nullptr) return {};
  ColourView view(*board_, colour);
  PlaneBoard& b = *board_;
  const int mover = MoverIn(colour);
  Candidate best;
  SeenChains seen;
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j) {
      const int id = b.GetChain(i, j);
      if (id <= 0 || seen.Check(id) || b.ChainLiberties(i, j) != 2) continue;
      int libs[2];
      LibertyList(b, i, j, libs, 2);
      int attack = -1;
      for (int k = 0; k < 2 && attack < 0; ++k) {
        const int x = libs[k];
        if (!KeimaAllows(x / 100, x % 100, -1)) continue;
        PlaneBoard& trial = Work(kTrialBoard);
        CopyBoard(b, trial, size_);
        if (Refused(trial.PlayStone(x / 100, x % 100, -1, 1))) continue;
        if (trial.GetChain(i, j) == 0) continue;
        if (trial.ChainLiberties(x / 100, x % 100) < 2) continue;
        if (ReadAtari(trial, i, j).status == 1) attack = x;
      }
      if (attack < 0) continue;
      const ChainWeight w = WeighChain(i, j);
      int after = 0;
      const int save = SavingMove(i, j, &after);
      // Either side's move matters only when the chain's owner, moving
      // first, could run out, and ours only when worth running out with.
      if (save < 0 || after < 3) continue;
      if (mover == 1 && !w.WorthRunning()) continue;
      Offer(best, w.score, Filtered(mover == -1 ? attack : save, mover, false),
            w.size);
    }
  return best;
}

// Chains of colour c with three liberties that the three-liberty reader (or
// its quick test) finds lost.
Candidate PipelineGenerators::CaptureCandidateB(int colour) {
  if (board_ == nullptr) return {};
  ColourView view(*board_, colour);
  PlaneBoard& b = *board_;
  const int mover = MoverIn(colour);
  Candidate best;
  SeenChains seen;
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j) {
      const int id = b.GetChain(i, j);
      if (id <= 0 || seen.Check(id) || b.ChainLiberties(i, j) != 3) continue;
      if (IsGroupSettled(i, j, b)) continue;
      const int score = WeighChain(i, j).score;
      // The chain must be lost with the other side to move, and its owner,
      // moving first, must be able to make it safe: only then does the
      // point matter to both.
      const ReadResult r = mover == -1 ? ConfirmThreeLibertyCapture(b, i, j)
                                       : ReadThreeLiberties(b, i, j);
      if (r.status != 1) continue;
      OfferLostChain(best, i, j, r, 4, mover, score, kSafetyPlain);
    }
  return best;
}

// Chains of colour c with four liberties that the four-liberty reader finds
// lost, and races: a chain of colour c next to a chain of the mover with no
// more liberties, where the first to fill wins.
Candidate PipelineGenerators::CaptureCandidateC(int colour) {
  if (board_ == nullptr) return {};
  ColourView view(*board_, colour);
  PlaneBoard& b = *board_;
  const int mover = MoverIn(colour);
  Candidate best;
  SeenChains seen;
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j) {
      const int id = b.GetChain(i, j);
      if (id <= 0 || seen.Check(id)) continue;
      const int libs = b.ChainLiberties(i, j);
      if (libs < 2 || libs > 4 || IsGroupSettled(i, j, b)) continue;
      const int size = b.ChainSize(i, j);
      const int score = size < kUrgent ? size + 1 : size;
      if (libs == 4) {
        // A lone stone with four liberties is left to the shape stages.
        if (size < 2) continue;
        const ReadResult r = ReadFourLiberties(b, i, j);
        if (r.status != 1 || !QuickFourLibertyTest(b, i, j)) continue;
        OfferLostChain(best, i, j, r, 5, mover, score, kSafetyQuickTests);
        continue;
      }
      // A race: the weakest adjacent chain of the other side, not settled,
      // with as many liberties or fewer.
      int enemies[8];
      const int count = EnemyNeighbours(b, i, j, -1, enemies, 8);
      int weakest = -1, weakestLibs = 0;
      for (int k = 0; k < count; ++k) {
        const int l = b.ChainLiberties(enemies[k] / 100, enemies[k] % 100);
        if (weakest < 0 || l < weakestLibs) {
          weakest = enemies[k];
          weakestLibs = l;
        }
      }
      // Level terms: whoever fills first wins the race.
      if (weakest < 0 || weakestLibs != libs) continue;
      if (IsGroupSettled(weakest / 100, weakest % 100, b)) continue;
      // The mover fills a liberty of the chain it wants to win against:
      // c's chain when the mover is the other side, else the enemy's.
      const int target = mover == -1 ? MoveCodeOf(i, j) : weakest;
      int points[4];
      const int n = LibertyList(b, target / 100, target % 100, points, 4);
      // Only a chain that cannot run is raced; one that can simply extends.
      if (!ShutIn(b, size_, points, n < 4 ? n : 4)) continue;
      for (int k = 0; k < n && k < 4; ++k) {
        const int x = points[k];
        // A shared liberty would cost the mover a liberty too.
        if (ChainTouches(mover == -1 ? weakest : MoveCodeOf(i, j), x)) continue;
        if (!SafeFor(x, mover)) continue;
        Offer(best, score, Filtered(x, mover, false), size);
        break;
      }
    }
  return best;
}

}  // namespace kz
