#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

namespace kz::platform {
namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

mode_t NewFileMode(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path,
                                         std::size_t maxBytes) {
  // Non-blocking, so that a named pipe or a device cannot hold the open;
  // anything but a regular file is then refused.
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) return std::nullopt;
  struct stat st;
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::string bytes;
  char buffer[8192];
  while (bytes.size() < maxBytes) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    bytes.append(buffer, std::min(static_cast<std::size_t>(n), maxBytes - bytes.size()));
  }
  return bytes;
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
  if (path.empty() || path.back() == '/') return false;
  const std::string::size_type slash = path.rfind('/');
  const std::string dir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  std::string name = dir + ".kazaori-XXXXXX";
  std::vector<char> tmp(name.begin(), name.end());
  tmp.push_back('\0');
  Fd fd(::mkstemp(tmp.data()));
  if (fd.get() < 0) return false;
  const std::string tmpPath(tmp.data());
  const bool written = WriteAll(fd.get(), bytes) &&
                       ::fchmod(fd.get(), NewFileMode(path)) == 0 &&
                       ::fsync(fd.get()) == 0 && fd.Close() &&
                       ::rename(tmpPath.c_str(), path.c_str()) == 0;
  if (!written) ::unlink(tmpPath.c_str());
  return written;
}

}  // namespace kz::platform
