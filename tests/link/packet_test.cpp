// Packet layout, checksum, positions and the receive buffer.
#include "link/gmp_packet.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace kz::link::gmp {
namespace {

TEST(PacketTest, LayoutMatchesBytesSeenFromGnuGo) {
  // An OK carrying 1023 and a MOVE at the centre of 9 lines, as GNU Go 3.8
  // sends them.
  EXPECT_EQ(MakePacket(0, 1, kOk, 1023), (Packet{0x02, 0x88, 0x87, 0xFF}));
  EXPECT_EQ(MakePacket(1, 1, kMove, 41), (Packet{0x03, 0xFC, 0xD0, 0xA9}));
  EXPECT_EQ(MakePacket(1, 0, kNewGame, 0), (Packet{0x01, 0xA1, 0xA0, 0x80}));
  Packet p = MakePacket(1, 0, kMove, 0x200 | 511);
  EXPECT_EQ(OwnBitOf(p), 1);
  EXPECT_EQ(PeerBitOf(p), 0);
  EXPECT_EQ(CommandOf(p), kMove);
  EXPECT_EQ(ValueOf(p), 0x3FF);
  EXPECT_TRUE(IsValid(p));
}

TEST(PacketTest, ChecksumKeepsSevenBitsAndSetsTheTopBit) {
  EXPECT_EQ(Checksum(0x03, 0xF7, 0xFF), ((0x03 + 0xF7 + 0xFF) & 0x7F) | 0x80);
  Packet p = MakePacket(0, 0, kAnswer, 9);
  p[1] ^= 0x04;
  EXPECT_FALSE(IsValid(p));
  Packet q = MakePacket(0, 0, kAnswer, 9);
  q[2] |= 0x08;
  q[1] = Checksum(q[0], q[2], q[3]);
  EXPECT_TRUE(IsFramed(q.data()));
  EXPECT_FALSE(IsValid(q)) << "bit 3 of byte 2 is refused";
}

TEST(PositionTest, CornersOfEachBoard) {
  for (int n : {9, 13, 19}) {
    EXPECT_EQ(EncodePosition(n, 1, n), 1) << "bottom-left, " << n;
    EXPECT_EQ(EncodePosition(n, n, n), n) << "bottom-right, " << n;
    EXPECT_EQ(EncodePosition(n, 1, 1), n * (n - 1) + 1) << "top-left, " << n;
    EXPECT_EQ(EncodePosition(n, n, 1), n * n) << "top-right, " << n;
  }
  EXPECT_EQ(EncodePosition(19, 1, 1), 343);
  EXPECT_EQ(EncodePosition(19, 19, 1), 361);
}

TEST(PositionTest, EveryPointComesBackAndNothingElseDecodes) {
  for (int n : {9, 13, 19}) {
    for (int x = 1; x <= n; ++x) {
      for (int y = 1; y <= n; ++y) {
        int dx = 0, dy = 0;
        ASSERT_TRUE(DecodePosition(n, EncodePosition(n, x, y), &dx, &dy));
        ASSERT_EQ(dx, x);
        ASSERT_EQ(dy, y);
      }
    }
    int x, y;
    EXPECT_FALSE(DecodePosition(n, 0, &x, &y));
    EXPECT_FALSE(DecodePosition(n, n * n + 1, &x, &y));
    EXPECT_FALSE(DecodePosition(n, 511, &x, &y));
  }
}

std::vector<std::uint8_t> Bytes(std::initializer_list<Packet> packets) {
  std::vector<std::uint8_t> v;
  for (const Packet& p : packets) v.insert(v.end(), p.begin(), p.end());
  return v;
}

TEST(ReceiveBufferTest, PacketsSentBackToBackAreTakenOneAfterAnother) {
  ReceiveBuffer b;
  Packet ok = MakePacket(0, 1, kOk, 1023), move = MakePacket(1, 1, kMove, 41);
  auto bytes = Bytes({ok, move});
  bytes.push_back(0x01);  // and the start of a third
  ASSERT_EQ(b.Append(bytes.data(), bytes.size(), 0), bytes.size());
  Packet p;
  ASSERT_TRUE(b.Next(&p));
  EXPECT_EQ(p, ok);
  ASSERT_TRUE(b.Next(&p));
  EXPECT_EQ(p, move);
  EXPECT_FALSE(b.Next(&p));
  EXPECT_EQ(b.Size(), 1u);
  EXPECT_EQ(b.Dropped(), 0u);
}

TEST(ReceiveBufferTest, ResynchronisesAfterNoiseAndBadPackets) {
  ReceiveBuffer b;
  Packet good = MakePacket(1, 0, kMove, 77);
  Packet bad = good;
  bad[1] ^= 0x10;
  std::vector<std::uint8_t> bytes = {0x00, 0x03, 0x7F, 0xFF, 0x02, 0x80};
  auto rest = Bytes({bad, good});
  bytes.insert(bytes.end(), rest.begin(), rest.end());
  b.Append(bytes.data(), bytes.size(), 0);
  Packet p;
  ASSERT_TRUE(b.Next(&p));
  EXPECT_EQ(p, good);
  EXPECT_FALSE(b.Next(&p));
  EXPECT_EQ(b.Dropped(), 10u);
}

TEST(ReceiveBufferTest, ShortRemainderWaitsThenGoesStale) {
  ReceiveBuffer b;
  Packet good = MakePacket(0, 0, kQuery, 11);
  b.Append(good.data(), 2, 1000);
  Packet p;
  EXPECT_FALSE(b.Next(&p));
  b.DropStale(1500);
  EXPECT_EQ(b.Size(), 2u) << "kept while more may come";
  b.Append(good.data() + 2, 2, 1600);
  ASSERT_TRUE(b.Next(&p));
  EXPECT_EQ(p, good);

  b.Append(good.data(), 3, 2000);
  b.DropStale(3001);
  EXPECT_EQ(b.Size(), 0u);
}

TEST(ReceiveBufferTest, NeverTakesMoreThanItsRoom) {
  ReceiveBuffer b;
  std::mt19937 random(7);
  std::vector<std::uint8_t> noise(1000);
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
  std::size_t taken = b.Append(noise.data(), noise.size(), 0);
  EXPECT_EQ(taken, ReceiveBuffer::kCapacity);
  Packet p;
  while (b.Next(&p)) {
  }
  EXPECT_LT(b.Size(), 4u);
  EXPECT_GT(b.Room(), ReceiveBuffer::kCapacity - 4);
}

}  // namespace
}  // namespace kz::link::gmp
