// kazaori-cli jis RECORD.IG1 OUT.TXT [--move N]: the JIS text board of the
// position after N moves.
#include <charconv>
#include <ostream>

#include "cli/cli_command.h"
#include "engine/board/plane_board.h"
#include "game/kazaori_doc.h"
#include "game/record_replay.h"

namespace kz::cli {

int RunJis(const Args& args, std::ostream&, std::ostream& err) {
  std::vector<std::string> paths;
  int moves = -1;  // all
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--move") {
      if (k + 1 >= args.size()) return UsageError("jis", err);
      const std::string& n = args[++k];
      const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), moves);
      if (ec != std::errc() || end != n.data() + n.size() || moves < 0 ||
          moves > kMaxRecordMoves) {
        err << "kazaori-cli jis: --move takes a move number from 0 to "
            << kMaxRecordMoves << '\n';
        return kExitUsage;
      }
    } else {
      paths.push_back(args[k]);
    }
  }
  if (paths.size() != 2) return UsageError("jis", err);

  CKazaoriDoc doc;
  if (!LoadRecord(paths[0], doc, err)) return kExitNoRecord;
  // Beyond the record's end (and by default) the position after its last
  // move, which then carries the mark.
  const int recorded = doc.GetCurrentMove();
  if (moves < 0 || moves > recorded) moves = recorded;
  PlaneBoard board;
  const PlayState state = RebuildPosition(board, doc, moves);
  if (!doc.WriteJisBoard(paths[1], board, state.lastMove)) {
    err << kWriteFailedMessage << '\n';
    return kExitWriteFailed;
  }
  return kExitOk;
}

}  // namespace kz::cli
