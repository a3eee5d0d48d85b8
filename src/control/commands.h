// Every command of the menu and the tool bar: its id, label and status-bar
// prompt, and the rule that enables it or ticks it, as one function of the
// controller's state. The window wires its menus and buttons to this table
// and to the view's OnCommand; nothing else decides what is enabled.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace kz::control {

enum CommandId : int {
  kCmdOpen = 57601,
  kCmdSave = 57604,
  kCmdJisBoard = 32809,
  kCmdRecent1 = 57616,
  kCmdRecent2 = 57617,
  kCmdRecent3 = 57618,
  kCmdRecent4 = 57619,
  kCmdNewGame = 32791,
  kCmdPass = 32787,
  kCmdResign = 32801,
  kCmdRecommendResign = 32802,
  kCmdPause = 32830,
  kCmdEndOfGame = 32770,
  kCmdGoToMove = 32773,
  kCmdAutoReplay = 32769,
  kCmdComment = 32781,
  kCmdFirst = 32828,
  kCmdBack10 = 32818,
  kCmdBack1 = 32819,
  kCmdForward1 = 32821,
  kCmdForward10 = 32820,
  kCmdLast = 32829,
  kCmdStyleYellow = 32806,
  kCmdStyleBrown = 32807,
  kCmdStyleBrownLarge = 32811,
  kCmdBlackNear = 32796,
  kCmdWhiteNear = 32797,
  kCmdSystemFont = 32799,
  kCmdFont12 = 32774,
  kCmdFont16 = 32775,
  kCmdMoveNumbers = 32798,
  kCmdDeadStones = 32780,
  kCmdMoveErrors = 32803,
  kCmdSaveCheck = 32794,
  kCmdStandardComment = 32804,
  kCmdCommentOnRead = 32808,
  kCmdOutSgf = 32810,
  kCmdSoundOpening = 32776,
  kCmdSoundMove = 32777,
  kCmdSoundEnding = 32778,
  kCmdSoundWarning = 32779,
  kCmdDebugStoneValues = 32833,
  kCmdDebugEmptyValues = 32834,
  kCmdDebugLinkValues = 32835,
  kCmdDebugTemperature = 32836,
  kCmdDebugBlackTemperature = 32837,
  kCmdDebugWhiteTemperature = 32838,
  kCmdGtpProgram = 32839,
  kCmdHelp = 32800,
  kCmdAbout = 57664,
  kCmdToolBar = 59392,
  kCmdStatusBar = 59393,
  kCmdExit = 57665,
};

struct CommandInfo {
  int id;
  std::string_view label;
  std::string_view prompt;  // empty for the DEBUG displays
};

// Every command, in menu order.
std::span<const CommandInfo> AllCommands();
// The entry of `id`, or nullptr for an unknown id.
const CommandInfo* FindCommand(int id);

// The controller's state as the rules read it.
struct CommandContext {
  int busy = 0;              // 0 idle, 1 thinking, 2 paused while thinking, 3 loading
  bool running = false;
  bool paused = false;
  int autoReplay = 0;        // 0 off, 1 on, 2 taking a step
  bool endOfGame = false;
  bool remotePlayer = false;  // Black or White is the remote player
  int sideToMovePlayer = 0;   // 0 user, 1 computer, 2 remote
  int movesPlayed = 0;
  bool linkInUse = false;
  int boardStyle = 0;
  int orientation = 1;
  bool customFont = false;
  int fontSize = 12;
  bool showMoveNumbers = false, showDeadStones = false, showMoveErrors = true;
  bool confirmSaving = false, standardComment = false, showCommentOnRead = false;
  bool alsoWriteSgf = false;
  std::array<bool, 4> soundSet{};  // opening, move, ending, warning
  bool debugMode = false;
  std::array<bool, 6> debugDisplays{};
  bool toolBarShown = true, statusBarShown = true;
};

struct CommandUi {
  bool enabled = false;
  bool checked = false;
  bool operator==(const CommandUi&) const = default;
};

CommandUi QueryCommand(int id, const CommandContext& c);

}  // namespace kz::control
