// The devices behind "Port1" and "Port2": kazaori.ini, section "Link", keys
// "Port1" and "Port2", so that a USB adapter or a pseudo-terminal leading to
// another Go program can stand in for a serial port; and the GTP program
// that stands behind the third choice, key "GtpProgram" (its command line)
// and "GtpMoveSeconds" (how long a move may take before the user is asked).
#pragma once

#include <string>

#include "platform/profile_file.h"

namespace kz::link {

constexpr const char* kDefaultPort1 = "/dev/ttyS0";
constexpr const char* kDefaultPort2 = "/dev/ttyS1";
// The port number of the GTP program.
constexpr int kGtpPort = 3;

struct LinkDevices {
  std::string port1 = kDefaultPort1;
  std::string port2 = kDefaultPort2;
  std::string gtpProgram;     // empty: none set
  int gtpMoveSeconds = 60;    // 1..3600

  // The device of port number `port`: 2 names Port2, every other number Port1.
  const std::string& Of(int port) const { return port == 2 ? port2 : port1; }
};

// Empty values count as missing. Without a GtpProgram key the GNU Go
// command line is the default when /usr/games/gnugo exists.
LinkDevices ReadLinkDevices(const platform::ProfileFile& file);
// Writes GtpProgram and GtpMoveSeconds.
void WriteGtpProgram(platform::ProfileFile& file, const LinkDevices& devices);

}  // namespace kz::link
