// The termios serial port on pseudo-terminals and on things that are not
// serial ports.
#include "link/serial_port.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <fstream>

#include "link/modem_link.h"
#include "link/pty_peer.h"
#include "support/temp_dir.h"

namespace kz::link {
namespace {

TEST(SerialPortTest, OpenResults) {
  auto port = MakeTermiosPort();
  EXPECT_EQ(port->Open("/nonexistent/ttyS9", kLinkBaud), kOpenError);
  EXPECT_EQ(port->Open("", kLinkBaud), kOpenError);
  EXPECT_EQ(port->Open("/dev/null", kLinkBaud), kOpenDcbError) << "not a terminal";
  EXPECT_FALSE(port->IsOpen());
  std::uint8_t byte;
  EXPECT_EQ(port->Read(&byte, 1), -1) << "a closed port";
  EXPECT_FALSE(port->Write(&byte, 1));
}

TEST(SerialPortTest, PortNumbersNameTheDevicesOfTheSettingsFile) {
  test::TempDir dir;
  platform::ProfileFile empty(dir / "none.ini");
  LinkDevices defaults = ReadLinkDevices(empty);
  EXPECT_EQ(defaults.Of(1), "/dev/ttyS0");
  EXPECT_EQ(defaults.Of(2), "/dev/ttyS1");

  {
    std::ofstream ini(dir / "kazaori.ini");
    ini << "[Init]\nRosu=9\n[Link]\nPort1=/dev/ttyUSB0\nPort2=\n";
  }
  platform::ProfileFile file(dir / "kazaori.ini");
  LinkDevices d = ReadLinkDevices(file);
  EXPECT_EQ(d.Of(1), "/dev/ttyUSB0");
  EXPECT_EQ(d.Of(2), "/dev/ttyS1") << "an empty value counts as missing";
  EXPECT_EQ(d.Of(0), "/dev/ttyUSB0") << "any number but 2 is Port1";
  EXPECT_EQ(d.Of(10), "/dev/ttyUSB0");
}

TEST(SerialPortTest, LinkOpensThePortOfItsNumber) {
  test::PtyPeer peer;
  LinkDevices devices;
  devices.port1 = "/nonexistent/port1";
  devices.port2 = peer.Device();
  CModemLink link(devices);
  EXPECT_EQ(link.Open(1), kOpenError);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(link.Open(2), kOpenOk);
  EXPECT_TRUE(link.IsOpen());
  EXPECT_TRUE(link.Close());
  EXPECT_FALSE(link.IsOpen());
}

TEST(SerialPortTest, OpensRawAt2400EightNoneOneWithHandshake) {
  test::PtyPeer peer;
  ASSERT_TRUE(peer.Opened());
  auto port = MakeTermiosPort();
  ASSERT_EQ(port->Open(peer.Device(), kLinkBaud), kOpenOk);
  int fd = open(peer.Device().c_str(), O_RDONLY | O_NOCTTY);
  ASSERT_GE(fd, 0);
  termios t{};
  ASSERT_EQ(tcgetattr(fd, &t), 0);
  close(fd);
  EXPECT_EQ(cfgetospeed(&t), B2400);
  EXPECT_EQ(cfgetispeed(&t), B2400);
  EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB), 0u);
  EXPECT_NE(t.c_cflag & CRTSCTS, 0u);
  EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
  EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
  EXPECT_EQ(t.c_oflag & OPOST, 0u);
  EXPECT_TRUE(port->Close());
  EXPECT_TRUE(port->Close()) << "closing twice is harmless";
}

TEST(SerialPortTest, ReadsNeverWaitAndReportAHangUp) {
  test::PtyPeer peer;
  auto port = MakeTermiosPort();
  ASSERT_EQ(port->Open(peer.Device(), kLinkBaud), kOpenOk);
  std::uint8_t bytes[16];
  EXPECT_EQ(port->Read(bytes, sizeof bytes), 0);
  EXPECT_EQ(port->Waiting(), 0);
  peer.SendBytes({1, 2, 3, 0x80, 0xFF});  // raw: no byte is translated
  int waiting = 0;
  for (int i = 0; i < 1000 && waiting < 5; ++i) {
    waiting = port->Waiting();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_EQ(waiting, 5);
  ASSERT_EQ(port->Read(bytes, sizeof bytes), 5);
  EXPECT_EQ(bytes[3], 0x80);
  EXPECT_EQ(bytes[4], 0xFF);
  const std::uint8_t out[4] = {0, 0x87, 0x87, 0xFF};
  EXPECT_TRUE(port->Write(out, 4));
  gmp::Packet p;
  ASSERT_TRUE(peer.Receive(&p));
  EXPECT_EQ(p, (gmp::Packet{0, 0x87, 0x87, 0xFF}));
  peer.HangUp();
  EXPECT_EQ(port->Read(bytes, sizeof bytes), -1);
  EXPECT_EQ(port->Waiting(), -1);
}

}  // namespace
}  // namespace kz::link
