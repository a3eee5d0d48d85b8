// Library B: shapes matched anywhere on the board, from the side to move.
// Type 0 (stage 18): cuts and connections; type 1 (stage 21): contact shape
// at the head of stones; type 2 (stage 33): first- and second-line shape;
// type 3 (stage 41): eye shape; type 4 (stage 42): good shape.
#include "engine/patterns/pattern_tables.h"

namespace kz {

namespace {
enum Family {
  kMendDiagonal = 1,  // the enemy holds one cut point of our diagonal: connect
  kCutDiagonal,       // we hold one cut point of the enemy's diagonal: cut
  kMendJump,          // the enemy peeps at our one-point jump: connect
  kWedgeJump,         // wedge into the enemy's one-point jump next to our stone
  kMendKnight,        // the enemy stands in our knight's move: connect
  kCutKnight,         // we stand in the enemy's knight's move: cut through
  kHeadOfStones,      // hane at the head of two or three stones
  kStandUp,           // extend from a stone the enemy leans on
  kFirstLineHane,     // hane on the first line
  kSecondLineHane,    // hane on the second line
  kEdgeBlock,         // block before the enemy hanes on the edge
  kDescent,           // descend to the first line to widen the eye space
  kEyeMaking,         // the point that turns a false eye into a real one
  kEyeStealing,       // the point that takes the enemy's eye
  kTigersMouth,       // mend a cutting point with a tiger's mouth
  kBambooJoint,       // extend into a bamboo joint
};
}  // namespace

const ShapeDiagram kShapesB[] = {
    // ---- type 0: cuts and connections ---------------------------------------
    {0, kMendDiagonal, {"O*", "XO", nullptr}},
    {0, kMendDiagonal, {"?O*?", "?XO?", "####", nullptr}},
    {0, kMendDiagonal, {"O*?", "XO?", "?O?", nullptr}},
    {0, kMendDiagonal, {"?..?", "O*.?", "XO.?", "?..?", nullptr}},
    {0, kCutDiagonal, {"X*", "OX", nullptr}},
    {0, kCutDiagonal, {"?X*?", "?OX?", "####", nullptr}},
    {0, kCutDiagonal, {"X*.", "OX.", "?..", nullptr}},
    {0, kCutDiagonal, {"?X*?", "?OX?", "?O??", nullptr}},
    {0, kMendJump, {"?O?", "X*?", "?O?", nullptr}},
    {0, kMendJump, {"?O?", "X*X", "?O?", nullptr}},
    {0, kMendJump, {"####", "?O*O", "??X?", nullptr}},
    {0, kWedgeJump, {"?X?", "O*.", "?X?", nullptr}},
    {0, kWedgeJump, {"?X?", "O*O", "?X?", nullptr}},
    {0, kMendKnight, {"O?", "X*", "?O", nullptr}},
    {0, kMendKnight, {"O?", "*X", "?O", nullptr}},
    {0, kCutKnight, {"X?", "O*", "?X", nullptr}},
    {0, kCutKnight, {"X.", "*O", ".X", nullptr}},

    // ---- type 1: contact shape -------------------------------------------------
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "??.??", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "?.XO?", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "#####", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "?..O?", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "?.XO?", "#####", nullptr}},
    {1, kStandUp, {"?...?", "?.*.?", "?XOX?", "?...?", nullptr}},
    {1, kStandUp, {"?...?", "?.*.?", "?XO.?", "?.X.?", nullptr}},
    {1, kStandUp, {"?.*.?", "?XOX?", "?...?", "#####", nullptr}},
    {1, kStandUp, {"?...?", "?.*.?", "?XOX?", "?...?", "#####", nullptr}},

    // ---- type 2: first- and second-line shape ---------------------------------
    {2, kFirstLineHane, {"?OX?", "?.*.", "####", nullptr}},
    {2, kFirstLineHane, {"?OX.", "?.*.", "####", nullptr}},
    {2, kFirstLineHane, {"OOX?", "?.*.", "####", nullptr}},
    {2, kFirstLineHane, {"?OXX", "?.*.", "####", nullptr}},
    {2, kSecondLineHane, {"?OX?", "?.*.", "?...", "####", nullptr}},
    {2, kSecondLineHane, {"OOX?", "?.*.", "?...", "####", nullptr}},
    {2, kSecondLineHane, {"?OXX", "?.*.", "?...", "####", nullptr}},
    {2, kEdgeBlock, {"?OX?", "?*..", "####", nullptr}},
    {2, kEdgeBlock, {"?OOX", "??*.", "####", nullptr}},
    {2, kDescent, {"?X.O?", "?..*?", "#####", nullptr}},
    {2, kDescent, {"?..O?", "?X*.?", "#####", nullptr}},
    {2, kDescent, {"?XOO?", "?.*.?", "#####", nullptr}},

    // ---- type 3: eye shape -------------------------------------------------------
    {3, kEyeMaking, {"XO*", "O.O", "OOO", nullptr}},
    {3, kEyeMaking, {"?XO*?", "?O.O?", "?OOO?", nullptr}},
    {3, kEyeMaking, {"?OOO?", "?O.*.", "#####", nullptr}},
    {3, kEyeStealing, {"?XXX?", "?.*.?", "#####", nullptr}},
    {3, kEyeStealing, {"XXXX", "X.*.", "####", nullptr}},

    // ---- type 4: good shape ------------------------------------------------------
    {4, kMendDiagonal, {"?.X?", "?O*.", "?.O?", "?...", nullptr}},
    {4, kMendDiagonal, {"?..?", "?O*X", "?.O?", "?..?", nullptr}},
    {4, kTigersMouth, {"?.O.?", "?O.*?", "?...?", "?.X.?", nullptr}},
    {4, kBambooJoint, {"?...?", "?O.*?", "?O.O?", "?...?", nullptr}},
    {4, kBambooJoint, {"?...?", "?O.*?", "?O.O?", "?.X.?", nullptr}},
    {0, 0, {nullptr}},
};

}  // namespace kz
