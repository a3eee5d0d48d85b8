#include "support/board_diagram.h"

#include <gtest/gtest.h>

#include <vector>

namespace kz::test {

namespace {

void Label(PlaneBoard& b, int i, int j, int colour, int id) {
  if (!b.OnBoard(i, j) || b.GetChain(i, j) != colour) return;
  b.SetChain(i, j, id);
  Label(b, i - 1, j, colour, id);
  Label(b, i + 1, j, colour, id);
  Label(b, i, j - 1, colour, id);
  Label(b, i, j + 1, colour, id);
}

}  // namespace

void Place(PlaneBoard& board, int size, std::initializer_list<const char*> rows,
           bool refresh) {
  board.Reset(size, 0);
  int j = 0;
  for (const char* row : rows) {
    int i = 0;
    for (const char* c = row; *c; ++c) {
      if (*c == ' ') continue;
      const int v = *c == 'X' ? 1 : *c == 'O' ? -1 : 0;
      EXPECT_TRUE(*c == 'X' || *c == 'O' || *c == '.' || *c == '+')
          << "unknown diagram letter " << *c;
      board.SetChain(i, j, v);
      ++i;
    }
    ++j;
  }
  // Give every chain its own id (stones start as +1 / -1 marks).
  int black = 0, white = 0;
  const int n = board.GetSize();
  for (int a = 0; a < n; ++a) {
    for (int b = 0; b < n; ++b) {
      if (board.GetChain(a, b) == 1) Label(board, a, b, 1, 1000 + ++black);
      if (board.GetChain(a, b) == -1) Label(board, a, b, -1, -1000 - ++white);
    }
  }
  for (int a = 0; a < n; ++a) {
    for (int b = 0; b < n; ++b) {
      const int v = board.GetChain(a, b);
      if (v > 0) board.SetChain(a, b, v - 1000);
      if (v < 0) board.SetChain(a, b, v + 1000);
    }
  }
  board.SetLastBlackChainId(black);
  board.SetLastWhiteChainId(-white);
  if (refresh) {
    board.LabelRegions();
    board.LinkChains(0);
    board.SpreadInfluence();
  }
}

void Place(PlaneBoard& board, std::initializer_list<const char*> rows,
           bool refresh) {
  const int n = static_cast<int>(rows.size());
  Place(board, n == 13 ? 13 : n == 19 ? 19 : 9, rows, refresh);
}

std::string Diagram(const PlaneBoard& board) {
  std::string out;
  const int n = board.GetSize();
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < n; ++i) {
      const int v = board.GetChain(i, j);
      out += v > 0 ? 'X' : v < 0 ? 'O' : '.';
    }
    out += '\n';
  }
  return out;
}

std::string PlaneText(const PlaneBoard& board, Getter get) {
  std::string out;
  const int n = board.GetSize();
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < n; ++i) {
      if (i) out += ' ';
      out += std::to_string((board.*get)(i, j));
    }
    out += '\n';
  }
  return out;
}

}  // namespace kz::test
