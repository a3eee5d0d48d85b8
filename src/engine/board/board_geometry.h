// Small geometry tables shared by the board's scans.
#pragma once

namespace kz {

struct Step {
  int di, dj;
};

// Orthogonal neighbours in the board's fixed order: (i-1, j), (i+1, j),
// (i, j-1), (i, j+1).
inline constexpr Step kOrthogonal[4] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
inline constexpr Step kDiagonal[4] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
inline constexpr Step kKnight[8] = {{-1, -2}, {1, -2}, {-2, -1}, {2, -1},
                                    {-2, 1},  {2, 1},  {-1, 2},  {1, 2}};

constexpr int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace kz
