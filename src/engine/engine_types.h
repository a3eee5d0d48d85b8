// Small value types the computer player passes around, the packing of its
// answer, and the one place that says which work board belongs to whom.
#pragma once

#include <cstdint>
#include <functional>

namespace kz {

// A proposal of a candidate generator; move < 0 means none.
struct Candidate {
  int score = 0;
  int move = -1;
  int extra = 0;
};

// Answer of the capture readers and of the rescue search. status 1: the
// examined chain can be captured (rescue search: a rescuing capture exists);
// move: the key move found (attacker's capture or defender's save), else -1.
struct ReadResult {
  int status = 0;
  int move = -1;
};

// What a move request gives back: the packed move and the stones it took.
struct MoveResult {
  int packed = 0;
  int captures = 0;
};

// The packed move: byte 0 = i, byte 1 = j, byte 2 = the stage code as a
// signed byte (-1 for a pass or a refused move); byte 3 carries nothing.
constexpr int PackMove(int i, int j, int code) {
  return (i & 0xFF) | ((j & 0xFF) << 8) | ((code & 0xFF) << 16);
}
constexpr int PackedPass() { return PackMove(-1, -1, -1); }
constexpr int PackedI(int packed) { return static_cast<std::int8_t>(packed & 0xFF); }
constexpr int PackedJ(int packed) {
  return static_cast<std::int8_t>((packed >> 8) & 0xFF);
}
constexpr int PackedCode(int packed) {
  return static_cast<std::int8_t>((packed >> 16) & 0xFF);
}

// The message pump: lets one waiting window message through. The host gives
// it once; it may re-enter the engine (see ThinkEngine::ChooseMove).
using MessagePump = std::function<void()>;

// The engine's seven work boards and who may write them. A reader copies the
// board it examines into its own board and plays test stones only there, so
// the nesting generator -> SafetyCheck -> ReadFourLiberties ->
// ReadThreeLiberties -> ReadTwoLiberties -> ReadAtari -> ReadChase never
// has two levels writing one board. A caller must not keep anything on a
// board that a callee below writes.
enum WorkBoard : int {
  kChaseBoard = 0,        // work board 1: ReadChase plays the ladder out here;
                          // LibertiesAfterMove reads it; generators may use it
                          // for a second trial only between reader calls
  kTrialBoard = 1,        // work board 2: single trial moves, SafetyCheck,
                          // the trials of the position analysis
  kAnalysisBoard = 2,     // work board 3: the position analysis' filled board
  kAtariBoard = 3,        // work board 4: ReadAtari's rescue replays, the
                          // rescue search's capture trials, CanAtariSafely
  kTwoLibertyBoard = 4,   // work board 5: ReadTwoLiberties' test stones
  kThreeLibertyBoard = 5, // work board 6: ReadThreeLiberties' test stones
  kFourLibertyBoard = 6,  // work board 7: ReadFourLiberties' test stones
  kWorkBoards = 7
};

}  // namespace kz
