#include "gtp/gtp_session.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>

#include "gtp/vertex.h"

namespace kz::gtp {

namespace {

constexpr const char* kCommands[] = {
    "protocol_version", "name",         "version",           "known_command",
    "list_commands",    "quit",         "boardsize",         "clear_board",
    "komi",             "fixed_handicap", "set_free_handicap", "play",
    "genmove",          "undo",         "showboard",         "final_score",
    "final_status_list", "time_settings", "time_left",
};

bool Known(const std::string& name) {
  for (const char* c : kCommands)
    if (name == c) return true;
  return false;
}

// Removes control characters (but tabs become spaces) and comments.
std::string Clean(std::string_view line) {
  std::string out;
  for (char c : line) {
    if (c == '#') break;
    if (c == '\t') c = ' ';
    if (static_cast<unsigned char>(c) < 32 || c == 127) continue;
    out += c;
  }
  return out;
}

std::string FormatScore(double margin) {
  if (margin == 0) return "0";
  char buf[32];
  const double a = std::fabs(margin);
  if (a == std::floor(a))
    std::snprintf(buf, sizeof buf, "%s+%.0f", margin > 0 ? "B" : "W", a);
  else
    std::snprintf(buf, sizeof buf, "%s+%.1f", margin > 0 ? "B" : "W", a);
  return buf;
}

}  // namespace

GtpSession::GtpSession(GtpPlayer& player, SessionOptions options)
    : player_(player), options_(options) {
  ClearBoard();
}

void GtpSession::ClearBoard() {
  history_.clear();
  fixedHandicap_ = 0;
  board_.Reset(size_, 0);
  state_ = PlayState{};
  state_.rule = options_.rule;
  player_.NewGame(board_, options_.rule);
}

// Rebuilds the position from the move list: reset with the fixed handicap,
// the free handicap stones, then every move and pass in order.
void GtpSession::Replay() {
  board_.Reset(size_, fixedHandicap_);
  PlayState s;
  s.rule = options_.rule;
  s.handicap = state_.handicap;
  s.sideToMove = FirstMover(s.handicap);
  for (const Entry& e : history_) {
    if (e.setup) {
      board_.PlayStone(e.move / 100, e.move % 100, 1, 0);
      continue;
    }
    s.sideToMove = e.colour;
    if (e.move < 0)
      PassMove(s);
    else
      TryMove(board_, s, e.move / 100, e.move % 100);
  }
  state_ = s;
  player_.NewGame(board_, options_.rule);
}

GtpSession::Reply GtpSession::Play(int colour, const std::string& text) {
  const auto v = ParseVertex(text, size_);
  if (!v) return {false, "invalid coordinate"};
  state_.sideToMove = colour;
  if (v->pass) {
    PassMove(state_);
    history_.push_back({colour, -1, false});
    return {true, ""};
  }
  const MoveOutcome r = TryMove(board_, state_, v->i, v->j);
  if (!r.legal) return {false, "illegal move"};
  history_.push_back({colour, MoveCodeOf(v->i, v->j), false});
  return {true, ""};
}

GtpSession::Reply GtpSession::GenMove(int colour) {
  state_.sideToMove = colour;
  if (options_.resign && player_.ShouldResign(board_, state_, colour))
    return {true, "resign"};
  const PlayedMove m = player_.GenMove(board_, state_, colour);
  if (m.move < 0 || !OnBoard(size_, m.move / 100, m.move % 100)) {
    PassMove(state_);
    history_.push_back({colour, -1, false});
    return {true, "pass"};
  }
  // The player has played the stone on the board; keep the books.
  (colour > 0 ? state_.blackPrisoners : state_.whitePrisoners) += m.captured;
  state_.sideToMove = -colour;
  ++state_.movesPlayed;
  state_.consecutivePasses = 0;
  state_.lastMove = m.move;
  history_.push_back({colour, m.move, false});
  return {true, FormatPoint(m.move / 100, m.move % 100, size_)};
}

GtpSession::Reply GtpSession::FixedHandicap(const std::vector<std::string>& args) {
  if (args.size() != 1) return {false, "syntax error"};
  int n = 0;
  try {
    n = std::stoi(args[0]);
  } catch (...) {
    return {false, "syntax error"};
  }
  if (n < 2 || n > 9) return {false, "invalid number of stones"};
  if (!history_.empty() || fixedHandicap_ != 0) return {false, "board not empty"};
  for (int i = 0; i < size_; ++i)
    for (int j = 0; j < size_; ++j)
      if (board_.GetChain(i, j) != 0) return {false, "board not empty"};
  fixedHandicap_ = n;
  state_.handicap = n;
  Replay();
  std::string out;
  // The stones in the order of their chain ids.
  for (int id = 1; id <= n; ++id)
    for (int i = 0; i < size_; ++i)
      for (int j = 0; j < size_; ++j)
        if (board_.GetChain(i, j) == id)
          out += (out.empty() ? "" : " ") + FormatPoint(i, j, size_);
  return {true, out};
}

GtpSession::Reply GtpSession::FreeHandicap(const std::vector<std::string>& args) {
  if (!history_.empty() || fixedHandicap_ != 0) return {false, "board not empty"};
  if (args.size() < 2 || args.size() > 9) return {false, "bad vertex list"};
  std::vector<Entry> stones;
  for (const std::string& a : args) {
    const auto v = ParseVertex(a, size_);
    if (!v || v->pass) return {false, "bad vertex list"};
    for (const Entry& e : stones)
      if (e.move == MoveCodeOf(v->i, v->j)) return {false, "bad vertex list"};
    stones.push_back({1, MoveCodeOf(v->i, v->j), true});
  }
  history_ = stones;
  state_.handicap = static_cast<int>(stones.size());
  Replay();
  return {true, ""};
}

PlaneBoard GtpSession::MarkedBoard() {
  PlaneBoard marked = board_;
  player_.MarkDead(marked, state_.sideToMove);
  marked.CountTerritory();
  return marked;
}

GtpSession::Reply GtpSession::FinalScore() {
  PlaneBoard b = MarkedBoard();
  // Territory, prisoners and the dead stones inside, with the komi.
  const double black = b.GetTerritoryCount(1, 1) + b.CountDeadStones(-1, 1) +
                       state_.blackPrisoners;
  const double white = b.GetTerritoryCount(-1, 1) + b.CountDeadStones(1, 1) +
                       state_.whitePrisoners + komi_;
  return {true, FormatScore(black - white)};
}

GtpSession::Reply GtpSession::FinalStatusList(const std::string& status) {
  if (status != "alive" && status != "dead" && status != "seki")
    return {false, "syntax error"};
  if (status == "seki") return {true, ""};
  PlaneBoard b = MarkedBoard();
  const int wantDead = status == "dead" ? 1 : 0;
  std::string out;
  // One line per chain.
  std::vector<int> done;
  for (int i = 0; i < size_; ++i) {
    for (int j = 0; j < size_; ++j) {
      const int id = b.GetChain(i, j);
      if (id == 0 || b.GetDead(i, j) != wantDead) continue;
      bool seen = false;
      for (int d : done) seen |= d == id;
      if (seen) continue;
      done.push_back(id);
      std::string line;
      for (int a = 0; a < size_; ++a)
        for (int c = 0; c < size_; ++c)
          if (b.GetChain(a, c) == id)
            line += (line.empty() ? "" : " ") + FormatPoint(a, c, size_);
      out += (out.empty() ? "" : "\n") + line;
    }
  }
  return {true, out};
}

std::string GtpSession::ShowBoard() const {
  constexpr std::string_view kLetters = "ABCDEFGHJKLMNOPQRST";
  std::string header = "   ";
  for (int i = 0; i < size_; ++i) {
    header += kLetters[i];
    header += ' ';
  }
  std::string out = "\n" + header + "\n";
  for (int j = 0; j < size_; ++j) {
    char row[12];
    std::snprintf(row, sizeof row, "%2d", size_ - j);
    out += row;
    out += ' ';
    for (int i = 0; i < size_; ++i) {
      const int v = board_.GetChain(i, j);
      out += v > 0 ? 'X' : v < 0 ? 'O' : '.';
      out += ' ';
    }
    out += row;
    out += '\n';
  }
  out += header;
  out += "\nBlack (X) has captured " + std::to_string(state_.blackPrisoners) +
         " stones; White (O) has captured " +
         std::to_string(state_.whitePrisoners) + " stones";
  return out;
}

GtpSession::Reply GtpSession::Dispatch(const std::string& command,
                                       const std::vector<std::string>& args) {
  if (command == "protocol_version") return {true, "2"};
  if (command == "name") return {true, "Kazaori"};
  if (command == "version") return {true, "1.0"};
  if (command == "known_command")
    return {true, !args.empty() && Known(args[0]) ? "true" : "false"};
  if (command == "list_commands") {
    std::string out;
    for (const char* c : kCommands) out += (out.empty() ? "" : "\n") + std::string(c);
    return {true, out};
  }
  if (command == "quit") {
    quit_ = true;
    return {true, ""};
  }
  if (command == "boardsize") {
    int n = 0;
    try {
      n = args.empty() ? 0 : std::stoi(args[0]);
    } catch (...) {
      return {false, "boardsize not an integer"};
    }
    if (n != 9 && n != 13 && n != 19) return {false, "unacceptable size"};
    size_ = n;
    ClearBoard();
    return {true, ""};
  }
  if (command == "clear_board") {
    ClearBoard();
    return {true, ""};
  }
  if (command == "komi") {
    try {
      if (args.empty()) throw 0;
      komi_ = std::stod(args[0]);
    } catch (...) {
      return {false, "komi not a float"};
    }
    return {true, ""};
  }
  if (command == "fixed_handicap") return FixedHandicap(args);
  if (command == "set_free_handicap") return FreeHandicap(args);
  if (command == "play") {
    if (args.size() != 2 || ParseColour(args[0]) == 0)
      return {false, "invalid color or coordinate"};
    return Play(ParseColour(args[0]), args[1]);
  }
  if (command == "genmove") {
    if (args.size() != 1 || ParseColour(args[0]) == 0)
      return {false, "invalid color"};
    return GenMove(ParseColour(args[0]));
  }
  if (command == "undo") {
    if (history_.empty() || history_.back().setup) return {false, "cannot undo"};
    history_.pop_back();
    Replay();
    return {true, ""};
  }
  if (command == "showboard") return {true, ShowBoard()};
  if (command == "final_score") return FinalScore();
  if (command == "final_status_list")
    return FinalStatusList(args.empty() ? "" : args[0]);
  if (command == "time_settings" || command == "time_left") return {true, ""};
  return {false, "unknown command"};
}

std::string GtpSession::Handle(std::string_view rawLine) {
  std::istringstream words(Clean(rawLine));
  std::vector<std::string> tokens;
  for (std::string w; words >> w;) tokens.push_back(w);
  if (tokens.empty()) return "";
  std::string id;
  // An id is a number; any other first word is the command.
  if (tokens[0].find_first_not_of("0123456789") == std::string::npos) {
    id = tokens[0];
    tokens.erase(tokens.begin());
    if (tokens.empty()) return "? unknown command\n\n";
  }
  std::string command = tokens[0];
  tokens.erase(tokens.begin());
  const Reply r = Dispatch(command, tokens);
  std::string out = (r.ok ? "=" : "?") + id;
  if (!r.text.empty()) out += " " + r.text;
  return out + "\n\n";
}

void RunGtp(GtpSession& session, std::istream& in, std::ostream& out) {
  std::string line;
  while (!session.QuitRequested() && std::getline(in, line)) {
    const std::string reply = session.Handle(line);
    if (reply.empty()) continue;
    out << reply << std::flush;
  }
}

}  // namespace kz::gtp
