// The board's queries, iterators, counting operations and the board-wide
// copy and colour turn.
#include <gtest/gtest.h>

#include <cstdint>

#include "support/board_diagram.h"

namespace kz {
namespace {

using test::PlaneText;
using test::Place;

// A position from a seeded random game: legal moves, no eye filling.
void RandomGame(PlaneBoard& board, int size, int stones, std::uint32_t seed) {
  board.Reset(size, 0);
  int colour = 1;
  for (int placed = 0, tries = 0; placed < stones && tries < 20000; ++tries) {
    seed = seed * 1664525u + 1013904223u;
    const int i = (seed >> 8) % size, j = (seed >> 20) % size;
    const int r = board.PlayStone(i, j, colour, 0);
    if (r == kOccupied || r == kSuicide || r == kKo) continue;
    ++placed;
    colour = -colour;
  }
}

TEST(Liberties, ChainAndLinkedGroup) {
  PlaneBoard board;
  Place(board, {". . . . . . . . .",
                ". X X . . . . . .",
                ". X O . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  EXPECT_EQ(board.ChainLiberties(1, 1), 6);
  EXPECT_EQ(board.ChainLiberties(2, 2), 2);
  EXPECT_EQ(board.ChainSize(2, 1), 3);
  EXPECT_EQ(board.ChainSize(0, 0), 0);
  EXPECT_EQ(board.ChainLiberties(0, 0), 0);
  EXPECT_EQ(board.LinkLiberties(1, 1), 6);
}

TEST(FindChainInAtari, EnumeratesEachChainInAtariOnce) {
  PlaneBoard board;
  Place(board, {"X O . . . . . . .",
                "O . . . . . . . .",
                ". . . O . . . . .",
                ". . O X O . . . .",
                ". . . . . . . . .",
                ". . . . . . . X X",
                ". . . . . . . O O",
                ". . . . . . . . .",
                ". . . . . . . . ."});
  const int first = board.FindChainInAtari(1, 0);
  const int second = board.FindChainInAtari(1, 1);
  EXPECT_EQ(first, board.GetChain(0, 0));
  EXPECT_EQ(second, board.GetChain(3, 3));
  EXPECT_EQ(board.FindChainInAtari(1, 1), 0);
  EXPECT_EQ(board.FindChainInAtari(1, 1), 0);
  // A restart finds the first again.
  EXPECT_EQ(board.FindChainInAtari(1, 0), first);
  // White has no chain in atari.
  EXPECT_EQ(board.FindChainInAtari(-1, 0), 0);
}

TEST(Counting, ForceZeroWaitsForTheCountForceOneCountsAnyTime) {
  PlaneBoard board;
  Place(board, {". . X . . . . . .",
                ". . X . . . . . .",
                "X X X . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . O"});
  EXPECT_EQ(board.GetTerritoryCount(1, 0), 0);
  EXPECT_EQ(board.GetTerritoryCount(1, 1), 4);
  board.CountTerritory();
  EXPECT_EQ(board.GetTerritoryCounted(), 1);
  EXPECT_EQ(board.GetTerritoryCount(1, 0), 4);
  EXPECT_EQ(board.GetTerritoryCount(-1, 0), 0);
  board.ClearDeadMarks();
  EXPECT_EQ(board.GetTerritoryCount(1, 0), 0);
}

TEST(Counting, ToggledDeadChainCountsAsPrisonersAndTerritory) {
  PlaneBoard board;
  Place(board, {". . . X . . . . .",
                ". O . X . . . . .",
                ". O . X . . . . .",
                "X X X X . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . .",
                ". . . . . . . . O"});
  board.CountTerritory();
  EXPECT_EQ(board.GetTerritoryCount(1, 0), 0) << "White stones inside";
  board.ToggleDeadChain(1, 2);
  EXPECT_EQ(board.GetDead(1, 1), 1);
  EXPECT_EQ(board.GetDead(1, 2), 1);
  board.CountTerritory();
  EXPECT_EQ(board.CountDeadStones(-1, 0), 2);
  EXPECT_EQ(board.CountDeadStones(1, 0), 0);
  EXPECT_EQ(board.GetTerritoryCount(1, 0), 9) << "the dead stones' points too";
  board.ToggleDeadChain(1, 1);
  board.CountTerritory();
  EXPECT_EQ(board.CountDeadStones(-1, 0), 0);
  EXPECT_EQ(board.GetTerritoryCount(1, 0), 0);
  board.ToggleDeadChain(0, 0);  // empty point: nothing
  EXPECT_EQ(board.GetDead(0, 0), 0);
}

TEST(BoardOps, NormaliseColourTwiceGivesTheSameBoard) {
  PlaneBoard board;
  RandomGame(board, 19, 120, 7);
  PlaneBoard copy;
  CopyBoard(board, copy, 19);
  NormaliseColour(copy, 1);
  EXPECT_EQ(PlaneText(copy, &PlaneBoard::GetChain),
            PlaneText(board, &PlaneBoard::GetChain));
  NormaliseColour(copy, -1);
  // Seen from White: White stones read positive, the planes swap.
  for (int i = 0; i < 19; ++i) {
    for (int j = 0; j < 19; ++j) {
      EXPECT_EQ(copy.GetChain(i, j), -board.GetChain(i, j));
      EXPECT_EQ(copy.GetBlackInfluence(i, j), -board.GetWhiteInfluence(i, j));
      EXPECT_EQ(copy.GetEye(i, j), board.GetEye(i, j));
    }
  }
  EXPECT_EQ(copy.GetLastBlackChainId(), -board.GetLastWhiteChainId());
  NormaliseColour(copy, -1);
  for (auto get : {&PlaneBoard::GetChain, &PlaneBoard::GetPrevious,
                   &PlaneBoard::GetRegion, &PlaneBoard::GetEye,
                   &PlaneBoard::GetLink, &PlaneBoard::GetDead,
                   &PlaneBoard::GetInfluence, &PlaneBoard::GetBlackInfluence,
                   &PlaneBoard::GetWhiteInfluence})
    EXPECT_EQ(PlaneText(copy, get), PlaneText(board, get));
  EXPECT_EQ(copy.GetLastBlackChainId(), board.GetLastBlackChainId());
  EXPECT_EQ(copy.GetLastWhiteChainId(), board.GetLastWhiteChainId());
}

TEST(BoardOps, CopiedBoardPlaysOnLikeTheOriginal) {
  PlaneBoard board;
  RandomGame(board, 13, 60, 11);
  PlaneBoard copy;
  copy.Reset(13, 0);
  CopyBoard(board, copy, 13);
  for (int i = 0; i < 13; ++i) {
    for (int j = 0; j < 13; ++j) {
      PlaneBoard a = board, b = copy;
      EXPECT_EQ(a.PlayStone(i, j, 1, 0), b.PlayStone(i, j, 1, 0));
    }
  }
}

TEST(RandomGames, ChainIdsStayConsistent) {
  // Seeded stress: after every move each chain has one id and no two
  // chains share one; a refresh never leaves a stone with a region.
  for (std::uint32_t seed = 1; seed <= 5; ++seed) {
    PlaneBoard board;
    RandomGame(board, 9, 70, seed);
    // Classed quiet moves skip the refreshes; bring the planes up to date.
    board.LabelRegions();
    const int n = board.GetSize();
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        const int v = board.GetChain(i, j);
        if (v == 0) continue;
        EXPECT_EQ(board.GetRegion(i, j), 0);
        EXPECT_GE(board.ChainLiberties(i, j), 1) << "no chain without liberty";
        if (i + 1 < n && board.GetChain(i + 1, j) != 0 &&
            (board.GetChain(i + 1, j) > 0) == (v > 0)) {
          EXPECT_EQ(board.GetChain(i + 1, j), v);
        }
        if (j + 1 < n && board.GetChain(i, j + 1) != 0 &&
            (board.GetChain(i, j + 1) > 0) == (v > 0)) {
          EXPECT_EQ(board.GetChain(i, j + 1), v);
        }
      }
    }
    // Distinct chains carry distinct ids: the stones of one id are connected.
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        if (board.GetChain(i, j) != 0) {
          int same = 0;
          for (int a = 0; a < n; ++a)
            for (int b = 0; b < n; ++b)
              same += board.GetChain(a, b) == board.GetChain(i, j);
          EXPECT_EQ(same, board.ChainSize(i, j));
        }
  }
}

TEST(OnBoard, GuardsPointsFromOutside) {
  EXPECT_TRUE(OnBoard(9, 0, 0));
  EXPECT_TRUE(OnBoard(9, 8, 8));
  EXPECT_FALSE(OnBoard(9, 9, 0));
  EXPECT_FALSE(OnBoard(13, -1, 4));
  EXPECT_TRUE(OnBoard(19, 18, 18));
  EXPECT_FALSE(OnBoard(19, 18, 19));
}

}  // namespace
}  // namespace kz
