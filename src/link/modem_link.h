// CModemLink: play over a serial line with the Go Modem Protocol.
//
// The link never waits. The game controller calls Poll() at every tick while
// the link is open (it reads what has arrived, answers the peer, resends an
// unacknowledged command after 10 s and gives it up after 60 s), and uses
// the GameLink calls:
//
//   Open(port) / OpenDevice(path)   kOpenOk, or kOpenError / kOpenDcbError /
//                                   kOpenSetupError
//   StartGame(size, handicap + 1, colour, game)   then Poll() until State()
//                                   is kPlaying, or Failed()
//   SendMove(x, y), SendResign()    the own side's moves; sent at once, or
//                                   queued until the peer is ready for them
//   PollRemoteMove()                the next remote move code, or kRemoteNone
//   Close()
//
// Remote move codes are those of game_link.h: x * 100 + y with x the column
// from the left and y the row from the top, both from 1, or a pass, a
// resignation, an undo of n moves, or kRemoteOffBoard.
//
// A peer that stays silent past the response limit while a remote move is
// awaited, a command given up after 60 s, a start without an answer and a
// line that hangs up all make Failed() true; the controller then shows
// "相手からの応答がありません".
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "link/gmp_packet.h"
#include "link/link_devices.h"
#include "link/serial_port.h"

namespace kz::link {

// The handicap value of the protocol for a handicap code: the number of
// stones, 1 for an even game and for 先 (codes 0 and 1).
constexpr int HandicapValue(int handicapCode) {
  return handicapCode >= 2 && handicapCode <= 9 ? handicapCode : 1;
}

enum class LinkState {
  kClosed,    // no port
  kOpen,      // port open, no game started
  kDelaying,  // later game of a series as Black: NEWGAME goes out after 30 s
  kStarting,  // NEWGAME sent, or waiting for the peer's first packet
  kPlaying,   // started: moves go back and forth
  kNoAnswer,  // the peer stopped answering
  kLineLost,  // the line failed or the other end hung up
};

class CModemLink final : public GameLink {
 public:
  using Clock = std::function<std::int64_t()>;  // milliseconds, monotonic

  static constexpr std::int64_t kResendMs = 10'000;
  static constexpr std::int64_t kGiveUpMs = 60'000;
  static constexpr std::int64_t kStartAnswerMs = 30'000;
  static constexpr std::int64_t kSeriesWaitMs = 30'000;
  static constexpr std::int64_t kDefaultResponseLimitMs = 300'000;
  // The first own command after a game start waits for this much quiet on
  // the line, so that it does not cross the peer's last questions.
  static constexpr std::int64_t kSettleMs = 500;

  // Port1 and Port2 lead to the two devices; a termios port and the steady
  // clock unless others are given.
  explicit CModemLink(LinkDevices devices = {}, std::unique_ptr<SerialPort> port = nullptr,
                      Clock clock = nullptr);
  ~CModemLink() override;
  CModemLink(const CModemLink&) = delete;
  CModemLink& operator=(const CModemLink&) = delete;

  // Opens port 1 or 2 (any number but 2 is port 1) at 2400 baud.
  int Open(int port) override;
  // Opens a device by its path at 2400 baud.
  int OpenDevice(const std::string& device);
  // Closes the port and resets the protocol state (sequence bits, flags,
  // size 19, own colour Black). False when closing the port failed.
  bool Close() override;
  bool IsOpen() const override;

  // Starts a game: board size 9, 13 or 19, handicap code + 1 (1..10), own
  // colour kLinkBlack or kLinkWhite, game number in a series counted from 1.
  // Black sends NEWGAME (after 30 s for the second and later games of a
  // series); White waits for the peer. The handicap is announced as the
  // number of stones (HandicapValue). False when the port is not open.
  bool StartGame(int size, int handicapCodePlusOne, int ownColour, int gameNumber) override;

  // Reads and handles everything that has arrived, resends or gives up the
  // command awaiting OK, sends what is queued when the peer is ready.
  void Poll() override { PollLine(); }
  // The same; true when something moved on (a command accepted or handled).
  bool PollLine();

  // The own side's move at (x, y), both counted from 1; (0, 0) a pass, a zero
  // in only one of them a resignation. False when the link cannot send.
  bool Send(int x, int y);
  void SendMove(int x, int y) override { Send(x, y); }
  void SendResign() override { Send(1, 0); }

  // Polls, then hands out the oldest remote move not yet taken (kRemoteNone
  // when there is none). While none comes, the silence of the peer is timed
  // and the link fails past the response limit.
  int PollRemoteMove() override;

  LinkState State() const { return state_; }
  bool Failed() const override { return state_ == LinkState::kNoAnswer || state_ == LinkState::kLineLost; }
  // Nothing outstanding: no command awaiting OK and none queued.
  bool Idle() const { return !awaitingOk_ && outgoing_.empty(); }
  bool AwaitingOk() const { return awaitingOk_; }
  bool NewGameReceived() const { return (linkState_ & 2) != 0; }
  bool AnythingReceived() const { return (linkState_ & 1) != 0; }

  int Size() const { return size_; }
  // Own colour; the peer's answer to the colour question can change it.
  int OwnColour() const { return ownColour_; }
  // The peer's handicap answer (number of stones, 1 = none), 0 before one came.
  int PeerHandicap() const { return peerHandicap_; }
  // The peer's colour answer (1 White, 2 Black, 0 unknown), -1 before one came.
  int PeerColour() const { return peerColour_; }
  // Own commands dropped because the peer sent one at the same moment (they
  // go out again once the peer's command is through).
  int Conflicts() const { return conflicts_; }

  void SetResponseLimitMs(std::int64_t ms) { responseLimitMs_ = ms; }

 private:
  struct Outgoing {
    int command;
    int value;
  };

  std::int64_t Now() const { return clock_(); }
  void ResetProtocol();
  void Fail(LinkState why);
  // Reads one packet from the line: 1 a packet, 0 none, -1 a line error.
  int ReadPacket(gmp::Packet* out);
  void SendCommand(int command, int value);
  void SendOk();
  void WriteOut();
  void Receive(const gmp::Packet& p, bool* progress);
  void Handle(int command, int value);
  void KeepRemoteMove(int code);
  void AskNextQuery();
  int AnswerTo(int query) const;
  void FlushOutgoing();
  void CheckResend();

  LinkDevices devices_;
  std::unique_ptr<SerialPort> port_;
  Clock clock_;
  gmp::ReceiveBuffer buffer_;
  LinkState state_ = LinkState::kClosed;

  int size_ = 19;
  int handicapValue_ = 1;
  int ownColour_ = kLinkBlack;
  int rules_ = 0;

  gmp::Packet out_{};
  int ownBit_ = 0;
  int peerBit_ = 0;
  bool awaitingOk_ = false;
  std::int64_t firstSentMs_ = 0;
  std::int64_t lastSentMs_ = 0;

  int queryIndex_ = 0;
  int lastQuery_ = -1;
  int linkState_ = 0;
  int peerColour_ = -1;
  int peerHandicap_ = 0;

  std::int64_t startMs_ = 0;        // when StartGame ran
  std::int64_t newGameDueMs_ = -1;  // Black's delayed NEWGAME, -1 none
  std::int64_t newGameSentMs_ = -1;
  std::int64_t lastTrafficMs_ = 0;  // last packet received or sent
  std::int64_t lastTakeMs_ = -1;    // last PollRemoteMove call
  std::int64_t waitFromMs_ = 0;     // the silence being timed starts here
  bool settled_ = false;            // an own command went out since the start
  std::int64_t responseLimitMs_ = kDefaultResponseLimitMs;
  int conflicts_ = 0;
  int readBudget_ = 0;
  Outgoing lastCommand_{-1, 0};  // the last command sent that awaits OK

  std::deque<Outgoing> outgoing_;
  std::deque<int> remoteMoves_;
};

}  // namespace kz::link
