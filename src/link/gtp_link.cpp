#include "link/gtp_link.h"

#include <poll.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>

#include "engine/board/plane_board.h"
#include "gtp/vertex.h"

namespace kz::link {

namespace {

std::int64_t SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::string Trim(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return s.substr(a, b - a);
}

// A line of the program's output fit for a message: printable ASCII only,
// at most 60 characters.
std::string Shown(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (out.size() >= 60) break;
    out += (c >= 0x20 && c < 0x7f) ? c : '?';
  }
  return out;
}

const char* ColourWord(int linkColour) { return linkColour == kLinkBlack ? "B" : "W"; }

}  // namespace

GtpLink::GtpLink(std::string commandLine, int moveLimitSeconds, Clock clock)
    : commandLine_(std::move(commandLine)),
      moveLimitMs_(std::int64_t{moveLimitSeconds} * 1000),
      clock_(clock ? std::move(clock) : Clock(SteadyMs)) {}

GtpLink::~GtpLink() { Close(); }

int GtpLink::Open(int) {
  Close();
  failure_.clear();
  failed_ = false;
  name_.clear();
  version_.clear();
  std::string error;
  if (commandLine_.empty() ||
      !platform::StartChild(commandLine_, true, child_, &error)) {
    failure_ = "GTPプログラムを起動できません：" + commandLine_ +
               (error.empty() ? "" : "（" + error + "）");
    return kOpenError;
  }
  Send("name", Kind::kName);
  Send("version", Kind::kVersion);
  // A moment for the first answer: a command that names no program ends
  // its shell at once, and a program that is no GTP engine says so here.
  const std::int64_t until = SteadyMs() + kStartWaitMs;
  while (!failed_ && !pending_.empty() &&
         (pending_.front().kind == Kind::kName || pending_.front().kind == Kind::kVersion)) {
    const std::int64_t left = until - SteadyMs();
    if (left <= 0) break;
    pollfd p{child_.fromChild, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left)) < 0 && errno != EINTR) break;
    Poll();
  }
  if (failed_) {
    const std::string why = failure_;
    Close();
    failure_ = "GTPプログラムを起動できません：" + commandLine_;
    if (why.rfind("GTPプログラムが終了しました", 0) != 0) failure_ += "\n" + why;
    return kOpenError;
  }
  return kOpenOk;
}

bool GtpLink::Close() {
  if (child_.Running()) platform::EndChild(child_, "quit\n", 500);
  platform::EndChild(child_, "", 0);
  out_.clear();
  in_.clear();
  pending_.clear();
  remoteMoves_.clear();
  handicapStones_.clear();
  genmoveOut_ = false;
  failed_ = false;
  return true;
}

bool GtpLink::StartGame(int boardSize, int handicapCodePlusOne, int ownColour, int) {
  if (!child_.Running() || failed_) return false;
  ++game_;
  remoteMoves_.clear();
  genmoveOut_ = false;
  size_ = boardSize == 9 || boardSize == 13 ? boardSize : 19;
  ownColour_ = ownColour == kLinkWhite ? kLinkWhite : kLinkBlack;
  const int handicap = handicapCodePlusOne - 1;
  Send("boardsize " + std::to_string(size_), Kind::kSetup);
  Send("clear_board", Kind::kSetup);
  char komi[32];
  std::snprintf(komi, sizeof komi, "komi %.1f", GtpKomi(handicap));
  Send(komi, Kind::kSetup);
  handicapStones_.clear();
  if (handicap >= 2) {
    // The stones where this program's board puts them.
    PlaneBoard board;
    board.Reset(size_, handicap);
    std::string list;
    for (int j = 0; j < size_; ++j) {
      for (int i = 0; i < size_; ++i) {
        if (board.GetChain(i, j) == 0) continue;
        handicapStones_.push_back(gtp::FormatPoint(i, j, size_));
        list += " " + handicapStones_.back();
      }
    }
    Send("set_free_handicap" + list, Kind::kHandicap);
  }
  return true;
}

void GtpLink::SendMove(int x, int y) {
  if (!child_.Running() || failed_) return;
  std::string vertex = "pass";
  if (x != 0 || y != 0) {
    const int i = x - 1, j = y - 1;
    if (!OnBoard(size_, i, j)) return;
    vertex = gtp::FormatPoint(i, j, size_);
  }
  Send(std::string("play ") + ColourWord(ownColour_) + " " + vertex, Kind::kPlay);
}

int GtpLink::PollRemoteMove() {
  Poll();
  if (!remoteMoves_.empty()) {
    const int code = remoteMoves_.front();
    remoteMoves_.pop_front();
    return code;
  }
  if (!genmoveOut_ && child_.Running() && !failed_) {
    const int remote = ownColour_ == kLinkBlack ? kLinkWhite : kLinkBlack;
    Send(std::string("genmove ") + ColourWord(remote), Kind::kGenmove);
    genmoveOut_ = true;
    askedAt_ = Now();
  }
  return kRemoteNone;
}

std::string GtpLink::PeerName() const {
  if (name_.empty() || version_.empty()) return name_;
  return name_ + " " + version_;
}

bool GtpLink::MoveOverdue() const {
  return genmoveOut_ && !failed_ && Now() - askedAt_ >= moveLimitMs_;
}

void GtpLink::WaitLonger() { askedAt_ = Now(); }

void GtpLink::Poll() {
  if (!child_.Running() || failed_) return;
  Flush();
  if (failed_) return;
  const bool open = ReadAvailable();
  HandleAnswers();
  if (!open && !failed_) {
    Fail("GTPプログラムが終了しました：" + commandLine_);
  }
}

void GtpLink::Send(const std::string& command, Kind kind) {
  pending_.push_back({command, kind, game_});
  out_ += command + "\n";
  Flush();
}

void GtpLink::Flush() {
  while (!out_.empty() && child_.toChild >= 0) {
    const ssize_t n = write(child_.toChild, out_.data(), out_.size());
    if (n > 0) {
      out_.erase(0, static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
    Fail("GTPプログラムが終了しました：" + commandLine_);
    return;
  }
}

bool GtpLink::ReadAvailable() {
  char chunk[4096];
  for (;;) {
    const ssize_t n = read(child_.fromChild, chunk, sizeof chunk);
    if (n > 0) {
      for (ssize_t k = 0; k < n; ++k) {
        // CR dropped, other control characters but LF and HT made spaces.
        const char c = chunk[k];
        if (c == '\r') continue;
        in_ += (c == '\n' || (c >= 0x20 || c < 0)) ? c : ' ';
      }
      if (in_.size() > kMaxAnswerBytes) {
        Fail("GTPプログラムの応答が読めません：" + commandLine_);
        return true;
      }
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
    return false;  // end of file or a broken pipe
  }
}

void GtpLink::HandleAnswers() {
  while (!failed_) {
    std::size_t start = 0;
    while (start < in_.size() && in_[start] == '\n') ++start;
    const std::size_t end = in_.find("\n\n", start);
    if (start < in_.size() && in_[start] != '=' && in_[start] != '?' &&
        in_.find('\n', start) != std::string::npos) {
      Fail("GTPプログラムの応答が読めません：" + commandLine_ + "\n「" +
           Shown(in_.substr(start, in_.find('\n', start) - start)) + "」");
      return;
    }
    if (end == std::string::npos) {
      in_.erase(0, start);
      return;
    }
    const std::string block = in_.substr(start, end - start);
    in_.erase(0, end + 2);
    if (pending_.empty()) {
      Fail("GTPプログラムの応答が読めません：" + commandLine_ + "\n「" + Shown(block) + "」");
      return;
    }
    const Pending p = pending_.front();
    pending_.pop_front();
    std::size_t k = 1;
    while (k < block.size() && std::isdigit(static_cast<unsigned char>(block[k]))) ++k;
    HandleAnswer(p, block[0] == '=', Trim(block.substr(k)));
  }
}

void GtpLink::HandleAnswer(const Pending& p, bool ok, const std::string& text) {
  if (p.kind == Kind::kName || p.kind == Kind::kVersion) {
    if (!ok) return;  // the name is optional
    (p.kind == Kind::kName ? name_ : version_) = Shown(text.substr(0, text.find('\n')));
    return;
  }
  if (p.game != game_) return;  // an answer of a finished game
  if (p.kind == Kind::kHandicap && !ok) {
    // No free handicap: the stones are played as Black moves.
    for (const std::string& v : handicapStones_) Send("play B " + v, Kind::kSetup);
    return;
  }
  if (p.kind == Kind::kGenmove) {
    genmoveOut_ = false;
    if (!ok) {
      Fail("GTPプログラムがコマンドを受け付けません：" + commandLine_ + "\n" + p.command +
           " → ? " + Shown(text));
      return;
    }
    std::string word = text;
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == "resign") {
      remoteMoves_.push_back(kRemoteResign);
    } else if (const auto v = gtp::ParseVertex(word, size_); !v) {
      remoteMoves_.push_back(kRemoteOffBoard);
    } else if (v->pass) {
      remoteMoves_.push_back(kRemotePass);
    } else {
      remoteMoves_.push_back((v->i + 1) * 100 + (v->j + 1));
    }
    return;
  }
  if (!ok && p.kind != Kind::kQuit) {
    Fail("GTPプログラムがコマンドを受け付けません：" + commandLine_ + "\n" + p.command +
         " → ? " + Shown(text));
  }
}

void GtpLink::Fail(std::string text) {
  if (failed_) return;
  failed_ = true;
  failure_ = std::move(text);
  genmoveOut_ = false;
  // The program is of no more use; end it now so that no zombie is left.
  platform::EndChild(child_, "quit\n", 200);
}

}  // namespace kz::link
