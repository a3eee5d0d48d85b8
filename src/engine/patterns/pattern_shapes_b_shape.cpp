// Library B, second part: shapes matched anywhere on the board, from the
// side to move. Type 2 (pipeline stage 33): first- and second-line shape;
// type 3 (stage 41): eye shape, the only type also played inside regions;
// type 4 (stage 42): good shape.
#include "engine/patterns/pattern_families.h"
#include "engine/patterns/pattern_tables.h"

namespace kz {

using namespace shape_b;

const ShapeDiagram kShapesBShape[] = {
    // ---- type 2: first- and second-line shape ------------------------------------
    // the first-line hane only between settled walls: our stones and the
    // enemy's on the second and third lines (a hane under a lone stone is
    // small and slow before the endgame)
    {2, kFirstLineHane, {"?OX?", "?OX?", "?.*.", "####", nullptr}},
    {2, kSecondLineHane, {"?OX?", "?OX?", "?.*.", "?...", "####", nullptr}},
    {2, kEdgeBlock, {"?OX?", "?*..", "####", nullptr}},
    {2, kEdgeBlock, {"?OOX", "??*.", "####", nullptr}},
    {2, kDescent, {"?X.O?", "?..*?", "#####", nullptr}},
    {2, kDescent, {"?..O?", "?X*.?", "#####", nullptr}},
    {2, kDescent, {"?XOO?", "?.*.?", "#####", nullptr}},

    // ---- type 2: edge shape between settled walls --------------------------------
    // the first-line hane backed by our first-line stone
    {2, kFirstLineHane, {"?OX?", "?OX?", "?O*.", "####", nullptr}},
    // the second-line hane backed by our second-line stone
    {2, kSecondLineHane, {"?OX?", "?OX?", "?O*.", "?...", "####", nullptr}},
    // block its second-line stone under our wall
    {2, kEdgeBlock, {"?OO.", "?X*.", "?...", "####", nullptr}},
    {2, kEdgeBlock, {"?OOO", "?X*.", "?...", "####", nullptr}},
    // block its third-line stone under our fourth-line wall
    {2, kEdgeBlock, {"?OO.", "?X*.", "?...", "?...", "####", nullptr}},
    // block its first-line stone under our second-line stone
    {2, kEdgeBlock, {"?.O?", "?X*.", "####", nullptr}},
    {2, kEdgeBlock, {"?OO?", "?X*.", "####", nullptr}},
    // stop the monkey jump before it comes: descend beside our wall
    {2, kMonkeyStop, {"?O....?", "?O...X?", "?*....?", "#######", nullptr}},

    // ---- type 2: more edge shape -------------------------------------------------
    // block beside its second-line stone under ours
    {2, kEdgeBlock, {"?O..", "?X*.", "?...", "####", nullptr}},
    // hane on top of its second-line pair
    {2, kEdgeBlock, {"?O*.", "?XX.", "?...", "####", nullptr}},

    // ---- type 2: edge shape with another stone of ours close by ------------------
    // our first-line stone beyond: the hane also threatens
    {2, kFirstLineHane, {"?OX?", "?OX?", "?.*O", "####", nullptr}},
    {2, kSecondLineHane, {"?OX?", "?OX?", "?.*O", "?...", "####", nullptr}},
    {2, kEdgeBlock, {"?OO.", "?X*O", "?...", "####", nullptr}},
    {2, kEdgeBlock, {"?OO.", "?X*.", "?.O.", "####", nullptr}},
    {2, kEdgeBlock, {"?OO.", "?X*.", "?O..", "####", nullptr}},
    // the block under our stone toward our first-line stone
    {2, kEdgeBlock, {"?OX?", "?*.O", "####", nullptr}},
    // block its first-line stone beside ours
    {2, kDescent, {"?..O?", "?X*O?", "#####", nullptr}},

    // ---- type 2: more blocks and descents with our stones close by ---------------
    {2, kEdgeBlock, {"?OO.", "?X*O", "?...", "?...", "####", nullptr}},
    {2, kEdgeBlock, {"?OO.", "?X*.", "?.O.", "?...", "####", nullptr}},
    {2, kEdgeBlock, {"?.O?", "?X*O", "####", nullptr}},
    // stop the knight's slide before it comes
    {2, kMonkeyStop, {"?O...?", "?O..X?", "?*...?", "######", nullptr}},
    // its first-line stone approaches: block under our stone
    {2, kDescent, {"?X.O?", "?.X*?", "#####", nullptr}},
    // block its second-line push under our wall
    {2, kEdgeBlock, {"?OO?", "?O*X", "?...", "####", nullptr}},

    // ---- type 2: more shapes with another stone close by -------------------------
    // the hane from our first-line stone under its wall
    {2, kFirstLineHane, {"?.X?", "?OX?", "?O*.", "####", nullptr}},
    // its first-line stone behind
    {2, kEdgeBlock, {"?OO.", "?X*.", "?X..", "####", nullptr}},
    {2, kEdgeBlock, {"?OOX", "??*O", "####", nullptr}},
    {2, kSecondLineHane, {"?OX?", "?OX?", "?.*.", "?O..", "####", nullptr}},
    {2, kEdgeBlock, {"?OOO", "?X*.", "?.O.", "####", nullptr}},

    // ---- type 3: eye shape -------------------------------------------------------
    {3, kEyeMaking, {"XO*", "O.O", "OOO", nullptr}},
    {3, kEyeMaking, {"?OOO?", "?O.*.", "#####", nullptr}},
    {3, kEyeStealing, {"?XXX?", "?.*.?", "#####", nullptr}},
    {3, kEyeStealing, {"XXXX", "X.*.", "####", nullptr}},

    // ---- type 3: false eyes, mending and stealing --------------------------------
    // an eye on the first line: both corners count
    {3, kMendFalseEye, {"X???", "*OO?", "O.O?", "####", nullptr}},
    {3, kMendFalseEye, {"X*OO?", "?O.O?", "#####", nullptr}},
    // the corner eye: its one corner
    {3, kMendFalseEye, {"#?X?", "#O*?", "#.O?", "####", nullptr}},
    // its first-line eye: take a corner beside our stone
    {3, kThrowIn, {"O*XX?", "?X.X?", "#####", nullptr}},
    // its centre eye with one corner ours already: take a second
    {3, kThrowIn, {"O*XX", "?X.X", "?XXO", nullptr}},

    // ---- type 3: eye space on the first line, taking and keeping it --------------
    // hane into its first-line space from our stone
    {3, kEyeStealing, {"?XXX?", "O*..?", "#####", nullptr}},
    // hane under its wall beside our second-line stone
    {3, kEyeStealing, {"OXXX?", "?*..?", "#####", nullptr}},
    // block its first-line stone before it hanes into our space
    {3, kEyeMaking, {"?OOO?", "X*..?", "#####", nullptr}},
    // block under our wall beside its second-line stone
    {3, kEyeMaking, {"XOOO?", "?*..?", "#####", nullptr}},

    // ---- type 3: the corner eye of the enemy -------------------------------------
    // take the corner point of its corner eye beside our stone
    {3, kThrowIn, {"#X*O", "#.X?", "####", nullptr}},

    // ---- type 3: take the corner of its edge eye from above ----------------------
    // our third-line stone supports the point
    {3, kThrowIn, {"?O???", "?*XX?", "?X.X?", "#####", nullptr}},

    // ---- type 3: more shapes with another stone close by -------------------------
    // close the eye toward our first-line stone
    {3, kEyeMaking, {"?OOO?", "?O.*O", "#####", nullptr}},

    // ---- type 3: our eye space: the vital point makes two eyes -------------------
    // straight three
    {3, kVitalPoint, {"?O?", "O.O", "O*O", "O.O", "?O?", nullptr}},
    // straight three on the edge
    {3, kVitalPoint, {"?O?", "O.O", "O*O", "O.O", "###", nullptr}},
    // straight three in the corner
    {3, kVitalPoint, {"#O?", "#.O", "#*O", "#.O", "###", nullptr}},
    // straight three on the edge
    {3, kVitalPoint, {"?OOO?", "O.*.O", "#####", nullptr}},
    // bent three
    {3, kVitalPoint, {"?OO?", "O*.O", "O.O?", "?O??", nullptr}},
    // bent three on the edge
    {3, kVitalPoint, {"?OO?", "O*.O", "O.O?", "####", nullptr}},
    // bent three in the corner
    {3, kVitalPoint, {"#OO?", "#*.O", "#.O?", "####", nullptr}},
    // bent three on the edge
    {3, kVitalPoint, {"?O??", "O.O?", "O*.O", "####", nullptr}},
    // bent three in the corner
    {3, kVitalPoint, {"#O??", "#.O?", "#*.O", "####", nullptr}},
    // bent three in the corner
    {3, kVitalPoint, {"#OO?", "#.*O", "#O.O", "####", nullptr}},
    // pyramid four
    {3, kVitalPoint, {"?O??", "O.O?", "O*.O", "O.O?", "?O??", nullptr}},
    // pyramid four on the edge
    {3, kVitalPoint, {"?O??", "O.O?", "O*.O", "O.O?", "####", nullptr}},
    // pyramid four in the corner
    {3, kVitalPoint, {"#O??", "#.O?", "#*.O", "#.O?", "####", nullptr}},
    // pyramid four on the edge
    {3, kVitalPoint, {"?OOO?", "O.*.O", "?O.O?", "#####", nullptr}},
    // pyramid four in the corner
    {3, kVitalPoint, {"#OOO?", "#.*.O", "#O.O?", "#####", nullptr}},
    // pyramid four on the edge
    {3, kVitalPoint, {"??O??", "?O.O?", "O.*.O", "#####", nullptr}},
    // bulky five
    {3, kVitalPoint, {"?OO?", "O..O", "O*.O", "O.O?", "?O??", nullptr}},
    // bulky five on the edge
    {3, kVitalPoint, {"?OO?", "O..O", "O*.O", "O.O?", "####", nullptr}},
    // bulky five in the corner
    {3, kVitalPoint, {"#OO?", "#..O", "#*.O", "#.O?", "####", nullptr}},
    // bulky five on the edge
    {3, kVitalPoint, {"?O??", "O.O?", "O*.O", "O..O", "####", nullptr}},
    // bulky five in the corner
    {3, kVitalPoint, {"#O??", "#.O?", "#*.O", "#..O", "####", nullptr}},
    // bulky five in the corner
    {3, kVitalPoint, {"#OO?", "#..O", "#.*O", "#O.O", "####", nullptr}},
    // bulky five on the edge
    {3, kVitalPoint, {"?OOO?", "O.*.O", "O..O?", "#####", nullptr}},
    // bulky five in the corner
    {3, kVitalPoint, {"#OOO?", "#.*.O", "#..O?", "#####", nullptr}},
    // bulky five on the edge
    {3, kVitalPoint, {"?OO??", "O..O?", "O.*.O", "#####", nullptr}},
    // crossed five
    {3, kVitalPoint, {"??O??", "?O.O?", "O.*.O", "?O.O?", "??O??", nullptr}},
    // crossed five on the edge
    {3, kVitalPoint, {"??O??", "?O.O?", "O.*.O", "?O.O?", "#####", nullptr}},
    // crossed five in the corner
    {3, kVitalPoint, {"#?O??", "#O.O?", "#.*.O", "#O.O?", "#####", nullptr}},
    // flower six
    {3, kVitalPoint, {"?OO??", "O..O?", "O.*.O", "?O.O?", "??O??", nullptr}},
    // flower six on the edge
    {3, kVitalPoint, {"?OO??", "O..O?", "O.*.O", "?O.O?", "#####", nullptr}},
    // flower six in the corner
    {3, kVitalPoint, {"#OO??", "#..O?", "#.*.O", "#O.O?", "#####", nullptr}},
    // flower six on the edge
    {3, kVitalPoint, {"??O??", "?O.O?", "O.*.O", "O..O?", "#####", nullptr}},
    // flower six in the corner
    {3, kVitalPoint, {"#?O??", "#O.O?", "#.*.O", "#..O?", "#####", nullptr}},
    // flower six in the corner
    {3, kVitalPoint, {"#?OO?", "#O..O", "#.*.O", "#O.O?", "#####", nullptr}},

    // ---- type 3: the opponent's eye space: the vital point leaves one eye --------
    // straight three
    {3, kVitalPoint, {"?X?", "X.X", "X*X", "X.X", "?X?", nullptr}},
    // straight three on the edge
    {3, kVitalPoint, {"?X?", "X.X", "X*X", "X.X", "###", nullptr}},
    // bent three
    {3, kVitalPoint, {"?XX?", "X*.X", "X.X?", "?X??", nullptr}},
    // bent three on the edge
    {3, kVitalPoint, {"?XX?", "X*.X", "X.X?", "####", nullptr}},
    // bent three in the corner
    {3, kVitalPoint, {"#XX?", "#*.X", "#.X?", "####", nullptr}},
    // bent three on the edge
    {3, kVitalPoint, {"?X??", "X.X?", "X*.X", "####", nullptr}},
    // bent three in the corner
    {3, kVitalPoint, {"#X??", "#.X?", "#*.X", "####", nullptr}},
    // bent three in the corner
    {3, kVitalPoint, {"#XX?", "#.*X", "#X.X", "####", nullptr}},
    // pyramid four
    {3, kVitalPoint, {"?X??", "X.X?", "X*.X", "X.X?", "?X??", nullptr}},
    // pyramid four on the edge
    {3, kVitalPoint, {"?X??", "X.X?", "X*.X", "X.X?", "####", nullptr}},
    // pyramid four in the corner
    {3, kVitalPoint, {"#X??", "#.X?", "#*.X", "#.X?", "####", nullptr}},
    // pyramid four on the edge
    {3, kVitalPoint, {"?XXX?", "X.*.X", "?X.X?", "#####", nullptr}},
    // pyramid four in the corner
    {3, kVitalPoint, {"#XXX?", "#.*.X", "#X.X?", "#####", nullptr}},
    // pyramid four on the edge
    {3, kVitalPoint, {"??X??", "?X.X?", "X.*.X", "#####", nullptr}},
    // bulky five
    {3, kVitalPoint, {"?XX?", "X..X", "X*.X", "X.X?", "?X??", nullptr}},
    // bulky five on the edge
    {3, kVitalPoint, {"?XX?", "X..X", "X*.X", "X.X?", "####", nullptr}},
    // bulky five in the corner
    {3, kVitalPoint, {"#XX?", "#..X", "#*.X", "#.X?", "####", nullptr}},
    // bulky five on the edge
    {3, kVitalPoint, {"?X??", "X.X?", "X*.X", "X..X", "####", nullptr}},
    // bulky five in the corner
    {3, kVitalPoint, {"#X??", "#.X?", "#*.X", "#..X", "####", nullptr}},
    // bulky five in the corner
    {3, kVitalPoint, {"#XX?", "#..X", "#.*X", "#X.X", "####", nullptr}},
    // bulky five on the edge
    {3, kVitalPoint, {"?XXX?", "X.*.X", "X..X?", "#####", nullptr}},
    // bulky five in the corner
    {3, kVitalPoint, {"#XXX?", "#.*.X", "#..X?", "#####", nullptr}},
    // bulky five on the edge
    {3, kVitalPoint, {"?XX??", "X..X?", "X.*.X", "#####", nullptr}},
    // crossed five
    {3, kVitalPoint, {"??X??", "?X.X?", "X.*.X", "?X.X?", "??X??", nullptr}},
    // crossed five on the edge
    {3, kVitalPoint, {"??X??", "?X.X?", "X.*.X", "?X.X?", "#####", nullptr}},
    // crossed five in the corner
    {3, kVitalPoint, {"#?X??", "#X.X?", "#.*.X", "#X.X?", "#####", nullptr}},
    // flower six
    {3, kVitalPoint, {"?XX??", "X..X?", "X.*.X", "?X.X?", "??X??", nullptr}},
    // flower six on the edge
    {3, kVitalPoint, {"?XX??", "X..X?", "X.*.X", "?X.X?", "#####", nullptr}},
    // flower six in the corner
    {3, kVitalPoint, {"#XX??", "#..X?", "#.*.X", "#X.X?", "#####", nullptr}},
    // flower six on the edge
    {3, kVitalPoint, {"??X??", "?X.X?", "X.*.X", "X..X?", "#####", nullptr}},
    // flower six in the corner
    {3, kVitalPoint, {"#?X??", "#X.X?", "#.*.X", "#..X?", "#####", nullptr}},
    // flower six in the corner
    {3, kVitalPoint, {"#?XX?", "#X..X", "#.*.X", "#X.X?", "#####", nullptr}},

    // ---- type 4: good shape ------------------------------------------------------
    {4, kMendDiagonal, {"?.X?", "?O*.", "?.O?", "?...", nullptr}},
    {4, kMendDiagonal, {"?..?", "?O*X", "?.O?", "?..?", nullptr}},
    {4, kTigersMouth, {"?.O.?", "?O.*?", "?...?", "?.X.?", nullptr}},
    {4, kBambooJoint, {"?...?", "?O.*?", "?O.O?", "?...?", nullptr}},
    {4, kBambooJoint, {"?...?", "?O.*?", "?O.O?", "?.X.?", nullptr}},
    // the enemy stone in atari in our mouth: take it for a ponnuki
    {4, kPonnuki, {"?O?", "OXO", "?*?", nullptr}},
    // on the first line
    {4, kPonnuki, {"?*?", "OXO", "###", nullptr}},
    // extend the one-point jump into a bamboo joint
    {4, kBambooJoint, {"?...?", "?OO.?", "?...?", "?O*.?", "?.X.?", nullptr}},
    {4, kBambooJoint, {"?.X.?", "?OO.?", "?...?", "?O*.?", "?...?", nullptr}},
    // jump out of the clamp
    {4, kJumpFromContact, {"?...?", "?.*.?", "?...?", "?XOX?", "?...?", nullptr}},
    // jump ahead of our two clamped stones
    {4, kJumpFromContact, {"?...?", "?.*.?", "?...?", "?.O.?", "?XOX?", nullptr}},
    // the enemy's pair pushes at the gap between our stones: block it in shape
    {4, kTigersMouth, {"?...?", "?O.O?", "?.*.?", "?.X.?", "?.X.?", nullptr}},

    // ---- type 4: more good shape -------------------------------------------------
    // the corner stone in atari
    {4, kPonnuki, {"#*?", "#XO", "###", nullptr}},
    // the bamboo joint from the other side
    {4, kBambooJoint, {"?...?", "?OO.?", "?...?", "?.*O?", "?.X.?", nullptr}},

    // ---- type 4: good shape with stones of ours close by -------------------------
    // jump out of the clamp ahead of our second stone
    {4, kJumpFromContact, {"?...?", "?.*.?", "?...?", "?XOX?", "?.O.?", nullptr}},

    // ---- type 4: the bamboo joint on the edge ------------------------------------
    // between the third and first lines
    {4, kBambooJoint, {"?...?", "?OO.?", "?...?", "?O*.?", "#####", nullptr}},

    {0, 0, {nullptr}},
};

}  // namespace kz
