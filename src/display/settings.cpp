#include "display/settings.h"

namespace kz::display {
namespace {

constexpr const char* kInit = "Init";
constexpr const char* kOptions = "Options";
constexpr const char* kRecent = "Recent File List";
constexpr const char* kWavKeys[4] = {"OpenWav", "ChakuWav", "EndWav", "AlarmWav"};
constexpr const char* kRecentKeys[4] = {"File1", "File2", "File3", "File4"};

int Switch(const platform::ProfileFile& f, const char* key, int fallback) {
  return f.GetInt(kOptions, key, fallback) != 0 ? 1 : 0;
}

}  // namespace

const char* WavKey(int slot) { return slot >= 0 && slot < 4 ? kWavKeys[slot] : ""; }

Settings ReadSettings(const platform::ProfileFile& f) {
  Settings s;
  int size = f.GetInt(kInit, "Rosu", 19);
  s.boardSize = (size == 9 || size == 13 || size == 19) ? size : 19;
  int handicap = f.GetInt(kInit, "Okiishi", 0);
  s.handicap = (handicap >= 0 && handicap <= 9) ? handicap : 0;
  int rule = f.GetInt(kInit, "Rule", 0);
  s.rule = (rule == 0 || rule == 1) ? rule : 0;

  int style = f.GetInt(kOptions, "Goban", 0);
  s.boardStyle = (style >= 0 && style <= 2) ? style : 0;
  s.orientation = f.GetInt(kOptions, "GobanWay", 1) == -1 ? -1 : 1;
  for (int k = 0; k < 4; ++k) s.wav[k] = f.GetPath(kOptions, kWavKeys[k], "");
  int font = f.GetInt(kOptions, "FontSize", 0);
  s.fontSize = (font == 12 || font == 16) ? font : 0;
  s.showMoveNumbers = Switch(f, "DispNo", 0);
  s.showDeadStones = Switch(f, "DispDead", 0);
  s.showMoveErrors = Switch(f, "DispError", 1);
  s.confirmSaving = Switch(f, "SaveChk", 0);
  s.fasterMoves = Switch(f, "ThinkSpeed", 0);
  s.standardComment = Switch(f, "StanComm", 0);
  s.showCommentOnRead = Switch(f, "DispComm", 0);
  s.alsoWriteSgf = Switch(f, "OutSgf", 0);
  for (int k = 0; k < 4; ++k) s.recentFiles[k] = f.GetPath(kRecent, kRecentKeys[k], "");
  return s;
}

bool WriteSettings(platform::ProfileFile& f, const Settings& s) {
  bool ok = true;
  ok &= f.WriteInt(kInit, "Rosu", s.boardSize);
  ok &= f.WriteInt(kInit, "Okiishi", s.handicap);
  ok &= f.WriteInt(kInit, "Rule", s.rule);
  ok &= f.WriteInt(kOptions, "Goban", s.boardStyle);
  ok &= f.WriteInt(kOptions, "GobanWay", s.orientation);
  for (int k = 0; k < 4; ++k) ok &= f.WriteString(kOptions, kWavKeys[k], s.wav[k]);
  ok &= f.WriteInt(kOptions, "FontSize", s.fontSize);
  ok &= f.WriteInt(kOptions, "DispNo", s.showMoveNumbers);
  ok &= f.WriteInt(kOptions, "DispDead", s.showDeadStones);
  ok &= f.WriteInt(kOptions, "DispError", s.showMoveErrors);
  ok &= f.WriteInt(kOptions, "SaveChk", s.confirmSaving);
  ok &= f.WriteInt(kOptions, "ThinkSpeed", s.fasterMoves);
  ok &= f.WriteInt(kOptions, "StanComm", s.standardComment);
  ok &= f.WriteInt(kOptions, "DispComm", s.showCommentOnRead);
  ok &= f.WriteInt(kOptions, "OutSgf", s.alsoWriteSgf);
  return ok;
}

bool WriteRecentFiles(platform::ProfileFile& f, const std::array<std::string, 4>& files) {
  bool ok = true;
  for (int k = 0; k < 4; ++k) ok &= f.WriteString(kRecent, kRecentKeys[k], files[k]);
  return ok;
}

}  // namespace kz::display
