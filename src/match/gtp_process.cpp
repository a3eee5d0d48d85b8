#include "match/gtp_process.h"

#include "platform/child_process.h"

#include <poll.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>

namespace kz::match {

namespace {

using Clock = std::chrono::steady_clock;

int MillisLeft(Clock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

}  // namespace

GtpProcess::~GtpProcess() { Stop(); }

bool GtpProcess::Start(const std::string& commandLine, std::string* error) {
  Stop();
  platform::ChildProcess child;
  if (!platform::StartChild(commandLine, false, child, error)) return false;
  pid_ = child.pid;
  toChild_ = child.toChild;
  fromChild_ = child.fromChild;
  buffer_.clear();
  return true;
}

GtpProcess::Read GtpProcess::ReadLine(std::string& line, int timeoutMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const std::size_t nl = buffer_.find('\n');
    if (nl != std::string::npos) {
      line = buffer_.substr(0, nl);
      buffer_.erase(0, nl + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return Read::kLine;
    }
    pollfd p{fromChild_, POLLIN, 0};
    const int r = poll(&p, 1, MillisLeft(deadline));
    if (r < 0 && errno == EINTR) continue;
    if (r == 0) return Read::kTimeout;
    if (r < 0) return Read::kClosed;
    char chunk[4096];
    const ssize_t n = read(fromChild_, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return Read::kClosed;
    buffer_.append(chunk, static_cast<std::size_t>(n));
    if (buffer_.size() > (1u << 20)) return Read::kClosed;  // not GTP
  }
}

GtpProcess::Answer GtpProcess::Send(const std::string& command, int timeoutMs) {
  Answer a;
  if (pid_ < 0) {
    a.failure = "engine not running";
    return a;
  }
  const std::string line = command + "\n";
  std::size_t sent = 0;
  while (sent < line.size()) {
    const ssize_t n = write(toChild_, line.data() + sent, line.size() - sent);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      a.failure = "engine closed its input (crashed?)";
      return a;
    }
    sent += static_cast<std::size_t>(n);
  }
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  std::string first;
  // Skip stray empty lines before the answer.
  do {
    const Read r = ReadLine(first, MillisLeft(deadline));
    if (r != Read::kLine) {
      a.failure = r == Read::kTimeout ? "no answer in time"
                                      : "engine stopped answering (crashed?)";
      return a;
    }
  } while (first.empty());
  if (first[0] != '=' && first[0] != '?') {
    a.failure = "not a GTP answer: " + first.substr(0, 60);
    return a;
  }
  a.ok = first[0] == '=';
  std::size_t k = 1;
  while (k < first.size() && std::isdigit(static_cast<unsigned char>(first[k]))) ++k;
  while (k < first.size() && first[k] == ' ') ++k;
  a.text = first.substr(k);
  for (std::string more; ReadLine(more, MillisLeft(deadline)) == Read::kLine;) {
    if (more.empty()) return a;
    a.text += "\n" + more;
  }
  a.failure = "answer not ended by an empty line";
  return a;
}

void GtpProcess::Stop() {
  if (pid_ < 0) return;
  platform::ChildProcess child{pid_, toChild_, fromChild_};
  // Give it half a second to leave by itself, then make sure.
  platform::EndChild(child, "quit\n", 500);
  pid_ = -1;
  toChild_ = fromChild_ = -1;
  buffer_.clear();
}

}  // namespace kz::match
