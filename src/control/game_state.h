// The game controller's state: the game in progress, its clocks, and the
// flags that tell the tick, the clicks and the commands what may happen now.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/move_rules.h"

namespace kz::control {

// Player kinds.
constexpr int kUser = 0;
constexpr int kComputer = 1;
constexpr int kRemote = 2;

// busy
constexpr int kIdle = 0;
constexpr int kThinking = 1;
constexpr int kPausedThinking = 2;
constexpr int kLoading = 3;

// automatic replay
constexpr int kReplayOff = 0;
constexpr int kReplayOn = 1;
constexpr int kReplayStepping = 2;

// result display
constexpr int kNoResultShown = 0;
constexpr int kBlackResignedShown = 1;
constexpr int kWhiteResignedShown = 2;

struct GameState {
  std::string startupFile;  // the record named on the command line, until loaded
  int sizeChanged = 0;      // a new board size waits for the frame to resize

  int blackPlayer = kUser, whitePlayer = kUser;
  int blackChosen = kUser, whiteChosen = kUser;
  std::string blackName, whiteName;  // from the record, for the status panel

  int boardSize = 19;
  int style = 0;       // the computer's style, 0 堅実, 1 大胆
  int port = 1;
  int gamesInSeries = 1;
  int gamesPlayed = 0;
  int timeLimit = 0;   // minutes per side, 0 none

  // Side to move, moves played, prisoners, consecutive passes, last move,
  // rule and handicap, as the move rules read and update them.
  PlayState play;

  int replayTarget = 0;
  int resultDisplay = kNoResultShown;
  int movesAtEndOfGame = 0;
  int autoReplay = kReplayOff;
  int replayPeriod = 1;
  int busy = kIdle;
  int paused = 0;
  int endOfGame = 0;
  std::string resultText;

  int previousBoardStyle = 0;
  bool customFont = false;
  int fontSize = 12;  // the layout's text size, 12 or 16

  int running = 0;
  int warnedBlack = 0, warnedWhite = 0;
  std::int64_t gameStart = 0;
  int usedBlack = 0, usedWhite = 0;        // what the panel shows and the record keeps
  int carriedBlack = 0, carriedWhite = 0;  // clocks read with a record
  int sinceStartBlack = 0, sinceStartWhite = 0;
  std::int64_t pauseStart = 0;
  int secondsPaused = 0;
  int replayTick = 0;

  int computerLastStatus = 0;  // -1 pass, 0 no move, else a stone
  int linkInUse = 0;
  int recordUnsaved = 0;
  int resignCheckMove = 120;
  int resignQuestionOpen = 0;

  bool commentShownAtStartup = false;
  bool debugMode = false;
  std::array<bool, 6> debugDisplays{};

  int PlayerOf(int colour) const { return colour == 1 ? blackPlayer : whitePlayer; }
  bool EitherIs(int kind) const { return blackPlayer == kind || whitePlayer == kind; }
};

// The move after which the computer first weighs resigning, and how much
// later it weighs it again after a refusal.
constexpr int ResignCheckStart(int size) { return size == 9 ? 27 : size == 13 ? 56 : 120; }
constexpr int ResignCheckDelay(int size) { return size == 9 ? 8 : size == 13 ? 17 : 36; }

}  // namespace kz::control
