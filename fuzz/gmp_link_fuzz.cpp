// The Go Modem Protocol on an arbitrary line: the bytes of the input arrive
// in pieces of arbitrary length at arbitrary times, into a bare receive
// buffer and into a link in a game. The buffer must hand out only framed
// packets and account for every byte; the link must answer only with valid
// packets and hand out only remote move codes the controller knows.
//
// Input: one byte of game set-up (bit 0 the link's colour, bits 1-2 the
// board size, bit 3 a later game of a series), then pieces: a header byte
// (bits 0-3 how many line bytes follow, bits 4-6 how long the line was quiet
// before them, bit 7 the own side moves afterwards, at the point named by
// the byte after the piece).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "fuzz_check.h"
#include "memory_port.h"
#include "link/modem_link.h"

namespace kz::link {
namespace {

using fuzz::Require;

using fuzz::MemoryPort;  // its far end is the fuzz input

constexpr std::int64_t kQuiet[8] = {0, 1, 20, 400, 1'001, 10'001, 30'001, 60'001};

void RequireSentPackets(MemoryPort& port, std::size_t* checked) {
  Require(port.sent.size() % 4 == 0, "the link writes whole packets");
  for (; *checked + 4 <= port.sent.size(); *checked += 4) {
    gmp::Packet p;
    for (int b = 0; b < 4; ++b) p[b] = port.sent[*checked + b];
    Require(gmp::IsValid(p), "every packet the link sends is valid");
  }
}

void RequireKnownCode(int code, int size) {
  if (code == kRemoteNone || code == kRemotePass || code == kRemoteResign ||
      code == kRemoteOffBoard) {
    return;
  }
  if (IsRemoteUndo(code)) {
    Require(RemoteUndoCount(code) >= 0 && RemoteUndoCount(code) <= 1023, "undo count 0..1023");
    return;
  }
  const int x = code / 100, y = code % 100;
  Require(x >= 1 && x <= size && y >= 1 && y <= size, "remote move on the board");
}

}  // namespace
}  // namespace kz::link

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kz::link;
  if (size == 0) return 0;
  const int setup = data[0];
  const int boardSize = (setup >> 1 & 3) == 0 ? 9 : (setup >> 1 & 3) == 1 ? 13 : 19;

  std::int64_t now = 1'000'000;
  auto portOwner = std::make_unique<MemoryPort>();
  MemoryPort& port = *portOwner;
  CModemLink link({}, std::move(portOwner), [&now] { return now; });
  Require(link.OpenDevice("line") == kOpenOk, "the scripted line opens");
  Require(link.StartGame(boardSize, 1, (setup & 1) ? kLinkWhite : kLinkBlack,
                         (setup & 8) ? 2 : 1),
          "a game starts on an open line");

  gmp::ReceiveBuffer buffer;
  std::size_t appended = 0, cut = 0, checked = 0;
  std::size_t at = 1;
  while (at < size) {
    const int header = data[at++];
    const std::size_t n = std::min<std::size_t>(header & 15, size - at);
    now += kQuiet[header >> 4 & 7];

    // The bare buffer takes the piece as far as it has room.
    buffer.DropStale(now);
    std::size_t taken = 0;
    while (taken < n) {
      const std::size_t k = buffer.Append(data + at + taken, n - taken, now);
      appended += k;
      taken += k;
      gmp::Packet p;
      bool any = false;
      while (buffer.Next(&p)) {
        Require(gmp::IsFramed(p.data()) && gmp::IsValid(p), "the buffer hands out valid packets");
        cut += 4;
        any = true;
      }
      Require(buffer.Size() <= gmp::ReceiveBuffer::kCapacity, "the buffer keeps to its size");
      if (k == 0 && !any) break;  // full of bytes that are not a packet yet
    }

    for (std::size_t k = 0; k < n; ++k) port.incoming.push_back(data[at + k]);
    at += n;
    link.Poll();
    RequireSentPackets(port, &checked);
    RequireKnownCode(link.PollRemoteMove(), link.Size());
    RequireSentPackets(port, &checked);
    if ((header & 0x80) && at < size) {
      const int point = data[at++];
      link.Send(point % (boardSize + 1), point / (boardSize + 1) % (boardSize + 1));
      RequireSentPackets(port, &checked);
    }
  }
  Require(appended == cut + buffer.Dropped() + buffer.Size(),
          "every byte taken is in a packet, thrown away or still waiting");
  // Whatever came, the link keeps its promises to the controller.
  Require(link.Size() == boardSize, "the peer cannot change the link's board");
  for (int k = 0; k < 4; ++k) {
    now += 61'000;
    link.Poll();
    RequireSentPackets(port, &checked);
    RequireKnownCode(link.PollRemoteMove(), link.Size());
  }
  return 0;
}
