#include "game/scoring.h"

#include <cstdio>

#include "engine/board/plane_board.h"

namespace kz {
namespace {

std::string MarginField(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%3d", n);
  return text;
}

void SetWin(GameScore& s, int winner, int margin, bool half) {
  s.decided = true;
  s.winner = winner;
  s.margin = margin;
  s.halfPoint = half;
  s.marginField = MarginField(margin);
  const char* colour = winner > 0 ? "黒" : "白";
  if (half) {
    s.panelLine = winner > 0 ? "　　　● 黒　　目半勝ち　　" : "　　　○ 白　　目半勝ち　　";
    s.resultText = colour + s.marginField + "目半勝ち";
  } else {
    s.panelLine = winner > 0 ? "　　　● 黒　　目勝ち　　　" : "　　　○ 白　　目勝ち　　　";
    s.resultText = colour + s.marginField + "目勝ち";
  }
}

}  // namespace

BoardCounts ReadCounts(const PlaneBoard& board) {
  BoardCounts c;
  c.blackTerritory = board.GetTerritoryCount(1, 0);
  c.whiteTerritory = board.GetTerritoryCount(-1, 0);
  c.deadBlack = board.CountDeadStones(1, 0);
  c.deadWhite = board.CountDeadStones(-1, 0);
  return c;
}

GameScore ScoreGame(const ScoreInput& in) {
  GameScore s;
  s.panelLine = "　　　　　　　　　　　　　　";
  if (in.counting) {
    s.blackTotal = in.counts.blackTerritory + in.counts.deadWhite + in.blackPrisoners;
    s.whiteTotal = in.counts.whiteTerritory + in.counts.deadBlack + in.whitePrisoners;
  }
  if (in.resultDisplay == 1 || in.resultDisplay == 2) {
    s.decided = true;
    s.winner = in.resultDisplay == 1 ? -1 : 1;
    s.panelLine = in.resultDisplay == 1 ? "　　　○ 白中押し勝ち　　　" : "　　　● 黒中押し勝ち　　　";
    s.resultText = in.resultDisplay == 1 ? "白中押し勝ち" : "黒中押し勝ち";
    return s;
  }
  if (!in.counting) return s;

  const int b = s.blackTotal, w = s.whiteTotal;
  if (in.handicap == 0) {  // komi 5.5
    if (b - 6 < w) SetWin(s, -1, w - b + 5, true);
    else SetWin(s, 1, b - w - 6, true);
  } else if (b > w) {
    SetWin(s, 1, b - w, false);
  } else if (w > b) {
    SetWin(s, -1, w - b, false);
  } else {
    s.decided = true;
    s.panelLine = "　　　◎ 持碁でーす(^_^) 　";
    s.resultText = "持碁";
  }
  return s;
}

}  // namespace kz
