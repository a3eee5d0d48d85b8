// The GTP session on arbitrary command lines: every line that carries a
// command gets one answer, "=" or "?" (with the command's id, if it had one),
// its text, and a blank line that ends it; no answer holds a blank line
// before its end. After any input the session still plays a game.
//
// Moves are chosen at random: the session, not the engine's move choice, is
// under test here, and the engine's move would make each input a hundred
// times slower.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "gtp/gtp_player.h"
#include "gtp/gtp_session.h"

namespace kz::gtp {
namespace {

using fuzz::Require;

void RequireWellFormed(const std::string& answer) {
  Require(answer.size() >= 3, "an answer has a status and an end");
  Require(answer[0] == '=' || answer[0] == '?', "an answer starts with = or ?");
  std::size_t k = 1;
  while (k < answer.size() && std::isdigit(static_cast<unsigned char>(answer[k]))) ++k;
  Require(answer[k] == ' ' || answer[k] == '\n', "the status (and id) stand alone");
  Require(answer.compare(answer.size() - 2, 2, "\n\n") == 0, "an answer ends in a blank line");
  Require(answer.find("\n\n") == answer.size() - 2, "no blank line inside an answer");
}

}  // namespace
}  // namespace kz::gtp

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kz::gtp;
  static RandomPlayer player(7);
  GtpSession session(player, SessionOptions{});
  std::string_view input(reinterpret_cast<const char*>(data), size);
  while (!input.empty() && !session.QuitRequested()) {
    const std::size_t end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    const std::string answer = session.Handle(line);
    if (!answer.empty()) RequireWellFormed(answer);
  }
  if (session.QuitRequested()) return 0;
  // The session is still usable: a new game on a small board plays.
  Require(session.Handle("boardsize 9") == "=\n\n", "boardsize still answers");
  Require(session.Handle("clear_board") == "=\n\n", "clear_board still answers");
  Require(session.Handle("play b E5") == "=\n\n", "a move on an empty board is taken");
  const std::string reply = session.Handle("genmove w");
  Require(reply.rfind("= ", 0) == 0 && reply.size() > 4, "genmove still answers a move");
  return 0;
}
