// SerialPort on a POSIX terminal device.
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "link/serial_port.h"

namespace kz::link {

namespace {

speed_t SpeedOf(int baud) {
  switch (baud) {
    case 1200: return B1200;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    default: return B2400;
  }
}

class TermiosPort final : public SerialPort {
 public:
  ~TermiosPort() override { Close(); }

  int Open(const std::string& device, int baud) override {
    Close();
    if (device.empty()) return kOpenError;
    int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return kOpenError;
#ifdef TIOCEXCL
    ::ioctl(fd, TIOCEXCL);  // not shared: later opens by others fail
#endif
    termios t{};
    if (::tcgetattr(fd, &t) != 0) {  // not a terminal device
      ::close(fd);
      return kOpenDcbError;
    }
    speed_t speed = SpeedOf(baud);
    if (::cfsetispeed(&t, speed) != 0 || ::cfsetospeed(&t, speed) != 0) {
      ::close(fd);
      return kOpenDcbError;
    }
    // Raw bytes: no line editing, no translation, no echo, no signals.
    t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR |
                                        IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK);
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    // 8 data bits, no parity, one stop bit, receiver on, modem lines ignored
    // for opening and reading; RTS/CTS handshake where the system has it.
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    t.c_cflag |= CS8 | CREAD | CLOCAL;
#ifdef CRTSCTS
    t.c_cflag |= CRTSCTS;
#endif
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &t) != 0) {
      ::close(fd);
      return kOpenSetupError;
    }
    fd_ = fd;
    return kOpenOk;
  }

  bool Close() override {
    if (fd_ < 0) return true;
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

  bool IsOpen() const override { return fd_ >= 0; }

  bool Write(const std::uint8_t* bytes, std::size_t n) override {
    if (fd_ < 0) return false;
    std::size_t done = 0;
    for (int tries = 0; done < n && tries < 3; ++tries) {
      ssize_t w = ::write(fd_, bytes + done, n - done);
      if (w > 0) {
        done += static_cast<std::size_t>(w);
      } else if (w < 0 && errno != EAGAIN && errno != EINTR) {
        return false;
      }
    }
    return done == n;
  }

  int Read(std::uint8_t* bytes, std::size_t n) override {
    if (fd_ < 0) return -1;
    if (n == 0) return 0;
    for (;;) {
      ssize_t r = ::read(fd_, bytes, n);
      if (r > 0) return static_cast<int>(r);
      if (r == 0) return Hungup() ? -1 : 0;
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
      return -1;
    }
  }

  int Waiting() override {
    if (fd_ < 0) return -1;
    // A pseudo-terminal reports its bytes to FIONREAD only once poll() has
    // seen them.
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0) return errno == EINTR ? 0 : -1;
    int n = 0;
    if (::ioctl(fd_, FIONREAD, &n) != 0) return -1;
    if (n == 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) return -1;
    return n;
  }

 private:
  bool Hungup() const {
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL));
  }

  int fd_ = -1;
};

}  // namespace

std::unique_ptr<SerialPort> MakeTermiosPort() { return std::make_unique<TermiosPort>(); }

}  // namespace kz::link
