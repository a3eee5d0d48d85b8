// Reading SGF files: the main line, the game information, the character
// sets, passes, the refusals, the stops and hostile input.
#include "records/sgf_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/shift_jis.h"
#include "records/sgf_export.h"
#include "records/standard_comment.h"
#include "support/random_game.h"

namespace kz {
namespace {

int Stone(int i, int j) { return i * 100 + j + 1; }

// Reads `sgf`; fails the test when it is refused.
KifuRecord Read(std::string_view sgf, std::string* message = nullptr) {
  KifuRecord record;
  const SgfReadResult r = ParseSgf(sgf, record);
  EXPECT_TRUE(r.read) << r.message;
  if (message) *message = r.message;
  return record;
}

// Reads `sgf`, expecting a refusal that leaves the record alone; the message.
std::string Refused(std::string_view sgf) {
  KifuRecord record;
  record.boardSize = 13;
  record.moves[0] = Stone(3, 3);
  const KifuRecord before = record;
  const SgfReadResult r = ParseSgf(sgf, record);
  EXPECT_FALSE(r.read);
  EXPECT_FALSE(r.message.empty());
  EXPECT_EQ(record, before);
  return r.message;
}

std::string Name(const KifuRecord& r, int colour) {
  return platform::Cp932ToUtf8(NameText(colour > 0 ? r.blackName : r.whiteName));
}

std::string Line(const KifuRecord& r, int k) {
  return platform::Cp932ToUtf8(CommentLineText(r.comment[k]));
}

TEST(SgfReader, MainLineFollowsTheFirstVariationAtEveryBranch) {
  const KifuRecord r = Read(
      "(;GM[1]FF[4]SZ[9];B[ee](;W[dd];B[cc](;W[gg])(;W[aa]))(;W[ff];B[aa]))"
      "(;SZ[19];B[aa])");
  EXPECT_EQ(r.boardSize, 9);
  ASSERT_EQ(r.currentMove, 4);
  EXPECT_EQ(r.lastMove, 4);
  EXPECT_EQ(r.moves[0], Stone(4, 4));
  EXPECT_EQ(r.moves[1], Stone(3, 3));
  EXPECT_EQ(r.moves[2], Stone(2, 2));
  EXPECT_EQ(r.moves[3], Stone(6, 6));
  EXPECT_EQ(r.moves[4], kNoEntry);
  EXPECT_EQ(r.handicap, 0);
  EXPECT_FALSE(r.hasComment);
}

TEST(SgfReader, PassesInBothFormsAndMovesOutOfTurn) {
  const KifuRecord r = Read("(;SZ[9];B[];W[tt];B[aa]\n;B[bb];W[ ])");
  ASSERT_EQ(r.currentMove, 6);
  EXPECT_EQ(r.moves[0], kPassEntry);
  EXPECT_EQ(r.moves[1], kPassEntry);
  EXPECT_EQ(r.moves[2], Stone(0, 0));
  EXPECT_EQ(r.moves[3], kPassEntry);  // White's turn skipped: a pass
  EXPECT_EQ(r.moves[4], Stone(1, 1));
  EXPECT_EQ(r.moves[5], kPassEntry);
}

TEST(SgfReader, GameInformationBecomesTheStandardComment) {
  const KifuRecord r = Read(
      "(;FF[4]CA[UTF-8]SZ[19]PB[山田 太郎]PW[Lee]DT[2024-05-06]PC[東京]RE[W+R]KM[5.5]"
      "GC[名人戦]C[一行目\\]です\\\\\n二行目は\\\n続く]"
      ";B[pd];W[dp])");
  EXPECT_TRUE(HasStandardComment(r));
  EXPECT_EQ(r.result, kBlackResigned);
  EXPECT_EQ(Name(r, 1), "山田 ");  // the name field holds six bytes
  EXPECT_EQ(Name(r, -1), "Lee");
  const auto c = ReadStandardComment(r);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->blackName, "山田 太郎");
  EXPECT_EQ(c->whiteName, "Lee");
  EXPECT_EQ(c->date, "2024-05-06");
  EXPECT_EQ(c->place, "東京");
  EXPECT_EQ(c->result, "白中押し勝ち");
  EXPECT_EQ(c->notes[0], "名人戦");
  EXPECT_EQ(c->notes[1], "一行目]です\\");
  EXPECT_EQ(c->notes[2], "二行目は続く");
}

TEST(SgfReader, LongCommentsFillTwentyLinesCutAtCharacters) {
  std::string text;
  for (int k = 0; k < 40; ++k) text += "行" + std::to_string(k) + "\n";
  std::string wide;
  for (int k = 0; k < 100; ++k) wide += "碁";
  const KifuRecord r = Read("(;C[" + wide + "\n" + text + "];B[aa])");
  EXPECT_FALSE(HasStandardComment(r));
  EXPECT_EQ(CommentLineCount(r), kCommentLineCount);
  // 200 bytes of double-byte characters: 64 bytes a note line, so 32, 32,
  // 32 and 4 characters.
  EXPECT_EQ(Line(r, 6), "（コメント）" + wide.substr(0, 32 * 3));
  EXPECT_EQ(Line(r, 7), "            " + wide.substr(0, 32 * 3));
  EXPECT_EQ(Line(r, 9), "            " + wide.substr(0, 4 * 3));
  EXPECT_EQ(Line(r, 10), "            行0");
  EXPECT_EQ(Line(r, 19), "            行9");
  for (int k = 0; k < kCommentLineCount; ++k) {
    const std::string_view bytes = CommentLineText(r.comment[k]);
    EXPECT_LE(bytes.size(), static_cast<std::size_t>(kCommentLineBytes - 2));
    EXPECT_EQ(platform::Cp932Prefix(bytes, bytes.size()).size(), bytes.size());
  }
}

TEST(SgfReader, EveryCharacterSet) {
  // UTF-8, by name and when absent; a character CP932 lacks becomes "？".
  EXPECT_EQ(Name(Read("(;CA[utf-8]PB[碁😀]PW[Ünal])"), 1), "碁？");
  EXPECT_EQ(Name(Read("(;CA[utf-8]PB[碁😀]PW[Ünal])"), -1), "？nal");
  EXPECT_EQ(Name(Read("(;PB[風織])"), 1), "風織");
  // Shift_JIS and CP932: the bytes as they are; "～" exists only in CP932.
  const std::string sjis = platform::Utf8ToCp932("囲碁～");
  EXPECT_EQ(Name(Read("(;CA[Shift_JIS]PB[" + sjis + "])"), 1), "囲碁～");
  EXPECT_EQ(Name(Read("(;CA[CP932]PB[" + sjis + "])"), 1), "囲碁～");
  // A byte that is no CP932 character.
  EXPECT_EQ(Name(Read("(;CA[SJIS]PB[a\xA0" "b])"), 1), "a？b");
  // ISO-8859-1: "é" has no CP932 form, "±" has.
  EXPECT_EQ(Name(Read("(;CA[ISO-8859-1]PB[Jos\xE9]PW[\xB1" "1])"), 1), "Jos？");
  EXPECT_EQ(Name(Read("(;CA[ISO-8859-1]PB[Jos\xE9]PW[\xB1" "1])"), -1), "±1");
  // Invalid UTF-8 bytes.
  EXPECT_EQ(Name(Read("(;PB[x\xFF\xFEy])"), 1), "x？？y");
}

TEST(SgfReader, HandicapAndKomi) {
  KifuRecord r = Read("(;SZ[19]HA[4]KM[0.5]AB[dd][pd][dp][pp];W[qq];B[cc])");
  EXPECT_EQ(r.handicap, 4);
  EXPECT_EQ(r.moves[0], Stone(16, 16));
  // FF[4] compressed points, in any order; HA without AB means the points.
  EXPECT_EQ(Read("(;SZ[9]HA[2]AB[gc:gc][cg];W[aa])").handicap, 2);
  Refused("(;SZ[9]HA[9]AB[cc:gg];W[aa])");  // a block of 25 is no handicap
  EXPECT_EQ(Read("(;SZ[9]HA[2];W[aa])").handicap, 2);
  // No stones: komi 0 or less means 先, otherwise an even game.
  EXPECT_EQ(Read("(;KM[0]HA[0])").handicap, 1);
  EXPECT_EQ(Read("(;KM[5.5])").handicap, 0);
  EXPECT_EQ(Read("(;HA[1])").handicap, 0);
  r = Read("(;KM[7.5];B[aa])");
  EXPECT_EQ(r.handicap, 0);
  EXPECT_EQ(ReadStandardComment(r)->notes[0], "この棋譜のコミ：7.5目");
  // GNU Go's three stones stand in another corner: the game is turned.
  r = Read("(;SZ[13]HA[3]AB[dd][jd][dj];W[jk];B[ki])");
  EXPECT_EQ(r.handicap, 3);
  EXPECT_EQ(r.moves[0], Stone(3, 2));  // jk turned half round
  EXPECT_EQ(r.moves[1], Stone(2, 4));
}

TEST(SgfReader, ResultForms) {
  auto result = [](std::string re) {
    const KifuRecord r = Read("(;RE[" + re + "])");
    const auto c = ReadStandardComment(r);
    return std::to_string(r.result) + (c ? c->result : "-");
  };
  EXPECT_EQ(result("B+R"), "2黒中押し勝ち");
  EXPECT_EQ(result("W+Resign"), "1白中押し勝ち");
  EXPECT_EQ(result("W+6.5"), "0白  6目半勝ち");
  EXPECT_EQ(result("B+12"), "0黒 12目勝ち");
  EXPECT_EQ(result("B+T"), "0黒時間勝ち");
  EXPECT_EQ(result("W+F"), "0白反則勝ち");
  EXPECT_EQ(result("0"), "0持碁");
  EXPECT_EQ(result("Void"), "0無勝負");
  EXPECT_EQ(result("?+?"), "0-");
  EXPECT_EQ(result("B+3.8"), "0B+3.8");
}

TEST(SgfReader, Refusals) {
  EXPECT_NE(Refused("(;SZ[7])").find("SZ[7]"), std::string::npos);
  EXPECT_NE(Refused("(;SZ[25:25])").find("盤の大きさ"), std::string::npos);
  EXPECT_NE(Refused("(;GM[2])").find("GM[2]"), std::string::npos);
  EXPECT_NE(Refused("(;AW[aa])").find("AW"), std::string::npos);
  EXPECT_NE(Refused("(;B[aa];AE[aa])").find("AE"), std::string::npos);
  EXPECT_NE(Refused("(;AB[aa])").find("AB"), std::string::npos);
  EXPECT_NE(Refused("(;HA[2]AB[dd][pd])").find("自由置石"), std::string::npos);
  EXPECT_NE(Refused("(;HA[2]AB[pd][dp];B[aa];AB[cc])").find("AB"), std::string::npos);
  EXPECT_NE(Refused("(;HA[10])").find("HA"), std::string::npos);
  EXPECT_NE(Refused("(;HA[99999999999999999999])").find("HA"), std::string::npos);
}

TEST(SgfReader, IllegalMovesStopTheRecordThere) {
  std::string message;
  // Occupied.
  KifuRecord r = Read("(;SZ[9];B[ee];W[ee];B[aa])", &message);
  EXPECT_EQ(r.currentMove, 1);
  EXPECT_NE(message.find("2手目の白 E5"), std::string::npos) << message;
  EXPECT_NE(message.find("石のある所"), std::string::npos);
  // Suicide: White into Black's one-point eye in the corner.
  r = Read("(;SZ[9];B[ba];W[ee];B[ab];W[aa])", &message);
  EXPECT_EQ(r.currentMove, 3);
  EXPECT_NE(message.find("自殺手"), std::string::npos) << message;
  // Ko: Black takes, White retakes at once.
  r = Read("(;SZ[9];B[ba];W[ca];B[ab];W[bb];B[bc];W[db];B[ii];W[cc];B[cb];W[bb])", &message);
  EXPECT_NE(message.find("コウ"), std::string::npos) << message;
  EXPECT_EQ(r.currentMove, 9);
  // Off the board.
  r = Read("(;SZ[9];B[ee];W[jj])", &message);
  EXPECT_EQ(r.currentMove, 1);
  EXPECT_NE(message.find("盤の外"), std::string::npos) << message;
  r = Read("(;SZ[9];B[ee];W[E5])", &message);
  EXPECT_EQ(r.currentMove, 1);
  // Both colours in one node.
  r = Read("(;SZ[9];B[ee];B[aa]W[bb])", &message);
  EXPECT_EQ(r.currentMove, 1);
  EXPECT_FALSE(message.empty());
}

TEST(SgfReader, StopsAtTheRecordsMoveLimit) {
  std::string sgf = "(;SZ[9]";
  for (int k = 0; k < kMaxRecordMoves + 30; ++k) sgf += k % 2 ? ";W[]" : ";B[tt]";
  std::string message;
  const KifuRecord r = Read(sgf + ")", &message);
  EXPECT_EQ(r.currentMove, kMaxRecordMoves);
  EXPECT_NE(message.find(std::to_string(kMaxRecordMoves)), std::string::npos);
}

TEST(SgfReader, HostileInputIsRefusedOrReadSafely) {
  // Truncated anywhere, unbalanced brackets.
  const std::string good = "(;GM[1]SZ[9]C[a\\]b];B[ee](;W[dd])(;W[cc]))";
  for (std::size_t n = 0; n < good.size(); ++n) Refused(good.substr(0, n));
  Refused("(;B[aa");
  Refused("(;B[aa]C[never closed)");
  Refused("(;B]aa[)");
  Refused("(;B[aa]x)");
  // Garbage.
  std::string garbage;
  std::uint32_t seed = 7;
  for (int k = 0; k < 100000; ++k) garbage += static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  Refused(garbage);
  Refused("");
  Refused("(;");
  // Too large: 10 MB of comment.
  Refused("(;C[" + std::string(10 << 20, 'x') + "])");
  // A huge value under the limit, read and cut.
  std::string message;
  const KifuRecord big = Read("(;PB[" + std::string(1 << 20, 'y') + "];B[aa])", &message);
  EXPECT_EQ(Name(big, 1), "yyyyyy");
  EXPECT_EQ(big.currentMove, 1);
  // 10 000 nested variations: the main line goes through all of them.
  std::string deep = "(;SZ[19]";
  for (int k = 0; k < 10000; ++k) deep += "(;" + std::string(k % 2 ? "W" : "B") + "[]";
  deep += std::string(10000, ')') + ")";
  const KifuRecord nested = Read(deep, &message);
  EXPECT_EQ(nested.currentMove, kMaxRecordMoves);
  // The same nesting in side variations only.
  std::string side = "(;SZ[19];B[aa](;W[bb])";
  for (int k = 0; k < 10000; ++k) side += "(;W[cc]";
  side += std::string(10000, ')') + ")";
  EXPECT_EQ(Read(side).currentMove, 2);
  // So many nodes that the main line is cut.
  std::string nodes = "(;";
  for (int k = 0; k < 20000; ++k) nodes += ";";
  const KifuRecord many = Read(nodes + ")", &message);
  EXPECT_FALSE(message.empty());
  EXPECT_EQ(many.currentMove, 0);
}

TEST(SgfReader, TellsSgfFromKifu) {
  EXPECT_TRUE(LooksLikeSgf("(;GM[1])"));
  EXPECT_TRUE(LooksLikeSgf("\xEF\xBB\xBF \r\n( \n;"));
  EXPECT_FALSE(LooksLikeSgf("#COMMENT\r\nINT 19 0\r\n"));
  EXPECT_FALSE(LooksLikeSgf("(x"));
  EXPECT_FALSE(LooksLikeSgf(""));
}

// Every SGF this program writes reads back with the same moves, handicap,
// names, komi (the handicap code: 先 has none) and result.
TEST(SgfReader, ReadsBackWhatTheExportWrites) {
  struct Case {
    int size, handicap, moves, result;
    std::uint32_t seed;
  };
  for (const Case c : {Case{9, 0, 60, kNoResult, 1}, Case{13, 3, 150, kBlackResigned, 2},
                       Case{19, 9, 570, kNoResult, 3}, Case{19, 1, 200, kWhiteResigned, 4},
                       Case{9, 2, 0, kNoResult, 5}, Case{19, 0, 300, kBlackResigned, 6}}) {
    SCOPED_TRACE("size " + std::to_string(c.size) + " handicap " + std::to_string(c.handicap));
    KifuRecord original = test::RandomGameRecord(
        {.size = c.size, .handicap = c.handicap, .moves = c.moves, .passPercent = 4, .seed = c.seed});
    original.result = c.result;
    StandardComment comment;
    comment.blackName = "本因坊";
    comment.whiteName = "Kaz";
    StoreStandardComment(original, comment);

    std::string message;
    const KifuRecord back = Read(FormatSgf(original), &message);
    EXPECT_EQ(message, "");
    EXPECT_EQ(back.boardSize, c.size);
    EXPECT_EQ(back.handicap, c.handicap);
    // The first export writes no result ("?+?").
    if (FormatSgf(original).find("RE[?") == std::string::npos) {
      EXPECT_EQ(back.result, c.result);
    }
    ASSERT_EQ(back.currentMove, original.currentMove);
    for (int k = 0; k < original.currentMove; ++k) {
      EXPECT_EQ(back.moves[k] < 0, original.moves[k] < 0) << k;
      if (original.moves[k] > 0) {
        EXPECT_EQ(back.moves[k], original.moves[k]) << k;
      }
    }
    // The names: the old export writes the player kinds only.
    const std::string sgf = FormatSgf(original);
    if (sgf.find("PB[YOU]") == std::string::npos) {
      EXPECT_EQ(Name(back, 1), "本因坊");
      EXPECT_EQ(Name(back, -1), "Kaz");
    }
  }
}

}  // namespace
}  // namespace kz
