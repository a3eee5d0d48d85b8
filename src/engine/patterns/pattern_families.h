// The shape families of the two pattern libraries. A record keeps its
// family number; the numbers are unique within a library, whichever file
// holds the diagrams.
#pragma once

namespace kz {

namespace shape_a {
enum Family {
  kPeep = 1,       // the opponent peeps at a connection: connect
  kAttachHane,     // the opponent attaches: hane
  kAttachExtend,   // the opponent attaches where the hane is bad: extend
  kShoulderPush,   // shoulder hit or diagonal attachment: push or stand
  kCutHane,        // the opponent's hane leaves a cutting point: cut
  kHeadOfTwo,      // hane at the head of two (or three) stones
  kBlockCrawl,     // block the opponent's crawl on the low lines
  kEdgeBlock,      // block a first-line hane or descent
  kBumpHane,       // the opponent bumps: hane or extend
  kHaneBack,       // answer a hane at the head with a hane or extension
  kWedgeBlock,     // the opponent wedges: block its head
  kUndercut,       // the opponent slides under: block on the second line
  kClampAnswer,    // the opponent clamps on the low lines: stand
  kCrosscut,       // the opponent crosscuts: extend
  kMonkeyJump,     // the opponent slides along the first line: stop it
  kEdgeHaneAnswer, // the opponent hanes on the first or second line: block
  kPushAnswer,     // the opponent pushes along our wall: block its head
  kThrowInCapture, // the opponent throws in: take the stone
  kEyeDefence,     // the opponent reaches for the corner of our eye: keep it
};
}  // namespace shape_a

namespace shape_b {
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
  kMendHane,          // connect the cut our hane left behind
  kCutHane,           // cut the enemy's hane that left a cut
  kMendFalseEye,      // fill the point that would make our eye false
  kVitalPoint,        // the vital point of a short row of eye space
  kThrowIn,           // throw in to make the enemy's eye false
  kPonnuki,           // capture shape: the point that completes a ponnuki
  kEmptyTriangle,     // avoid the empty triangle: the well-shaped point
  kJumpFromContact,   // one-point jump out of a contact fight
  kTableShape,        // the table shape: the strong point beside two stones
  kMonkeyStop,        // stop the enemy's slide on the first line
};
}  // namespace shape_b

}  // namespace kz
