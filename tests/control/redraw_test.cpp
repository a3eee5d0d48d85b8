// The window follows the game: every tick, click and command ends by telling
// the host that the state may have changed, and every change the timer makes
// (the computer's move, a clock second) asks for a redraw after it is
// recorded, so nothing waits for the user's next input to appear.
#include "view_fixture.h"

namespace kz::test {
namespace {

using control::kComputer;
using control::kUser;

class Redraw : public ViewTest {};

TEST_F(Redraw, TheComputersMoveIsRedrawnAfterItIsRecorded) {
  Start();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.black = kUser;
    d.white = kComputer;
  });
  engine->moves = {MoveCodeOf(6, 2)};
  engine->pumps = 2;  // the engine's pump serves the redraw asked before the move
  int invalidationsAtChoice = -1, recordedAtChoice = -1;
  engine->afterChoice = [&] {
    invalidationsAtChoice = host.invalidations;
    recordedAtChoice = doc->GetMove(2);
  };
  Click(4, 4);
  const int changes = host.stateChanges;
  EXPECT_GE(changes, 1) << "the click tells the window";
  Tick();
  ASSERT_EQ(doc->GetMove(2), MoveCodeOf(6, 2));
  EXPECT_EQ(recordedAtChoice, -1) << "not yet recorded when the engine answered";
  EXPECT_GT(host.invalidations, invalidationsAtChoice)
      << "a redraw is asked for after the move is recorded";
  EXPECT_GT(host.stateChanges, changes) << "the tick tells the window";
}

TEST_F(Redraw, ComputerAgainstComputerRedrawsEveryMove) {
  Start();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.black = kComputer;
    d.white = kComputer;
  }, false);
  engine->moves = {MoveCodeOf(4, 4), MoveCodeOf(2, 2), MoveCodeOf(6, 6)};
  std::vector<int> after;
  engine->afterChoice = [&] { after.push_back(host.invalidations); };
  for (int k = 0; k < 3; ++k) {
    Tick();
    ASSERT_EQ(after.size(), static_cast<std::size_t>(k + 1));
    EXPECT_GT(host.invalidations, after.back()) << "move " << k + 1;
  }
  EXPECT_EQ(S().play.movesPlayed, 3);
}

TEST_F(Redraw, TheUsersClockIsRedrawnEverySecond) {
  Start();
  NewGame([](control::NewGameDialog& d) {
    d.sizeChoice = 2;
    d.timeLimitText = "1";
  }, false);
  for (int k = 0; k < 3; ++k) {
    const int before = host.invalidations, changes = host.stateChanges;
    Tick();
    EXPECT_GT(host.invalidations, before) << "second " << k + 1;
    EXPECT_GT(host.stateChanges, changes);
  }
  EXPECT_EQ(S().usedBlack, 3);
  // Paused: nothing moves, nothing is redrawn by the tick.
  ASSERT_TRUE(view->OnCommand(control::kCmdPause));
  const int before = host.invalidations;
  Tick(2);
  EXPECT_EQ(host.invalidations, before);
  EXPECT_EQ(S().usedBlack, 3);
}

TEST_F(Redraw, EveryCommandTellsTheWindowEvenWhenRefused) {
  Start();
  int changes = host.stateChanges;
  EXPECT_TRUE(view->OnCommand(control::kCmdMoveNumbers));
  EXPECT_EQ(host.stateChanges, changes + 1);
  changes = host.stateChanges;
  EXPECT_FALSE(view->OnCommand(control::kCmdForward1));  // nothing to step to
  EXPECT_EQ(host.stateChanges, changes + 1);
  changes = host.stateChanges;
  view->OnRightButton(5, 5);
  EXPECT_EQ(host.stateChanges, changes + 1);
}

}  // namespace
}  // namespace kz::test
