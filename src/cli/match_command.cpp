// kazaori-cli match: games between two GTP engines.
#include <cstdlib>
#include <ostream>

#include "cli/cli_command.h"
#include "match/match.h"

namespace kz::cli {

int RunMatch(const Args& args, std::ostream& out, std::ostream& err) {
  match::MatchOptions o;
  int engines = 0;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    const bool hasValue = k + 1 < args.size();
    auto number = [&](double* v) {
      if (!hasValue) return false;
      char* end = nullptr;
      *v = std::strtod(args[++k].c_str(), &end);
      return end && *end == '\0';
    };
    double v = 0;
    if (a == "--scorer" && hasValue) {
      o.scorer = args[++k];
    } else if (a == "--sgf" && hasValue) {
      o.sgfPrefix = args[++k];
    } else if (a == "--games" && number(&v) && v >= 1) {
      o.games = static_cast<int>(v);
    } else if (a == "--size" && number(&v) && (v == 9 || v == 13 || v == 19)) {
      o.size = static_cast<int>(v);
    } else if (a == "--komi" && number(&v)) {
      o.komi = v;
    } else if (a == "--handicap" && number(&v) && (v == 0 || (v >= 2 && v <= 9))) {
      o.handicap = static_cast<int>(v);
    } else if (a == "--max-moves" && number(&v) && v >= 1) {
      o.maxMoves = static_cast<int>(v);
    } else if (a == "--timeout" && number(&v) && v > 0) {
      o.timeoutMs = static_cast<int>(v * 1000);
    } else if (!a.empty() && a[0] != '-' && engines < 2) {
      o.engine[engines++] = a;
    } else {
      return UsageError("match", err);
    }
  }
  if (engines != 2) return UsageError("match", err);
  const match::MatchSummary s = match::RunMatch(o, out);
  for (const auto& g : s.games)
    if (!g.error.empty()) return 3;
  return kExitOk;
}

}  // namespace kz::cli
