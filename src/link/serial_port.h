// The serial port as the link layer sees it: a byte device opened on a path,
// read and written without ever waiting. The real one is a POSIX terminal
// device (termios); a USB adapter or a pseudo-terminal can stand in for a
// serial port, since only the path changes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/game_link.h"

namespace kz::link {

constexpr int kLinkBaud = 2400;

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Opens `device` at `baud`, 8 data bits, no parity, one stop bit, RTS/CTS
  // flow control, non-blocking; an open port is closed first. Returns kOpenOk,
  // kOpenError (cannot be opened), kOpenDcbError (not a serial device, or the
  // speed is refused) or kOpenSetupError (the settings cannot be applied).
  virtual int Open(const std::string& device, int baud) = 0;
  // True when the port was closed cleanly (or was not open).
  virtual bool Close() = 0;
  virtual bool IsOpen() const = 0;
  // Queues the bytes for sending; false when the line refused them.
  virtual bool Write(const std::uint8_t* bytes, std::size_t n) = 0;
  // Takes up to `n` waiting bytes without waiting: the count (0 when nothing
  // is waiting), or -1 for a line error (the other end hung up, the device
  // went away).
  virtual int Read(std::uint8_t* bytes, std::size_t n) = 0;
  // Bytes waiting to be read, or -1 for a line error.
  virtual int Waiting() = 0;
};

// The POSIX terminal implementation.
std::unique_ptr<SerialPort> MakeTermiosPort();

}  // namespace kz::link
