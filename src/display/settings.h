// The settings kept in kazaori.ini: the next game's size, handicap and rule,
// the board's look, the option switches, the four sound files and the four
// recent files. Read once when the view is created, written once when it is
// destroyed. A missing file or key gives the default; a value outside what
// the program can use (a board of 15 lines, a style of 7) gives the default
// too, so an edited file never puts the view in a state it cannot draw.
#pragma once

#include <array>
#include <string>

#include "platform/profile_file.h"

namespace kz::display {

enum SoundSlot { kOpeningSound = 0, kMoveSound = 1, kEndingSound = 2, kWarningSound = 3 };

struct Settings {
  // [Init]
  int boardSize = 19;  // Rosu
  int handicap = 0;    // Okiishi
  int rule = 0;        // Rule
  // [Options]
  int boardStyle = 0;    // Goban: 0 黄色, 1 薄茶, 2 薄茶（大）
  int orientation = 1;   // GobanWay: 1 黒番手前, -1 白番手前
  std::array<std::string, 4> wav;  // OpenWav, ChakuWav, EndWav, AlarmWav
  int fontSize = 0;      // FontSize: 0 the system font, else 12 or 16
  int showMoveNumbers = 0;  // DispNo
  int showDeadStones = 0;   // DispDead
  int showMoveErrors = 1;   // DispError
  int confirmSaving = 0;    // SaveChk
  int fasterMoves = 0;      // ThinkSpeed
  int standardComment = 0;  // StanComm
  int showCommentOnRead = 0;  // DispComm
  int alsoWriteSgf = 0;     // OutSgf
  // [Recent File List]
  std::array<std::string, 4> recentFiles;  // File1..File4

  bool operator==(const Settings&) const = default;
};

Settings ReadSettings(const platform::ProfileFile& file);
// Writes every key of [Init] and [Options]; false when a write failed.
bool WriteSettings(platform::ProfileFile& file, const Settings& settings);
// The recent files are written apart, as the window's recent-file list is.
bool WriteRecentFiles(platform::ProfileFile& file,
                      const std::array<std::string, 4>& recentFiles);

// The key under which a sound slot's WAV path is stored.
const char* WavKey(int slot);

}  // namespace kz::display
