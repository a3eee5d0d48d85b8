// A scripted Go Modem Protocol peer on the master side of a pseudo-terminal
// pair: the link under test opens the slave side's path as its serial port.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/gmp_packet.h"

namespace kz::test {

class PtyPeer {
 public:
  PtyPeer();
  ~PtyPeer();
  PtyPeer(const PtyPeer&) = delete;
  PtyPeer& operator=(const PtyPeer&) = delete;

  // The slave side's path, to open as a serial port.
  const std::string& Device() const { return device_; }
  bool Opened() const { return master_ >= 0; }

  void SendBytes(const std::vector<std::uint8_t>& bytes);
  void SendPacket(const link::gmp::Packet& p);
  // A new command: flips the peer's own sequence bit; the other bit is the
  // link's bit last seen.
  link::gmp::Packet Command(int command, int value);
  // An OK for the link's last command.
  link::gmp::Packet Ok(int value = link::gmp::kOkValue);

  // The next packet the link sent, within `ms` milliseconds of real time.
  // Also notes the link's own sequence bit.
  bool Receive(link::gmp::Packet* out, int ms = 2000);
  // True when no byte arrives within `ms`.
  bool Silent(int ms = 150);
  // Closes the master side: the link's line hangs up.
  void HangUp();

  int ownBit = 0;   // the peer's own sequence bit
  int linkBit = 0;  // the link's sequence bit last seen

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string device_;
  std::vector<std::uint8_t> pending_;
};

}  // namespace kz::test
