// Library A, second part: answers to the opponent's plays on the low lines
// (crawls, first- and second-line hanes and descents, slides, clamps,
// monkey jumps, the corner invasion), from the side to move; L is the
// opponent's last move and '#' the edge. Flags as in the first part.
#include "engine/patterns/pattern_families.h"
#include "engine/patterns/pattern_tables.h"

namespace kz {

using namespace shape_a;

const ShapeDiagram kShapesAEdge[] = {
    // ---- the opponent crawls under our stones: block its head --------------------
    // a block would be cut by its stone beyond: extend the wall instead
    {0, kBlockCrawl, {"?OO*X", "?XL..", "?....", "#####", nullptr}},
    {0, kBlockCrawl, {"?OO.", "?XL*", "?...", "####", nullptr}},
    {0, kBlockCrawl, {"?OO.?", "?XL*.", "?....", "#####", nullptr}},
    {0, kBlockCrawl, {"?OOO.", "?XXL*", "?....", "?....", "#####", nullptr}},
    {0, kBlockCrawl, {"?OO.", "?XL*", "?...", "?...", "####", nullptr}},
    {1, kBlockCrawl, {"?O..", "?XL*", "?...", "####", nullptr}},
    {0, kBlockCrawl, {"?OOO?", "?XXL*", "?...?", "#####", nullptr}},
    // our wall reaches past the block: the block is solid
    {0, kBlockCrawl, {"?OOO.", "?XL*.", "?....", "#####", nullptr}},
    {0, kBlockCrawl, {"?OOO.", "?XL*.", "?....", "?....", "#####", nullptr}},
    // the crawl passed our wall: hane on top of its head
    {0, kBlockCrawl, {"?OO*.", "?XXL.", "?....", "#####", nullptr}},
    {0, kBlockCrawl, {"?OO*.", "?XXL.", "?....", "?....", "#####", nullptr}},
    // the crawl on the first line under our second-line stones
    {2, kBlockCrawl, {"?OOO", "?XL*", "####", nullptr}},
    // a second-line crawl with its first-line stone behind
    {0, kBlockCrawl, {"?OO.", "?XL*", "?X..", "####", nullptr}},
    // on the fourth line under our fifth-line wall
    {0, kBlockCrawl, {"?OO..", "?XL*.", "?....", "?....", "?....", "#####", nullptr}},

    // ---- first-line hanes and descents: block ------------------------------------
    {0, kEdgeBlock, {"?OX?", "?*L?", "####", nullptr}},
    {0, kEdgeBlock, {"?O.X?", "?.*L?", "#####", nullptr}},
    {0, kEdgeBlock, {"?OX?", "?OX?", "?*L?", "####", nullptr}},
    {0, kEdgeBlock, {"??O?", "?*LX", "####", nullptr}},
    {0, kEdgeBlock, {"?O.?", "?*L?", "####", nullptr}},
    {2, kEdgeBlock, {"?OO?", "?O*L", "####", nullptr}},
    // the first-line hane under our second-line stone: block beside it
    {0, kEdgeBlock, {"?OX?", "*L.?", "####", nullptr}},
    // our first-line hane was blocked: connect behind it
    {2, kEdgeBlock, {"?OX?", "?*OL", "####", nullptr}},

    // ---- second-line hanes: block, or cut when the cut is backed -----------------
    // hane under our third-line stone: block beside it
    {0, kEdgeHaneAnswer, {"?OX?", "*L.?", "?..?", "####", nullptr}},
    // a third-line hane under our fourth-line stone
    {0, kEdgeHaneAnswer, {"?OX?", "*L.?", "?...", "?...", "####", nullptr}},
    // our first-line stone backs the cut of the hane
    {1, kEdgeHaneAnswer, {"?OX?", ".L*.", "?O..", "####", nullptr}},
    // the second-line extension under our stone: block
    {0, kEdgeHaneAnswer, {"?O.?", "*LX?", "?..?", "####", nullptr}},
    // the second-line descent beside our wall: block
    {0, kEdgeHaneAnswer, {"?OOX", "?*LX", "?...", "####", nullptr}},

    // ---- the opponent slides under: block on the second line ---------------------
    {0, kUndercut, {"?.O..", "?.*L.", "?....", "#####", nullptr}},
    {0, kUndercut, {"?O...", "?.*L.", "?....", "#####", nullptr}},
    {0, kUndercut, {"?..O..", "?..*L.", "?.....", "######", nullptr}},
    // under our two-stone wall
    {0, kUndercut, {"?.OO.", "?.*L.", "?....", "#####", nullptr}},

    // ---- clamps on the low lines: stand or take the point between ----------------
    {0, kClampAnswer, {"?...?", "?.*.?", "?XOL?", "?...?", "#####", nullptr}},
    // our first-line stone clamped: stand
    {0, kClampAnswer, {"?...?", "?.*.?", "?XOL?", "#####", nullptr}},
    // the clamp under our third-line stone: connect underneath
    {0, kClampAnswer, {"?.O.?", "?X*L?", "?...?", "#####", nullptr}},

    // ---- the opponent slides along the first line: stop it -----------------------
    {0, kMonkeyJump, {"?.....?", "X....O?", "?..L*.?", "#######", nullptr}},

    // ---- the invasion at three-three under our four-four stone: block ------------
    {0, kUndercut, {"?????#", "?O*..#", "?.L..#", "?....#", "??...#", "######", nullptr}},

    // ---- clamps away from the edge: stand toward the centre ----------------------
    // our third-line stone
    {0, kClampAnswer, {"?...?", "?.*.?", "?XOL?", "?...?", "?...?", "#####", nullptr}},
    // our fourth-line stone
    {0, kClampAnswer, {"?...?", "?.*.?", "?XOL?", "?...?", "?...?", "?...?", "#####", nullptr}},

    // ---- low-line answers with another stone of ours close by --------------------
    // our first-line stone under its head
    {0, kBlockCrawl, {"?OO.", "?XL*", "?.O.", "####", nullptr}},
    // on the third line
    {0, kBlockCrawl, {"?OO.", "?XL*", "?O..", "?...", "####", nullptr}},
    {0, kBlockCrawl, {"?OO.", "?XL*", "?.O.", "?...", "####", nullptr}},
    // its hane is short of liberties: block
    {0, kEdgeBlock, {"?OX?", "*LO?", "####", nullptr}},
    // our first-line stone near its hane, or its stone beside it
    {0, kEdgeHaneAnswer, {"?OX?", "*L.?", "?O.?", "####", nullptr}},
    {0, kEdgeHaneAnswer, {"?OX?", "*L.?", "?.O?", "####", nullptr}},
    {0, kEdgeHaneAnswer, {"?OX?", "*LX?", "?..?", "####", nullptr}},
    {0, kEdgeHaneAnswer, {"?OX?", "*L.?", "?O..", "?...", "####", nullptr}},
    {0, kEdgeHaneAnswer, {"?OX?", "*L.?", "?.O.", "?...", "####", nullptr}},
    // our stones behind the block
    {0, kUndercut, {"?O...", "?O*L.", "?....", "#####", nullptr}},
    {0, kUndercut, {"?O...", "?.*L.", "?.O..", "#####", nullptr}},
    // our stone beside the point to stand
    {0, kClampAnswer, {"?...?", "?O*.?", "?XOL?", "?...?", "#####", nullptr}},
    // along the second line with our stone beside
    {2, kHeadOfTwo, {"?...?", "?*LX?", "?OOO?", "#####", nullptr}},
    {2, kHeadOfTwo, {"?...?", "?*LX?", "?OOO?", "?...?", "#####", nullptr}},
    // our first-line stone beyond the block
    {0, kMonkeyJump, {"?.....?", "X....O?", "?..L*O?", "#######", nullptr}},
    // our first-line stone beside the block
    {0, kEdgeBlock, {"?O.X?", "?O*L?", "#####", nullptr}},
    // our first-line stone under the clamp
    {0, kClampAnswer, {"?.O.?", "?X*L?", "?O..?", "#####", nullptr}},
    // our first-line stone under its extension
    {0, kEdgeHaneAnswer, {"?O.?", "*LX?", "?O.?", "####", nullptr}},

    // ---- slides on the third line and knight's slides on the first ---------------
    // the slide under our fourth-line stone: block on the third line
    {0, kUndercut, {"?.O..", "?.*L.", "?....", "?....", "#####", nullptr}},
    // the knight's slide toward our second-line stone: block it
    {0, kMonkeyJump, {"?....?", "X...O?", "?.L*.?", "######", nullptr}},
    // our stones above the block or beyond the slide
    {0, kUndercut, {"?OO..", "?.*L.", "?....", "#####", nullptr}},
    {0, kUndercut, {"?O...", "?.*LO", "?....", "#####", nullptr}},

    // ---- attachments beside our third-line stone, ours close by: hane under --
    {0, kAttachHane, {"?...?", ".LO..", ".*O..", ".....", "#####", nullptr}},
    {0, kAttachHane, {"?.O.?", ".LO..", ".*...", ".....", "#####", nullptr}},
    {0, kUndercut, {"?O...", "?.*L.", "?O...", "#####", nullptr}},
    {0, kClampAnswer, {"?...?", "?.*.?", "?XOL?", "?.O.?", "#####", nullptr}},

    {0, 0, {nullptr}},
};

}  // namespace kz
