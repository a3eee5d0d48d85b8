// libFuzzer target: any bytes through the SGF reader. It must refuse or read
// them without a crash, a hang or undefined behaviour, and what it reads must
// be a record the program can hold: moves on the board, within the limit,
// comment lines within their bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/sgf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  kz::KifuRecord record;
  const kz::SgfReadResult result = kz::ParseSgf(bytes, record);
  (void)kz::LooksLikeSgf(bytes);
  if (!result.read) {
    if (result.message.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  const int n = kz::NormalisedSize(record.boardSize);
  if (n != record.boardSize || record.handicap < 0 || record.handicap > 9) std::abort();
  if (record.currentMove < 0 || record.currentMove > kz::kMaxRecordMoves) std::abort();
  for (int k = 0; k < record.currentMove; ++k) {
    int i, j;
    if (record.moves[k] != kz::kPassEntry && !kz::EntryPoint(record.moves[k], n, i, j))
      std::abort();
  }
  for (const kz::CommentLine& line : record.comment)
    if (kz::CommentLineText(line).size() > kz::kCommentLineBytes - 2) std::abort();
  return 0;
}
