#include "link/gmp_packet.h"

#include <cstring>

namespace kz::link::gmp {

Packet MakePacket(int ownBit, int peerBit, int command, int value) {
  Packet p{};
  p[0] = static_cast<std::uint8_t>(((peerBit & 1) << 1) | (ownBit & 1));
  p[2] = static_cast<std::uint8_t>(0x80 | ((command & 7) << 4) | ((value >> 7) & 7));
  p[3] = static_cast<std::uint8_t>(0x80 | (value & 0x7F));
  p[1] = Checksum(p[0], p[2], p[3]);
  return p;
}

bool IsFramed(const std::uint8_t* b) {
  return (b[0] & 0xFC) == 0 && (b[1] & 0x80) && (b[2] & 0x80) && (b[3] & 0x80) &&
         b[1] == Checksum(b[0], b[2], b[3]);
}

bool IsValid(const Packet& p) { return IsFramed(p.data()) && (p[2] & 0x08) == 0; }

int EncodePosition(int size, int x, int y) { return x + (size - y) * size; }

bool DecodePosition(int size, int position, int* x, int* y) {
  if (size <= 0 || position < 1 || position > size * size) return false;
  *x = (position - 1) % size + 1;
  *y = size - (position - 1) / size;
  return true;
}

std::size_t ReceiveBuffer::Append(const std::uint8_t* bytes, std::size_t n,
                                  std::int64_t nowMs) {
  std::size_t take = n < Room() ? n : Room();
  if (take == 0) return 0;
  std::memcpy(bytes_.data() + size_, bytes, take);
  size_ += take;
  lastArrivalMs_ = nowMs;
  return take;
}

bool ReceiveBuffer::Next(Packet* out) {
  while (size_ >= 4) {
    if (!IsFramed(bytes_.data())) {
      Consume(1);
      ++dropped_;
      continue;
    }
    Packet p{bytes_[0], bytes_[1], bytes_[2], bytes_[3]};
    Consume(4);
    if (!IsValid(p)) {
      dropped_ += 4;
      continue;
    }
    *out = p;
    return true;
  }
  return false;
}

void ReceiveBuffer::DropStale(std::int64_t nowMs) {
  if (size_ > 0 && size_ < 4 && nowMs - lastArrivalMs_ > kStaleMs) {
    dropped_ += size_;
    size_ = 0;
  }
}

void ReceiveBuffer::Consume(std::size_t n) {
  std::memmove(bytes_.data(), bytes_.data() + n, size_ - n);
  size_ -= n;
}

}  // namespace kz::link::gmp
