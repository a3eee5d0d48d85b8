// A test player for games over the link: it answers each move with the first
// sensible legal point of a PlaneBoard, keeps the game as SGF nodes and
// checks that every remote move is legal on its board. Also reads the moves
// of an SGF record, to compare with what another program wrote.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "engine/board/plane_board.h"
#include "link/modem_link.h"

namespace kz::test {

// One move as an SGF node: "B[ce]", "W[]" for a pass (x, y from 1; 0 a pass).
std::string SgfMove(int colour, int x, int y);

struct SgfGame {
  std::vector<std::string> moves;  // "B[..]" / "W[..]", "tt" read as a pass
  std::vector<std::string> setup;  // the AB stones, as written
};
SgfGame ReadSgf(const std::string& path);

// The first point in reading order that is legal, leaves the new stone two
// liberties or more and does not fill a one-point eye of its own.
bool ChooseMove(const PlaneBoard& board, int colour, int* i, int* j);

struct Outcome {
  std::vector<std::string> moves;  // as SGF nodes
  bool finished = false;           // two passes in a row, or a resignation
  bool resigned = false;           // the remote side resigned
  std::string fault;               // empty while every move was sound
};

// Plays with the link until two passes, a resignation, a failure or `limit`
// of real time; `stopAfter` > 0 leaves the loop after that many moves.
Outcome Play(link::CModemLink& modem, PlaneBoard& board, int ownColour, int handicap,
             std::chrono::seconds limit, int stopAfter = 0);

}  // namespace kz::test
