// A GTP engine in a child process: started from a command line, asked one
// command at a time with a time limit, stopped at the end.
#pragma once

#include <sys/types.h>

#include <string>

namespace kz::match {

class GtpProcess {
 public:
  GtpProcess() = default;
  GtpProcess(const GtpProcess&) = delete;
  GtpProcess& operator=(const GtpProcess&) = delete;
  ~GtpProcess();

  // Runs `commandLine` through /bin/sh; false (with a message) when it
  // cannot be started.
  bool Start(const std::string& commandLine, std::string* error);

  struct Answer {
    bool ok = false;      // "=" rather than "?"
    std::string text;     // the answer without its "=" / "?"
    std::string failure;  // set when the engine died, hung or spoke nonsense
  };
  Answer Send(const std::string& command, int timeoutMs);

  // Asks the engine to quit and makes sure the process is gone.
  void Stop();

 private:
  enum class Read { kLine, kTimeout, kClosed };
  Read ReadLine(std::string& line, int timeoutMs);
  pid_t pid_ = -1;
  int toChild_ = -1;
  int fromChild_ = -1;
  std::string buffer_;
};

}  // namespace kz::match
