// kazaori-cli show RECORD.IG1: the record as "key value" lines, its comment
// in UTF-8 and the final position.
#include <ostream>

#include "cli/cli_command.h"
#include "engine/board/plane_board.h"
#include "game/kazaori_doc.h"
#include "game/record_replay.h"
#include "platform/shift_jis.h"

namespace kz::cli {
namespace {

const char* KindName(int kind) {
  return kind == kComputerPlayer ? "computer" : kind == kRemotePlayer ? "remote" : "user";
}

const char* ResultName(int result) {
  return result == kBlackResigned   ? "black-resigned"
         : result == kWhiteResigned ? "white-resigned"
                                    : "none";
}

}  // namespace

int RunShow(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError("show", err);
  CKazaoriDoc doc;
  if (!LoadRecord(args[0], doc, err)) return kExitNoRecord;
  const KifuRecord& r = doc.Record();

  PlaneBoard board;
  const PlayState state = ReplayRecord(board, r, kMaxRecordMoves);
  out << "size " << NormalisedSize(r.boardSize) << '\n'
      << "handicap " << r.handicap << '\n'
      << "black " << KindName(r.blackPlayer) << '\n'
      << "white " << KindName(r.whitePlayer) << '\n'
      << "rule " << (r.rule == 1 ? "keima" : "japanese") << '\n'
      << "style " << (r.style == kBoldStyle ? "bold" : "solid") << '\n'
      << "time-limit " << r.timeLimit << '\n'
      << "black-time " << r.blackTime << '\n'
      << "white-time " << r.whiteTime << '\n'
      << "result " << ResultName(r.result) << '\n'
      << "moves " << r.currentMove << '\n'
      << "prisoners " << state.blackPrisoners << ' ' << state.whitePrisoners << '\n'
      << "comment:\n";
  const int lines = CommentLineCount(r);
  for (int k = 0; k < lines; ++k)
    out << platform::Cp932ToUtf8(CommentLineText(r.comment[k])) << '\n';

  const int size = board.GetSize();
  for (int j = 0; j < size; ++j) {
    for (int i = 0; i < size; ++i) {
      const int stone = board.GetChain(i, j);
      if (i > 0) out << ' ';
      out << (stone > 0 ? 'X' : stone < 0 ? 'O' : '.');
    }
    out << '\n';
  }
  return kExitOk;
}

}  // namespace kz::cli
