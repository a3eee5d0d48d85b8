// Processes that stand at the other end of the line in the link tests:
// GNU Go in Go Modem Protocol mode behind a pseudo-terminal made by socat,
// a pair of linked pseudo-terminals for a scripted peer, and kazaori-cli
// itself. Every one is ended by its destructor; every wait has a limit.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace kz::test {

constexpr const char* kGnuGo = "/usr/games/gnugo";
constexpr const char* kSocat = "/usr/bin/socat";

// Both programs are installed by scripts/install-deps.sh.
bool GnuGoInstalled();

// A child process, with standard output and error sent to `log` (or to
// /dev/null when it is empty), started in `dir` (or here when empty).
class Child {
 public:
  Child(const std::vector<std::string>& argv, const std::string& log = "",
        const std::string& dir = "");
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool Running() const { return pid_ > 0; }
  // Waits up to `ms` for the end: the exit status (128 + signal when it was
  // killed), or -1 when it is still running.
  int Wait(int ms);
  // Ends it at once (SIGTERM, then SIGKILL), as a crash would.
  void Kill();

 private:
  pid_t pid_ = -1;
  int status_ = -1;
};

// Waits up to `ms` for a path to exist.
bool WaitForPath(const std::string& path, int ms);

// GNU Go behind a pseudo-terminal: opening Device() starts it; it plays one
// game, writes its record to SgfPath() and waits for the line to close.
class GnuGoPeer {
 public:
  // `gnugoColour` "black" or "white".
  GnuGoPeer(const std::string& gnugoColour, int size);

  bool Started() const { return started_; }
  const std::string& Device() const { return device_; }
  const std::string& SgfPath() const { return sgf_; }
  bool WaitExit(int ms) { return socat_.Wait(ms) != -1; }
  void Kill() { socat_.Kill(); }

 private:
  TempDir dir_;
  std::string device_;
  std::string sgf_;
  Child socat_;
  bool started_ = false;
};

// Two pseudo-terminals joined by socat: what is written to one is read from
// the other, so that a scripted peer can stand at End() of the program's
// Device().
class PtyPair {
 public:
  PtyPair();

  bool Started() const { return started_; }
  const std::string& Device() const { return device_; }
  const std::string& End() const { return end_; }

 private:
  TempDir dir_;
  std::string device_;
  std::string end_;
  Child socat_;
  bool started_ = false;
};

}  // namespace kz::test
