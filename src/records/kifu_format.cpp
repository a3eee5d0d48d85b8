#include "records/kifu_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace kz {
namespace {

// ---------------------------------------------------------------- writing

void AppendLine(std::string& out, std::string_view text) {
  out.append(text);
  out.append("\r\n");
}

char Digit(int value, int low, int high) {
  return static_cast<char>('0' + (value >= low && value <= high ? value : 0));
}

std::string ClockText(unsigned seconds) {
  seconds = std::min(seconds, 99u * 3600 + 59 * 60 + 59);
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", seconds / 3600,
                seconds / 60 % 60, seconds % 60);
  return text;
}

void AppendComment(std::string& out, const KifuRecord& record) {
  const int count = CommentLineCount(record);
  for (int k = 0; k < count; ++k)
    AppendLine(out, CommentLineText(record.comment[k]));
}

void AppendConditions(std::string& out, const KifuRecord& record) {
  const int size = NormalisedSize(record.boardSize);
  std::string line = "INT ";
  if (size == 9) {
    line += "9 ";
  } else {
    line += size == 13 ? "13 " : "19 ";
  }
  line += Digit(record.handicap, 0, 9);
  AppendLine(out, line);

  line = "WHO ";
  line += Digit(record.blackPlayer, 0, 2);
  line += ' ';
  line += Digit(record.whitePlayer, 0, 2);
  AppendLine(out, line);

  AppendLine(out, record.rule == 1 ? "RULE 2" : "RULE 0");

  if (record.blackPlayer == kComputerPlayer ||
      record.whitePlayer == kComputerPlayer)
    AppendLine(out, record.style == kBoldStyle ? "CHARA 1" : "CHARA 0");

  const int limit = std::clamp(record.timeLimit, 0, 99 * 60 + 59);
  char limitText[8];
  std::snprintf(limitText, sizeof limitText, "%02d:%02d", limit / 60,
                limit % 60);
  line = "TIME " + ClockText(record.blackTime) + ' ' +
         ClockText(record.whiteTime) + ' ' + limitText + ' ';
  line += record.result == kBlackResigned   ? '1'
          : record.result == kWhiteResigned ? '2'
                                            : ' ';
  AppendLine(out, line);
  AppendLine(out, "MOV");
}

void AppendMoves(std::string& out, const KifuRecord& record) {
  const int count = WritableMoveCount(record);
  const int size = NormalisedSize(record.boardSize);
  std::string line;
  for (int k = 0; k < count; ++k) {
    const int entry = record.moves[k];
    int i = 0, j = 0;
    if (entry < 0) {
      line += " A00";
    } else {
      EntryPoint(entry, size, i, j);
      line += ' ';
      line += kColumnLetters[i];
      line += static_cast<char>('0' + (j + 1) / 10);
      line += static_cast<char>('0' + (j + 1) % 10);
    }
    if (k % 19 == 18) {
      AppendLine(out, line);
      line.clear();
    }
  }
  if (count < kMaxRecordMoves) AppendLine(out, line + " -0");
}

// ---------------------------------------------------------------- reading

// Splits the bytes the way a text-mode line read with a 78-byte buffer does:
// CR LF reads as "\n", and a read takes at most 77 bytes, the newline
// included, so a longer line comes back as several.
class LineReads {
 public:
  explicit LineReads(std::string_view bytes) : bytes_(bytes) {}

  bool Next() {
    length_ = 0;
    while (pos_ < bytes_.size() && length_ < kCommentLineBytes - 1) {
      char c = bytes_[pos_++];
      if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') c = bytes_[pos_++];
      line_[length_++] = c;
      if (c == '\n') break;
    }
    return length_ > 0;
  }

  std::string_view Line() const { return {line_.data(), length_}; }
  // Whether the last read ended with the line's newline (or the data's end).
  bool WholeLine() const {
    return (length_ > 0 && line_[length_ - 1] == '\n') || pos_ >= bytes_.size();
  }
  // Drops what is left of the line the last read began.
  void SkipRestOfLine() {
    while (!WholeLine() && pos_ < bytes_.size() && bytes_[pos_++] != '\n') {
    }
    length_ = 0;
  }
  // The byte at `column`, or 0 past the read.
  char At(std::size_t column) const {
    return column < length_ ? line_[column] : '\0';
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  std::array<char, kCommentLineBytes> line_{};
  std::size_t length_ = 0;
};

bool StartsWithKeyword(std::string_view line, std::string_view keyword) {
  if (line.size() < keyword.size()) return false;
  for (std::size_t k = 0; k < keyword.size(); ++k)
    if (std::toupper(static_cast<unsigned char>(line[k])) != keyword[k])
      return false;
  return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number read from `column` on, after blanks; at most 9 digits.
int NumberAt(const LineReads& in, std::size_t column) {
  while (in.At(column) == ' ' || in.At(column) == '\t') ++column;
  int value = 0;
  for (int digits = 0; digits < 9 && IsDigit(in.At(column)); ++digits)
    value = value * 10 + (in.At(column++) - '0');
  return value;
}

void ReadInt(const LineReads& in, KifuRecord& record) {
  const char a = in.At(4), b = in.At(5);
  int handicapColumn = 7;
  if (a == '1' && b == '9') {
    record.boardSize = 19;
  } else if (a == '1' && b == '3') {
    record.boardSize = 13;
  } else if (a == '0' && b == '9') {
    record.boardSize = 9;
  } else if (a == '9' && b == ' ') {
    record.boardSize = 9;
    handicapColumn = 6;
  } else {
    record.boardSize = 19;
  }
  const char h = in.At(handicapColumn);
  record.handicap = IsDigit(h) ? h - '0' : 0;
}

void ReadWho(const LineReads& in, KifuRecord& record) {
  if (in.At(4) >= '0' && in.At(4) <= '2') record.blackPlayer = in.At(4) - '0';
  if (in.At(6) >= '0' && in.At(6) <= '2') record.whitePlayer = in.At(6) - '0';
  if (in.At(8) == '0' || in.At(8) == '1') record.rule = in.At(8) - '0';
}

void ReadTime(const LineReads& in, KifuRecord& record) {
  const bool colons = in.At(7) == ':' && in.At(10) == ':' && in.At(16) == ':' &&
                      in.At(19) == ':' && in.At(25) == ':';
  if (!colons) {  // the older form: minutes, then seconds used by each side
    record.timeLimit = NumberAt(in, 5);
    record.blackTime = static_cast<unsigned>(NumberAt(in, 10));
    record.whiteTime = static_cast<unsigned>(NumberAt(in, 16));
    return;
  }
  record.timeLimit = NumberAt(in, 23) * 60 + NumberAt(in, 26);
  record.blackTime = static_cast<unsigned>(NumberAt(in, 5) * 3600 +
                                           NumberAt(in, 8) * 60 + NumberAt(in, 11));
  record.whiteTime = static_cast<unsigned>(NumberAt(in, 14) * 3600 +
                                           NumberAt(in, 17) * 60 + NumberAt(in, 20));
  const char r = in.At(29);
  record.result = r == '1' ? kBlackResigned : r == '2' ? kWhiteResigned : kNoResult;
}

// The row of two digits "01".."19" (0-based), or -1.
int RowOf(char first, char second) {
  if (!IsDigit(first) || !IsDigit(second)) return -1;
  return (first - '0') * 10 + (second - '0') - 1;
}

// The move block after the MOV line. Returns at its end.
void ReadMoves(LineReads& in, KifuRecord& record) {
  const int size = NormalisedSize(record.boardSize);
  while (in.Next()) {
    for (int e = 0; e < 19; ++e) {
      const char letter = in.At(4 * e + 1);
      const char d1 = in.At(4 * e + 2), d2 = in.At(4 * e + 3);
      if (letter == '-') return;                       // the end entry
      if (letter == '\n' || letter == '\0') return;    // a short line ends it
      if (record.currentMove >= kMaxRecordMoves) return;
      const bool pass = (letter == ' ' && d1 == ' ' && d2 == ' ') ||
                        ((letter == 'A' || letter == 'a') && d1 == '0' && d2 == '0') ||
                        (letter == '@' && d1 == '1' && d2 == ':');
      if (pass) {
        record.moves[record.currentMove++] = kPassEntry;
        continue;
      }
      const auto column = kColumnLetters.find(
          static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
      const int row = RowOf(d1, d2);
      // A letter outside the column set or a point off this board ends the
      // move block: the record keeps the moves before it.
      if (column == std::string_view::npos || !(static_cast<int>(column) < size) ||
          row < 0 || row >= size)
        return;
      record.moves[record.currentMove++] = static_cast<int>(column) * 100 + row + 1;
    }
  }
}

}  // namespace

std::string FormatKifu(const KifuRecord& record) {
  std::string out;
  AppendLine(out, "#COMMENT");
  AppendComment(out, record);
  AppendConditions(out, record);
  AppendMoves(out, record);
  return out;
}

void ParseKifu(std::string_view bytes, KifuRecord& record) {
  const int size = record.boardSize, handicap = record.handicap;
  record = KifuRecord{};
  record.boardSize = size;
  record.handicap = handicap;

  LineReads in(bytes);
  bool commentMode = false;
  int commentLines = 0;
  while (in.Next()) {
    const std::string_view line = in.Line();
    if (line[0] == '#' && StartsWithKeyword(line.substr(1), "COMMENT")) {
      commentMode = true;
    } else if (StartsWithKeyword(line, "INT")) {
      commentMode = false;
      ReadInt(in, record);
    } else if (StartsWithKeyword(line, "WHO")) {
      ReadWho(in, record);
    } else if (StartsWithKeyword(line, "RULE")) {
      if (in.At(5) == '0') record.rule = 0;
      if (in.At(5) == '2') record.rule = 1;
    } else if (StartsWithKeyword(line, "CHARA")) {
      if (in.At(6) == '0' || in.At(6) == '1') record.style = in.At(6) - '0';
    } else if (StartsWithKeyword(line, "TIME")) {
      ReadTime(in, record);
    } else if (commentMode && commentLines < kCommentLineCount) {
      // A comment line holds its text, the newline and a zero byte: at most
      // 76 bytes of text. A longer line is cut there, never inside a
      // double-byte character, and the rest of it is dropped, so that the
      // line writes back as it reads.
      CommentLine& stored = record.comment[commentLines];
      std::string_view text = line;
      if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
      stored = MakeCommentLine(text);
      if (!in.WholeLine()) in.SkipRestOfLine();
      record.hasComment = 1;
      if (commentLines == 1) record.blackName = NameFromCommentLine(stored);
      if (commentLines == 2) record.whiteName = NameFromCommentLine(stored);
      ++commentLines;
    } else if (StartsWithKeyword(line, "MOV")) {
      ReadMoves(in, record);
      break;
    }
  }
  record.lastMove = record.currentMove;
}

}  // namespace kz
