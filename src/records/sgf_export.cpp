#include "records/sgf_export.h"

#include <algorithm>

#include "engine/board/plane_board.h"

namespace kz {
namespace {

std::string_view SgfPlayerName(int kind) {
  switch (kind) {
    case kUserPlayer: return "YOU";
    case kComputerPlayer: return "KAZAORI";
    case kRemotePlayer: return "COMM";
    default: return "?";
  }
}

std::string SgfPoint(int i, int j) {
  return {static_cast<char>('a' + i), static_cast<char>('a' + j)};
}

// "AB" and the handicap stones in the order of their chain ids, as the board
// places them.
std::string HandicapStones(int size, int handicap) {
  PlaneBoard board;
  board.Reset(size, handicap);
  std::string line = "AB";
  for (int id = 1; id <= board.GetHandicap(); ++id)
    for (int i = 0; i < size; ++i)
      for (int j = 0; j < size; ++j)
        if (board.GetChain(i, j) == id) line += "[" + SgfPoint(i, j) + "]";
  return line;
}

void AppendLine(std::string& out, std::string_view text) {
  out.append(text);
  out.append("\r\n");
}

}  // namespace

std::string FormatSgf(const KifuRecord& record) {
  const int size = NormalisedSize(record.boardSize);
  const int handicap = record.handicap >= 0 && record.handicap <= 9 ? record.handicap : 0;
  std::string out;
  AppendLine(out, "(;");
  AppendLine(out, "GM[1]FF[1]");
  AppendLine(out, "SZ[" + std::to_string(size) + "]");
  AppendLine(out, "HA[" + std::to_string(handicap) + "]");
  if (handicap >= 2) AppendLine(out, HandicapStones(size, handicap));
  AppendLine(out, "PB[" + std::string(SgfPlayerName(record.blackPlayer)) + "]");
  AppendLine(out, "PW[" + std::string(SgfPlayerName(record.whitePlayer)) + "]");
  AppendLine(out, "DT[mm/dd/yy]");
  AppendLine(out, "PC[where]");
  AppendLine(out, handicap == 0 ? "KM[5.5]" : "KM[0]");
  AppendLine(out, "TM[" + std::to_string(std::clamp(record.timeLimit, 0, 9999)) + "]");
  AppendLine(out, "RU[japanese]");
  AppendLine(out, "RE[?+?]");
  AppendLine(out, "EV[event?]");
  AppendLine(out, "GN[?? vs ??]");

  const int count = WritableMoveCount(record);
  std::string line;
  for (int k = 0; k < count; ++k) {
    const bool white = (k % 2 == 0) == (handicap >= 2);
    line += white ? ";W[" : ";B[";
    int i, j;
    line += record.moves[k] < 0 ? "tt" : (EntryPoint(record.moves[k], size, i, j), SgfPoint(i, j));
    line += "]";
    if (k % 10 == 9) {
      AppendLine(out, line);
      line.clear();
    }
  }
  // The closing parenthesis is written even after 570 moves: without it the
  // file would not be SGF.
  AppendLine(out, line + ")");
  return out;
}

std::optional<std::string> SgfPathFor(const std::string& kifuPath) {
  const std::string::size_type slash = kifuPath.rfind('/');
  const std::string::size_type nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::string::size_type dot = kifuPath.rfind('.');
  if (dot == std::string::npos || dot < nameStart || kifuPath.size() - dot != 4)
    return std::nullopt;
  const char* ext = kifuPath.c_str() + dot + 1;
  if ((ext[0] != 'I' && ext[0] != 'i') || (ext[1] != 'G' && ext[1] != 'g') ||
      ext[2] != '1')
    return std::nullopt;
  return kifuPath.substr(0, dot + 1) + "SGF";
}

}  // namespace kz
