// The game record as the kifu file carries it: game conditions, clocks,
// result, the move list and the comment block. The document (game/) holds one
// and the file formats of this folder read and write it.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kz {

constexpr int kMaxRecordMoves = 570;
constexpr int kCommentLineCount = 20;
constexpr int kCommentLineBytes = 78;
constexpr int kNameFieldBytes = 10;

// Move entries: MoveCode + 1 for a stone (1..1819), kPassEntry for a pass,
// kNoEntry where nothing is recorded. Any negative entry is read as a pass.
constexpr int kPassEntry = -100;
constexpr int kNoEntry = 0;

// Player kinds, styles and results as the record codes them.
constexpr int kUserPlayer = 0;
constexpr int kComputerPlayer = 1;
constexpr int kRemotePlayer = 2;
constexpr int kSolidStyle = 0;
constexpr int kBoldStyle = 1;
constexpr int kNoResult = 0;
constexpr int kBlackResigned = 1;
constexpr int kWhiteResigned = 2;

// The 19 column letters of the record (no "I").
inline constexpr std::string_view kColumnLetters = "ABCDEFGHJKLMNOPQRST";

// A comment line: its CP932 text, "\n", a zero byte, spaces to 78 bytes; an
// empty line is "\n" and 77 spaces.
using CommentLine = std::array<char, kCommentLineBytes>;
using CommentBlock = std::array<CommentLine, kCommentLineCount>;
// A name: 8 bytes of CP932 text padded with spaces, "\n", a zero byte.
using NameField = std::array<char, kNameFieldBytes>;

CommentLine EmptyCommentLine();
// `text` (CP932 bytes, cut to 76 bytes without splitting a character) as a
// comment line.
CommentLine MakeCommentLine(std::string_view text);
// The text of a comment line: its bytes up to the first newline or zero byte.
std::string_view CommentLineText(const CommentLine& line);
// A line that holds no text (begins with a newline or a zero byte).
bool IsBlankCommentLine(const CommentLine& line);

CommentBlock BlankCommentBlock();

NameField BlankName();
// The name a comment line carries: its bytes 18..23, a newline or zero byte
// (and everything after it) becoming spaces.
NameField NameFromCommentLine(const CommentLine& line);
// The name's text without its padding (nor half of a double-byte character
// cut off by the field's end).
std::string_view NameText(const NameField& name);

struct KifuRecord {
  int boardSize = 19;
  int handicap = 0;
  int blackPlayer = kUserPlayer;
  int whitePlayer = kUserPlayer;
  int rule = 0;           // 0 Japanese rules, 1 Keima-go
  int style = kSolidStyle;
  int timeLimit = 0;      // minutes per side, 0 = none
  int currentMove = 0;    // moves 1..currentMove are written
  unsigned blackTime = 0; // seconds used
  unsigned whiteTime = 0;
  int lastMove = 0;       // highest move number recorded
  int result = kNoResult;
  std::array<int, kMaxRecordMoves> moves{};
  int hasComment = 0;
  CommentBlock comment = BlankCommentBlock();
  NameField blackName = BlankName();
  NameField whiteName = BlankName();
  bool operator==(const KifuRecord&) const = default;
};

// Clears the comment block, the has-comment flag and both names.
void ClearComment(KifuRecord& record);
// Whether the record carries a standard comment (first line "STDCOM").
bool HasStandardComment(const KifuRecord& record);
// How many comment lines the record's comment has: 9 for a standard comment,
// otherwise up to the last line holding text; 0 without a comment.
int CommentLineCount(const KifuRecord& record);
// Sets the comment lines from CP932 texts (at most 20), the flag and the
// names from lines 1 and 2.
void SetCommentLines(KifuRecord& record, const std::string_view* lines,
                     int count);

// The number of moves the record holds from move 1 on: up to currentMove,
// stopping at the first entry that is not a stone of the board or a pass.
int WritableMoveCount(const KifuRecord& record);

// The board a record's size means: 9, 13, or 19 for anything else.
constexpr int NormalisedSize(int size) {
  return size == 9 || size == 13 ? size : 19;
}

// Whether an entry is a stone on a board of `size` lines; gives its point.
bool EntryPoint(int entry, int size, int& i, int& j);

}  // namespace kz
