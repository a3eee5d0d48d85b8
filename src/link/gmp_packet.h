// Go Modem Protocol packets: the 4-byte layout, the checksum, the commands and
// the move positions, and the receive buffer that cuts packets out of the
// byte stream of the line.
//
//   byte 0  bit 0 the sender's own sequence bit, bit 1 the sequence bit of the
//           peer's last accepted command, bits 2-7 zero
//   byte 1  checksum of bytes 0, 2, 3 (low 7 bits of the sum), bit 7 set
//   byte 2  bits 0-2 value bits 7-9, bit 3 zero, bits 4-6 command, bit 7 set
//   byte 3  bits 0-6 value bits 0-6, bit 7 set
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kz::link::gmp {

using Packet = std::array<std::uint8_t, 4>;

enum Command : int {
  kOk = 0,
  kDeny = 1,
  kNewGame = 2,
  kQuery = 3,
  kAnswer = 4,
  kMove = 5,
  kUndo = 6,
  kExtended = 7,
};

constexpr int kOkValue = 1023;       // the value an OK carries
constexpr int kPassPosition = 0;     // MOVE position of a pass
constexpr int kResignPosition = 511; // MOVE position of a resignation
constexpr int kWhiteMoveBit = 0x200; // MOVE value bit 9: the mover is White

// Queries of the protocol that this program asks or answers specially.
enum Query : int {
  kQueryGame = 0,
  kQueryBufferSize = 1,
  kQueryProtocolVersion = 2,
  kQueryStones = 3,
  kQueryCharacterSet = 6,
  kQueryRules = 7,
  kQueryHandicap = 8,
  kQueryBoardSize = 9,
  kQueryColour = 11,
  kQueryWho = 12,
};

constexpr std::uint8_t Checksum(std::uint8_t b0, std::uint8_t b2, std::uint8_t b3) {
  return static_cast<std::uint8_t>(((b0 + b2 + b3) & 0x7F) | 0x80);
}

// A packet with both sequence bits, the command (0..7) and the value (0..1023).
Packet MakePacket(int ownBit, int peerBit, int command, int value);

// The fields of a packet.
inline int OwnBitOf(const Packet& p) { return p[0] & 1; }
inline int PeerBitOf(const Packet& p) { return (p[0] >> 1) & 1; }
inline int CommandOf(const Packet& p) { return (p[2] >> 4) & 7; }
inline int ValueOf(const Packet& p) { return ((p[2] & 7) << 7) | (p[3] & 0x7F); }

// Whether the bytes have the shape of a packet: byte 0 below 4, bit 7 set in
// bytes 1-3 and a matching checksum. Bit 3 of byte 2 is not looked at here.
bool IsFramed(const std::uint8_t* bytes);
// A framed packet the protocol accepts: bit 3 of byte 2 clear.
bool IsValid(const Packet& p);

// MOVE positions. (x, y) count from 1: x the column from the left, y the row
// from the top; position 1 is the bottom-left point and positions grow to the
// right, then upwards.
int EncodePosition(int size, int x, int y);
// Turns a received position back into (x, y); false when it names no point
// of the board (a pass, a resignation or a position past the last point).
bool DecodePosition(int size, int position, int* x, int* y);

// Bytes of the line, cut into packets. Bytes that cannot start a packet are
// thrown away one by one until a framed packet lines up again; a short
// remainder that gets no more bytes for a while counts as noise and goes too.
class ReceiveBuffer {
 public:
  static constexpr std::size_t kCapacity = 256;
  static constexpr std::int64_t kStaleMs = 1000;

  // Room left for new bytes.
  std::size_t Room() const { return kCapacity - size_; }
  // Appends up to Room() bytes that arrived at `nowMs`; returns how many
  // were taken.
  std::size_t Append(const std::uint8_t* bytes, std::size_t n, std::int64_t nowMs);
  // Takes the next framed packet out of the buffer. Framed packets with bit 3
  // of byte 2 set are taken out and dropped. False when no packet is complete.
  bool Next(Packet* out);
  // Drops a remainder shorter than a packet that has waited past kStaleMs.
  void DropStale(std::int64_t nowMs);
  void Clear() { size_ = 0; }
  std::size_t Size() const { return size_; }
  // Bytes thrown away as noise since the buffer was made.
  std::size_t Dropped() const { return dropped_; }

 private:
  void Consume(std::size_t n);

  std::array<std::uint8_t, kCapacity> bytes_{};
  std::size_t size_ = 0;
  std::size_t dropped_ = 0;
  std::int64_t lastArrivalMs_ = 0;
};

}  // namespace kz::link::gmp
