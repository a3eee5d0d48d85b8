// Library A: answers to the opponent's last move (L), from the side to move.
// Flags: 0 in modes 1 and 3, 1 in mode 3 only (the last pattern stage),
// 2 in every mode (urgent shape).
#include "engine/patterns/pattern_tables.h"

namespace kz {

namespace {
enum Family {
  kPeep = 1,       // the opponent peeps at a connection: connect
  kAttachHane,     // the opponent attaches: hane
  kAttachExtend,   // the opponent attaches where the hane is bad: extend
  kShoulderPush,   // shoulder hit or diagonal attachment: push or stand
  kCutHane,        // the opponent's hane leaves a cutting point: cut
  kHeadOfTwo,      // hane at the head of two stones
  kBlockCrawl,     // block the opponent's crawl on the low lines
  kEdgeBlock,      // block a first-line hane or descent
  kBumpHane,       // the opponent bumps: hane or extend
  kHaneBack,       // answer a hane at the head with a hane or extension
  kWedgeBlock,     // the opponent wedges: block its head
  kUndercut,       // the opponent slides under: block on the second line
  kClampAnswer,    // the opponent clamps on the low lines: stand
};
}  // namespace

const ShapeDiagram kShapesA[] = {
    // ---- peeps: connect (urgent in every mode) ----------------------------
    {2, kPeep, {"?O?", "L*?", "?O?", nullptr}},          // one-point jump
    {2, kPeep, {"OL?", "*O?", nullptr}},                // diagonal
    {2, kPeep, {"O?", "L*", "?O", nullptr}},            // knight's move, near cut
    {2, kPeep, {"O?", "*L", "?O", nullptr}},            // knight's move, far cut
    {2, kPeep, {"OLO", "O*O", nullptr}},                // bamboo joint
    {0, kPeep, {"?O.?", "L*.?", "?O.?", "????", nullptr}},
    {2, kPeep, {"#####", "?O*O?", "??L??", nullptr}},   // first-line gap
    {2, kPeep, {"#####", "?...?", "?O*O?", "??L??", nullptr}},
    {2, kPeep, {"####", "?*O?", "?OL?", nullptr}},      // diagonal on the edge
    {0, kPeep, {"?O.?", "?*L?", "?.O?", nullptr}},      // keima, both cuts open

    // ---- attachments: hane -------------------------------------------------
    {0, kAttachHane, {".....", ".L*..", ".O...", ".....", nullptr}},
    {0, kAttachHane, {"?...?", "..L*.", "..O..", "?...?", nullptr}},
    {0, kAttachHane, {".....", ".L*..", ".O...", ".....", "#####", nullptr}},
    {0, kAttachHane, {".....", ".L*..", ".O...", "#####", nullptr}},
    {0, kAttachHane, {"#####", ".L*..", ".O...", ".....", nullptr}},
    {0, kAttachHane, {"?...?", ".*L..", "..O..", "?...?", "#####", nullptr}},
    // under a third-line stone: hane from below, toward the edge
    {0, kAttachHane, {"?...?", "..O..", ".*L..", ".....", "#####", nullptr}},
    {0, kAttachHane, {"?...?", "..O..", "..L*.", ".....", "#####", nullptr}},
    // attach on top of a fourth-line stone: hane on the side of our support
    {0, kAttachHane, {"?...?", "..L*.", "..O..", ".....", "..O..", nullptr}},
    {0, kAttachHane, {"?.....", "..L*..", "..O...", "......", "...O..", nullptr}},

    // ---- attachments where the hane would be cut: extend -----------------
    {0, kAttachExtend, {"?.X.?", "..L..", "..O..", "..*..", "?...?", nullptr}},
    {0, kAttachExtend, {"?X.X?", "..L..", "..O..", "..*..", nullptr}},
    {0, kAttachExtend, {"??X??", "?.L.?", "?.O.?", "?.*.?", "#####", nullptr}},
    {0, kAttachExtend, {"..X..", ".XL..", "..O..", "..*..", nullptr}},
    {1, kAttachExtend, {"?...?", "..L..", ".XO..", "..*..", "?...?", nullptr}},

    // ---- shoulder hits and diagonal attachments: push or stand ------------
    {0, kShoulderPush, {"....", ".L*.", "..O.", "....", nullptr}},
    {0, kShoulderPush, {"?...?", "..L*.", "...O.", "...O.", "?...?", nullptr}},
    {0, kShoulderPush, {"....", ".L*.", "..O.", "....", "####", nullptr}},
    {0, kShoulderPush, {"?...?", ".*L..", ".O...", ".....", "#####", nullptr}},
    {0, kShoulderPush, {"?....", "..L*.", "...O.", ".....", ".....", nullptr}},

    // ---- the opponent's hane leaves a cut: cut ------------------------------
    {1, kCutHane, {"?..?", ".XO?", ".*L.", "?..?", nullptr}},
    {1, kCutHane, {"?...?", ".XO.?", ".*L..", "?...?", "#####", nullptr}},
    {1, kCutHane, {"?.O.?", ".XO.?", ".*L..", "?...?", nullptr}},
    {1, kCutHane, {"?..?", "?XO?", "?*L?", "####", nullptr}},
    {1, kCutHane, {"?..?", ".LO?", ".*X.", "?..?", nullptr}},
    {1, kCutHane, {"?.O?", ".LO?", ".*X.", "?..?", nullptr}},

    // ---- hane at the head of two stones -------------------------------------
    {2, kHeadOfTwo, {"?.*.?", "?.LO?", "?.XO?", "?...?", nullptr}},
    {2, kHeadOfTwo, {"?.*.?", "?.LO?", "?.XO?", "??.??", "#####", nullptr}},
    {2, kHeadOfTwo, {"?.*..", "?.LO.", "?.XO.", "?.XO.", nullptr}},
    {0, kHeadOfTwo, {"?.*.?", "?.LO?", "?.XO?", "?..O?", nullptr}},
    {2, kHeadOfTwo, {"?.*.?", "?.LO?", "?.XO?", "#####", nullptr}},

    // ---- block the crawl on the second and third lines ---------------------
    {0, kBlockCrawl, {"?OO.", "?XL*", "?...", "####", nullptr}},
    {0, kBlockCrawl, {"?OO.?", "?XL*.", "?....", "#####", nullptr}},
    {0, kBlockCrawl, {"?OOO.", "?XXL*", "?....", "?....", "#####", nullptr}},
    {0, kBlockCrawl, {"?OO.", "?XL*", "?...", "?...", "####", nullptr}},
    {1, kBlockCrawl, {"?O..", "?XL*", "?...", "####", nullptr}},
    {0, kBlockCrawl, {"?OOO?", "?XXL*", "?...?", "#####", nullptr}},

    // ---- first-line hanes and descents: block ------------------------------
    {0, kEdgeBlock, {"?OX?", "?*L?", "####", nullptr}},
    {0, kEdgeBlock, {"?O.X?", "?.*L?", "#####", nullptr}},
    {0, kEdgeBlock, {"?OX?", "?OX?", "?*L?", "####", nullptr}},
    {0, kEdgeBlock, {"??O?", "?*LX", "####", nullptr}},
    {0, kEdgeBlock, {"?O.?", "?*L?", "####", nullptr}},
    {2, kEdgeBlock, {"?OO?", "?O*L", "####", nullptr}},

    // ---- bumps: hane or extend ----------------------------------------------
    {0, kBumpHane, {"?...?", ".*L.?", ".OX.?", "?...?", nullptr}},
    {0, kBumpHane, {"?.*.?", "?.LO?", "?.X..", "?...?", nullptr}},

    // ---- the opponent hanes at our head: hane back or extend -----------------
    {1, kHaneBack, {"?...?", ".*L..", "..OX.", "..OX.", "?...?", nullptr}},
    {0, kHaneBack, {"?...?", "?*L.?", "?.O..", "?.OX.", "?...?", nullptr}},

    // ---- the opponent wedges between two stones: block its head -------------------
    {0, kWedgeBlock, {"?...?", "?.*.?", "?OLO?", "?.X.?", nullptr}},
    {0, kWedgeBlock, {"?.*.?", "?OLO?", "?.X.?", "#####", nullptr}},

    // ---- the opponent slides under: block on the second line ---------------
    {0, kUndercut, {"?.O..", "?.*L.", "?....", "#####", nullptr}},
    {0, kUndercut, {"?O...", "?.*L.", "?....", "#####", nullptr}},
    {0, kUndercut, {"?..O..", "?..*L.", "?.....", "######", nullptr}},

    // ---- clamps on the low lines: stand --------------------------------------
    {0, kClampAnswer, {"?...?", "?.*.?", "?XOL?", "?...?", "#####", nullptr}},

    {0, 0, {nullptr}},
};

}  // namespace kz
