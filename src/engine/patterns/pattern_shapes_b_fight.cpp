// Library B, first part: shapes matched anywhere on the board, from the
// side to move. Type 0 (pipeline stage 18): cuts and connections; type 1
// (stage 21): contact shape at the head of stones. The board is scanned
// point by point and the first point where any record of the type matches
// is tried first, so a record here must be right wherever it matches.
#include "engine/patterns/pattern_families.h"
#include "engine/patterns/pattern_tables.h"

namespace kz {

using namespace shape_b;

const ShapeDiagram kShapesBFight[] = {
    // ---- type 0: cuts and connections --------------------------------------------
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
    {0, kMendKnight, {"O?", "X*", "?O", nullptr}},
    {0, kCutKnight, {"X?", "O*", "?X", nullptr}},
    {0, kCutKnight, {"X.", "*O", ".X", nullptr}},

    // ---- type 1: contact shape ---------------------------------------------------
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "??.??", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "?.XO?", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "#####", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "?..O?", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "?.XO?", "#####", nullptr}},
    {1, kStandUp, {"?...?", "?.*.?", "?XOX?", "?...?", nullptr}},
    {1, kStandUp, {"?...?", "?.*.?", "?XO.?", "?.X.?", nullptr}},
    {1, kStandUp, {"?.*.?", "?XOX?", "?...?", "#####", nullptr}},
    {1, kStandUp, {"?...?", "?.*.?", "?XOX?", "?...?", "#####", nullptr}},

    // ---- type 1: contact shape at the head of stones -----------------------------
    // its three stones against our two: hane at the head
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "?.X.?", nullptr}},
    // its pair already blocked behind
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?.XO?", "?.O??", nullptr}},
    // its pair is one ahead: extend level with it
    {1, kHeadOfStones, {"?...?", "?.X*?", "?.XO?", "?..O?", nullptr}},
    // its three are one ahead
    {1, kHeadOfStones, {"?...?", "?.X*?", "?.XO?", "?.XO?", "?..O?", nullptr}},
    // our two stones clamped at the top: extend
    {1, kStandUp, {"?...?", "?.*.?", "?XOX?", "?.O.?", nullptr}},
    // our two stones clamped on both sides
    {1, kStandUp, {"?...?", "?.*.?", "?XOX?", "?XOX?", nullptr}},
    // our stone pressed from the side and below
    {1, kStandUp, {"?...?", "?.*.?", "?XO.?", "?XX.?", nullptr}},

    // ---- type 1: the hane at the head with another stone of ours close by --------
    {1, kHeadOfStones, {"?O*.?", "?.XO?", "?.XO?", "??.??", nullptr}},
    {1, kHeadOfStones, {"?.*O?", "?.XO?", "?.XO?", "??.??", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?OXO?", "?.XO?", "??.??", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?OXO?", "??.??", nullptr}},
    {1, kHeadOfStones, {"?O*.?", "?.XO?", "?.XO?", "?.XO?", nullptr}},
    {1, kHeadOfStones, {"?.*O?", "?.XO?", "?.XO?", "?.XO?", nullptr}},

    // ---- type 1: standing up with another stone of ours close by -----------------
    // our stone behind the clamped one
    {1, kStandUp, {"?...?", "?.*.?", "?XOX?", "?O..?", nullptr}},
    // pressed from the side and below, our stone beside
    {1, kStandUp, {"?...?", "?.*.?", "?XO.?", "?.XO?", nullptr}},

    // ---- type 1: level with its stones, another stone of ours close by -----------
    {1, kHeadOfStones, {"?.O.?", "?.X*?", "?.XO?", "?..O?", nullptr}},
    {1, kHeadOfStones, {"?...?", "?OX*?", "?.XO?", "?..O?", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?OXO?", "?.XO?", "?.XO?", nullptr}},
    {1, kHeadOfStones, {"?.*.?", "?.XO?", "?OXO?", "?.XO?", nullptr}},

    // ---- type 1: more shapes with another stone close by -------------------------
    {1, kStandUp, {"?...?", "?O*.?", "?XOX?", "?...?", nullptr}},
    {1, kStandUp, {"?...?", "?.*O?", "?XO.?", "?.X.?", nullptr}},
    {1, kStandUp, {"?...?", "?O*.?", "?XO.?", "?.X.?", nullptr}},
    {1, kHeadOfStones, {"?.O.?", "?.X*?", "?.XO?", "?.XO?", "?..O?", nullptr}},
    {1, kHeadOfStones, {"?O*.?", "?.XO?", "?.XO?", "?.X.?", nullptr}},
    {1, kHeadOfStones, {"?O*.?", "?.XO?", "?.XO?", "?.O??", nullptr}},
    {1, kStandUp, {"?...?", "?.*.?", "?XOX?", "?OO.?", nullptr}},

    {0, 0, {nullptr}},
};

}  // namespace kz
