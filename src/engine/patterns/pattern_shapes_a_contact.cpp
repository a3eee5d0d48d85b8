// Library A, first part: answers to the opponent's contact plays in the open
// (peeps, attachments, hanes, bumps, crosscuts, wedges), from the side to
// move; L is the opponent's last move. Flags: 0 in modes 1 and 3, 1 in
// mode 3 only (the last pattern stage), 2 in every mode (urgent shape).
// Within the table the first record that matches and passes the engine's
// checks wins, so the narrower shapes come before the broad ones.
#include "engine/patterns/pattern_families.h"
#include "engine/patterns/pattern_tables.h"

namespace kz {

using namespace shape_a;

const ShapeDiagram kShapesAContact[] = {
    // ---- the opponent throws in: take the stone ----------------------------------
    {2, kThrowInCapture, {"?O?", "OLO", "?*?", nullptr}},
    // on the first line
    {2, kThrowInCapture, {"?*?", "OLO", "###", nullptr}},

    // ---- peeps: connect (urgent in every mode) -----------------------------------
    {2, kPeep, {"?O?", "L*?", "?O?", nullptr}},          // one-point jump
    {2, kPeep, {"OL?", "*O?", nullptr}},                // diagonal
    {2, kPeep, {"O?", "L*", "?O", nullptr}},            // knight's move
    {2, kPeep, {"OLO", "O*O", nullptr}},                // bamboo joint
    {0, kPeep, {"?O.?", "L*.?", "?O.?", "????", nullptr}},
    {2, kPeep, {"#####", "?O*O?", "??L??", nullptr}},   // first-line gap
    {2, kPeep, {"#####", "?...?", "?O*O?", "??L??", nullptr}},
    {2, kPeep, {"####", "?*O?", "?OL?", nullptr}},      // diagonal on the edge
    {0, kPeep, {"?O.?", "?*L?", "?.O?", nullptr}},      // keima, both cuts open

    // ---- crosscuts: extend (never leave a stone in contact to be atari'd) --------
    // Our two stones are crosscut by the last move; the stone touching the
    // last move draws back away from it, keeping three liberties.
    {0, kCrosscut, {"?...", ".*OX", "..LO", "?..?", nullptr}},
    {0, kCrosscut, {"?....", "?.*..", "?.OX.", "?.LO.", "?...?", nullptr}},
    {0, kCrosscut, {"?...?", "?.*..", "?.OX.", "?.LO.", "#####", nullptr}},

    // ---- attachments beside our fourth-line stone: hane toward the centre --------
    {0, kAttachHane, {"?.*..", "?OL..", "?....", "?....", "?....", "#####", nullptr}},

    // ---- attachments: hane -------------------------------------------------------
    // hane toward our own support: the attaching stone is caught between
    {0, kAttachHane, {"?.....?", "..L*...", "..O..O.", "?.....?", nullptr}},
    {0, kAttachHane, {"?....?", "..L*..", "..O.O.", "?....?", nullptr}},
    {0, kAttachHane, {"?.....", "..L*..", "..O...", "....O.", "?.....", nullptr}},
    {0, kAttachHane, {"?.....", "..L*.O", "..O...", "?.....", nullptr}},
    // hane away from the opponent's support: its side of the stone is his
    {0, kAttachHane, {"?.....?", "X..L*..", "...O...", "?.....?", nullptr}},
    {0, kAttachHane, {"?......", "...L*..", "X..O...", "?......", nullptr}},
    {0, kAttachHane, {".....", ".L*..", ".O...", ".....", nullptr}},
    {0, kAttachHane, {"?...?", "..L*.", "..O..", "?...?", nullptr}},
    {0, kAttachHane, {".....", ".L*..", ".O...", ".....", "#####", nullptr}},
    {0, kAttachHane, {".....", ".L*..", ".O...", "#####", nullptr}},
    {0, kAttachHane, {"#####", ".L*..", ".O...", ".....", nullptr}},
    {0, kAttachHane, {"?...?", ".*L..", "..O..", "?...?", "#####", nullptr}},
    // under a third-line stone: hane from below, toward the edge
    {0, kAttachHane, {"?...?", "..O..", ".*L..", ".....", "#####", nullptr}},
    {0, kAttachHane, {"?...?", "..O.O", "..L*.", ".....", "#####", nullptr}},
    // attach on top of a fourth-line stone: hane on the side of our support
    {0, kAttachHane, {"?...?", "..L*.", "..O..", ".....", "..O..", nullptr}},
    {0, kAttachHane, {"?.....", "..L*..", "..O...", "......", "...O..", nullptr}},
    // attach beside a third-line stone from the outside: hane underneath
    {0, kAttachHane, {"?...?", ".LO..", ".*...", ".....", "#####", nullptr}},
    // attach to a stone of a one-point jump: hane on the jump's far side
    {0, kAttachHane, {"?...?", ".*L..", "..O..", "..O..", ".....", nullptr}},
    {0, kAttachHane, {"?...?", ".*L..", "..O..", "..O..", "#####", nullptr}},

    // ---- attachments where the hane would be cut: extend -------------------------
    {0, kAttachExtend, {"?.X.?", "..L..", "..O..", "..*..", "?...?", nullptr}},
    {0, kAttachExtend, {"?X.X?", "..L..", "..O..", "..*..", nullptr}},
    {0, kAttachExtend, {"??X??", "?.L.?", "?.O.?", "?.*.?", "#####", nullptr}},
    {0, kAttachExtend, {"..X..", ".XL..", "..O..", "..*..", nullptr}},
    {1, kAttachExtend, {"?...?", "..L..", ".XO..", "..*..", "?...?", nullptr}},
    // the hane points are both next to enemy stones: stand up instead
    {0, kAttachExtend, {"?...?", "X.L.X", "..O..", "..*..", "?...?", nullptr}},
    {0, kAttachExtend, {"?X.??", "?.L.?", "?.OX?", "?.*.?", "?...?", nullptr}},
    // attach from the side against a second-line stone: stand toward the
    // centre rather than crawl
    {0, kAttachExtend, {"?...?", "?.*.?", "?.OL?", "?...?", "#####", nullptr}},
    {0, kAttachExtend, {"?...?", "?.*.?", "?LO.?", "?X..?", "#####", nullptr}},

    // ---- shoulder hits and diagonal attachments: push or stand -------------------
    {0, kShoulderPush, {"....", ".L*.", "..O.", "....", nullptr}},
    {0, kShoulderPush, {"?...?", "..L*.", "...O.", "...O.", "?...?", nullptr}},
    {0, kShoulderPush, {"....", ".L*.", "..O.", "....", "####", nullptr}},
    {0, kShoulderPush, {"?...?", ".*L..", ".O...", ".....", "#####", nullptr}},
    {0, kShoulderPush, {"?....", "..L*.", "...O.", ".....", ".....", nullptr}},
    // shoulder hit on a third-line stone: crawl along the third line
    {0, kShoulderPush, {"?...?", "?.L..", "?.*O.", "?....", "?....", "#####", nullptr}},

    // ---- the opponent's hane leaves a cut: cut -----------------------------------
    {1, kCutHane, {"?..?", ".XO?", ".*L.", "?..?", nullptr}},
    {1, kCutHane, {"?...?", ".XO.?", ".*L..", "?...?", "#####", nullptr}},
    {1, kCutHane, {"?.O.?", ".XO.?", ".*L..", "?...?", nullptr}},
    {1, kCutHane, {"?..?", "?XO?", "?*L?", "####", nullptr}},
    {1, kCutHane, {"?..?", ".LO?", ".*X.", "?..?", nullptr}},
    {1, kCutHane, {"?.O?", ".LO?", ".*X.", "?..?", nullptr}},

    // ---- hane at the head of two stones ------------------------------------------
    {2, kHeadOfTwo, {"?.*.?", "?.LO?", "?.XO?", "?...?", nullptr}},
    {2, kHeadOfTwo, {"?.*.?", "?.LO?", "?.XO?", "??.??", "#####", nullptr}},
    {2, kHeadOfTwo, {"?.*..", "?.LO.", "?.XO.", "?.XO.", nullptr}},
    {0, kHeadOfTwo, {"?.*.?", "?.LO?", "?.XO?", "?..O?", nullptr}},
    {2, kHeadOfTwo, {"?.*.?", "?.LO?", "?.XO?", "#####", nullptr}},
    // the opponent's pair grew at its tail: the head is still the point
    {2, kHeadOfTwo, {"?.*.?", "?.XO?", "?.LO?", "?...?", nullptr}},
    {2, kHeadOfTwo, {"?.*.?", "?.XO?", "?.LO?", "#####", nullptr}},
    // head of three
    {2, kHeadOfTwo, {"?.*.?", "?.XO?", "?.XO?", "?.LO?", nullptr}},
    {2, kHeadOfTwo, {"?.*.?", "?.LO?", "?.XO?", "?.XO?", "#####", nullptr}},
    // the head of our two stones: the opponent pushed, we stand in front
    {0, kHeadOfTwo, {"?...?", "?.*.?", "?.OL?", "?.OX?", "?...?", nullptr}},

    // ---- the opponent pushes along our stones: block its head --------------------
    {0, kPushAnswer, {"?...?", "?.*O?", "?.LO?", "?.XO?", "?...?", nullptr}},
    {0, kPushAnswer, {"?..??", "?.*O?", "?.LO?", "?.X.?", "?...?", nullptr}},
    {0, kPushAnswer, {"?...?", "?.*O?", "?.LO?", "?.XO?", "#####", nullptr}},
    // a hane at the head of our two-stone wall: block beside it
    {0, kPushAnswer, {"?.X.?", "?.L*?", "?.OO?", "?...?", nullptr}},

    // ---- bumps: hane or extend ---------------------------------------------------
    {0, kBumpHane, {"?...?", ".*L.?", ".OX.?", "?...?", nullptr}},
    {0, kBumpHane, {"?.*.?", "?.LO?", "?.X..", "?...?", nullptr}},
    // the bump next to our one-point jump: block on the jump's side
    {0, kBumpHane, {"?...?", ".*L.?", ".OX.?", ".O..?", "?...?", nullptr}},

    // ---- the opponent hanes at our head: hane back or extend ---------------------
    {1, kHaneBack, {"?...?", ".*L..", "..OX.", "..OX.", "?...?", nullptr}},
    {0, kHaneBack, {"?...?", "?*L.?", "?.O..", "?.OX.", "?...?", nullptr}},
    // a hane at the head of our lone stone on the third line: extend
    {0, kHaneBack, {"?...?", "?.L.?", "?.O*?", "?.X.?", "?...?", "#####", nullptr}},

    // ---- the opponent wedges between two stones: block its head ------------------
    {0, kWedgeBlock, {"?...?", "?.*.?", "?OLO?", "?.X.?", nullptr}},
    {0, kWedgeBlock, {"?.*.?", "?OLO?", "?.X.?", "#####", nullptr}},

    // ---- attachments beside the edge: hane toward the centre ---------------------
    // along the second line
    {0, kAttachHane, {"#?...", "#.L*.", "#.O..", "#?...", nullptr}},
    // along the third line
    {0, kAttachHane, {"#??...", "#..L*.", "#..O..", "#??...", nullptr}},
    // on top of our two second-line stones
    {0, kAttachHane, {"#?...", "#.L*.", "#.O..", "#.O..", "#?...", nullptr}},
    {0, kAttachHane, {"#??...", "#..L*.", "#..O..", "#..O..", "#??...", nullptr}},
    // with its first-line stone below
    {0, kAttachExtend, {"#?...", "#.L..", "#XO*.", "#?...", nullptr}},
    // with its second-line stone below
    {0, kAttachExtend, {"#??...", "#..L..", "#.XO*.", "#??...", nullptr}},

    // ---- attachments from below on the fourth line: hane underneath --------------
    // the hane toward its support is cut: hane on the other side
    {0, kAttachHane, {"?...?", "..O..", "..L*.", ".X...", ".....", "#####", nullptr}},

    // ---- shoulder hits near the edge ---------------------------------------------
    // a second-line stone hit from the third line: stand up
    {0, kShoulderPush, {"?...?", ".L*..", "..O..", ".....", "#####", nullptr}},
    // on top of our two stones: stand
    {0, kShoulderPush, {"?...?", ".L*..", "..O..", "..O..", ".....", "#####", nullptr}},
    // the first-line slide beside our second-line stone: block
    {0, kUndercut, {"#?...", "#L*..", "#.O..", "#?...", nullptr}},
    // the second-line slide beside our third-line stone: block
    {0, kUndercut, {"#??...", "#.L...", "#.*O..", "#??...", nullptr}},

    // ---- the opponent hanes at our head: hane back or extend, near the edge ------
    // at the head of our second- and first-line stones
    {1, kHaneBack, {"?...?", ".*L..", "..OX.", "..OX.", "#####", nullptr}},
    {0, kHaneBack, {"?...?", "?*L.?", "?.O..", "?.OX.", "#####", nullptr}},
    // our fourth-line stone between two: extend
    {0, kHaneBack, {"?...?", "?.L.?", "?.O*?", "?.X.?", "?...?", "?...?", "#####", nullptr}},

    // ---- the hane at the head of our lone stone: extend on the free side ---------
    // the hane is connected: stand beside it
    {0, kHaneBack, {"?...?", "?XL.?", "?.O*?", "?...?", "?...?", nullptr}},
    {0, kHaneBack, {"?...?", "?XL.?", "?.O*?", "?...?", "#####", nullptr}},

    // ---- bumps and pushes near the edge ------------------------------------------
    // it stands up beside our first-line stone: block on the second
    {0, kBumpHane, {"?...?", ".*L.?", ".OX.?", "#####", nullptr}},
    // push from the first line: hane in front
    {0, kBumpHane, {"?.*.?", "?.LO?", "?.X..", "#####", nullptr}},

    // ---- the hane at the head of two and three stones near the edge --------------
    // along the edge on the second line
    {2, kHeadOfTwo, {"?...?", "?*LX?", "?.OO?", "#####", nullptr}},
    // along the third line
    {2, kHeadOfTwo, {"?...?", "?*LX?", "?.OO?", "?...?", "#####", nullptr}},
    // the pair grew at its tail
    {2, kHeadOfTwo, {"?...?", "?*XL?", "?.OO?", "?...?", "#####", nullptr}},
    // beside the edge on the second line
    {2, kHeadOfTwo, {"#?...", "#.*.?", "#.LO?", "#.XO?", "#?..?", nullptr}},
    // beside the edge on the third line
    {2, kHeadOfTwo, {"#??...", "#..*.?", "#..LO?", "#..XO?", "#??..?", nullptr}},

    // ---- crosscuts near the edge -------------------------------------------------
    // beside the edge: extend along the second line
    {0, kCrosscut, {"#?...", "#.*..", "#.OX.", "#.LO.", "#?..?", nullptr}},

    // ---- attachments: hane toward our stones nearby ------------------------------
    {0, kAttachHane, {"?.....", "..L*O.", "..O...", "......", "?.....", nullptr}},
    {0, kAttachHane, {"?.....", "..L*..", "..O...", "...O..", "?.....", nullptr}},

    // ---- attachments: hane away from the opponent's stones nearby ----------------
    {0, kAttachHane, {"?X....", "..L*..", "..O...", "......", "?.....", nullptr}},
    {0, kAttachHane, {"?.....", "..L*..", "..O...", ".X....", "?.....", nullptr}},

    // ---- attachments on the second line: hane toward our stones nearby -----------
    {0, kAttachHane, {"?.....", "..L*O.", "..O...", "?.....", "######", nullptr}},
    {0, kAttachHane, {"?X....", "..L*..", "..O...", "?.....", "######", nullptr}},

    // ---- the opponent prepares the cut of our diagonal: connect ------------------
    // it stands beside the cutting point
    {0, kPeep, {"?..?", ".OX?", "L*O?", "?..?", nullptr}},
    {0, kPeep, {"?..?", ".OX?", ".*O?", "?L.?", nullptr}},
    // the cutting point on the first line
    {0, kPeep, {"?..?", ".OX?", "L*O?", "####", nullptr}},

    // ---- the opponent reaches for the corner of our eye: keep it -----------------
    // an eye on the first line
    {0, kEyeDefence, {"?L.??", "?*OO?", "?O.O?", "#####", nullptr}},
    {0, kEyeDefence, {"??.??", "L*OO?", "?O.O?", "#####", nullptr}},
    // one corner of the eye is lost already
    {0, kEyeDefence, {"?L...", "?*OO?", "?O.O?", "?OOX?", "?...?", nullptr}},
    {0, kEyeDefence, {"??...", "L*OO?", "?O.O?", "?OOX?", "?...?", nullptr}},
    // the corner eye: its one corner
    {0, kEyeDefence, {"#?L?", "#O*?", "#.O?", "####", nullptr}},

    // ---- the opponent blocks our stone with a connected hane: stand out ----------
    {0, kHaneBack, {"??.??", "?.LX?", "?*OX?", "?...?", nullptr}},

    // ---- slides, crawls and shoulder hits with our stones nearby -----------------
    // our second-line stone behind the block
    {0, kUndercut, {"?.O..", "?O*L.", "?....", "#####", nullptr}},
    {0, kUndercut, {"?.O..", "?.*L.", "?O...", "#####", nullptr}},
    // its slide is connected along the line
    {0, kUndercut, {"?.O..", "?.*LX", "?....", "#####", nullptr}},
    // its first-line stone under the crawl
    {0, kBlockCrawl, {"?OO.", "?XL*", "?.X.", "####", nullptr}},
    // our stone beside the push
    {0, kShoulderPush, {"....", ".L*O", "..O.", "....", nullptr}},
    // its stone behind the shoulder hit
    {0, kShoulderPush, {"....", "XL*.", "..O.", "....", nullptr}},

    // ---- bumps, hanes and wedges with our stones nearby --------------------------
    // our stone beside the block
    {0, kBumpHane, {"?...?", "O*L.?", ".OX.?", "?...?", nullptr}},
    // its pair stands beside ours
    {0, kBumpHane, {"?...?", ".*LX?", ".OX.?", "?...?", nullptr}},
    // our stone beside the cutting point
    {1, kCutHane, {"?..?", ".XO?", "O*L.", "?..?", nullptr}},
    // our stone under the hane
    {1, kCutHane, {"?..?", ".XO?", ".*L.", "?.O?", nullptr}},
    // our stone beside the extension
    {0, kAttachExtend, {"?.X.?", "..L..", "..O..", ".O*..", "?...?", nullptr}},

    // ---- the hane at the head of two and three with our stone beside it ----------
    {2, kHeadOfTwo, {"?.*O.", "?.LO.", "?.XO.", "?.XO.", nullptr}},
    {2, kHeadOfTwo, {"?O*.?", "?.XO?", "?.LO?", "?...?", nullptr}},
    {2, kHeadOfTwo, {"?.*O?", "?.XO?", "?.LO?", "?...?", nullptr}},
    {2, kHeadOfTwo, {"?O*.?", "?.XO?", "?.XO?", "?.LO?", nullptr}},
    {2, kHeadOfTwo, {"?.*O?", "?.XO?", "?.XO?", "?.LO?", nullptr}},

    // ---- the hane at the head of two with its pair already pressed ---------------
    {2, kHeadOfTwo, {"?.*.?", "?OLO?", "?.XO?", "?...?", nullptr}},
    {2, kHeadOfTwo, {"?.*.?", "?.LO?", "?OXO?", "?...?", nullptr}},
    {2, kHeadOfTwo, {"?.*.?", "?.LO?", "?.XO?", "?.O.?", nullptr}},
    {2, kHeadOfTwo, {"?.*.?", "?OXO?", "?.LO?", "?...?", nullptr}},
    {2, kHeadOfTwo, {"?.*.?", "?.XO?", "?OLO?", "?...?", nullptr}},
    {2, kHeadOfTwo, {"?.*.?", "?.XO?", "?.LO?", "?.O.?", nullptr}},

    // ---- contact answers with our stones or its stones nearby --------------------
    // our first-line stone under its crawl
    {0, kBlockCrawl, {"?OO.", "?XL*", "?O..", "####", nullptr}},
    // its hane connects along the first line: block
    {0, kEdgeBlock, {"?OX?", "*LX?", "####", nullptr}},
    // our stone beside ours under the shoulder hit
    {0, kShoulderPush, {"....", ".L*.", ".OO.", "....", nullptr}},
    // our stone below: stand up
    {0, kShoulderPush, {"....", ".L*.", "..O.", "...O", nullptr}},
    // our two stones beside its bump
    {0, kBumpHane, {"?...?", ".*L.?", "OOX.?", "?...?", nullptr}},
    // its stones stand in a line
    {0, kBumpHane, {"?.X.?", ".*L.?", ".OX.?", "?...?", nullptr}},
    // its hane is connected on the far side: cut all the same
    {1, kCutHane, {"?..?", ".XO?", ".*LX", "?..?", nullptr}},
    // our stone beside the hane back
    {1, kHaneBack, {"?...?", "O*L..", "..OX.", "..OX.", "?...?", nullptr}},
    // our stone beside the extension
    {0, kCrosscut, {"?...", "O*OX", "..LO", "?..?", nullptr}},
    // a fourth-line hane under our fifth-line stone
    {0, kEdgeHaneAnswer, {"?OX?", "*L.?", "?...", "?...", "?...", "####", nullptr}},
    // in the corner
    {2, kThrowInCapture, {"#*?", "#LO", "###", nullptr}},

    // ---- attachments with another stone of ours close by: hane -------------------
    // the attaching stone between two of ours
    {0, kAttachHane, {"?...?", ".OL*.", "..O..", "?...?", nullptr}},
    {0, kAttachHane, {"?.O.?", "..L*.", "..O..", "?...?", nullptr}},
    {0, kAttachHane, {"?...?", "O.L*.", "..O..", "?...?", nullptr}},
    // our two stones side by side
    {0, kAttachHane, {"?...?", "..L*.", ".OO..", "?...?", nullptr}},
    {0, kAttachHane, {"?...?", "..L*.", "..OO.", "?...?", nullptr}},
    // our two stones in a line
    {0, kAttachHane, {"?...?", "..L*.", "..O..", "?.O.?", nullptr}},

    // ---- the cut of its hane with another stone of ours close by -----------------
    {1, kCutHane, {"?O.?", ".XO?", ".*L.", "?..?", nullptr}},
    {1, kCutHane, {"?.O?", ".XO?", ".*L.", "?..?", nullptr}},
    {1, kCutHane, {"?..?", "OXO?", ".*L.", "?..?", nullptr}},
    {1, kCutHane, {"?..?", ".XO?", ".*LO", "?..?", nullptr}},

    // ---- shoulder hits with another stone of ours close by: stand up -------------
    {0, kShoulderPush, {"....", "OL*.", "..O.", "....", nullptr}},
    {0, kShoulderPush, {"....", ".L*.", "..O.", "..O.", nullptr}},
    {0, kShoulderPush, {"....", ".L*.", "..OO", "....", nullptr}},

    // ---- bumps with another stone of ours close by: block ------------------------
    {0, kBumpHane, {"?...?", ".*LO?", ".OX.?", "?...?", nullptr}},
    {0, kBumpHane, {"?...?", ".*L.?", ".OXO?", "?...?", nullptr}},

    // ---- the hane back with another stone of ours close by -----------------------
    {1, kHaneBack, {"?...?", ".*LO.", "..OX.", "..OX.", "?...?", nullptr}},
    {1, kHaneBack, {"?...?", ".*L..", ".OOX.", "..OX.", "?...?", nullptr}},

    // ---- contact answers with another stone of ours close by ---------------------
    // our stone beside the extension
    {0, kCrosscut, {"?....", "?O*..", "?.OX.", "?.LO.", "?...?", nullptr}},
    // our stone below the extension
    {0, kAttachExtend, {"?.X.?", "..L..", "..O..", "..*..", "?.O.?", nullptr}},
    {0, kHaneBack, {"?...?", "?*L.?", "?OO..", "?.OX.", "?...?", nullptr}},
    {0, kHaneBack, {"?...?", "?XL.?", "?.O*?", "?..O?", "?...?", nullptr}},
    {0, kBumpHane, {"?.*.?", "?OLO?", "?.X..", "?...?", nullptr}},
    {0, kBumpHane, {"?.*.?", "?.LO?", "?.X.O", "?...?", nullptr}},
    {0, kCrosscut, {"?...", ".*OX", "O.LO", "?..?", nullptr}},
    {0, kShoulderPush, {"?...?", "..L*O", "...O.", "...O.", "?...?", nullptr}},
    {0, kHeadOfTwo, {"?...?", "?O*.?", "?.OL?", "?.OX?", "?...?", nullptr}},

    // ---- more contact answers with another stone of ours close by ----------------
    {0, kShoulderPush, {"....", ".L*.", "..O.", ".O..", nullptr}},
    {0, kShoulderPush, {"...O", ".L*.", "..O.", "....", nullptr}},
    {0, kAttachHane, {"?O..?", "..L*.", "..O..", "?...?", nullptr}},
    {0, kAttachHane, {"?...?", "..L*.", "O.O..", "?...?", nullptr}},
    {0, kAttachHane, {"?...?", "..L*.", "..O..", "?O..?", nullptr}},
    {0, kAttachHane, {"?...?", "..L*.", "..O..", "?..O?", nullptr}},
    {0, kAttachHane, {"?...?", "..L*.", "..O.O", "?...?", nullptr}},
    {0, kBumpHane, {"?...?", ".*L.?", ".OX.?", "?.O.?", nullptr}},
    {0, kPushAnswer, {"?...?", "?.*O?", "?.LO?", "?OXO?", "?...?", nullptr}},
    {0, kCrosscut, {"?....", "?.*O.", "?.OX.", "?.LO.", "?...?", nullptr}},
    {0, kCrosscut, {"?....", "?.*..", "?OOX.", "?.LO.", "?...?", nullptr}},
    {1, kHaneBack, {"?...?", ".*L..", "O.OX.", "..OX.", "?...?", nullptr}},

    {0, 0, {nullptr}},
};

}  // namespace kz
