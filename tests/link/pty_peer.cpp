#include "link/pty_peer.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

namespace kz::test {

PtyPeer::PtyPeer() {
  char name[256] = {};
  termios raw{};
  cfmakeraw(&raw);
  if (openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
    master_ = slave_ = -1;
    return;
  }
  device_ = name;
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtyPeer::~PtyPeer() {
  HangUp();
  if (slave_ >= 0) close(slave_);
}

void PtyPeer::SendBytes(const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t w = write(master_, bytes.data() + done, bytes.size() - done);
    if (w > 0) {
      done += static_cast<std::size_t>(w);
    } else {
      pollfd p{master_, POLLOUT, 0};
      if (poll(&p, 1, 1000) <= 0) return;
    }
  }
}

void PtyPeer::SendPacket(const link::gmp::Packet& p) { SendBytes({p.begin(), p.end()}); }

link::gmp::Packet PtyPeer::Command(int command, int value) {
  ownBit ^= 1;
  link::gmp::Packet p = link::gmp::MakePacket(ownBit, linkBit, command, value);
  SendPacket(p);
  return p;
}

link::gmp::Packet PtyPeer::Ok(int value) {
  link::gmp::Packet p = link::gmp::MakePacket(ownBit, linkBit, link::gmp::kOk, value);
  SendPacket(p);
  return p;
}

bool PtyPeer::Receive(link::gmp::Packet* out, int ms) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    std::uint8_t bytes[64];
    ssize_t n;
    while ((n = read(master_, bytes, sizeof bytes)) > 0) {
      pending_.insert(pending_.end(), bytes, bytes + n);
    }
    if (pending_.size() >= 4) break;
    auto left = std::chrono::duration_cast<std::chrono::microseconds>(
                    end - std::chrono::steady_clock::now()).count();
    if (left <= 0) return false;
    pollfd p{master_, POLLIN, 0};
    poll(&p, 1, static_cast<int>((left + 999) / 1000));
  }
  std::copy(pending_.begin(), pending_.begin() + 4, out->begin());
  pending_.erase(pending_.begin(), pending_.begin() + 4);
  linkBit = link::gmp::OwnBitOf(*out);
  return true;
}

bool PtyPeer::Silent(int ms) {
  if (!pending_.empty()) return false;
  pollfd p{master_, POLLIN, 0};
  return poll(&p, 1, ms) == 0;
}

void PtyPeer::HangUp() {
  if (master_ >= 0) close(master_);
  master_ = -1;
}

}  // namespace kz::test
