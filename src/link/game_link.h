// What the game controller needs from the link to a remote Go program: open
// and close the port, start a linked game, send the program's moves and take
// the remote program's moves. The serial link over the Go Modem Protocol
// (CModemLink) implements it; NullLink stands in where no port can be opened.
//
// Nothing here ever waits: the controller calls Poll() (or PollRemoteMove())
// at every tick while the link is open, and reads Failed() to learn that the
// peer has stopped answering ("相手からの応答がありません").
#pragma once

#include <string>

namespace kz::link {

// Remote move codes handed to the controller.
constexpr int kRemoteNone = -1;     // nothing received yet
constexpr int kRemotePass = 0;
constexpr int kRemoteResign = 1;
// A MOVE whose position names no point of the board.
constexpr int kRemoteOffBoard = -2;
// kRemoteUndoBase - n: take back n moves.
constexpr int kRemoteUndoBase = -100;
constexpr bool IsRemoteUndo(int code) { return code <= kRemoteUndoBase; }
constexpr int RemoteUndoCount(int code) { return kRemoteUndoBase - code; }
// Otherwise x * 100 + y, column and row counted from 1 (screen, Black nearest).

// Results of Open.
constexpr int kOpenOk = 0;
constexpr int kOpenError = 1;       // "モデム・オープン・エラー"
constexpr int kOpenDcbError = 2;    // "モデムＤＣＢ設定エラー"
constexpr int kOpenSetupError = 3;  // "モデム設定エラー"
constexpr int kOpenSilentFailure = -1;

// Own colour numbers of the link.
constexpr int kLinkBlack = 1;
constexpr int kLinkWhite = 2;

class GameLink {
 public:
  virtual ~GameLink() = default;
  // Opens port 1 or 2; one of the results above.
  virtual int Open(int port) = 0;
  // Closes the port; false when closing failed.
  virtual bool Close() = 0;
  virtual bool IsOpen() const = 0;
  // Starts a linked game: board size, the handicap code + 1 (as the
  // controller keeps it: 1 for an even game), `ownColour` 1 Black, 2 White,
  // `gameNumber` from 1. Never waits: the start goes on at each Poll(). True
  // when the start is under way (the port is open).
  virtual bool StartGame(int boardSize, int handicapCodePlusOne, int ownColour,
                         int gameNumber) = 0;
  // The program's move, x and y from 1; (0, 0) a pass. Sent at once, or as
  // soon as the peer is ready for it.
  virtual void SendMove(int x, int y) = 0;
  virtual void SendResign() = 0;
  // Polls, then hands out the remote program's next move or message (codes
  // above), or kRemoteNone when nothing has come yet.
  virtual int PollRemoteMove() = 0;
  // Keeps the line alive: reads, answers the peer, resends. Call at every
  // tick while the link is open, whoever is to move.
  virtual void Poll() {}
  // The peer stopped answering, or the line was lost: the game cannot go on
  // over this link until a new start.
  virtual bool Failed() const { return false; }
  // Why Open or the game failed, when the link can say more than the
  // standard messages (empty: use them).
  virtual std::string FailureText() const { return {}; }
  // The remote program's own name, when it told one (empty otherwise).
  virtual std::string PeerName() const { return {}; }
  // The remote move has been awaited past the link's move limit; the user
  // may wait on (WaitLonger: another full limit) or stop the game.
  virtual bool MoveOverdue() const { return false; }
  virtual void WaitLonger() {}
};

// No port at all: opening fails with the open error.
class NullLink final : public GameLink {
 public:
  int Open(int) override { return kOpenError; }
  bool Close() override { return true; }
  bool IsOpen() const override { return false; }
  bool StartGame(int, int, int, int) override { return false; }
  void SendMove(int, int) override {}
  void SendResign() override {}
  int PollRemoteMove() override { return kRemoteNone; }
};

}  // namespace kz::link
