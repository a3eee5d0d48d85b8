// Reading SGF game records (FF[1]..FF[4], GM[1]) into a kifu record: the
// main line of the game tree (the first variation at every branch), board
// size 9, 13 or 19, the handicap when its stones are this program's handicap
// points, names, komi, result, the root's date, place and comments, and the
// moves replayed through the board's rules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "records/kifu_record.h"

namespace kz {

// The longest SGF file read; a longer one is refused.
constexpr std::size_t kMaxSgfFileBytes = 4u << 20;

// Whether the bytes are an SGF file rather than a kifu: after an optional
// UTF-8 byte order mark and white space, "(" and then ";" (white space
// between them allowed).
bool LooksLikeSgf(std::string_view bytes);

struct SgfReadResult {
  // False: the file was refused and the record left as it was.
  bool read = false;
  // UTF-8. Why the file was refused, or, for a file read in part, where and
  // why the moves stop (an illegal move, the 570-move limit); empty when
  // everything was read.
  std::string message;
};

// Reads SGF bytes into `record` (replacing it entirely) or refuses them.
SgfReadResult ParseSgf(std::string_view bytes, KifuRecord& record);

}  // namespace kz
