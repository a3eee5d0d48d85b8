// The Go Modem Protocol over a pseudo-terminal against a scripted peer, with
// a clock the tests move by hand.
#include "link/modem_link.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "link/pty_peer.h"

namespace kz::link {
namespace {

using gmp::Packet;
using test::PtyPeer;

class LinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(peer.Opened());
    ASSERT_EQ(link.OpenDevice(peer.Device()), kOpenOk);
    ASSERT_EQ(link.State(), LinkState::kOpen);
  }

  // Polls the link until `done` holds, for at most two seconds of real time
  // (bytes need a moment to cross the pseudo-terminal).
  template <class Pred>
  bool PollUntil(Pred done) {
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < end) {
      link.PollLine();
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }

  // Polls the link until it sends a packet; the peer takes it.
  Packet Reply() {
    Packet p{};
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < end) {
      link.PollLine();
      if (peer.Receive(&p, 2)) return p;
    }
    ADD_FAILURE() << "the link sent nothing";
    return p;
  }

  // The peer's command and the link's reply to it.
  Packet Ask(int command, int value) {
    peer.Command(command, value);
    return Reply();
  }

  // Polls for a short while and checks that the link sent nothing.
  void ExpectNothingSent() {
    for (int i = 0; i < 20; ++i) {
      link.PollLine();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_TRUE(peer.Silent(50));
  }

  // A game as Black up to the end of the peer's questions, as GNU Go asks
  // them: rules, size, handicap, colour, then its OK.
  void StartAsBlack(int size, int handicapCode) {
    link.StartGame(size, handicapCode + 1, kLinkBlack, 1);
    Packet p;
    ASSERT_TRUE(peer.Receive(&p));
    ASSERT_EQ(gmp::CommandOf(p), gmp::kNewGame);
    for (int q : {7, 9, 8, 11}) {
      Packet a = Ask(gmp::kQuery, q);
      ASSERT_EQ(gmp::CommandOf(a), gmp::kAnswer) << "query " << q;
    }
    peer.Ok();
    ASSERT_TRUE(PollUntil([&] { return link.State() == LinkState::kPlaying; }));
    now += 1000;  // quiet on the line: the first own move may go
  }

  // A game as White: the peer's NEWGAME, the link's two questions.
  void StartAsWhite(int size, int colourAnswer, int handicapAnswer) {
    link.StartGame(size, 1, kLinkWhite, 1);
    ExpectNothingSent();
    Packet q = Ask(gmp::kNewGame, 0);
    ASSERT_EQ(gmp::CommandOf(q), gmp::kQuery);
    ASSERT_EQ(gmp::ValueOf(q), 11);
    EXPECT_EQ(link.State(), LinkState::kPlaying);
    q = Ask(gmp::kAnswer, colourAnswer);
    ASSERT_EQ(gmp::CommandOf(q), gmp::kQuery);
    ASSERT_EQ(gmp::ValueOf(q), 8);
    Packet ok = Ask(gmp::kAnswer, handicapAnswer);
    ASSERT_EQ(gmp::CommandOf(ok), gmp::kOk);
    now += 1000;
  }

  std::int64_t now = 5'000'000;
  PtyPeer peer;
  CModemLink link{{}, nullptr, [this] { return now; }};
};

TEST_F(LinkTest, BlackSendsNewGameAndAnswersThePeersQuestions) {
  link.StartGame(9, 1, kLinkBlack, 1);
  EXPECT_EQ(link.State(), LinkState::kStarting);
  Packet p;
  ASSERT_TRUE(peer.Receive(&p));
  EXPECT_EQ(p, gmp::MakePacket(1, 0, gmp::kNewGame, 0));

  // Each question accepts the link's last command and is answered.
  struct { int query, answer; } table[] = {
      {7, 0}, {9, 9}, {8, 1}, {11, 2}, {0, 1}, {1, 5}, {2, 0}, {3, 0},
      {6, 1}, {12, 0}, {10, 0}, {0x205, 0}};
  for (auto t : table) {
    Packet a = Ask(gmp::kQuery, t.query);
    EXPECT_EQ(gmp::CommandOf(a), gmp::kAnswer) << "query " << t.query;
    EXPECT_EQ(gmp::ValueOf(a), t.answer) << "query " << t.query;
    EXPECT_EQ(gmp::PeerBitOf(a), peer.ownBit);
    EXPECT_EQ(link.State(), LinkState::kStarting) << "still awaiting the last OK";
  }
  peer.Ok();
  EXPECT_TRUE(PollUntil([&] { return link.State() == LinkState::kPlaying; }));
  EXPECT_FALSE(link.NewGameReceived());
}

TEST_F(LinkTest, HandicapIsAnnouncedAsTheNumberOfStones) {
  struct { int code, value; } table[] = {{0, 1}, {1, 1}, {2, 2}, {5, 5}, {9, 9}};
  for (auto t : table) {
    link.StartGame(19, t.code + 1, kLinkBlack, 1);
    Packet p;
    ASSERT_TRUE(peer.Receive(&p));
    peer.ownBit = 0;  // a new game: the peer starts its bits afresh too
    Packet a = Ask(gmp::kQuery, 8);
    EXPECT_EQ(gmp::ValueOf(a), t.value) << "handicap code " << t.code;
    EXPECT_EQ(gmp::ValueOf(Ask(gmp::kQuery, 9)), 19);
  }
}

TEST_F(LinkTest, WhiteAsksColourAndHandicapAfterThePeersNewGame) {
  StartAsWhite(13, 2, 0);
  EXPECT_TRUE(link.NewGameReceived());
  EXPECT_EQ(link.OwnColour(), kLinkWhite);
  EXPECT_EQ(link.PeerColour(), 2);
  EXPECT_EQ(link.PeerHandicap(), 1) << "a handicap answer of 0 is stored as 1";
  // The peer's own questions follow; White answers 1 to the colour question.
  EXPECT_EQ(gmp::ValueOf(Ask(gmp::kQuery, 11)), 1);
  EXPECT_EQ(gmp::ValueOf(Ask(gmp::kQuery, 9)), 13);
}

TEST_F(LinkTest, ColourAnswerDecidesTheSides) {
  StartAsWhite(9, 1, 3);  // the peer says it is White
  EXPECT_EQ(link.OwnColour(), kLinkBlack);
  EXPECT_EQ(link.PeerHandicap(), 3);

  PtyPeer other;
  CModemLink second{{}, nullptr, [this] { return now; }};
  ASSERT_EQ(second.OpenDevice(other.Device()), kOpenOk);
  second.StartGame(9, 1, kLinkWhite, 1);
  other.Command(gmp::kNewGame, 0);
  Packet p{};
  auto wait = [&] {
    for (int i = 0; i < 2000; ++i) {
      second.PollLine();
      if (other.Receive(&p, 1)) return true;
    }
    return false;
  };
  ASSERT_TRUE(wait());
  other.Command(gmp::kAnswer, 0);  // the peer does not know its colour
  ASSERT_TRUE(wait());
  EXPECT_EQ(second.OwnColour(), kLinkWhite) << "an unknown colour changes nothing";
}

TEST_F(LinkTest, MovesAreEncodedFromTheBottomLeftWithTheColourBit) {
  StartAsBlack(19, 0);
  struct { int x, y, value; } table[] = {
      {1, 1, 343}, {1, 19, 1}, {19, 1, 361}, {19, 19, 19}, {4, 16, 61},
      {0, 0, 0}, {3, 0, 511}, {0, 7, 511}};
  for (auto t : table) {
    ASSERT_TRUE(link.Send(t.x, t.y));
    Packet m = Reply();
    EXPECT_EQ(gmp::CommandOf(m), gmp::kMove);
    EXPECT_EQ(gmp::ValueOf(m), t.value) << t.x << "," << t.y;
    peer.Ok();
    EXPECT_TRUE(PollUntil([&] { return !link.AwaitingOk(); }));
  }
  EXPECT_FALSE(link.Send(20, 1)) << "a point off the board is not sent";
}

TEST_F(LinkTest, WhiteMovesCarryBitNine) {
  StartAsWhite(9, 2, 1);
  ASSERT_TRUE(link.Send(0, 0));
  Packet m = Reply();
  EXPECT_EQ(gmp::ValueOf(m), 0x200);
  peer.Ok();
  ASSERT_TRUE(link.Send(1, 1));  // queued until the OK comes
  m = Reply();
  EXPECT_EQ(gmp::ValueOf(m), 0x200 | 73);
}

TEST_F(LinkTest, FirstOwnMoveWaitsUntilThePeersQuestionsAreThrough) {
  // White in a handicap game moves first. GNU Go, as Black, asks its own
  // questions right after the link's last OK; a move sent at once would
  // cross them, and both sides would drop their command.
  link.StartGame(9, 3, kLinkWhite, 1);
  ASSERT_EQ(gmp::ValueOf(Ask(gmp::kNewGame, 0)), 11);
  ASSERT_EQ(gmp::ValueOf(Ask(gmp::kAnswer, 2)), 8);
  ASSERT_EQ(gmp::CommandOf(Ask(gmp::kAnswer, 2)), gmp::kOk);
  ASSERT_TRUE(link.Send(3, 7));  // the program's first move, at once
  ExpectNothingSent();
  now += 100;
  Packet a = Ask(gmp::kQuery, 7);
  EXPECT_EQ(gmp::CommandOf(a), gmp::kAnswer);
  now += 100;
  EXPECT_EQ(gmp::ValueOf(Ask(gmp::kQuery, 8)), 2) << "two stones";
  peer.Ok();
  ExpectNothingSent();
  now += CModemLink::kSettleMs;
  Packet m = Reply();
  EXPECT_EQ(gmp::CommandOf(m), gmp::kMove);
  EXPECT_EQ(gmp::ValueOf(m), 0x200 | gmp::EncodePosition(9, 3, 7));
  EXPECT_EQ(link.Conflicts(), 0);
  // Later moves go at once.
  Ask(gmp::kMove, 41);
  ASSERT_TRUE(link.Send(1, 1));
  EXPECT_EQ(gmp::CommandOf(Reply()), gmp::kMove);
}

TEST_F(LinkTest, RemoteMovesPassesResignationsAndUndos) {
  StartAsWhite(9, 2, 1);
  struct { int command, value, code; } table[] = {
      {gmp::kMove, 41, 505},         // the centre: column 5, row 5
      {gmp::kMove, 73, 101},         // top-left
      {gmp::kMove, 9, 909},          // bottom-right
      {gmp::kMove, 0x200 | 81, 901}, // colour bit ignored: top-right
      {gmp::kMove, 0, kRemotePass},
      {gmp::kMove, 511, kRemoteResign},
      {gmp::kMove, 82, kRemoteOffBoard},
      {gmp::kUndo, 3, kRemoteUndoBase - 3},
  };
  for (auto t : table) {
    Packet ok = Ask(t.command, t.value);
    EXPECT_EQ(gmp::CommandOf(ok), gmp::kOk);
    EXPECT_EQ(gmp::PeerBitOf(ok), peer.ownBit);
    EXPECT_EQ(ok, gmp::MakePacket(gmp::OwnBitOf(ok), peer.ownBit, gmp::kOk, 1023));
    EXPECT_EQ(link.PollRemoteMove(), t.code) << t.value;
  }
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
  EXPECT_TRUE(IsRemoteUndo(kRemoteUndoBase - 3));
  EXPECT_EQ(RemoteUndoCount(kRemoteUndoBase - 3), 3);
}

TEST_F(LinkTest, RepeatedCommandIsAnsweredButHandledOnce) {
  StartAsWhite(9, 2, 1);
  Packet move = peer.Command(gmp::kMove, 41);
  EXPECT_EQ(gmp::CommandOf(Reply()), gmp::kOk);
  peer.SendPacket(move);  // the OK was lost, the peer sends again
  EXPECT_EQ(gmp::CommandOf(Reply()), gmp::kOk);
  EXPECT_EQ(link.PollRemoteMove(), 505);
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
}

TEST_F(LinkTest, ExtendedIsDeniedAndDenyIsAcknowledged) {
  StartAsWhite(9, 2, 1);
  Packet d = Ask(gmp::kExtended, 5);
  EXPECT_EQ(gmp::CommandOf(d), gmp::kDeny);
  EXPECT_EQ(gmp::ValueOf(d), 0);
  EXPECT_TRUE(link.AwaitingOk());
  Packet ok = Ask(gmp::kDeny, 0);  // a command that accepts the DENY
  EXPECT_EQ(gmp::CommandOf(ok), gmp::kOk);
  EXPECT_FALSE(link.AwaitingOk());
}

TEST_F(LinkTest, BothSidesSendingAtOnceDropsTheOwnCommandForNow) {
  StartAsBlack(9, 0);
  int bitBefore = peer.linkBit;
  ASSERT_TRUE(link.Send(3, 3));
  Packet own = Reply();
  ASSERT_EQ(gmp::CommandOf(own), gmp::kMove);
  // The peer had not seen it and sends a command of its own, which does not
  // accept the link's move.
  peer.linkBit = bitBefore;
  Packet theirs = peer.Command(gmp::kUndo, 1);
  ASSERT_TRUE(PollUntil([&] { return link.Conflicts() == 1; }));
  EXPECT_FALSE(link.AwaitingOk());
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone) << "not handled at the clash";
  // The peer sends its command again: handled now.
  peer.SendPacket(theirs);
  Packet ok = Reply();
  EXPECT_EQ(gmp::CommandOf(ok), gmp::kOk);
  EXPECT_EQ(gmp::OwnBitOf(ok), bitBefore) << "the own sequence bit went back";
  EXPECT_EQ(link.PollRemoteMove(), kRemoteUndoBase - 1);
  // After a moment of quiet the dropped move goes out again, as a new command.
  now += 1000;
  Packet again = Reply();
  EXPECT_EQ(gmp::CommandOf(again), gmp::kMove);
  EXPECT_EQ(gmp::ValueOf(again), gmp::ValueOf(own));
  EXPECT_NE(gmp::OwnBitOf(again), bitBefore);
}

TEST_F(LinkTest, UnacknowledgedCommandIsResentAfterTenSecondsAndGivenUpAfterSixty) {
  StartAsBlack(9, 0);
  ASSERT_TRUE(link.Send(5, 5));
  Packet sent = Reply();
  now += 9'000;
  ExpectNothingSent();
  now += 2'000;
  EXPECT_EQ(Reply(), sent) << "the same four bytes";
  now += 11'000;
  EXPECT_EQ(Reply(), sent);
  EXPECT_FALSE(link.Failed());
  now += 40'000;  // 62 s after the first send
  link.PollLine();
  EXPECT_EQ(link.State(), LinkState::kNoAnswer);
    EXPECT_FALSE(link.AwaitingOk());
  EXPECT_FALSE(link.Send(0, 0));
}

TEST_F(LinkTest, BlackStartWithoutAnyAnswerFailsAfterThirtySeconds) {
  link.StartGame(19, 1, kLinkBlack, 1);
  Packet p;
  ASSERT_TRUE(peer.Receive(&p));
  now += 11'000;
  EXPECT_EQ(Reply(), p) << "NEWGAME resent";
  now += 19'500;
  link.PollLine();
  EXPECT_EQ(link.State(), LinkState::kNoAnswer);
}

TEST_F(LinkTest, LaterGamesOfASeriesWaitThirtySecondsBeforeNewGame) {
  link.StartGame(9, 1, kLinkBlack, 2);
  EXPECT_EQ(link.State(), LinkState::kDelaying);
  now += 29'000;
  ExpectNothingSent();
  now += 1'000;
  Packet p = Reply();
  EXPECT_EQ(p, gmp::MakePacket(1, 0, gmp::kNewGame, 0));
  EXPECT_EQ(link.State(), LinkState::kStarting);
}

TEST_F(LinkTest, MoveOfTheGameBeforeIsAcknowledgedAndDropped) {
  // The second game of a series, as Black: the peer's pass that trails the
  // first game comes while the link waits to send NEWGAME.
  link.StartGame(9, 1, kLinkBlack, 2);
  EXPECT_EQ(gmp::CommandOf(Ask(gmp::kMove, 0)), gmp::kOk);
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
  now += 30'000;
  EXPECT_EQ(gmp::CommandOf(Reply()), gmp::kNewGame);
  EXPECT_FALSE(link.AnythingReceived()) << "the trailing pass does not answer NEWGAME";
  peer.Ok();
  EXPECT_TRUE(PollUntil([&] { return link.State() == LinkState::kPlaying; }));
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
}

TEST_F(LinkTest, WhiteGivesUpWaitingForThePeerAfterTheResponseLimit) {
  link.SetResponseLimitMs(120'000);
  link.StartGame(9, 1, kLinkWhite, 1);
  now += 119'000;
  link.PollLine();
  EXPECT_EQ(link.State(), LinkState::kStarting);
  now += 2'000;
  link.PollLine();
  EXPECT_EQ(link.State(), LinkState::kNoAnswer);
}

TEST_F(LinkTest, SilentPeerDuringTheRemoteTurnEndsTheWait) {
  link.SetResponseLimitMs(60'000);
  StartAsWhite(9, 2, 1);
  for (int t = 0; t < 59; ++t) {  // the controller asks at every tick
    now += 1'000;
    ASSERT_EQ(link.PollRemoteMove(), kRemoteNone);
  }
  EXPECT_EQ(link.State(), LinkState::kPlaying);
  now += 3'000;  // 61 s since the wait began
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
  EXPECT_EQ(link.State(), LinkState::kNoAnswer);
}

TEST_F(LinkTest, PausedControllerDoesNotCountAsSilence) {
  link.SetResponseLimitMs(60'000);
  StartAsWhite(9, 2, 1);
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
  now += 600'000;  // ten minutes paused: no calls
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
  EXPECT_EQ(link.State(), LinkState::kPlaying);
}

TEST_F(LinkTest, OkAndMoveBackToBackAreBothTaken) {
  StartAsBlack(9, 0);
  ASSERT_TRUE(link.Send(5, 5));
  Reply();
  Packet ok = gmp::MakePacket(peer.ownBit, peer.linkBit, gmp::kOk, 1023);
  peer.ownBit ^= 1;
  Packet move = gmp::MakePacket(peer.ownBit, peer.linkBit, gmp::kMove, 0x200 | 31);
  std::vector<std::uint8_t> both(ok.begin(), ok.end());
  both.insert(both.end(), move.begin(), move.end());
  peer.SendBytes(both);
  EXPECT_EQ(gmp::CommandOf(Reply()), gmp::kOk);
  EXPECT_EQ(link.PollRemoteMove(), 4 * 100 + 6);  // 31 = column 4, row 6
}

TEST_F(LinkTest, PacketCutInTwoIsReadWhenItsLastByteArrives) {
  StartAsWhite(9, 2, 1);
  peer.ownBit ^= 1;
  Packet move = gmp::MakePacket(peer.ownBit, peer.linkBit, gmp::kMove, 41);
  peer.SendBytes({move[0], move[1], move[2]});
  ExpectNothingSent();
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
  peer.SendBytes({move[3]});
  EXPECT_EQ(gmp::CommandOf(Reply()), gmp::kOk);
  EXPECT_EQ(link.PollRemoteMove(), 505);
}

TEST_F(LinkTest, NoiseOnTheLineIsDroppedWithoutAWrongMove) {
  StartAsWhite(9, 2, 1);
  peer.ownBit ^= 1;
  Packet move = gmp::MakePacket(peer.ownBit, peer.linkBit, gmp::kMove, 41);
  Packet badSum = move;
  badSum[1] ^= 0x01;
  Packet bit3 = move;
  bit3[2] |= 0x08;
  bit3[1] = gmp::Checksum(bit3[0], bit3[2], bit3[3]);
  std::vector<std::uint8_t> noise = {0xFF, 0x00, 0x13, 0x80, 0x02};
  noise.insert(noise.end(), badSum.begin(), badSum.end());
  noise.insert(noise.end(), bit3.begin(), bit3.end());
  noise.insert(noise.end(), {move[0], move[1]});  // a half packet
  peer.SendBytes(noise);
  ExpectNothingSent();
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
  now += 2'000;  // the half packet goes stale
  link.PollLine();
  peer.SendPacket(move);
  EXPECT_EQ(gmp::CommandOf(Reply()), gmp::kOk);
  EXPECT_EQ(link.PollRemoteMove(), 505);
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
}

TEST_F(LinkTest, FloodOfRandomBytesLeavesTheLinkWorking) {
  StartAsWhite(9, 2, 1);
  std::mt19937 random(20261207);
  std::vector<std::uint8_t> flood(60'000);
  for (auto& b : flood) b = static_cast<std::uint8_t>(random() | 0x04);  // never 0..3
  for (std::size_t at = 0; at < flood.size(); at += 4096) {
    peer.SendBytes({flood.begin() + at, flood.begin() + std::min(flood.size(), at + 4096)});
    for (int i = 0; i < 5; ++i) link.PollLine();
  }
  EXPECT_TRUE(PollUntil([&] { return peer.Silent(1); }));
  EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
  EXPECT_EQ(link.State(), LinkState::kPlaying);
  now += 2'000;
  link.PollLine();
  Packet ok = Ask(gmp::kMove, 13);
  EXPECT_EQ(gmp::CommandOf(ok), gmp::kOk);
  EXPECT_EQ(link.PollRemoteMove(), 4 * 100 + 8);
}

TEST_F(LinkTest, PeerHangingUpIsALostLine) {
  StartAsWhite(9, 2, 1);
  peer.HangUp();
  EXPECT_TRUE(PollUntil([&] { return link.Failed(); }));
  EXPECT_EQ(link.State(), LinkState::kLineLost);
    EXPECT_EQ(link.PollRemoteMove(), kRemoteNone);
  EXPECT_TRUE(link.Close());
  EXPECT_EQ(link.State(), LinkState::kClosed);
}

TEST_F(LinkTest, CloseResetsTheProtocol) {
  StartAsWhite(13, 1, 1);
  EXPECT_EQ(link.OwnColour(), kLinkBlack);
  EXPECT_TRUE(link.Close());
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(link.Size(), 19);
  EXPECT_EQ(link.OwnColour(), kLinkBlack);
  EXPECT_FALSE(link.NewGameReceived());
  EXPECT_FALSE(link.Send(0, 0));
  EXPECT_FALSE(link.PollLine());
}

}  // namespace
}  // namespace kz::link
