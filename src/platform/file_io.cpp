#include "platform/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
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

constexpr std::string_view kTemporaryPrefix = ".kazaori-";

// The directory part of a path with its slash ("" for a bare name).
std::string DirectoryOf(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
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
  std::string name = DirectoryOf(path) + std::string(kTemporaryPrefix) + "XXXXXX";
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

bool IsReplacingTemporaryName(std::string_view name) {
  if (name.size() != kTemporaryPrefix.size() + 6 || !name.starts_with(kTemporaryPrefix))
    return false;
  for (const char c : name.substr(kTemporaryPrefix.size()))
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
      return false;
  return true;
}

int RemoveStaleTemporariesBeside(const std::string& path, std::time_t olderThan,
                                  std::string_view contentPrefix) {
  const std::string dir = DirectoryOf(path);
  const std::string base = dir.empty() ? "./" : dir;
  DIR* d = ::opendir(base.c_str());
  if (d == nullptr) return 0;
  int removed = 0;
  while (const dirent* e = ::readdir(d)) {
    if (!IsReplacingTemporaryName(e->d_name)) continue;
    const std::string temporary = base + e->d_name;
    struct stat st;
    if (::lstat(temporary.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid() ||
        st.st_mtime >= olderThan)
      continue;
    const auto head = ReadFileBytes(temporary, contentPrefix.size());
    if (!head || *head != contentPrefix) continue;
    if (::unlink(temporary.c_str()) == 0) ++removed;
  }
  ::closedir(d);
  return removed;
}

std::time_t ProcessStartTime() {
  static const std::time_t start = [] {
    const std::time_t now = std::time(nullptr);
    // Field 22 of /proc/self/stat: clock ticks from boot to the start; the
    // fields after the command name's closing parenthesis start at 3.
    std::ifstream statFile("/proc/self/stat");
    const std::string stat((std::istreambuf_iterator<char>(statFile)),
                           std::istreambuf_iterator<char>());
    const std::string::size_type paren = stat.rfind(')');
    if (paren == std::string::npos) return now;
    std::istringstream fields(stat.substr(paren + 1));
    std::string field;
    for (int k = 3; k <= 22 && fields >> field; ++k) {
    }
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    unsigned long long ticks = 0;
    if (field.empty() || ticksPerSecond <= 0 ||
        std::sscanf(field.c_str(), "%llu", &ticks) != 1)
      return now;
    std::ifstream procStat("/proc/stat");
    for (std::string line; std::getline(procStat, line);) {
      long long bootTime = 0;
      if (std::sscanf(line.c_str(), "btime %lld", &bootTime) == 1) {
        const std::time_t started =
            static_cast<std::time_t>(bootTime + static_cast<long long>(ticks) / ticksPerSecond);
        return started <= now ? started : now;
      }
    }
    return now;
  }();
  return start;
}

}  // namespace kz::platform
