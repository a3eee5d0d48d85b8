// kazaori.ini as someone may have edited it: arbitrary bytes read as the
// profile file, then as the settings. Every setting must come out as one the
// view can use, and every string as one the program can keep and write
// back: one line, at most 100 bytes (a path: what a path can be).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "display/settings.h"
#include "fuzz_check.h"

namespace kz::display {
namespace {

using fuzz::Require;

// The file the input is written to, one per process.
const std::string& IniPath() {
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr && *dir == '/' ? dir : "/tmp") + "/kz_ini_fuzz_" +
           std::to_string(::getpid()) + ".ini";
  }();
  return path;
}

bool IsSwitch(int v) { return v == 0 || v == 1; }

void RequireKeepable(const std::string& s) {
  Require(s.size() <= platform::ProfileFile::kMaxPathBytes, "a path keeps to its limit");
  Require(s.find('\n') == std::string::npos, "a string is one line");
}

void RequireUsable(const Settings& s) {
  Require(s.boardSize == 9 || s.boardSize == 13 || s.boardSize == 19, "board of 9, 13 or 19");
  Require(s.handicap >= 0 && s.handicap <= 9, "handicap 0..9");
  Require(s.rule == 0 || s.rule == 1, "rule 0 or 1");
  Require(s.boardStyle >= 0 && s.boardStyle <= 2, "board style 0..2");
  Require(s.orientation == 1 || s.orientation == -1, "orientation 1 or -1");
  Require(s.fontSize == 0 || s.fontSize == 12 || s.fontSize == 16, "font 0, 12 or 16");
  Require(IsSwitch(s.showMoveNumbers) && IsSwitch(s.showDeadStones) &&
              IsSwitch(s.showMoveErrors) && IsSwitch(s.confirmSaving) &&
              IsSwitch(s.fasterMoves) && IsSwitch(s.standardComment) &&
              IsSwitch(s.showCommentOnRead) && IsSwitch(s.alsoWriteSgf),
          "every switch 0 or 1");
  for (const std::string& w : s.wav) RequireKeepable(w);
  for (const std::string& f : s.recentFiles) RequireKeepable(f);
}

}  // namespace
}  // namespace kz::display

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kz::display;
  const std::string& path = IniPath();
  std::FILE* out = std::fopen(path.c_str(), "wb");
  kz::fuzz::Require(out != nullptr, "the scratch file opens");
  if (size > 0) std::fwrite(data, 1, size, out);
  std::fclose(out);

  const kz::platform::ProfileFile file(path);
  const Settings settings = ReadSettings(file);
  RequireUsable(settings);
  std::remove(path.c_str());
  return 0;
}
