#include "records/sgf_export.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "engine/board/plane_board.h"
#include "platform/shift_jis.h"
#include "records/standard_comment.h"

namespace kz {
namespace {

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

// The text without the ASCII and full-width spaces at either end.
std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kWide = "　";
  for (bool changed = true; changed;) {
    changed = false;
    if (!text.empty() && text.front() == ' ') text.remove_prefix(1), changed = true;
    if (!text.empty() && text.back() == ' ') text.remove_suffix(1), changed = true;
    if (text.starts_with(kWide)) text.remove_prefix(kWide.size()), changed = true;
    if (text.ends_with(kWide)) text.remove_suffix(kWide.size()), changed = true;
  }
  return text;
}

void AppendProperty(std::string& out, std::string_view id, std::string_view value) {
  AppendLine(out, std::string(id) + "[" + SgfEscape(value) + "]");
}

// Reads a decimal number (ASCII or full-width digits) after any spaces.
bool ReadNumber(std::string_view& text, int& value) {
  text = Trimmed(text);
  int digits = 0;
  value = 0;
  for (;;) {
    if (!text.empty() && text[0] >= '0' && text[0] <= '9') {
      value = value * 10 + (text[0] - '0');
      text.remove_prefix(1);
    } else if (text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
               static_cast<unsigned char>(text[1]) == 0xBC &&
               static_cast<unsigned char>(text[2]) >= 0x90 &&
               static_cast<unsigned char>(text[2]) <= 0x99) {  // "０".."９"
      value = value * 10 + (static_cast<unsigned char>(text[2]) - 0x90);
      text.remove_prefix(3);
    } else {
      break;
    }
    if (++digits > 6) return false;
  }
  return digits > 0;
}

bool Eat(std::string_view& text, std::string_view word) {
  text = Trimmed(text);
  if (!text.starts_with(word)) return false;
  text.remove_prefix(word.size());
  return true;
}

// "2026年12月 7日" as the standard comment dialog proposes it.
std::optional<SgfDate> ParseCommentDate(std::string_view text) {
  SgfDate d;
  if (!ReadNumber(text, d.year) || !Eat(text, "年") || !ReadNumber(text, d.month) ||
      !Eat(text, "月") || !ReadNumber(text, d.day) || !Eat(text, "日") ||
      !Trimmed(text).empty())
    return std::nullopt;
  if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31)
    return std::nullopt;
  return d;
}

// The result texts of the counting and of the standard comment dialog.
std::string ParseCommentResult(std::string_view text) {
  text = Trimmed(text);
  if (text == "持碁") return "0";
  std::string winner;
  if (Eat(text, "黒")) winner = "B+";
  else if (Eat(text, "白")) winner = "W+";
  else return {};
  if (Eat(text, "中押し勝ち")) return Trimmed(text).empty() ? winner + "R" : "";
  if (Eat(text, "時間切れ勝ち")) return Trimmed(text).empty() ? winner + "T" : "";
  int margin = 0;
  if (!ReadNumber(text, margin)) return {};
  std::string value = winner + std::to_string(margin);
  if (Eat(text, "目半勝ち")) value += ".5";
  else if (!Eat(text, "目勝ち")) return {};
  return Trimmed(text).empty() ? value : "";
}

// The comment as the root's text, UTF-8: a standard comment without its
// marker line, every line without its trailing blanks, no trailing empty
// lines.
std::string RootComment(const KifuRecord& record) {
  const int count = CommentLineCount(record);
  std::vector<std::string> lines;
  for (int k = HasStandardComment(record) ? 1 : 0; k < count; ++k) {
    std::string_view line = CommentLineText(record.comment[k]);
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    lines.push_back(platform::Cp932ToUtf8(line));
  }
  while (!lines.empty() && Trimmed(lines.back()).empty()) lines.pop_back();
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

// The time limit in minutes as the kifu file can hold it (at most 99:59).
int TimeLimitMinutes(const KifuRecord& record) {
  return std::clamp(record.timeLimit, 0, 99 * 60 + 59);
}

SgfDate Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (::localtime_r(&now, &local) == nullptr) return {};
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace

std::string SgfEscape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == ']' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

std::string SgfResult(const KifuRecord& record) {
  if (record.result == kBlackResigned) return "W+R";
  if (record.result == kWhiteResigned) return "B+R";
  if (TimeLimitMinutes(record) > 0) {
    const unsigned limit = static_cast<unsigned>(TimeLimitMinutes(record)) * 60;
    const bool blackOver = record.blackTime > limit, whiteOver = record.whiteTime > limit;
    if (blackOver != whiteOver) return blackOver ? "W+T" : "B+T";
  }
  if (const auto comment = ReadStandardComment(record)) return ParseCommentResult(comment->result);
  return {};
}

std::string FormatSgf(const KifuRecord& record) { return FormatSgf(record, Today()); }

std::string FormatSgf(const KifuRecord& record, SgfDate fallbackDate) {
  const int size = NormalisedSize(record.boardSize);
  const int handicap = record.handicap >= 0 && record.handicap <= 9 ? record.handicap : 0;
  const std::optional<StandardComment> standard = ReadStandardComment(record);
  std::string out;
  AppendLine(out, "(;GM[1]FF[4]CA[UTF-8]AP[" + std::string(kSgfApplication) + "]");
  AppendLine(out, "SZ[" + std::to_string(size) + "]");
  if (handicap >= 2) {
    AppendLine(out, "HA[" + std::to_string(handicap) + "]");
    AppendLine(out, HandicapStones(size, handicap));
  }
  AppendLine(out, handicap == 0 ? "KM[5.5]" : "KM[0]");
  AppendLine(out, "RU[Japanese]");
  if (const int minutes = TimeLimitMinutes(record); minutes > 0)
    AppendLine(out, "TM[" + std::to_string(minutes * 60) + "]");
  if (standard) {
    if (!Trimmed(standard->blackName).empty()) AppendProperty(out, "PB", Trimmed(standard->blackName));
    if (!Trimmed(standard->whiteName).empty()) AppendProperty(out, "PW", Trimmed(standard->whiteName));
    if (!Trimmed(standard->place).empty()) AppendProperty(out, "PC", Trimmed(standard->place));
  }
  SgfDate date = fallbackDate;
  if (standard) {
    if (const auto written = ParseCommentDate(standard->date)) date = *written;
  }
  if (date.year > 0) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    AppendLine(out, std::string("DT[") + text + "]");
  }
  if (const std::string result = SgfResult(record); !result.empty())
    AppendLine(out, "RE[" + result + "]");
  if (const std::string comment = RootComment(record); !comment.empty())
    AppendProperty(out, "C", comment);

  const int count = WritableMoveCount(record);
  std::string line;
  for (int k = 0; k < count; ++k) {
    const bool white = (k % 2 == 0) == (handicap >= 2);
    line += white ? ";W[" : ";B[";
    int i, j;
    // A pass is an empty value, on every board size.
    if (record.moves[k] >= 0 && EntryPoint(record.moves[k], size, i, j)) line += SgfPoint(i, j);
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
