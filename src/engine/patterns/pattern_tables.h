// The record tables of the two pattern libraries, built once from the shape
// diagrams in pattern_shapes_a.cpp and pattern_shapes_b.cpp.
//
// A diagram is a few rows of points, top row first, seen from the side to
// move:
//   *  the point to play (empty)      .  empty          ?  anything
//   O  own stone                      X  enemy stone    @  any stone
//   o  own stone or empty             x  enemy or empty #  off the board
//   L  the enemy's last move
#pragma once

#include "engine/patterns/pattern_library.h"

namespace kz {

struct ShapeDiagram {
  int flagOrType;  // library A: the flag; library B: the type 0..4
  int family;
  const char* rows[8];  // ended by nullptr
};

// The diagrams of each library, ended by a diagram whose first row is null.
extern const ShapeDiagram kShapesA[];
extern const ShapeDiagram kShapesB[];

// The tables, ended by a record whose codes start with 'X'.
const PatternRecordA* PatternTableA();
const PatternRecordB* PatternTableB();

}  // namespace kz
