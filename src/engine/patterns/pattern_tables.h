// The record tables of the two pattern libraries, built once from the shape
// diagrams in the pattern_shapes_a_*.cpp and pattern_shapes_b_*.cpp files.
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

// The diagrams of each library come in parts, one per file, each ended by a
// diagram whose first row is null; the table takes the parts in this order.
extern const ShapeDiagram kShapesAContact[];  // contact answers
extern const ShapeDiagram kShapesAEdge[];     // low-line answers
extern const ShapeDiagram kShapesBFight[];    // types 0 and 1
extern const ShapeDiagram kShapesBShape[];    // types 2, 3 and 4

// The n-th diagram of a library in table order, or nullptr past the last.
const ShapeDiagram* DiagramA(int n);
const ShapeDiagram* DiagramB(int n);

// The tables, ended by a record whose codes start with 'X'.
const PatternRecordA* PatternTableA();
const PatternRecordB* PatternTableB();

}  // namespace kz
