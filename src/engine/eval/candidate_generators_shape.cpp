// Shape: the good-shape points of two small pattern sets (40..42), the hane
// (43) and the links between weak groups (36).
//
// Shapes are written with the candidate at (0, 0) and own stones positive;
// each is tried in the eight symmetries of the board.
#include "engine/eval/candidate_generators.h"

namespace kz {

namespace {

// Set A: answers to contact.
constexpr CandidateGenerators::Shape kShapesA[3] = {
    // Hane at the head of two stones: the enemy's two stones point at the
    // candidate, ours run beside them.
    //   . O O
    //   * X X
    //   .
    {8,
     {{0, 1, 'X'}, {0, 2, 'X'}, {-1, 1, 'O'}, {-1, 2, 'O'}, {-1, 0, '.'},
      {1, 0, '.'}, {0, -1, '.'}, {1, 1, 'o'}}},
    // Extend when pinched: our stone is touched on both sides, the
    // candidate stretches it away from the enemy.
    //   . X
    //   * O
    //   . X
    {6,
     {{0, 1, 'O'}, {1, 1, 'X'}, {-1, 1, 'X'}, {1, 0, '.'}, {-1, 0, '.'},
      {0, -1, 'o'}}},
    // Extend from a crosscut: the crosscut square below, the candidate
    // lengthens our stone of it.
    //   *
    //   O X
    //   X O
    {7,
     {{1, 0, 'O'}, {2, 1, 'O'}, {1, 1, 'X'}, {2, 0, 'X'}, {-1, 0, '.'},
      {0, 1, 'o'}, {0, -1, 'o'}}},
};

// Set B: shape moves away from the fight.
constexpr CandidateGenerators::Shape kShapesB[2] = {
    // One-point jump out of a contact: our stone is touched from the side,
    // the candidate jumps ahead along the open line.
    //   . * .
    //   x . x
    //     O X
    {8,
     {{2, 0, 'O'}, {2, 1, 'X'}, {1, 0, '.'}, {0, 1, '.'}, {0, -1, '.'},
      {-1, 0, '.'}, {1, 1, 'o'}, {1, -1, 'o'}}},
    // Knight's move into open ground: our stone a knight's move away, the
    // candidate and all its neighbours empty, room on the three sides it
    // opens (so never below the third line there). Under Keima-go it is
    // the development move; elsewhere it comes only after the pipeline's
    // open-area stages found nothing.
    //   . . .
    //   . * . .
    //   . . . O
    //   .
    {12,
     {{1, 2, 'O'}, {-1, -1, '.'}, {-1, 0, '.'}, {-1, 1, '.'}, {0, -1, '.'},
      {0, 1, '.'}, {1, -1, '.'}, {1, 0, '.'}, {1, 1, '.'}, {-2, 0, '.'},
      {0, -2, '.'}, {2, 0, '.'}}},
};

}  // namespace

template <std::size_t N>
bool CandidateGenerators::MatchesAnyShape(const Shape (&shapes)[N], int i, int j) const {
  if (!EmptyAt(i, j)) return false;
  for (const Shape& shape : shapes)
    for (int symmetry = 0; symmetry < 8; ++symmetry)
      if (ShapeFits(shape, symmetry, i, j)) return true;
  return false;
}

int CandidateGenerators::MatchShapeA(int i, int j) {
  return MatchesAnyShape(kShapesA, i, j) ? 1 : 0;
}

int CandidateGenerators::MatchShapeB(int i, int j) {
  return MatchesAnyShape(kShapesB, i, j) ? 1 : 0;
}

// ---------------------------------------------------- 40 PlayShapePoint --

int CandidateGenerators::PlayShapePoint() {
  ColourView view(*board_, colour_);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  // The Keima-go rule is not asked for the game's first stone of each side.
  const bool keimaOff =
      moveNumber_ == 0 || (moveNumber_ == 1 && handicap_ < 2);
  for (int set = 0; set < 2; ++set)
    for (int r = 0; r < size_; ++r)
      for (int c = 0; c < size_; ++c) {
        const int i = scan.I(r), j = scan.J(c);
        if (i < 1 || i > size2_ || j < 1 || j > size2_ || !EmptyAt(i, j))
          continue;
        if (b.GetRegion(i, j) > 0 || AreaSide(i, j, colour_) > 0) continue;
        if (!keimaOff && KeimaForbids(i, j, colour_)) continue;
        const int match = set == 0 ? MatchShapeA(i, j) : MatchShapeB(i, j);
        if (match == 1 && SafetyCheck(b, i, j, 1)) return MoveCodeOf(i, j);
      }
  return -1;
}

// ----------------------------------------------------- 43 PlayHaneShape --

int CandidateGenerators::PlayHaneShape() {
  // The hane: diagonally off our stone, in front of the enemy stone it
  // touches.
  //   . O
  //   * X
  //   .
  static constexpr Shape kHane = {
      5, {{0, 1, 'X'}, {-1, 1, 'O'}, {-1, 0, '.'}, {1, 0, '.'}, {0, -1, '.'}}};
  ColourView view(*board_, colour_);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  SettledGroups settled(*this, colour_);
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (!EmptyAt(i, j) || KeimaForbids(i, j, colour_)) continue;
      // Not inside our own region or area: a hane there gains nothing.
      if (b.GetRegion(i, j) > 0 || AreaSide(i, j, colour_) > 0) continue;
      if (b.GetRegion(i, j) < 0 && b.RegionSize(i, j) <= 3) continue;
      int symmetry = 0;
      while (symmetry < 8 && !ShapeFits(kHane, symmetry, i, j)) ++symmetry;
      if (symmetry == 8) continue;
      const Step e = Turn(symmetry, 0, 1), o = Turn(symmetry, -1, 1);
      if (b.GetDead(i + e.di, j + e.dj) == 1 ||
          b.GetDead(i + o.di, j + o.dj) == 1)
        continue;
      if (b.ChainLiberties(i + e.di, j + e.dj) < 2 ||
          b.ChainLiberties(i + o.di, j + o.dj) < 2)
        continue;
      bool quiet = true;
      for (const Step& d : kOrthogonal) {
        const int u = i + d.di, v = j + d.dj;
        if (SideAt(u, v) == 0 || SideAt(u, v) == kOffBoard) continue;
        if (b.GetDead(u, v) == 1 || settled.At(u, v)) quiet = false;
      }
      if (quiet && SafetyCheck(b, i, j, 1)) return MoveCodeOf(i, j);
    }
  return -1;
}

// ---------------------------------------------------- 36 LinkWeakGroups --

int CandidateGenerators::LinkWeakGroups(int colour) {
  const int a = colour > 0 ? 1 : -1;
  ColourView view(*board_, a);
  const PlaneBoard& b = *board_;
  const CornerScan scan = ScanFromLastMove();
  const int mover = MoverSide(a);
  SettledGroups settled(*this, a);

  auto candidatePoint = [&](int i, int j) {
    if (!Playable(i, j, a) || CountOrthogonal(i, j, 0) != 4) return false;
    // For the opponent, outside the opening, only points the mover reaches.
    if (mover != 1 && gamePhase_ != 1 && b.GetWhiteInfluence(i, j) == 0)
      return false;
    return true;
  };
  // The two groups at p + s1 and p + s2 (live own stones of two groups):
  // the sum of the unsettled ones' stones, or 0 when both are settled or
  // the shape does not hold.
  auto linkScore = [&](int i, int j, Step s1, Step s2) {
    const int u1 = i + s1.di, v1 = j + s1.dj, u2 = i + s2.di, v2 = j + s2.dj;
    if (!LiveStoneAt(u1, v1, 1) || !LiveStoneAt(u2, v2, 1)) return 0;
    if (b.GetLink(u1, v1) == b.GetLink(u2, v2)) return 0;
    int score = 0;
    if (!settled.At(u1, v1)) score += b.LinkStoneCount(u1, v1);
    if (!settled.At(u2, v2)) score += b.LinkStoneCount(u2, v2);
    return score;
  };
  auto safe = [&](int i, int j) { return SafetyCheck(b, i, j, mover); };

  // First pass: a knight's move from one group and a one-point jump from
  // the other; the best link wins.
  if (faster_ == 0) {
    int best = 0, result = -1;
    for (int r = 0; r < size_; ++r)
      for (int c = 0; c < size_; ++c) {
        const int i = scan.I(r), j = scan.J(c);
        if (!candidatePoint(i, j) || b.GetBlackInfluence(i, j) != 7) continue;
        for (int symmetry = 0; symmetry < 8; ++symmetry) {
          const Step between = Turn(symmetry, -1, -1);
          if (!EmptyAt(i + between.di, j + between.dj)) continue;
          const int score =
              linkScore(i, j, Turn(symmetry, -2, -1), Turn(symmetry, 2, 0));
          if (score > best && safe(i, j)) {
            best = score;
            result = MoveCodeOf(i, j);
          }
        }
      }
    if (result >= 0) return result;
  }
  // Second pass: the middle of a three-point gap between two groups, no
  // enemy stone touching it; the first one is played.
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (!candidatePoint(i, j) || CountDiagonal(i, j, -1) != 0) continue;
      for (int symmetry = 0; symmetry < 8; symmetry += 4) {
        const Step one = Turn(symmetry, 1, 0), two = Turn(symmetry, 2, 0);
        if (linkScore(i, j, {-two.di, -two.dj}, two) > 0 &&
            EmptyAt(i + one.di, j + one.dj) &&
            EmptyAt(i - one.di, j - one.dj) && safe(i, j))
          return MoveCodeOf(i, j);
      }
    }
  // Third pass: knight's moves to both groups, from opposite sides.
  for (int r = 0; r < size_; ++r)
    for (int c = 0; c < size_; ++c) {
      const int i = scan.I(r), j = scan.J(c);
      if (!candidatePoint(i, j) || CountDiagonal(i, j, -1) != 0) continue;
      for (int symmetry = 0; symmetry < 8; ++symmetry) {
        const Step k1 = Turn(symmetry, -2, -1), k2 = Turn(symmetry, 2, 1);
        const Step m1 = Turn(symmetry, -1, -1), m2 = Turn(symmetry, 1, 1);
        if (!EmptyAt(i + m1.di, j + m1.dj) || !EmptyAt(i + m2.di, j + m2.dj))
          continue;
        if (linkScore(i, j, k1, k2) > 0 && safe(i, j)) return MoveCodeOf(i, j);
      }
    }
  return -1;
}

}  // namespace kz
