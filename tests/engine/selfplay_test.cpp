// The computer against itself through ChooseMove: every game ends by two
// passes, no move the engine chooses is refused by the board, and the board
// stays consistent. KZ_SELFPLAY_GAMES sets the games per configuration (1
// by default; the full check plays 20).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/board/board_geometry.h"
#include "engine/think_engine.h"

namespace kz {
namespace {

// Counts the moves the engine chose that the board then refused.
class WatchedEngine final : public ThinkEngine {
 public:
  MoveResult PlayEngineMove(int packed, int extra) override {
    const MoveResult r = ThinkEngine::PlayEngineMove(packed, extra);
    if (PackedCode(packed) != -1 && PackedCode(r.packed) == -1) ++refused;
    return r;
  }
  int refused = 0;
};

int GamesPerConfiguration() {
  const char* v = std::getenv("KZ_SELFPLAY_GAMES");
  const int n = v ? std::atoi(v) : 1;
  return n > 0 ? n : 1;
}

struct GameOutcome {
  int moves = 0;
  int passes = 0;
  bool endedByPasses = false;
  int refused = 0;
  int stuck = 0;  // answers that were neither a stone nor a pass
  std::string fault;
};

// Every chain id on the board stands for stones of one colour joined
// orthogonally, each chain has a liberty.
std::string CheckBoard(const PlaneBoard& b) {
  const int n = b.GetSize();
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      const int v = b.GetChain(i, j);
      if (v == 0) continue;
      if (b.ChainLiberties(i, j) < 1) return "a chain without liberty";
      for (const Step& d : kOrthogonal) {
        const int a = i + d.di, c = j + d.dj;
        if (!b.OnBoard(a, c)) continue;
        const int w = b.GetChain(a, c);
        if (w != 0 && Sign(w) == Sign(v) && w != v) return "two ids in one chain";
      }
    }
  }
  return "";
}

GameOutcome SelfPlay(int size, int style, int faster, int rule, int handicap) {
  PlaneBoard board;
  board.Reset(size, handicap);
  WatchedEngine engine;
  engine.SetupGame(board, rule, 1, 1, faster, style);
  GameOutcome g;
  // With handicap stones on the board White moves first.
  int colour = handicap > 1 ? -1 : 1, lastMove = -1, consecutive = 0;
  const int limit = 3 * size * size;
  while (g.moves < limit) {
    const MoveResult r = engine.ChooseMove(board, colour, g.moves, lastMove);
    const int code = PackedCode(r.packed);
    if (code == 0) {
      if (++g.stuck > 3) {
        g.fault = "the engine keeps answering no move";
        break;
      }
      continue;
    }
    if (code == -1) {
      ++g.passes;
      lastMove = -1;
      if (++consecutive == 2) {
        g.endedByPasses = true;
        ++g.moves;
        break;
      }
    } else {
      consecutive = 0;
      const int i = PackedI(r.packed), j = PackedJ(r.packed);
      if (!board.OnBoard(i, j) || board.GetChain(i, j) == 0 ||
          Sign(board.GetChain(i, j)) != colour) {
        g.fault = "the chosen stone is not on the board";
        break;
      }
      lastMove = MoveCodeOf(i, j);
    }
    ++g.moves;
    colour = -colour;
    const std::string fault = CheckBoard(board);
    if (!fault.empty()) {
      g.fault = fault + " after move " + std::to_string(g.moves);
      break;
    }
  }
  g.refused = engine.refused;
  return g;
}

struct Configuration {
  int size, style, faster, rule, handicap = 0;
};

class SelfPlayTest : public ::testing::TestWithParam<Configuration> {};

TEST_P(SelfPlayTest, GamesEndByTwoPassesWithoutRefusedMoves) {
  const Configuration c = GetParam();
  for (int game = 0; game < GamesPerConfiguration(); ++game) {
    const GameOutcome g = SelfPlay(c.size, c.style, c.faster, c.rule, c.handicap);
    SCOPED_TRACE("game " + std::to_string(game + 1) + ", " + std::to_string(g.moves) +
                 " moves");
    EXPECT_EQ(g.fault, "");
    EXPECT_TRUE(g.endedByPasses) << "no two passes within the move limit";
    EXPECT_EQ(g.refused, 0);
    // Keima-go leaves fewer points to play (every stone a knight's move from
    // its own), so its games are shorter, yet more than the opening. On 9
    // lines the knight's-move points soon all lie in the mover's own area,
    // where the shape stage does not play, so a game may end after a few
    // stones: there only the rules are checked.
    const int shortest = c.rule == 0 ? c.size * 2 : c.size == 9 ? 0 : c.size;
    EXPECT_GT(g.moves, shortest) << "a real game, not an early pass";
  }
}

std::string Name(const ::testing::TestParamInfo<Configuration>& info) {
  const Configuration& c = info.param;
  return "Size" + std::to_string(c.size) + (c.style ? "Bold" : "Solid") +
         (c.faster ? "Fast" : "Full") + (c.rule ? "Keima" : "") +
         (c.handicap ? "H" + std::to_string(c.handicap) : "");
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, SelfPlayTest,
    ::testing::Values(Configuration{9, 0, 0, 0}, Configuration{9, 1, 0, 0},
                      Configuration{9, 0, 1, 0}, Configuration{9, 1, 1, 0},
                      Configuration{13, 0, 1, 0},
                      Configuration{13, 1, 0, 0}, Configuration{19, 0, 1, 0},
                      Configuration{19, 1, 0, 0}, Configuration{9, 0, 0, 0, 2},
                      Configuration{9, 1, 1, 0, 3}, Configuration{13, 0, 1, 0, 4},
                      Configuration{19, 1, 1, 0, 9}, Configuration{9, 0, 0, 1},
                      Configuration{13, 1, 1, 1}, Configuration{19, 0, 0, 1, 2}),
    Name);

}  // namespace
}  // namespace kz
