// A program run through /bin/sh as a child process with its standard input
// and output on pipes (standard error to /dev/null), and its end: the pipes
// closed, a short grace to leave by itself, then SIGKILL, always reaped.
// SIGPIPE is ignored from the first start on, so that writing to a program
// that has died gives EPIPE instead of ending this one.
#pragma once

#include <sys/types.h>

#include <string>

namespace kz::platform {

struct ChildProcess {
  pid_t pid = -1;
  int toChild = -1;    // the child's standard input
  int fromChild = -1;  // the child's standard output
  bool Running() const { return pid > 0; }
};

// Starts `commandLine`; `nonBlocking` makes both pipe ends non-blocking.
// False with the reason in `error` when no process could be made.
bool StartChild(const std::string& commandLine, bool nonBlocking, ChildProcess& child,
                std::string* error);

// Whether the child has ended (reaped here; the pid is then -1).
bool ChildExited(ChildProcess& child);

// Writes `last` (e.g. "quit\n") when the input is still open, closes the
// pipes, waits up to `graceMs` for the child to leave, then kills and reaps
// it. Leaves `child` empty.
void EndChild(ChildProcess& child, const std::string& last, int graceMs);

}  // namespace kz::platform
