// Board diagrams for tests: rows from the top, columns left to right,
// 'X' Black, 'O' White, '.' or '+' empty; spaces are ignored.
//
//   Place(board, {". X O",
//                 "X . O",
//                 ". X O"});
//
// puts the stones as proper chains (one id per chain) and refreshes the
// derived planes, as the board itself does after a move.
#pragma once

#include <initializer_list>
#include <string>

#include "engine/board/plane_board.h"

namespace kz::test {

// Board size is the number of rows (9, 13 or 19 rows are expected; smaller
// diagrams are drawn in the top-left corner of a 9-line board).
void Place(PlaneBoard& board, std::initializer_list<const char*> rows,
           bool refresh = true);
void Place(PlaneBoard& board, int size, std::initializer_list<const char*> rows,
           bool refresh = true);

// The stones as a diagram, one row per line, same letters.
std::string Diagram(const PlaneBoard& board);

// A plane read through a getter, as text, for compact expectations.
using Getter = int (PlaneBoard::*)(int, int) const;
std::string PlaneText(const PlaneBoard& board, Getter get);

}  // namespace kz::test
