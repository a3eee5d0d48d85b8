#include "platform/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kz::platform {

namespace {

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

void SetNonBlocking(int fd) {
  const int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) fcntl(fd, F_SETFL, flags | O_NONBLOCK);
}

}  // namespace

bool StartChild(const std::string& commandLine, bool nonBlocking, ChildProcess& child,
                std::string* error) {
  signal(SIGPIPE, SIG_IGN);
  child = ChildProcess{};
  int in[2], out[2];
  if (pipe2(in, O_CLOEXEC) != 0) {
    *error = std::string("pipe: ") + std::strerror(errno);
    return false;
  }
  if (pipe2(out, O_CLOEXEC) != 0) {
    *error = std::string("pipe: ") + std::strerror(errno);
    close(in[0]);
    close(in[1]);
    return false;
  }
  const pid_t pid = fork();
  if (pid < 0) {
    *error = std::string("fork: ") + std::strerror(errno);
    for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
    return false;
  }
  if (pid == 0) {
    // The child: only async-signal-safe calls up to the exec.
    signal(SIGPIPE, SIG_DFL);
    dup2(in[0], 0);
    dup2(out[1], 1);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, 2);
    for (int fd = 3; fd < 256; ++fd) close(fd);
    execl("/bin/sh", "sh", "-c", commandLine.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  child.pid = pid;
  child.toChild = in[1];
  child.fromChild = out[0];
  if (nonBlocking) {
    SetNonBlocking(child.toChild);
    SetNonBlocking(child.fromChild);
  }
  return true;
}

bool ChildExited(ChildProcess& child) {
  if (child.pid <= 0) return true;
  int status = 0;
  const pid_t r = waitpid(child.pid, &status, WNOHANG);
  if (r == child.pid || (r < 0 && errno == ECHILD)) {
    child.pid = -1;
    return true;
  }
  return false;
}

void EndChild(ChildProcess& child, const std::string& last, int graceMs) {
  if (child.toChild >= 0 && !last.empty() && child.pid > 0) {
    [[maybe_unused]] const ssize_t n = write(child.toChild, last.data(), last.size());
  }
  CloseFd(child.toChild);
  CloseFd(child.fromChild);
  for (int waited = 0; child.pid > 0 && waited < graceMs; waited += 10) {
    if (ChildExited(child)) break;
    usleep(10000);
  }
  if (child.pid > 0 && !ChildExited(child)) {
    kill(child.pid, SIGKILL);
    int status = 0;
    while (waitpid(child.pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  child = ChildProcess{};
}

}  // namespace kz::platform
