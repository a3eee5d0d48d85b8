// The kifu file: exact bytes written, round trips, and the hand-made
// variants the reader accepts.
#include "records/kifu_format.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/shift_jis.h"
#include "records/standard_comment.h"

namespace kz {
namespace {

using platform::Utf8ToCp932;

int Stone(int i, int j) { return i * 100 + j + 1; }

KifuRecord SampleGame() {
  KifuRecord r;
  r.boardSize = 19;
  r.blackPlayer = kUserPlayer;
  r.whitePlayer = kComputerPlayer;
  r.style = kBoldStyle;
  r.timeLimit = 30;
  r.blackTime = 3725;
  r.whiteTime = 59;
  r.result = kWhiteResigned;
  r.moves[0] = Stone(3, 3);
  r.moves[1] = Stone(15, 15);
  r.moves[2] = kPassEntry;
  r.moves[3] = Stone(2, 16);
  r.currentMove = r.lastMove = 4;
  return r;
}

KifuRecord ReadBack(const std::string& bytes) {
  KifuRecord r;
  ParseKifu(bytes, r);
  return r;
}

TEST(KifuWriting, ExactBytesOfAGame) {
  EXPECT_EQ(FormatKifu(SampleGame()),
            "#COMMENT\r\n"
            "INT 19 0\r\n"
            "WHO 0 1\r\n"
            "RULE 0\r\n"
            "CHARA 1\r\n"
            "TIME 01:02:05 00:00:59 00:30 2\r\n"
            "MOV\r\n"
            " D04 Q16 A00 C17 -0\r\n");
}

TEST(KifuWriting, ConditionLinesForEachSizeAndRule) {
  KifuRecord r;
  r.boardSize = 9;
  r.handicap = 3;
  r.rule = 1;
  r.blackPlayer = kRemotePlayer;
  r.whitePlayer = 7;  // no such kind: written "0"
  EXPECT_EQ(FormatKifu(r),
            "#COMMENT\r\nINT 9 3\r\nWHO 2 0\r\nRULE 2\r\n"
            "TIME 00:00:00 00:00:00 00:00  \r\nMOV\r\n -0\r\n")
      << "no CHARA line without the computer; no moves: the single ' -0'";
  r.boardSize = 13;
  EXPECT_NE(FormatKifu(r).find("INT 13 3\r\n"), std::string::npos);
  r.boardSize = 15;
  EXPECT_NE(FormatKifu(r).find("INT 19 3\r\n"), std::string::npos);
}

TEST(KifuWriting, EndEntryAfterFullLinesAndNoneAt570) {
  KifuRecord r;
  for (int k = 0; k < 19; ++k) r.moves[k] = Stone(k, 0);
  r.currentMove = 19;
  const std::string bytes = FormatKifu(r);
  EXPECT_NE(bytes.find("MOV\r\n A01 B01 C01 D01 E01 F01 G01 H01 J01 K01 L01 M01 "
                       "N01 O01 P01 Q01 R01 S01 T01\r\n -0\r\n"),
            std::string::npos);

  for (int k = 0; k < kMaxRecordMoves; ++k) r.moves[k] = k % 7 ? Stone(k % 19, k / 19 % 19) : kPassEntry;
  r.currentMove = kMaxRecordMoves;
  const std::string full = FormatKifu(r);
  EXPECT_EQ(full.find("-0"), std::string::npos);
  EXPECT_EQ(full.substr(full.size() - 6), " T11\r\n");
  KifuRecord back = ReadBack(full);
  EXPECT_EQ(back.currentMove, kMaxRecordMoves);
  EXPECT_EQ(back.moves, r.moves);
}

TEST(KifuWriting, WritesOnlyMovesUpToTheCurrentMove) {
  KifuRecord r = SampleGame();
  r.currentMove = 2;  // stepped back before saving
  EXPECT_NE(FormatKifu(r).find("MOV\r\n D04 Q16 -0\r\n"), std::string::npos);
}

TEST(KifuWriting, ClocksBeyondTheFieldsAreHeldAtTheirLargestValue) {
  KifuRecord r;
  r.blackTime = 100 * 3600;
  r.timeLimit = 200 * 60;
  EXPECT_NE(FormatKifu(r).find("TIME 99:59:59 00:00:00 99:59  \r\n"), std::string::npos);
}

TEST(KifuRoundTrip, EveryBoardSizeWithPassesResignationClocksAndComment) {
  for (int size : {9, 13, 19}) {
    KifuRecord r = SampleGame();
    r.boardSize = size;
    r.handicap = size == 13 ? 4 : 0;
    r.rule = size == 9 ? 1 : 0;
    r.result = size == 13 ? kBlackResigned : kWhiteResigned;
    r.moves[1] = Stone(size - 4, size - 3);
    r.moves[3] = Stone(size - 1, size - 1);
    r.moves[4] = kPassEntry;
    r.currentMove = r.lastMove = 5;
    StoreStandardComment(r, {"田中　太郎", "風織", "2026年12月 7日", "東京・碁会所",
                             "白中押し勝ち", {"右上の攻防が見所～", "", "終盤－ヨセ"}});
    const std::string bytes = FormatKifu(r);
    KifuRecord back;
    back.boardSize = 19;
    ParseKifu(bytes, back);
    EXPECT_EQ(back, r) << "size " << size;
    EXPECT_EQ(FormatKifu(back), bytes);
  }
}

TEST(KifuRoundTrip, FreeCommentKeepsInnerEmptyLines) {
  KifuRecord r;
  const std::string a = Utf8ToCp932("一行目"), c = Utf8ToCp932("三行目");
  const std::string_view lines[] = {a, "", c};
  SetCommentLines(r, lines, 3);
  const std::string bytes = FormatKifu(r);
  EXPECT_EQ(bytes.substr(0, 10 + a.size() + 2 + 2 + c.size() + 2),
            "#COMMENT\r\n" + a + "\r\n\r\n" + c + "\r\n");
  EXPECT_EQ(ReadBack(bytes), r);
}

TEST(StandardComment, LinesHaveTheirHeadersAndByteLimits) {
  KifuRecord r;
  StandardComment c;
  c.blackName = std::string(40, 'B') + "名前";  // 44 bytes: fits in 58
  c.place = std::string(63, 'p') + "所";       // 65 bytes: the kanji is cut whole
  StoreStandardComment(r, c);
  EXPECT_EQ(CommentLineText(r.comment[0]), "STDCOM");
  EXPECT_EQ(CommentLineText(r.comment[1]),
            Utf8ToCp932("（対 局 者）黒番：") + std::string(40, 'B') + Utf8ToCp932("名前"));
  EXPECT_EQ(CommentLineText(r.comment[2]), Utf8ToCp932("　　　　　  白番："));
  EXPECT_EQ(CommentLineText(r.comment[4]), Utf8ToCp932("（対局場所）") + std::string(63, 'p'));
  EXPECT_EQ(CommentLineText(r.comment[7]), std::string(12, ' '));
  EXPECT_EQ(r.comment[1][18 + 44], '\n');
  EXPECT_EQ(r.comment[1][18 + 45], '\0');
  EXPECT_EQ(r.comment[1][77], ' ');
  EXPECT_EQ(NameText(r.blackName), "BBBBBB");
  auto back = ReadStandardComment(r);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->blackName, c.blackName);
  EXPECT_EQ(back->place, std::string(63, 'p'));
}

TEST(StandardComment, ProposalForARecordWithoutOne) {
  KifuRecord r;
  r.blackPlayer = kComputerPlayer;
  r.whitePlayer = kRemotePlayer;
  StandardComment c = ProposedStandardComment(r, "黒  5目半勝ち", 2026, 3, 7);
  EXPECT_EQ(c.blackName, "風織");
  EXPECT_EQ(c.whiteName, "通信");
  EXPECT_EQ(c.date, "2026年 3月 7日");
  EXPECT_EQ(c.result, "黒  5目半勝ち");
  EXPECT_EQ(StandardCommentDate(2026, 12, 25), "2026年12月25日");
  StoreStandardComment(r, {"甲", "乙", "d", "p", "持碁", {"a", "b", "c"}});
  EXPECT_EQ(ProposedStandardComment(r, "other", 1, 1, 1).result, "持碁");
}

TEST(KifuReading, HandMadeVariants) {
  // Lowercase keywords, LF line ends, the older TIME form, "@1:" and
  // three-space passes, the "09" size form and the WHO rule column.
  const KifuRecord r = ReadBack(
      "#comment\n"
      "int 09 \n"
      "who 1 0 1\n"
      "chara 1\n"
      "time 45   1200  300\n"
      "mov\n"
      " C03 @1: G07     E05 -0\n");
  EXPECT_EQ(r.boardSize, 9);
  EXPECT_EQ(r.handicap, 0);
  EXPECT_EQ(r.blackPlayer, kComputerPlayer);
  EXPECT_EQ(r.whitePlayer, kUserPlayer);
  EXPECT_EQ(r.rule, 1);
  EXPECT_EQ(r.style, kBoldStyle);
  EXPECT_EQ(r.timeLimit, 45);
  EXPECT_EQ(r.blackTime, 1200u);
  EXPECT_EQ(r.whiteTime, 300u);
  EXPECT_EQ(r.currentMove, 5);
  EXPECT_EQ(r.lastMove, 5);
  EXPECT_EQ(r.moves[0], Stone(2, 2));
  EXPECT_EQ(r.moves[1], kPassEntry);
  EXPECT_EQ(r.moves[2], Stone(6, 6));
  EXPECT_EQ(r.moves[3], kPassEntry);
  EXPECT_EQ(r.moves[4], Stone(4, 4));
  EXPECT_EQ(r.moves[5], kNoEntry);
  EXPECT_EQ(r.hasComment, 0);
}

TEST(KifuReading, SizeAndHandicapColumns) {
  EXPECT_EQ(ReadBack("INT 9 5\n").handicap, 5);
  EXPECT_EQ(ReadBack("INT 09 5\n").handicap, 5);
  EXPECT_EQ(ReadBack("INT 13 x\n").handicap, 0);
  const KifuRecord odd = ReadBack("INT 15 2\n");
  EXPECT_EQ(odd.boardSize, 19);
  EXPECT_EQ(odd.handicap, 2);
  // Without an INT line the size and handicap stay as they were.
  KifuRecord kept;
  kept.boardSize = 13;
  kept.handicap = 4;
  ParseKifu("WHO 1 1\n", kept);
  EXPECT_EQ(kept.boardSize, 13);
  EXPECT_EQ(kept.handicap, 4);
}

TEST(KifuReading, OnlyKnownCodesChangeRuleStyleAndPlayers) {
  KifuRecord r = ReadBack("WHO 2 1\nRULE 2\nCHARA 1\nRULE 1\nCHARA 7\nWHO 9 9 9\n");
  EXPECT_EQ(r.blackPlayer, kRemotePlayer);
  EXPECT_EQ(r.whitePlayer, kComputerPlayer);
  EXPECT_EQ(r.rule, 1) << "RULE 1 leaves the rule";
  EXPECT_EQ(r.style, kBoldStyle);
  r = ReadBack("MOV\n -0\n");
  EXPECT_EQ(r.timeLimit, 0);
  EXPECT_EQ(r.blackTime, 0u);
  EXPECT_EQ(r.whiteTime, 0u);
  EXPECT_EQ(r.currentMove, 0);
}

TEST(KifuReading, KeywordLinesInsideTheCommentAreKeywords) {
  const KifuRecord r = ReadBack(
      "#COMMENT\r\n"
      "first\r\n"
      "TIME 00:00:10 00:00:20 01:00 1\r\n"
      "second\r\n"
      "MOV is a comment line here\r\n"
      "INT 13 2\r\n"
      "after the INT line\r\n"
      "MOV\r\n"
      " -0\r\n");
  EXPECT_EQ(r.hasComment, 1);
  EXPECT_EQ(CommentLineText(r.comment[0]), "first");
  EXPECT_EQ(CommentLineText(r.comment[1]), "second");
  EXPECT_EQ(CommentLineText(r.comment[2]), "MOV is a comment line here");
  EXPECT_TRUE(IsBlankCommentLine(r.comment[3]));
  EXPECT_EQ(r.timeLimit, 60);
  EXPECT_EQ(r.blackTime, 10u);
  EXPECT_EQ(r.whiteTime, 20u);
  EXPECT_EQ(r.result, kBlackResigned);
  EXPECT_EQ(r.boardSize, 13);
  EXPECT_EQ(r.handicap, 2);
}

// A comment line holds at most 76 bytes of text (with its newline and zero
// byte, 78). Longer lines in a hand-made file are cut there on reading,
// never inside a double-byte character, and the rest of the line is
// dropped: reading and writing again changes nothing, however often.
TEST(KifuReading, LongCommentLinesAreCutOnceAndThenStayAsTheyAre) {
  const std::string kanji = Utf8ToCp932("碁");  // two bytes
  const std::string line77(77, 'a');
  const std::string line78(78, 'b');
  // 75 single bytes, then a double-byte character over bytes 75 and 76.
  const std::string straddling = std::string(75, 'c') + kanji + "tail of the line";
  const std::string longer = std::string(150, 'd');
  std::string file = "#COMMENT\r\nfirst\r\n" + line77 + "\r\n" + line78 + "\r\n" +
                     straddling + "\r\n" + longer + "\r\n";
  for (int k = 0; k < 14; ++k) file += "line " + std::to_string(k) + "\r\n";
  file += "the twentieth line\r\nINT 19 0\r\nWHO 0 1\r\nMOV\r\n D04 -0\r\n";

  const KifuRecord first = ReadBack(file);
  ASSERT_EQ(CommentLineCount(first), 20);
  EXPECT_EQ(CommentLineText(first.comment[1]), std::string(76, 'a'));
  EXPECT_EQ(CommentLineText(first.comment[2]), std::string(76, 'b'));
  EXPECT_EQ(CommentLineText(first.comment[3]), std::string(75, 'c'));
  EXPECT_EQ(CommentLineText(first.comment[4]), std::string(76, 'd'));
  EXPECT_EQ(CommentLineText(first.comment[5]), "line 0");
  EXPECT_EQ(CommentLineText(first.comment[19]), "the twentieth line");
  EXPECT_EQ(first.currentMove, 1);

  const std::string saved = FormatKifu(first);
  std::string bytes = saved;
  for (int cycle = 0; cycle < 100; ++cycle) bytes = FormatKifu(ReadBack(bytes));
  EXPECT_EQ(bytes, saved);
  EXPECT_EQ(ReadBack(bytes), first);
}

TEST(KifuReading, NamesComeFromCommentLinesOneAndTwo) {
  const std::string black = Utf8ToCp932("（対 局 者）黒番：本因坊秀策");
  const std::string white = Utf8ToCp932("　　　　　  白番：碁");
  const KifuRecord r = ReadBack("#COMMENT\nSTDCOM\n" + black + "\n" + white + "\nINT 19 0\n");
  EXPECT_EQ(NameText(r.blackName), Utf8ToCp932("本因坊"));
  EXPECT_EQ(NameText(r.whiteName), Utf8ToCp932("碁"));
  EXPECT_EQ(r.whiteName[2], ' ') << "the newline after the name becomes a space";
  EXPECT_EQ(r.whiteName[8], '\n');
  EXPECT_EQ(r.whiteName[9], '\0');

  // One ASCII letter first: the third kanji is cut by the field's end and
  // left out of the name.
  const KifuRecord odd = ReadBack("#COMMENT\nSTDCOM\n" +
                                  Utf8ToCp932("（対 局 者）黒番：a本因坊") + "\n");
  EXPECT_EQ(NameText(odd.blackName), Utf8ToCp932("a本因"));
}

TEST(KifuReading, LongLinesAndTooManyCommentLines) {
  std::string bytes = "#COMMENT\n" + std::string(100, 'x') + "\n";
  for (int k = 0; k < 25; ++k) bytes += "line " + std::to_string(k) + "\n";
  const KifuRecord r = ReadBack(bytes);
  EXPECT_EQ(CommentLineText(r.comment[0]), std::string(76, 'x'));
  EXPECT_EQ(CommentLineText(r.comment[1]), "line 0");
  EXPECT_EQ(CommentLineText(r.comment[19]), "line 18");
}

TEST(KifuReading, MoveBlockEndsAtAPointOffTheBoard) {
  // Row 25 on 19 lines, column T on 9 lines, the letter I, row 00: the
  // record keeps the moves before it.
  EXPECT_EQ(ReadBack("MOV\n D04 Q16 D25 C03 -0\n").currentMove, 2);
  EXPECT_EQ(ReadBack("INT 9 0\nMOV\n C03 T05 D04 -0\n").currentMove, 1);
  EXPECT_EQ(ReadBack("INT 9 0\nMOV\n C03 J09 -0\n").currentMove, 2);
  EXPECT_EQ(ReadBack("MOV\n C03 I05 D04 -0\n").currentMove, 1);
  EXPECT_EQ(ReadBack("MOV\n C03 D00 D04 -0\n").currentMove, 1);
  EXPECT_EQ(ReadBack("MOV\n C03 Dx4 -0\n").currentMove, 1);
  const KifuRecord lower = ReadBack("MOV\n c03 t19 -0\n");
  EXPECT_EQ(lower.currentMove, 2) << "lowercase column letters read as capitals";
  EXPECT_EQ(lower.moves[1], Stone(18, 18));
}

TEST(KifuReading, MoveBlockStopsAt570AndAtAShortLine) {
  std::string bytes = "MOV\n";
  for (int line = 0; line < 32; ++line) {
    for (int e = 0; e < 19; ++e) bytes += " D04";
    bytes += "\n";
  }
  const KifuRecord r = ReadBack(bytes);
  EXPECT_EQ(r.currentMove, kMaxRecordMoves);
  EXPECT_EQ(r.lastMove, kMaxRecordMoves);

  const KifuRecord shortLine = ReadBack("MOV\n D04 Q16\n C03\n");
  EXPECT_EQ(shortLine.currentMove, 2) << "a short line without end entry ends the block";
  EXPECT_EQ(ReadBack("MOV\n D04 Q1").currentMove, 1) << "a cut entry at the end of the file";
}

}  // namespace
}  // namespace kz
