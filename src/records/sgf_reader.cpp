#include "records/sgf_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/board/plane_board.h"
#include "platform/shift_jis.h"
#include "records/sgf_tree.h"

namespace kz {
namespace {

// ------------------------------------------------------------ texts

enum class Charset { kUtf8, kCp932, kLatin1 };

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return std::string(text);
}

// CA names. Anything unknown is read as UTF-8 (what it is most of the time):
// bytes that are not UTF-8 become "？" in the record.
Charset CharsetOf(std::string_view ca) {
  const std::string name = Upper(Trimmed(ca));
  if (name == "SHIFT_JIS" || name == "SHIFT-JIS" || name == "SJIS" || name == "CP932" ||
      name == "WINDOWS-31J" || name == "MS_KANJI" || name == "X-SJIS")
    return Charset::kCp932;
  if (name == "ISO-8859-1" || name == "ISO8859-1" || name == "ISO_8859-1" ||
      name == "LATIN1" || name == "LATIN-1" || name == "L1")
    return Charset::kLatin1;
  return Charset::kUtf8;
}

// A text of the file as the record's CP932 bytes; characters CP932 cannot
// hold become "？".
std::string ToCp932(std::string_view text, Charset charset) {
  switch (charset) {
    case Charset::kCp932:
      // Through UTF-8 and back, so that bytes which are no CP932 character
      // become "？" too.
      return platform::Utf8ToCp932(platform::Cp932ToUtf8(text));
    case Charset::kLatin1:
      return platform::Utf8ToCp932(platform::Latin1ToUtf8(text));
    case Charset::kUtf8:
      break;
  }
  return platform::Utf8ToCp932(text);
}

// ------------------------------------------------------------ properties

const SgfProperty* Find(const SgfNode& node, std::string_view id) {
  for (const SgfProperty& p : node)
    if (p.id == id && !p.values.empty()) return &p;
  return nullptr;
}

std::string_view First(const SgfNode& node, std::string_view id) {
  const SgfProperty* p = Find(node, id);
  return p != nullptr ? std::string_view(p->values.front()) : std::string_view{};
}

// A whole number in 0..limit (leading and trailing white space allowed);
// -1 when the value is none or larger.
int SmallNumber(std::string_view raw, int limit) {
  const std::string text = Trimmed(SgfValueText(raw, true));
  if (text.empty() || text.size() > 6) return -1;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n <= limit ? n : -1;
}

// "aa".."ss": a point (i from the left, j from the top); "" and "tt" are
// passes. False for anything else or a point off a board of `size` lines.
enum class PointKind { kPoint, kPass, kBad };
PointKind ReadPoint(std::string_view raw, int size, int& i, int& j) {
  const std::string text = Trimmed(raw);
  if (text.empty() || text == "tt") return PointKind::kPass;
  if (text.size() != 2 || text[0] < 'a' || text[0] > 'z' || text[1] < 'a' || text[1] > 'z')
    return PointKind::kBad;
  i = text[0] - 'a';
  j = text[1] - 'a';
  return OnBoard(size, i, j) ? PointKind::kPoint : PointKind::kBad;
}

// The points of AB values, with FF[4]'s compressed rectangles "aa:cc".
bool ReadPointList(const SgfProperty& p, int size, std::set<std::pair<int, int>>& points) {
  for (const std::string& raw : p.values) {
    const std::size_t colon = raw.find(':');
    int i0, j0, i1, j1;
    if (colon == std::string::npos) {
      if (ReadPoint(raw, size, i0, j0) != PointKind::kPoint) return false;
      points.insert({i0, j0});
      continue;
    }
    if (ReadPoint(std::string_view(raw).substr(0, colon), size, i0, j0) != PointKind::kPoint ||
        ReadPoint(std::string_view(raw).substr(colon + 1), size, i1, j1) != PointKind::kPoint)
      return false;
    for (int i = std::min(i0, i1); i <= std::max(i0, i1); ++i)
      for (int j = std::min(j0, j1); j <= std::max(j0, j1); ++j) points.insert({i, j});
  }
  return true;
}

std::set<std::pair<int, int>> HandicapPoints(int size, int handicap) {
  PlaneBoard board;
  board.Reset(size, handicap);
  std::set<std::pair<int, int>> points;
  for (int i = 0; i < size; ++i)
    for (int j = 0; j < size; ++j)
      if (board.GetChain(i, j) != 0) points.insert({i, j});
  return points;
}

// The board's eight symmetries: turn (i, j) by `t` (bit 0 mirrors i, bit 1
// mirrors j, bit 2 swaps the two).
std::pair<int, int> Turned(int t, int size, int i, int j) {
  if (t & 1) i = size - 1 - i;
  if (t & 2) j = size - 1 - j;
  if (t & 4) std::swap(i, j);
  return {i, j};
}

// ------------------------------------------------------------ result

// RE as the record's result (a resignation) and the standard comment's
// result text ("黒中押し勝ち", "白  6目半勝ち", "持碁"...).
struct Result {
  int resigned = kNoResult;
  std::string text;  // UTF-8
};

Result ReadResult(std::string_view value) {
  Result r;
  const std::string text = Trimmed(value);
  const std::string upper = Upper(text);
  if (upper.empty() || upper[0] == '?') return r;
  if (upper == "0" || upper == "DRAW" || upper == "JIGO") {
    r.text = "持碁";
    return r;
  }
  if (upper == "VOID") {
    r.text = "無勝負";
    return r;
  }
  if (upper.size() >= 2 && (upper[0] == 'B' || upper[0] == 'W') && upper[1] == '+') {
    const bool black = upper[0] == 'B';
    const std::string colour = black ? "黒" : "白";
    const std::string how = upper.substr(2);
    if (how == "R" || how == "RESIGN") {
      r.resigned = black ? kWhiteResigned : kBlackResigned;
      r.text = colour + "中押し勝ち";
      return r;
    }
    if (how == "T" || how == "TIME") {
      r.text = colour + "時間勝ち";
      return r;
    }
    if (how == "F" || how == "FORFEIT") {
      r.text = colour + "反則勝ち";
      return r;
    }
    if (how.empty()) {
      r.text = colour + "勝ち";
      return r;
    }
    char* end = nullptr;
    const double margin = std::strtod(how.c_str(), &end);
    if (end != nullptr && *end == '\0' && margin >= 0 && margin < 1000) {
      const int whole = static_cast<int>(margin);
      char field[16];
      std::snprintf(field, sizeof field, "%3d", whole);
      const double rest = margin - whole;
      if (rest == 0 || rest == 0.5) {
        r.text = colour + field + (rest == 0.5 ? "目半勝ち" : "目勝ち");
        return r;
      }
    }
  }
  r.text = text;  // a form of its own: kept as written
  return r;
}

// ------------------------------------------------------------ comment

// The comment block the game information becomes: the standard comment's
// lines (names, date, place, result, notes) when the notes fit its three
// note lines, otherwise the same lines under a heading of their own with
// notes up to the block's 20 lines. Every line is cut at its byte limit
// without splitting a character.
class CommentBuilder {
 public:
  std::string blackName, whiteName, date, place, result;  // CP932
  std::vector<std::string> notes;                         // CP932, one text line each

  // Breaks `text` (CP932, "\n" between lines) into note lines.
  void AddNotes(const std::string& text) {
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string_view line(text.data() + start, end - start);
      do {
        const std::string_view piece = platform::Cp932Prefix(line, kNoteBytes);
        notes.emplace_back(piece);
        line.remove_prefix(piece.size());
      } while (!line.empty());
      start = end + 1;
    }
  }

  bool Empty() const {
    return blackName.empty() && whiteName.empty() && date.empty() && place.empty() &&
           result.empty() && notes.empty();
  }

  void Store(KifuRecord& record) const {
    std::vector<std::string> lines;
    const bool standard = notes.size() <= 3;
    lines.push_back(standard ? "STDCOM" : platform::Utf8ToCp932("（ＳＧＦの棋譜情報）"));
    lines.push_back(Header("（対 局 者）黒番：") + blackName);
    lines.push_back(Header("　　　　　  白番：") + whiteName);
    lines.push_back(Header("（対 局 日）") + date);
    lines.push_back(Header("（対局場所）") + place);
    lines.push_back(Header("（対局結果）") + result);
    for (std::size_t k = 0; k < std::max<std::size_t>(notes.size(), 3); ++k)
      lines.push_back(Header(k == 0 ? "（コメント）" : "            ") +
                      (k < notes.size() ? notes[k] : std::string()));
    const int count = std::min<int>(static_cast<int>(lines.size()), kCommentLineCount);
    std::vector<std::string_view> views(lines.begin(), lines.begin() + count);
    SetCommentLines(record, views.data(), count);
  }

 private:
  static std::string Header(std::string_view utf8) { return platform::Utf8ToCp932(utf8); }
  // A comment line's text bytes less the 12-byte header of a note line.
  static constexpr std::size_t kNoteBytes = kCommentLineBytes - 2 - 12;
};

// ------------------------------------------------------------ moves

const char* RefusalReason(int result) {
  switch (result) {
    case kOccupied: return "石のある所";
    case kSuicide: return "自殺手";
    default: return "コウ";
  }
}

std::string PointText(int i, int j, int size) {
  return std::string(1, kColumnLetters[i]) + std::to_string(size - j);
}

std::string Refusal(std::string_view what) {
  return std::string(what) + "ので、この棋譜は読み込めません(^_^;)";
}

class RecordBuilder {
 public:
  RecordBuilder(KifuRecord& record, int size, int handicap) : record_(record), size_(size) {
    record_.boardSize = size;
    record_.handicap = handicap;
    board_.Reset(size, handicap);
    side_ = handicap >= 2 ? -1 : 1;
  }

  // Plays one move of `colour` (a stone or, with i = -1, a pass). A move
  // out of turn is recorded after a pass of the other side. False, with
  // the message set, when the record ends here.
  bool Play(int colour, int i, int j, std::string& message) {
    if (colour != side_ && !Record(-1, -1, message)) return false;
    if (i < 0) return Record(-1, -1, message);
    const int result = board_.PlayStone(i, j, colour, kReplayWithoutRefresh);
    if (result == kOccupied || result == kSuicide || result == kKo) {
      message = std::to_string(count_ + 1) + "手目の" + (colour > 0 ? "黒 " : "白 ") +
                PointText(i, j, size_) + "は打てない手（" + RefusalReason(result) +
                "）です(^_^;) その前の" + std::to_string(count_) + "手までを読み込みました";
      return false;
    }
    return Record(i, j, message);
  }

  int Count() const { return count_; }

 private:
  bool Record(int i, int j, std::string& message) {
    if (count_ >= kMaxRecordMoves) {
      message = "棋譜は" + std::to_string(kMaxRecordMoves) + "手までです(^_^;) " +
                std::to_string(kMaxRecordMoves) + "手目までを読み込みました";
      return false;
    }
    record_.moves[count_++] = i < 0 ? kPassEntry : MoveCodeOf(i, j) + 1;
    side_ = -side_;
    return true;
  }

  KifuRecord& record_;
  int size_;
  PlaneBoard board_;
  int side_ = 1;
  int count_ = 0;
};

// The komi the record implies for a handicap code: 5.5 in an even game.
double ProgramKomi(int handicap) { return handicap == 0 ? 5.5 : 0.0; }

}  // namespace

bool LooksLikeSgf(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::size_t k = 0;
  auto skip = [&] {
    while (k < bytes.size() && (bytes[k] == ' ' || bytes[k] == '\t' || bytes[k] == '\r' ||
                                bytes[k] == '\n'))
      ++k;
  };
  skip();
  if (k >= bytes.size() || bytes[k] != '(') return false;
  ++k;
  skip();
  return k < bytes.size() && bytes[k] == ';';
}

SgfReadResult ParseSgf(std::string_view bytes, KifuRecord& out) {
  SgfReadResult r;
  if (bytes.size() > kMaxSgfFileBytes) {
    r.message = "SGFファイルが大きすぎます（" + std::to_string(kMaxSgfFileBytes >> 20) +
                "MBまで）(^_^;)";
    return r;
  }
  const SgfMainLine tree = ReadSgfMainLine(bytes);
  switch (tree.status) {
    case SgfMainLine::kNoGameTree:
      r.message = "SGFの棋譜が見つかりません(^_^;)";
      return r;
    case SgfMainLine::kTruncated:
      r.message = "SGFファイルが途中で切れています(^_^;) 括弧 [ ] ( ) の対応を確かめてね";
      return r;
    case SgfMainLine::kBadSyntax:
      r.message = "SGFの書式が正しくありません(^_^;) " + std::to_string(tree.errorOffset + 1) +
                  "バイト目";
      return r;
    case SgfMainLine::kOk:
      break;
  }
  if (tree.nodes.empty()) {
    r.message = "SGFの棋譜が見つかりません(^_^;)";
    return r;
  }
  const SgfNode& root = tree.nodes.front();

  // The game and the board.
  const std::string_view gm = First(root, "GM");
  if (!gm.empty() && SmallNumber(gm, 1000) != 1) {
    r.message = Refusal("囲碁以外のゲーム（GM[" + Trimmed(gm).substr(0, 8) + "]）の棋譜な");
    return r;
  }
  int size = 19;
  if (const std::string_view sz = First(root, "SZ"); !sz.empty()) {
    size = SmallNumber(sz, 1000);
    if (size != 9 && size != 13 && size != 19) {
      r.message = Refusal("盤の大きさ（SZ[" + Trimmed(SgfValueText(sz, true)).substr(0, 12) +
                          "]）が9路・13路・19路ではない");
      return r;
    }
  }

  // The handicap: HA two or more, its AB (if any) this program's points.
  int handicap = 0;
  const std::string_view ha = First(root, "HA");
  const int haValue = ha.empty() ? 0 : SmallNumber(ha, 1000);
  if (haValue < 0 || haValue > 9) {
    r.message = Refusal("置石の数（HA）が0～9子ではない");
    return r;
  }
  int turn = 0;  // the symmetry that makes the stones this program's
  for (std::size_t n = 0; n < tree.nodes.size(); ++n) {
    const SgfNode& node = tree.nodes[n];
    if (Find(node, "AW")) return r.message = Refusal("白の置石（AW）がある"), r;
    if (Find(node, "AE")) return r.message = Refusal("石を取り除く指定（AE）がある"), r;
    const SgfProperty* ab = Find(node, "AB");
    if (ab == nullptr) continue;
    if (n != 0 || haValue < 2)
      return r.message = Refusal("黒の置石（AB）が置碁の置石ではない"), r;
    std::set<std::pair<int, int>> points;
    const std::set<std::pair<int, int>> ours = HandicapPoints(size, haValue);
    bool matched = false;
    if (ReadPointList(*ab, size, points)) {
      // Other programs put three stones (or others) in other corners: the
      // same stones seen from another side of the board are read with the
      // whole game turned that way.
      for (int t = 0; t < 8 && !matched; ++t) {
        std::set<std::pair<int, int>> turned;
        for (auto [i, j] : points) turned.insert(Turned(t, size, i, j));
        if (turned == ours) {
          matched = true;
          turn = t;
        }
      }
    }
    if (!matched)
      return r.message = Refusal("置石（AB）の位置が風織の置碁と違う（自由置石は未対応な）"), r;
  }

  // Names, date, place, result and the root's comments, in the text's
  // character set.
  const Charset charset = CharsetOf(SgfValueText(First(root, "CA"), true));
  auto simple = [&](std::string_view id) {
    return ToCp932(Trimmed(SgfValueText(First(root, id), true)), charset);
  };
  const Result result = ReadResult(SgfValueText(First(root, "RE"), true));
  CommentBuilder comment;
  comment.blackName = simple("PB");
  comment.whiteName = simple("PW");
  comment.date = simple("DT");
  comment.place = simple("PC");
  comment.result = platform::Utf8ToCp932(result.text);

  // Komi: none or less in a game without handicap stones is 先.
  double komi = ProgramKomi(haValue >= 2 ? haValue : 0);
  bool komiGiven = false;
  if (const std::string_view km = First(root, "KM"); !km.empty()) {
    const std::string text = Trimmed(SgfValueText(km, true));
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (!text.empty() && end != nullptr && *end == '\0' && value > -1000 && value < 1000) {
      komi = value;
      komiGiven = true;
    }
  }
  handicap = haValue >= 2 ? haValue : komiGiven && komi <= 0 ? 1 : 0;
  if (komiGiven && komi != ProgramKomi(handicap)) {
    char note[64];
    std::snprintf(note, sizeof note, "この棋譜のコミ：%g目", komi);
    comment.AddNotes(platform::Utf8ToCp932(note));
  }
  if (turn != 0)
    comment.AddNotes(platform::Utf8ToCp932("置石の位置に合わせて盤面を回して読み込みました"));
  for (std::string_view id : {"GC", "C"})
    if (const std::string_view text = First(root, id); !text.empty())
      comment.AddNotes(ToCp932(SgfValueText(text, false), charset));

  // The moves of the main line.
  KifuRecord record;
  record.blackName = BlankName();
  record.whiteName = BlankName();
  record.result = result.resigned;
  RecordBuilder moves(record, size, handicap);
  for (const SgfNode& node : tree.nodes) {
    const SgfProperty* b = Find(node, "B");
    const SgfProperty* w = Find(node, "W");
    if (b == nullptr && w == nullptr) continue;
    if (b != nullptr && w != nullptr) {
      r.message = "黒と白の着手が同じ節にあります(^_^;) " + std::to_string(moves.Count()) +
                  "手目までを読み込みました";
      break;
    }
    const int colour = b != nullptr ? 1 : -1;
    int i = -1, j = -1;
    const PointKind kind = ReadPoint((b != nullptr ? b : w)->values.front(), size, i, j);
    if (kind == PointKind::kBad) {
      r.message = std::to_string(moves.Count() + 1) + "手目の着手（" +
                  Trimmed((b != nullptr ? b : w)->values.front()).substr(0, 8) +
                  "）が盤の外です(^_^;) その前の" + std::to_string(moves.Count()) +
                  "手までを読み込みました";
      break;
    }
    if (kind == PointKind::kPass) i = j = -1;
    else std::tie(i, j) = Turned(turn, size, i, j);
    if (!moves.Play(colour, i, j, r.message)) break;
  }
  if (tree.cut && r.message.empty())
    r.message = "SGFの節が多すぎます(^_^;) " + std::to_string(moves.Count()) +
                "手目までを読み込みました";
  record.currentMove = record.lastMove = moves.Count();
  if (!comment.Empty()) comment.Store(record);
  out = record;
  r.read = true;
  return r;
}

}  // namespace kz
