#include "link/gnugo_peer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

namespace kz::test {

bool GnuGoInstalled() { return access(kGnuGo, X_OK) == 0 && access(kSocat, X_OK) == 0; }

GnuGoPeer::GnuGoPeer(const std::string& gnugoColour, int size) {
  device_ = dir_ / "gnugo.tty";
  sgf_ = dir_ / "gnugo.sgf";
  std::string left = "pty,link=" + device_ + ",rawer,echo=0,wait-slave";
  std::string right = std::string("exec:") + kGnuGo +
                      " --mode gmp --quiet --level 1 --boardsize " + std::to_string(size) +
                      " --color " + gnugoColour + " -o " + sgf_ + ",pty,rawer,echo=0";
  pid_ = fork();
  if (pid_ == 0) {
    // GNU Go's talk on standard error (the result, its farewell) stays out of
    // the test log.
    int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, 2);
    std::vector<char*> argv = {const_cast<char*>(kSocat), const_cast<char*>("-T"),
                               const_cast<char*>("300"), left.data(), right.data(), nullptr};
    execv(kSocat, argv.data());
    _exit(127);
  }
  for (int i = 0; i < 500 && pid_ > 0; ++i) {
    if (access(device_.c_str(), F_OK) == 0) {
      started_ = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

GnuGoPeer::~GnuGoPeer() { Kill(); }

bool GnuGoPeer::WaitExit(int ms) {
  if (pid_ <= 0) return true;
  for (int waited = 0; waited <= ms; waited += 10) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

void GnuGoPeer::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  if (!WaitExit(2000)) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
}

}  // namespace kz::test
