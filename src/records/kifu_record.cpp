#include "records/kifu_record.h"

#include <algorithm>
#include <cstring>

#include "platform/shift_jis.h"

namespace kz {

CommentLine EmptyCommentLine() {
  CommentLine line;
  line.fill(' ');
  line[0] = '\n';
  return line;
}

CommentLine MakeCommentLine(std::string_view text) {
  text = platform::Cp932Prefix(text, kCommentLineBytes - 2);
  if (text.empty()) return EmptyCommentLine();
  CommentLine line;
  line.fill(' ');
  // Line breaks and zero bytes inside the text would split the line.
  std::transform(text.begin(), text.end(), line.begin(), [](char c) {
    return c == '\n' || c == '\r' || c == '\0' ? ' ' : c;
  });
  line[text.size()] = '\n';
  line[text.size() + 1] = '\0';
  return line;
}

std::string_view CommentLineText(const CommentLine& line) {
  std::size_t n = 0;
  while (n < line.size() && line[n] != '\n' && line[n] != '\0') ++n;
  return {line.data(), n};
}

bool IsBlankCommentLine(const CommentLine& line) {
  return line[0] == '\n' || line[0] == '\0';
}

CommentBlock BlankCommentBlock() {
  CommentBlock block;
  block.fill(EmptyCommentLine());
  return block;
}

NameField BlankName() {
  NameField name;
  name.fill(' ');
  name[8] = '\n';
  name[9] = '\0';
  return name;
}

NameField NameFromCommentLine(const CommentLine& line) {
  NameField name = BlankName();
  for (int k = 0; k < 6; ++k) {
    const char c = line[18 + k];
    if (c == '\n' || c == '\0') break;
    name[k] = c;
  }
  return name;
}

std::string_view NameText(const NameField& name) {
  std::size_t n = 8;
  while (n > 0 && name[n - 1] == ' ') --n;
  // The six bytes may end inside a double-byte character: drop its half.
  return platform::Cp932Prefix({name.data(), n}, n);
}

void ClearComment(KifuRecord& record) {
  record.hasComment = 0;
  record.comment = BlankCommentBlock();
  record.blackName = BlankName();
  record.whiteName = BlankName();
}

bool HasStandardComment(const KifuRecord& record) {
  return record.hasComment != 0 &&
         std::memcmp(record.comment[0].data(), "STDCOM", 6) == 0;
}

int CommentLineCount(const KifuRecord& record) {
  if (!record.hasComment) return 0;
  if (HasStandardComment(record)) return 9;
  int count = 0;
  for (int k = 0; k < kCommentLineCount; ++k)
    if (!IsBlankCommentLine(record.comment[k])) count = k + 1;
  return count;
}

void SetCommentLines(KifuRecord& record, const std::string_view* lines,
                     int count) {
  ClearComment(record);
  count = std::clamp(count, 0, kCommentLineCount);
  for (int k = 0; k < count; ++k) record.comment[k] = MakeCommentLine(lines[k]);
  record.hasComment = count > 0 ? 1 : 0;
  record.blackName = NameFromCommentLine(record.comment[1]);
  record.whiteName = NameFromCommentLine(record.comment[2]);
}

bool EntryPoint(int entry, int size, int& i, int& j) {
  if (entry < 1) return false;
  i = (entry - 1) / 100;
  j = (entry - 1) % 100;
  return i < size && j < size;
}

int WritableMoveCount(const KifuRecord& record) {
  const int limit = std::clamp(record.currentMove, 0, kMaxRecordMoves);
  int n = 0;
  for (; n < limit; ++n) {
    const int entry = record.moves[n];
    int i, j;
    if (entry < 0) continue;  // a pass
    if (!EntryPoint(entry, NormalisedSize(record.boardSize), i, j)) break;
  }
  return n;
}

}  // namespace kz
