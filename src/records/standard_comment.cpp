#include "records/standard_comment.h"

#include <cstdio>

#include "platform/shift_jis.h"

namespace kz {
namespace {

struct LineLayout {
  std::string_view header;  // UTF-8; its CP932 form has headerBytes bytes
  std::size_t headerBytes;
};

// Lines 1..8 of a standard comment.
constexpr LineLayout kLayout[8] = {
    {"（対 局 者）黒番：", 18}, {"　　　　　  白番：", 18},
    {"（対 局 日）", 12},       {"（対局場所）", 12},
    {"（対局結果）", 12},       {"（コメント）", 12},
    {"            ", 12},       {"            ", 12},
};

std::string& FieldOf(StandardComment& c, int line) {
  switch (line) {
    case 1: return c.blackName;
    case 2: return c.whiteName;
    case 3: return c.date;
    case 4: return c.place;
    case 5: return c.result;
    default: return c.notes[line - 6];
  }
}

}  // namespace

std::string_view PlayerLabel(int kind) {
  switch (kind) {
    case kComputerPlayer: return "風織";
    case kRemotePlayer: return "通信";
    default: return "貴方";
  }
}

std::string StandardCommentDate(int year, int month, int day) {
  char text[64];
  std::snprintf(text, sizeof text, "%4d年%2d月%2d日", year % 10000,
                month % 100, day % 100);
  return text;
}

StandardComment ProposedStandardComment(const KifuRecord& record,
                                        std::string_view resultText, int year,
                                        int month, int day) {
  if (auto existing = ReadStandardComment(record)) return *existing;
  StandardComment c;
  c.blackName = PlayerLabel(record.blackPlayer);
  c.whiteName = PlayerLabel(record.whitePlayer);
  c.date = StandardCommentDate(year, month, day);
  c.result = resultText;
  return c;
}

void StoreStandardComment(KifuRecord& record, const StandardComment& comment) {
  std::string lines[9];
  lines[0] = "STDCOM";
  StandardComment fields = comment;
  for (int k = 1; k <= 8; ++k) {
    const LineLayout& layout = kLayout[k - 1];
    const std::string text = platform::Utf8ToCp932(FieldOf(fields, k));
    lines[k] = platform::Utf8ToCp932(layout.header);
    lines[k] += platform::Cp932Prefix(
        text, kCommentLineBytes - 2 - layout.headerBytes);
  }
  std::string_view views[9];
  for (int k = 0; k < 9; ++k) views[k] = lines[k];
  SetCommentLines(record, views, 9);
}

std::optional<StandardComment> ReadStandardComment(const KifuRecord& record) {
  if (!HasStandardComment(record)) return std::nullopt;
  StandardComment c;
  for (int k = 1; k <= 8; ++k) {
    std::string_view text = CommentLineText(record.comment[k]);
    const std::size_t from = kLayout[k - 1].headerBytes;
    text = text.size() > from ? text.substr(from) : std::string_view{};
    FieldOf(c, k) = platform::Cp932ToUtf8(text);
  }
  return c;
}

}  // namespace kz
