#include "link/peer_processes.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace kz::test {

bool GnuGoInstalled() { return access(kGnuGo, X_OK) == 0 && access(kSocat, X_OK) == 0; }

Child::Child(const std::vector<std::string>& argv, const std::string& log,
             const std::string& dir) {
  std::vector<std::string> args = argv;
  std::vector<char*> raw;
  for (std::string& a : args) raw.push_back(a.data());
  raw.push_back(nullptr);
  pid_ = fork();
  if (pid_ == 0) {
    int out = log.empty() ? open("/dev/null", O_WRONLY)
                          : open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0) {
      dup2(out, 1);
      dup2(out, 2);
    }
    int in = open("/dev/null", O_RDONLY);
    if (in >= 0) dup2(in, 0);
    if (!dir.empty() && chdir(dir.c_str()) != 0) _exit(126);
    execv(raw[0], raw.data());
    _exit(127);
  }
}

Child::~Child() { Kill(); }

int Child::Wait(int ms) {
  if (pid_ <= 0) return status_;
  for (int waited = 0;; waited += 5) {
    int st = 0;
    if (waitpid(pid_, &st, WNOHANG) == pid_) {
      pid_ = -1;
      status_ = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
      return status_;
    }
    if (waited >= ms) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void Child::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  if (Wait(2000) == -1) {
    kill(pid_, SIGKILL);
    Wait(2000);
  }
}

bool WaitForPath(const std::string& path, int ms) {
  for (int waited = 0; waited <= ms; waited += 10) {
    if (access(path.c_str(), F_OK) == 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

GnuGoPeer::GnuGoPeer(const std::string& gnugoColour, int size)
    : device_(dir_ / "gnugo.tty"),
      sgf_(dir_ / "gnugo.sgf"),
      // GNU Go's talk on standard error (the result, its farewell) goes to
      // /dev/null with socat's.
      socat_({kSocat, "-T", "300", "pty,link=" + device_ + ",rawer,echo=0,wait-slave",
              std::string("exec:") + kGnuGo + " --mode gmp --quiet --level 1 --boardsize " +
                  std::to_string(size) + " --color " + gnugoColour + " -o " + sgf_ +
                  ",pty,rawer,echo=0"}) {
  started_ = WaitForPath(device_, 5000);
}

PtyPair::PtyPair()
    : device_(dir_ / "program.tty"),
      end_(dir_ / "peer.tty"),
      socat_({kSocat, "-T", "300", "pty,link=" + device_ + ",rawer,echo=0",
              "pty,link=" + end_ + ",rawer,echo=0"}) {
  started_ = WaitForPath(device_, 5000) && WaitForPath(end_, 5000);
}

}  // namespace kz::test
