#include "control/commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kz::control {
namespace {

// The game commands, in the order of the expectation strings below.
constexpr int kGameCommands[] = {
    kCmdOpen,     kCmdSave,       kCmdJisBoard, kCmdNewGame,   kCmdPass,      kCmdResign,
    kCmdRecommendResign, kCmdPause, kCmdEndOfGame, kCmdGoToMove, kCmdAutoReplay, kCmdComment,
    kCmdFirst,    kCmdBack10,     kCmdBack1,    kCmdForward1,  kCmdForward10, kCmdLast};

std::string EnabledPattern(const CommandContext& c) {
  std::string out;
  for (int id : kGameCommands) out += QueryCommand(id, c).enabled ? 'E' : '-';
  return out;
}

struct StateRow {
  const char* name;
  CommandContext context;
  const char* expected;
};

CommandContext Idle() {
  CommandContext c;
  c.movesPlayed = 5;
  return c;
}

TEST(CommandRules, EnableRulesOverTheControllerStates) {
  std::vector<StateRow> rows;
  rows.push_back({"idle", Idle(), "EEEEEEE-EEEEEEEEEE"});
  {
    CommandContext c = Idle();
    c.running = true;  // against the computer, the user's turn
    rows.push_back({"running, user's turn", c, "---EEEEE------E---"});
  }
  {
    CommandContext c = Idle();
    c.running = true;
    c.busy = 1;
    c.sideToMovePlayer = 1;
    rows.push_back({"computer thinking", c, "-------E----------"});
  }
  {
    CommandContext c = Idle();
    c.running = true;
    c.paused = true;
    c.sideToMovePlayer = 1;
    rows.push_back({"paused", c, "EEEE---E----------"});
  }
  {
    CommandContext c = Idle();
    c.autoReplay = 1;
    rows.push_back({"automatic replay", c, "-------E----------"});
  }
  {
    CommandContext c = Idle();
    c.autoReplay = 1;
    c.paused = true;
    rows.push_back({"automatic replay paused", c, "EEEE---E----------"});
  }
  {
    CommandContext c = Idle();
    c.endOfGame = true;
    rows.push_back({"end-of-game mode", c, "--------E---------"});
  }
  {
    CommandContext c = Idle();
    c.running = true;
    c.remotePlayer = true;
    c.linkInUse = true;
    rows.push_back({"remote player, user's turn", c, "-------E----------"});
  }
  {
    CommandContext c;
    rows.push_back({"no moves", c, "EEEEEEE-EEEE------"});
  }
  {
    CommandContext c = Idle();
    c.sideToMovePlayer = 1;  // computer to move, game stopped
    rows.push_back({"stopped, computer to move", c, "EEEE-EE-EEEE------"});
  }
  for (const StateRow& row : rows) {
    EXPECT_EQ(EnabledPattern(row.context), row.expected) << row.name;
  }
}

TEST(CommandRules, RecommendResignationIsNotOfferedOverTheLink) {
  CommandContext c = Idle();
  c.linkInUse = true;
  EXPECT_TRUE(QueryCommand(kCmdResign, c).enabled);
  EXPECT_FALSE(QueryCommand(kCmdRecommendResign, c).enabled);
}

TEST(CommandRules, OptionTicksFollowTheirValues) {
  CommandContext c;
  EXPECT_TRUE(QueryCommand(kCmdStyleYellow, c).checked);
  EXPECT_FALSE(QueryCommand(kCmdStyleBrownLarge, c).checked);
  c.boardStyle = 2;
  EXPECT_TRUE(QueryCommand(kCmdStyleBrownLarge, c).checked);
  EXPECT_FALSE(QueryCommand(kCmdStyleYellow, c).checked);
  EXPECT_TRUE(QueryCommand(kCmdBlackNear, c).checked);
  c.orientation = -1;
  EXPECT_TRUE(QueryCommand(kCmdWhiteNear, c).checked);
  EXPECT_FALSE(QueryCommand(kCmdBlackNear, c).checked);
  EXPECT_TRUE(QueryCommand(kCmdSystemFont, c).checked);
  c.customFont = true;
  c.fontSize = 16;
  EXPECT_FALSE(QueryCommand(kCmdSystemFont, c).checked);
  EXPECT_TRUE(QueryCommand(kCmdFont16, c).checked);
  EXPECT_FALSE(QueryCommand(kCmdFont12, c).checked);
  c.soundSet[2] = true;
  EXPECT_TRUE(QueryCommand(kCmdSoundEnding, c).checked);
  EXPECT_FALSE(QueryCommand(kCmdSoundWarning, c).checked);
  EXPECT_TRUE(QueryCommand(kCmdMoveErrors, c).checked);
  EXPECT_FALSE(QueryCommand(kCmdOutSgf, c).checked);
  c.alsoWriteSgf = true;
  EXPECT_TRUE(QueryCommand(kCmdOutSgf, c).checked);
}

TEST(CommandRules, DebugDisplaysNeedTheDebugMode) {
  CommandContext c;
  EXPECT_FALSE(QueryCommand(kCmdDebugStoneValues, c).enabled);
  c.debugMode = true;
  c.debugDisplays[5] = true;
  EXPECT_TRUE(QueryCommand(kCmdDebugStoneValues, c).enabled);
  EXPECT_TRUE(QueryCommand(kCmdDebugWhiteTemperature, c).checked);
}

TEST(CommandTable, EveryIdOnceWithItsPrompt) {
  std::set<int> ids;
  for (const CommandInfo& info : AllCommands()) {
    EXPECT_TRUE(ids.insert(info.id).second) << info.id;
    EXPECT_FALSE(info.label.empty()) << info.id;
  }
  EXPECT_EQ(ids.size(), 53u);
  EXPECT_EQ(FindCommand(kCmdMoveErrors)->prompt, "着手エラー持にメッセージを表示する");
  EXPECT_EQ(FindCommand(kCmdExit)->prompt, "「対局囲碁 風織」を終了する");
  EXPECT_EQ(FindCommand(12345), nullptr);
  EXPECT_FALSE(QueryCommand(12345, CommandContext{}).enabled);
}

}  // namespace
}  // namespace kz::control
