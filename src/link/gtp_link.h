// GtpLink: the remote player is a Go program on this machine that speaks the
// Go Text Protocol on its standard input and output (GNU Go with
// "--mode gtp", or any other GTP engine), run as a child process.
//
// Nothing waits except Open, which gives the program a moment (kStartWaitMs)
// to answer "name" so that a command line that names no program, or a
// program that exits at once, is told before a game starts. Commands are
// written to a non-blocking pipe and answers are read at each Poll(), in the
// order the commands went out:
//
//   StartGame     boardsize, clear_board, komi (5.5 even, 0.5 otherwise),
//                 the handicap stones on this program's points with
//                 set_free_handicap (each stone played when it is refused)
//   SendMove      play <own colour> <vertex> / pass
//   PollRemoteMove  genmove <remote colour> once the remote side is to
//                 move; "pass" and "resign" map to the remote pass and
//                 resignation, a vertex off the board to kRemoteOffBoard
//   Close         quit; the child is reaped (killed after a short grace)
//
// The program that dies or closes its output, answers "?" to a command the
// game needs, or writes what is not a GTP answer makes Failed() true with a
// FailureText() naming the command line. A genmove unanswered past the move
// limit makes MoveOverdue() true; WaitLonger() grants another limit.
// There is no undo over this link: the controller takes no move back while a
// remote program plays, and GTP gives the engine no way to ask for one.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "link/game_link.h"
#include "platform/child_process.h"

namespace kz::link {

constexpr const char* kGnuGoPath = "/usr/games/gnugo";
constexpr const char* kDefaultGtpProgram = "/usr/games/gnugo --mode gtp --level 10";
constexpr int kDefaultGtpMoveSeconds = 60;

// The komi told to the program: 5.5 for an even game (handicap code 0),
// 0.5 for 先 and handicap games.
constexpr double GtpKomi(int handicapCode) { return handicapCode == 0 ? 5.5 : 0.5; }

class GtpLink final : public GameLink {
 public:
  using Clock = std::function<std::int64_t()>;  // milliseconds, monotonic
  static constexpr int kStartWaitMs = 3000;
  static constexpr std::size_t kMaxAnswerBytes = 1 << 16;

  explicit GtpLink(std::string commandLine, int moveLimitSeconds = kDefaultGtpMoveSeconds,
                   Clock clock = nullptr);
  ~GtpLink() override;
  GtpLink(const GtpLink&) = delete;
  GtpLink& operator=(const GtpLink&) = delete;

  // Starts the program (the port number is not used): kOpenOk, or
  // kOpenError with FailureText() set.
  int Open(int port) override;
  bool Close() override;
  bool IsOpen() const override { return child_.Running() || failed_; }
  bool StartGame(int boardSize, int handicapCodePlusOne, int ownColour, int gameNumber) override;
  void SendMove(int x, int y) override;
  // Nothing goes out: the game is over and the next start clears the board.
  void SendResign() override {}
  int PollRemoteMove() override;
  void Poll() override;
  bool Failed() const override { return failed_; }
  std::string FailureText() const override { return failure_; }
  // "name version" as the program told them.
  std::string PeerName() const override;
  bool MoveOverdue() const override;
  void WaitLonger() override;

  const std::string& CommandLine() const { return commandLine_; }
  void SetCommandLine(std::string commandLine) { commandLine_ = std::move(commandLine); }
  void SetMoveLimitSeconds(int seconds) { moveLimitMs_ = std::int64_t{seconds} * 1000; }
  // The board size of the game under way.
  int Size() const { return size_; }
  // Whether a genmove is awaiting its answer.
  bool Thinking() const { return genmoveOut_; }

 private:
  enum class Kind { kName, kVersion, kSetup, kHandicap, kPlay, kGenmove, kQuit };
  struct Pending {
    std::string command;
    Kind kind;
    int game;  // answers of an earlier game are read and dropped
  };
  void Send(const std::string& command, Kind kind);
  void Flush();
  // Reads what has arrived; false when the output was closed.
  bool ReadAvailable();
  void HandleAnswers();
  void HandleAnswer(const Pending& p, bool ok, const std::string& text);
  void Fail(std::string text);
  std::int64_t Now() const { return clock_(); }

  std::string commandLine_;
  std::int64_t moveLimitMs_;
  Clock clock_;
  platform::ChildProcess child_;
  std::string out_;  // written when the pipe takes it
  std::string in_;   // read, not yet a whole answer
  std::deque<Pending> pending_;
  std::deque<int> remoteMoves_;
  std::string name_, version_;
  std::string failure_;
  bool failed_ = false;
  int game_ = 0;
  int size_ = 19;
  int ownColour_ = kLinkBlack;
  std::deque<std::string> handicapStones_;
  bool genmoveOut_ = false;
  std::int64_t askedAt_ = 0;
};

}  // namespace kz::link
