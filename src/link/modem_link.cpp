#include "link/modem_link.h"

#include <algorithm>
#include <chrono>

namespace kz::link {

namespace {

using namespace gmp;

// The program's own questions to the peer, asked after a NEWGAME from it.
constexpr int kQueryList[] = {kQueryColour, kQueryHandicap};
constexpr int kQueryCount = 2;

// Reading stops for this poll after so many bytes, so that a flood of noise
// cannot hold the program.
constexpr int kReadBudget = 4096;
// Remote moves kept for the controller at most; a peer that floods moves
// loses the oldest ones.
constexpr std::size_t kMaxRemoteMoves = 64;
// A gap this long between two PollRemoteMove calls means the controller did
// not wait (a pause): the silence is timed afresh.
constexpr std::int64_t kWaitGapMs = 5'000;

std::int64_t SteadyNowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

CModemLink::CModemLink(LinkDevices devices, std::unique_ptr<SerialPort> port, Clock clock)
    : devices_(std::move(devices)),
      port_(port ? std::move(port) : MakeTermiosPort()),
      clock_(clock ? std::move(clock) : Clock(SteadyNowMs)) {}

CModemLink::~CModemLink() { Close(); }

int CModemLink::Open(int port) { return OpenDevice(devices_.Of(port)); }

int CModemLink::OpenDevice(const std::string& device) {
  if (!port_) return kOpenSilentFailure;
  buffer_.Clear();
  ResetProtocol();
  int r = port_->Open(device, kLinkBaud);
  state_ = r == kOpenOk ? LinkState::kOpen : LinkState::kClosed;
  return r;
}

bool CModemLink::Close() {
  bool ok = port_ ? port_->Close() : true;
  ResetProtocol();
  buffer_.Clear();
  size_ = 19;
  ownColour_ = kLinkBlack;
  state_ = LinkState::kClosed;
  return ok;
}

bool CModemLink::IsOpen() const { return port_ && port_->IsOpen(); }

void CModemLink::ResetProtocol() {
  ownBit_ = 0;
  peerBit_ = 0;
  awaitingOk_ = false;
  queryIndex_ = 0;
  lastQuery_ = -1;
  linkState_ = 0;
  peerColour_ = -1;
  peerHandicap_ = 0;
  newGameDueMs_ = -1;
  newGameSentMs_ = -1;
  lastTakeMs_ = -1;
  settled_ = false;
  conflicts_ = 0;
  lastCommand_ = {-1, 0};
  outgoing_.clear();
  remoteMoves_.clear();
}

void CModemLink::Fail(LinkState why) {
  state_ = why;
  awaitingOk_ = false;
  outgoing_.clear();
}

bool CModemLink::StartGame(int size, int handicapCodePlusOne, int ownColour,
                           int gameNumber) {
  ResetProtocol();
  size_ = size;
  handicapValue_ = HandicapValue(handicapCodePlusOne - 1);
  ownColour_ = ownColour == kLinkWhite ? kLinkWhite : kLinkBlack;
  std::int64_t now = Now();
  startMs_ = now;
  lastTrafficMs_ = now;
  waitFromMs_ = now;
  if (!IsOpen()) {
    state_ = LinkState::kClosed;
    return false;
  }
  state_ = LinkState::kStarting;
  if (ownColour_ == kLinkBlack) {
    if (gameNumber >= 2) {
      newGameDueMs_ = now + kSeriesWaitMs;
      state_ = LinkState::kDelaying;
    } else {
      SendCommand(kNewGame, 0);
      newGameSentMs_ = now;
    }
  }
  return true;
}

int CModemLink::ReadPacket(Packet* out) {
  if (buffer_.Next(out)) return 1;
  std::uint8_t bytes[100];
  while (readBudget_ > 0) {
    std::size_t want = std::min<std::size_t>(sizeof bytes, buffer_.Room());
    want = std::min<std::size_t>(want, static_cast<std::size_t>(readBudget_));
    int n = port_->Read(bytes, want);
    if (n < 0) return -1;
    if (n == 0) break;
    readBudget_ -= n;
    buffer_.Append(bytes, static_cast<std::size_t>(n), Now());
    if (buffer_.Next(out)) return 1;
  }
  buffer_.DropStale(Now());
  return 0;
}

bool CModemLink::PollLine() {
  if (!IsOpen() || state_ == LinkState::kClosed || Failed()) return false;
  std::int64_t now = Now();
  if (state_ == LinkState::kDelaying && now >= newGameDueMs_) {
    newGameDueMs_ = -1;
    linkState_ &= ~1;  // what came during the wait belonged to the game before
    SendCommand(kNewGame, 0);
    newGameSentMs_ = now;
    state_ = LinkState::kStarting;
  }
  bool progress = false;
  readBudget_ = kReadBudget;
  for (;;) {
    Packet p;
    int r = ReadPacket(&p);
    if (r < 0) {
      Fail(LinkState::kLineLost);
      return progress;
    }
    if (r == 0) break;
    Receive(p, &progress);
    if (Failed()) return progress;
  }
  CheckResend();
  if (Failed()) return progress;

  now = Now();
  if (state_ == LinkState::kStarting) {
    if (newGameSentMs_ >= 0) {  // Black: NEWGAME is out
      if (!AnythingReceived()) {
        if (now - newGameSentMs_ >= kStartAnswerMs) Fail(LinkState::kNoAnswer);
      } else if (!awaitingOk_) {
        state_ = LinkState::kPlaying;
      }
    } else if (AnythingReceived()) {  // White: the peer has spoken
      state_ = LinkState::kPlaying;
    } else if (now - startMs_ > responseLimitMs_) {
      Fail(LinkState::kNoAnswer);
    }
  }
  if (!Failed()) FlushOutgoing();
  return progress;
}

void CModemLink::Receive(const Packet& p, bool* progress) {
  std::int64_t now = Now();
  lastTrafficMs_ = now;
  linkState_ |= 1;
  int s0 = OwnBitOf(p);
  int s1 = PeerBitOf(p);
  int command = CommandOf(p);
  int value = ValueOf(p);

  if (!awaitingOk_) {
    if (command == kOk || s1 != ownBit_) return;  // stale, or it missed our last
    if (s0 == peerBit_) {  // a repeat of a command already handled
      SendOk();
      return;
    }
    peerBit_ = s0;
    Handle(command, value);
    *progress = true;
    return;
  }
  if (command == kOk) {
    if (s1 == ownBit_ && s0 == peerBit_) {
      awaitingOk_ = false;
      *progress = true;
    }
    return;
  }
  if (s0 == peerBit_) return;  // its old command again; our resend answers it
  if (s1 == ownBit_) {         // it accepts ours and sends its next command
    awaitingOk_ = false;
    peerBit_ = s0;
    Handle(command, value);
    *progress = true;
    return;
  }
  // Both sides sent at once: ours is dropped and the peer's command is
  // handled when it comes again. Ours goes out again afterwards (after a
  // moment of quiet) unless it was a NEWGAME: the peer's game is played.
  awaitingOk_ = false;
  ownBit_ ^= 1;
  ++conflicts_;
  if (lastCommand_.command >= 0 && lastCommand_.command != kNewGame) {
    outgoing_.push_front(lastCommand_);
    settled_ = false;
  }
  *progress = true;
}

void CModemLink::Handle(int command, int value) {
  switch (command) {
    case kDeny:
      SendOk();
      break;
    case kNewGame:
      linkState_ |= 2;
      newGameDueMs_ = -1;
      remoteMoves_.clear();
      outgoing_.clear();
      settled_ = false;
      if (state_ == LinkState::kStarting || state_ == LinkState::kDelaying ||
          state_ == LinkState::kOpen) {
        state_ = LinkState::kPlaying;
      }
      queryIndex_ = 0;
      AskNextQuery();
      break;
    case kQuery:
      SendCommand(kAnswer, AnswerTo(value));
      break;
    case kAnswer:
      if (lastQuery_ == kQueryColour) {
        peerColour_ = value;
        // 1 the peer is White, 2 Black; the same number as the own colour
        // means the two sides agree. 0 (the peer does not know) changes
        // nothing.
        if ((value == kLinkBlack || value == kLinkWhite) && value != ownColour_) {
          ownColour_ = kLinkBlack + kLinkWhite - ownColour_;
        }
      } else if (lastQuery_ == kQueryHandicap) {
        peerHandicap_ = value == 0 ? 1 : value;
      }
      lastQuery_ = -1;
      AskNextQuery();
      break;
    case kMove: {
      int position = value & 0x1FF;
      int code;
      int x = 0, y = 0;
      if (position == kPassPosition) {
        code = kRemotePass;
      } else if (position == kResignPosition) {
        code = kRemoteResign;
      } else if (DecodePosition(size_, position, &x, &y)) {
        code = x * 100 + y;
      } else {
        code = kRemoteOffBoard;
      }
      KeepRemoteMove(code);
      SendOk();
      break;
    }
    case kUndo:
      KeepRemoteMove(kRemoteUndoBase - value);
      SendOk();
      break;
    default:  // EXTENDED, and anything else not handled here
      SendCommand(kDeny, 0);
      break;
  }
}

void CModemLink::KeepRemoteMove(int code) {
  // Before the game has started, a move belongs to the game before (GNU Go
  // sends one more pass after the two that end a game): it is acknowledged
  // and dropped.
  if (state_ == LinkState::kOpen || state_ == LinkState::kDelaying) return;
  if (remoteMoves_.size() >= kMaxRemoteMoves) remoteMoves_.pop_front();
  remoteMoves_.push_back(code);
}

void CModemLink::AskNextQuery() {
  if (queryIndex_ < kQueryCount) {
    lastQuery_ = kQueryList[queryIndex_++];
    SendCommand(kQuery, lastQuery_);
  } else {
    SendOk();
  }
}

int CModemLink::AnswerTo(int query) const {
  switch (query) {
    case kQueryGame: return 1;  // Go
    case kQueryBufferSize: return 5;
    case kQueryProtocolVersion:
    case kQueryStones:
    case kQueryWho: return 0;
    case kQueryCharacterSet: return 1;
    case kQueryRules: return rules_;
    case kQueryHandicap: return handicapValue_;
    case kQueryBoardSize: return size_;
    case kQueryColour: return ownColour_ == kLinkWhite ? 1 : 2;
    default: return 0;
  }
}

void CModemLink::SendCommand(int command, int value) {
  if (command != kOk) ownBit_ ^= 1;
  out_ = MakePacket(ownBit_, peerBit_, command, value);
  std::int64_t now = Now();
  firstSentMs_ = now;
  lastSentMs_ = now;
  lastTrafficMs_ = now;
  if (command != kOk) {
    awaitingOk_ = true;
    lastCommand_ = {command, value};
  }
  WriteOut();
}

void CModemLink::SendOk() { SendCommand(kOk, kOkValue); }

void CModemLink::WriteOut() {
  if (!port_->Write(out_.data(), out_.size()) && port_->Waiting() < 0) {
    Fail(LinkState::kLineLost);
  }
}

void CModemLink::CheckResend() {
  if (!awaitingOk_) return;
  std::int64_t now = Now();
  if (now - firstSentMs_ > kGiveUpMs) {
    Fail(LinkState::kNoAnswer);
    return;
  }
  if (now - lastSentMs_ > kResendMs) {
    lastSentMs_ = now;
    WriteOut();
  }
}

void CModemLink::FlushOutgoing() {
  if (outgoing_.empty() || awaitingOk_) return;
  const Outgoing& next = outgoing_.front();
  if (next.command == kMove && state_ != LinkState::kPlaying) return;
  if (!settled_ && Now() - lastTrafficMs_ < kSettleMs) return;
  Outgoing o = next;
  outgoing_.pop_front();
  settled_ = true;
  SendCommand(o.command, o.value);
}

bool CModemLink::Send(int x, int y) {
  if (!IsOpen() || Failed() || state_ == LinkState::kClosed || state_ == LinkState::kOpen) {
    return false;
  }
  int position;
  if (x == 0 && y == 0) {
    position = kPassPosition;
  } else if (x == 0 || y == 0) {
    position = kResignPosition;
  } else if (x < 0 || y < 0 || x > size_ || y > size_) {
    return false;
  } else {
    position = EncodePosition(size_, x, y);
  }
  int value = position | (ownColour_ == kLinkWhite ? kWhiteMoveBit : 0);
  outgoing_.push_back({kMove, value});
  FlushOutgoing();
  return true;
}

int CModemLink::PollRemoteMove() {
  std::int64_t now = Now();
  if (lastTakeMs_ < 0 || now - lastTakeMs_ > kWaitGapMs) waitFromMs_ = now;
  lastTakeMs_ = now;
  PollLine();
  if (!remoteMoves_.empty()) {
    int code = remoteMoves_.front();
    remoteMoves_.pop_front();
    lastTakeMs_ = -1;
    return code;
  }
  if (state_ == LinkState::kPlaying &&
      Now() - std::max(waitFromMs_, lastTrafficMs_) > responseLimitMs_) {
    Fail(LinkState::kNoAnswer);
  }
  return kRemoteNone;
}

}  // namespace kz::link
