// The computer player's two shape-pattern libraries.
//
// Both are tables of fixed-size records: signed one-byte column and row
// offsets of the points a pattern looks at, measured from the point to play,
// and one capital-letter state code per point, ended by 'X'. A table ends with
// a record whose code string starts with 'X'; the library counts its records
// when it is built.
//
// State codes, seen from the side to move ("own"):
//   M empty          O own stone        E enemy stone      S any stone
//   F empty or own   N empty or enemy   B off the board    L the last move
// The first point of every record is the point to play, offset (0, 0), 'M'.
//
// Library A (stages 3, 17 and 29) holds answers to the opponent's last move:
// every record contains exactly one 'L'. Its flag says when a record may be
// used: 0 in modes 1 and 3, 1 in mode 3 only, 2 in every mode. Library B
// (stages 18, 21, 33, 41 and 42) holds shapes of types 0..4 matched anywhere.
#pragma once

#include <cstdint>

#include "engine/board/plane_board.h"

namespace kz {

struct PatternRecordA {
  std::int8_t flag;
  std::int8_t family;  // the shape family the record belongs to
  std::int8_t di[30];
  std::int8_t dj[30];
  char codes[31];
};
static_assert(sizeof(PatternRecordA) == 93);

struct PatternRecordB {
  std::int8_t type;
  std::int8_t family;
  std::int8_t di[40];
  std::int8_t dj[40];
  char codes[41];
  char reserved;
};
static_assert(sizeof(PatternRecordB) == 124);

// One of the eight orientations of the board: (di, dj) -> turned offsets.
void Orient(int orientation, int di, int dj, int* oi, int* oj);

// Whether a pattern (offsets and codes) matches with its play point at
// (i, j) in the given orientation. `own` is the side to move's colour;
// `lastMove` is a MoveCode (-1 none) used by the 'L' code.
bool MatchPattern(const PlaneBoard& board, const std::int8_t* di,
                  const std::int8_t* dj, const char* codes, int i, int j,
                  int orientation, int own, int lastMove);

class PatternLibraryA {
 public:
  PatternLibraryA();
  int Count() const { return count_; }
  const PatternRecordA& Record(int k) const;

  // Finds the first record (in table order, orientations 0..7) that answers
  // the last move and whose flag is allowed in `mode` (1, 2 or 3), starting
  // after the match `*cursor` (-1 to start); returns the point to play as a
  // MoveCode, or -1 when no further record matches. The point is empty and
  // on the board.
  int NextMatch(const PlaneBoard& board, int own, int lastMove, int mode,
                int* cursor) const;

 private:
  int count_ = 0;
};

class PatternLibraryB {
 public:
  PatternLibraryB();
  int Count() const { return count_; }
  const PatternRecordB& Record(int k) const;

  // Scans the empty points of the board row by row from (0, 0), trying the
  // records of `type` in table order and each in the eight orientations;
  // continues after the point `*cursor` (-1 to start). Returns the next
  // matching point as a MoveCode, or -1. `family`, when given, receives the
  // family of the first record that matched there.
  int NextMatch(const PlaneBoard& board, int own, int type, int* cursor,
                int* family = nullptr) const;

 private:
  int count_ = 0;
};

}  // namespace kz
