#include "match/match.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>

#include "engine/board/board_geometry.h"
#include "engine/board/plane_board.h"
#include "game/move_rules.h"
#include "gtp/vertex.h"
#include "match/gtp_process.h"

namespace kz::match {

namespace {

using gtp::FormatPoint;

struct Engines {
  GtpProcess process[2];
};

// Sends a command and turns an engine's failure into a message.
bool Ask(GtpProcess& p, const std::string& name, const std::string& command,
         int timeoutMs, GtpProcess::Answer* answer, std::string* error) {
  *answer = p.Send(command, timeoutMs);
  if (!answer->failure.empty()) {
    *error = name + ": " + answer->failure + " (after \"" + command + "\")";
    return false;
  }
  if (!answer->ok) {
    *error = name + " refused \"" + command + "\": " + answer->text;
    return false;
  }
  return true;
}

// Our own count when no scorer is given: area counting of the final
// position (stones plus empty regions that touch one colour only).
double AreaScore(const PlaneBoard& board, double komi) {
  const int n = board.GetSize();
  int score = 0;
  int seen[kPlanePoints] = {};
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      const int v = board.GetChain(i, j);
      if (v != 0) {
        score += Sign(v);
        continue;
      }
      if (seen[PlaneIndex(i, j)]) continue;
      // Flood the empty region.
      int stack[kPlanePoints], top = 0, count = 0, touches = 0;
      stack[top++] = PlaneIndex(i, j);
      seen[PlaneIndex(i, j)] = 1;
      while (top > 0) {
        const int p = stack[--top];
        ++count;
        const int a = p / kMaxSize, b = p % kMaxSize;
        for (const Step& d : kOrthogonal) {
          const int x = a + d.di, y = b + d.dj;
          if (!board.OnBoard(x, y)) continue;
          const int w = board.GetChain(x, y);
          if (w > 0) touches |= 1;
          if (w < 0) touches |= 2;
          if (w == 0 && !seen[PlaneIndex(x, y)]) {
            seen[PlaneIndex(x, y)] = 1;
            stack[top++] = PlaneIndex(x, y);
          }
        }
      }
      if (touches == 1) score += count;
      if (touches == 2) score -= count;
    }
  }
  return score - komi;
}

std::string FormatMargin(double m) {
  std::ostringstream s;
  if (m == 0) return "0";
  s << (m > 0 ? "B+" : "W+") << std::fabs(m);
  return s.str();
}

// Reads "B+3.5", "W+R", "0" into winner and margin.
void ParseResult(const std::string& text, int* winner, double* margin) {
  *winner = 0;
  *margin = 0;
  if (text.size() >= 2 && (text[0] == 'B' || text[0] == 'W') && text[1] == '+') {
    *winner = text[0] == 'B' ? 1 : -1;
    *margin = std::atof(text.c_str() + 2);
  }
}

void WriteSgf(const std::string& path, const MatchOptions& o, const GameRecord& g,
              const std::vector<int>& handicapStones) {
  std::ofstream f(path, std::ios::binary);
  if (!f) return;
  auto sgfPoint = [](int move) {
    if (move < 0) return std::string();
    return std::string{static_cast<char>('a' + move / 100),
                       static_cast<char>('a' + move % 100)};
  };
  f << "(;GM[1]FF[4]CA[UTF-8]AP[kazaori-cli match]SZ[" << o.size << "]KM["
    << o.komi << "]";
  if (!handicapStones.empty()) {
    f << "HA[" << handicapStones.size() << "]AB";
    for (int m : handicapStones) f << "[" << sgfPoint(m) << "]";
  }
  f << "PB[" << o.engine[g.blackEngine] << "]PW[" << o.engine[1 - g.blackEngine]
    << "]RE[" << g.result << "]\n";
  int colour = g.firstColour;
  for (int m : g.moves) {
    f << ";" << (colour > 0 ? "B" : "W") << "[" << sgfPoint(m) << "]";
    colour = -colour;
  }
  f << ")\n";
}

std::string Scorer(const MatchOptions& o, const GameRecord& g,
                   const std::vector<int>& stones, std::string* error) {
  GtpProcess scorer;
  if (!scorer.Start(o.scorer, error)) return "";
  GtpProcess::Answer a;
  const std::string name = "scorer";
  if (!Ask(scorer, name, "boardsize " + std::to_string(o.size), o.timeoutMs, &a, error) ||
      !Ask(scorer, name, "clear_board", o.timeoutMs, &a, error) ||
      !Ask(scorer, name, "komi " + std::to_string(o.komi), o.timeoutMs, &a, error))
    return "";
  if (!stones.empty()) {
    std::string cmd = "set_free_handicap";
    for (int m : stones) cmd += " " + FormatPoint(m / 100, m % 100, o.size);
    if (!Ask(scorer, name, cmd, o.timeoutMs, &a, error)) return "";
  }
  int colour = g.firstColour;
  for (int m : g.moves) {
    const std::string v = m < 0 ? "pass" : FormatPoint(m / 100, m % 100, o.size);
    if (!Ask(scorer, name, std::string("play ") + (colour > 0 ? "B " : "W ") + v,
             o.timeoutMs, &a, error))
      return "";
    colour = -colour;
  }
  if (!Ask(scorer, name, "final_score", o.timeoutMs * 4, &a, error)) return "";
  return a.text;
}

// The handicap stones of this program's layout, in the order of their ids.
std::vector<int> HandicapStones(int size, int handicap) {
  PlaneBoard b;
  b.Reset(size, handicap);
  std::vector<int> stones;
  for (int id = 1; id <= b.GetHandicap(); ++id)
    for (int i = 0; i < size; ++i)
      for (int j = 0; j < size; ++j)
        if (b.GetChain(i, j) == id) stones.push_back(MoveCodeOf(i, j));
  return stones;
}

GameRecord PlayGame(const MatchOptions& o, int game) {
  GameRecord g;
  g.blackEngine = game % 2;  // A takes Black in the first game
  const char* names[2] = {"engine A", "engine B"};
  Engines e;
  for (int k = 0; k < 2; ++k) {
    if (!e.process[k].Start(o.engine[k], &g.error)) {
      g.error = std::string(names[k]) + ": " + g.error;
      return g;
    }
  }
  PlaneBoard board;
  board.Reset(o.size, o.handicap);
  const std::vector<int> stones = HandicapStones(o.size, o.handicap);

  GtpProcess::Answer a;
  for (int k = 0; k < 2; ++k) {
    if (!Ask(e.process[k], names[k], "boardsize " + std::to_string(o.size), o.timeoutMs, &a, &g.error) ||
        !Ask(e.process[k], names[k], "clear_board", o.timeoutMs, &a, &g.error) ||
        !Ask(e.process[k], names[k], "komi " + std::to_string(o.komi), o.timeoutMs, &a, &g.error))
      return g;
    if (!stones.empty()) {
      std::string cmd = "set_free_handicap";
      for (int m : stones) cmd += " " + FormatPoint(m / 100, m % 100, o.size);
      if (!Ask(e.process[k], names[k], cmd, o.timeoutMs, &a, &g.error)) return g;
    }
  }

  PlayState state;
  state.handicap = board.GetHandicap();
  state.sideToMove = FirstMover(state.handicap);
  g.firstColour = state.sideToMove;
  const int limit = o.maxMoves > 0 ? o.maxMoves : 3 * o.size * o.size;
  bool resigned = false;
  while (state.consecutivePasses < 2 && state.movesPlayed < limit) {
    const int colour = state.sideToMove;
    const int mover = colour > 0 ? g.blackEngine : 1 - g.blackEngine;
    const auto start = std::chrono::steady_clock::now();
    if (!Ask(e.process[mover], names[mover],
             std::string("genmove ") + (colour > 0 ? "B" : "W"), o.timeoutMs, &a, &g.error))
      break;
    g.secondsPerMove[mover].push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    std::string answer = a.text;
    for (char& c : answer) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (answer == "resign") {
      g.winner = -colour;
      g.result = colour > 0 ? "W+R" : "B+R";
      resigned = true;
      break;
    }
    const auto v = gtp::ParseVertex(answer, o.size);
    if (!v) {
      g.error = std::string(names[mover]) + " answered genmove with \"" + a.text + "\"";
      break;
    }
    int move = -1;
    if (v->pass) {
      PassMove(state);
    } else {
      const MoveOutcome r = TryMove(board, state, v->i, v->j);
      if (!r.legal) {
        g.error = std::string(names[mover]) + " played the illegal move " + a.text;
        break;
      }
      move = MoveCodeOf(v->i, v->j);
    }
    g.moves.push_back(move);
    const int other = 1 - mover;
    if (!Ask(e.process[other], names[other],
             std::string("play ") + (colour > 0 ? "B " : "W ") + gtp::FormatVertex(*v, o.size),
             o.timeoutMs, &a, &g.error))
      break;
  }
  for (auto& p : e.process) p.Stop();
  if (resigned || !g.error.empty()) {
    if (!resigned) g.result = "?";
    return g;
  }
  if (!o.scorer.empty()) {
    std::string error;
    g.result = Scorer(o, g, stones, &error);
    if (g.result.empty()) {
      g.error = error;
      g.result = "?";
      return g;
    }
  } else {
    g.result = FormatMargin(AreaScore(board, o.komi));
  }
  double margin = 0;
  ParseResult(g.result, &g.winner, &margin);
  return g;
}

}  // namespace

double Percentile(std::vector<double> values, double pct) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const double rank = pct / 100.0 * static_cast<double>(values.size() - 1);
  const std::size_t lo = static_cast<std::size_t>(std::floor(rank));
  const std::size_t hi = std::min(values.size() - 1, lo + 1);
  const double f = rank - static_cast<double>(lo);
  return values[lo] * (1 - f) + values[hi] * f;
}

MatchSummary RunMatch(const MatchOptions& o, std::ostream& out) {
  MatchSummary summary;
  std::vector<double> times[2];
  for (int game = 0; game < o.games; ++game) {
    GameRecord g = PlayGame(o, game);
    int winnerEngine = -1;
    if (g.winner != 0)
      winnerEngine = g.winner > 0 ? g.blackEngine : 1 - g.blackEngine;
    if (winnerEngine >= 0) {
      ++summary.wins[winnerEngine];
      int w = 0;
      double margin = 0;
      ParseResult(g.result, &w, &margin);
      if (margin > 0) {
        summary.marginSum[winnerEngine] += margin;
        ++summary.scored[winnerEngine];
      }
    }
    for (int k = 0; k < 2; ++k)
      times[k].insert(times[k].end(), g.secondsPerMove[k].begin(), g.secondsPerMove[k].end());
    if (!o.sgfPrefix.empty())
      WriteSgf(o.sgfPrefix + "-" + std::to_string(game + 1) + ".sgf", o, g,
               HandicapStones(o.size, o.handicap));
    out << "game " << game + 1 << ": black " << (g.blackEngine == 0 ? "A" : "B")
        << ", white " << (g.blackEngine == 0 ? "B" : "A") << ", " << g.moves.size()
        << " moves, result " << g.result;
    if (winnerEngine >= 0) out << " (" << (winnerEngine == 0 ? "A" : "B") << " wins)";
    if (!g.error.empty()) out << " -- game cut short: " << g.error;
    out << "\n" << std::flush;
    summary.games.push_back(std::move(g));
  }
  out << "wins: A " << summary.wins[0] << ", B " << summary.wins[1] << " of "
      << o.games << "\n";
  for (int k = 0; k < 2; ++k) {
    out << (k == 0 ? "A" : "B") << " average winning margin: "
        << (summary.scored[k] ? summary.marginSum[k] / summary.scored[k] : 0)
        << "; time per move (ms): median " << 1000 * Percentile(times[k], 50)
        << ", p90 " << 1000 * Percentile(times[k], 90) << ", max "
        << 1000 * (times[k].empty() ? 0 : *std::max_element(times[k].begin(), times[k].end()))
        << " over " << times[k].size() << " moves\n";
  }
  return summary;
}

}  // namespace kz::match
