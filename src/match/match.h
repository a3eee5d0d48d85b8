// A match between two GTP engines: games with alternating colours, each
// ended by two passes, a resignation or a move limit, scored by a third
// engine or by our own area count, written as SGF, with timing statistics.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kz::match {

struct MatchOptions {
  std::string engine[2];   // command lines of engines A and B
  std::string scorer;      // optional GTP engine that scores final positions
  int games = 2;
  int size = 9;
  double komi = 5.5;
  int handicap = 0;        // 0 or 2..9 stones for Black
  int maxMoves = 0;        // 0: three times the number of points
  int timeoutMs = 60000;   // per command
  std::string sgfPrefix = "match";  // games go to PREFIX-N.sgf; empty: none
};

struct GameRecord {
  int blackEngine = 0;     // 0 = A, 1 = B
  std::vector<int> moves;  // i * 100 + j, -1 pass, in order from the first mover
  int firstColour = 1;
  int winner = 0;          // +1 Black, -1 White, 0 draw or unknown
  std::string result;      // "B+R", "W+3.5", "0", or "?" when it could not be scored
  std::string error;       // set when an engine failed and the game was cut short
  std::vector<double> secondsPerMove[2];  // per engine A / B
};

struct MatchSummary {
  std::vector<GameRecord> games;
  int wins[2] = {0, 0};    // engine A, engine B
  double marginSum[2] = {0, 0};  // sum of winning margins (known scores only)
  int scored[2] = {0, 0};
};

// Plays the match, printing one line per game and the summary on `out`.
MatchSummary RunMatch(const MatchOptions& options, std::ostream& out);

// Percentile (0..100) of a list of values; 0 for an empty list.
double Percentile(std::vector<double> values, double pct);

}  // namespace kz::match
