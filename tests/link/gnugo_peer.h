// GNU Go in Go Modem Protocol mode behind a pseudo-terminal made by socat:
// opening Device() starts GNU Go, which plays one game and exits.
#pragma once

#include <sys/types.h>

#include <string>

#include "support/temp_dir.h"

namespace kz::test {

constexpr const char* kGnuGo = "/usr/games/gnugo";
constexpr const char* kSocat = "/usr/bin/socat";

class GnuGoPeer {
 public:
  // `gnugoColour` "black" or "white"; GNU Go writes its record to SgfPath().
  GnuGoPeer(const std::string& gnugoColour, int size);
  ~GnuGoPeer();
  GnuGoPeer(const GnuGoPeer&) = delete;
  GnuGoPeer& operator=(const GnuGoPeer&) = delete;

  // True once the device exists (socat is up), within a few seconds.
  bool Started() const { return started_; }
  const std::string& Device() const { return device_; }
  const std::string& SgfPath() const { return sgf_; }
  // Waits up to `ms` for socat (and with it GNU Go) to end.
  bool WaitExit(int ms);
  // Ends GNU Go at once, as a crash would.
  void Kill();

 private:
  TempDir dir_;
  std::string device_;
  std::string sgf_;
  pid_t pid_ = -1;
  bool started_ = false;
};

// Both programs are installed by scripts/install-deps.sh.
bool GnuGoInstalled();

}  // namespace kz::test
