// The SGF copy of a record and its path rule.
#include "records/sgf_export.h"

#include <gtest/gtest.h>

#include "platform/shift_jis.h"
#include "records/standard_comment.h"

namespace kz {
namespace {

int Stone(int i, int j) { return i * 100 + j + 1; }

constexpr SgfDate kSaveDay{2026, 12, 11};

bool Has(const std::string& sgf, const std::string& part) {
  return sgf.find(part) != std::string::npos;
}

StandardComment Comment(std::string result) {
  return {"山田　太郎", "風織", "2026年 3月 7日", "東京]\\碁会所", std::move(result),
          {"第一局] です\\", "", ""}};
}

TEST(SgfExport, EvenGameWithAStandardCommentExactBytes) {
  KifuRecord r;
  r.blackPlayer = kUserPlayer;
  r.whitePlayer = kComputerPlayer;
  r.timeLimit = 120;
  r.result = kWhiteResigned;
  for (int k = 0; k < 11; ++k) r.moves[k] = Stone(k, 18 - k);
  r.moves[3] = kPassEntry;
  r.currentMove = 11;
  StoreStandardComment(r, Comment("白中押し勝ち"));
  EXPECT_EQ(FormatSgf(r, kSaveDay),
            "(;GM[1]FF[4]CA[UTF-8]AP[Kazaori:1.0]\r\nSZ[19]\r\nKM[5.5]\r\nRU[Japanese]\r\n"
            "TM[7200]\r\nPB[山田　太郎]\r\nPW[風織]\r\nPC[東京\\]\\\\碁会所]\r\n"
            "DT[2026-03-07]\r\nRE[B+R]\r\n"
            "C[（対 局 者）黒番：山田　太郎\n　　　　　  白番：風織\n（対 局 日）2026年 3月 7日\n"
            "（対局場所）東京\\]\\\\碁会所\n（対局結果）白中押し勝ち\n（コメント）第一局\\] です\\\\]\r\n"
            ";B[as];W[br];B[cq];W[];B[eo];W[fn];B[gm];W[hl];B[ik];W[jj]\r\n"
            ";B[ki])\r\n")
      << "the record's resignation (White) wins over the comment's text";
}

TEST(SgfExport, HandicapStonesOnlyFromTwoStonesAndWhiteMovesFirst) {
  KifuRecord r;
  r.boardSize = 13;
  r.handicap = 3;
  r.moves[0] = Stone(6, 6);
  r.currentMove = 1;
  const std::string sgf = FormatSgf(r, kSaveDay);
  EXPECT_TRUE(Has(sgf, "SZ[13]\r\nHA[3]\r\nAB[jd][dj][jj]\r\nKM[0]\r\n")) << sgf;
  EXPECT_TRUE(Has(sgf, "\r\n;W[gg])\r\n"));
  EXPECT_FALSE(Has(sgf, "TM[")) << "no time limit, no TM";
  EXPECT_FALSE(Has(sgf, "PB[")) << "no names without a standard comment";
  EXPECT_FALSE(Has(sgf, "RE[")) << "an unknown result is left out";

  r.handicap = 9;
  r.boardSize = 19;
  EXPECT_TRUE(Has(FormatSgf(r, kSaveDay), "AB[pd][dp][pp][dd][dj][pj][jd][jp][jj]\r\n"));
  r.handicap = 5;
  EXPECT_TRUE(Has(FormatSgf(r, kSaveDay), "AB[pd][dp][pp][dd][jj]\r\n"));
  r.boardSize = 9;
  r.handicap = 7;
  EXPECT_TRUE(Has(FormatSgf(r, kSaveDay), "SZ[9]\r\nHA[7]\r\nAB[gc][cg][gg][cc][ce][ge][ee]\r\n"));

  r.handicap = 1;  // 先: no stones, Black first, no komi
  r.moves[0] = kPassEntry;
  const std::string sen = FormatSgf(r, kSaveDay);
  EXPECT_FALSE(Has(sen, "AB")) << sen;
  EXPECT_FALSE(Has(sen, "HA["));
  EXPECT_TRUE(Has(sen, "SZ[9]\r\nKM[0]\r\n"));
  EXPECT_TRUE(Has(sen, ";B[])")) << "a pass is an empty value";
}

TEST(SgfExport, ResultsInSgfForm) {
  KifuRecord r;
  auto result = [&](const std::string& text) {
    StoreStandardComment(r, Comment(text));
    return SgfResult(r);
  };
  EXPECT_EQ(result("黒  5目半勝ち"), "B+5.5");
  EXPECT_EQ(result("白 12目勝ち"), "W+12");
  EXPECT_EQ(result("白６目半勝ち"), "W+6.5");
  EXPECT_EQ(result("黒中押し勝ち"), "B+R");
  EXPECT_EQ(result("白時間切れ勝ち"), "W+T");
  EXPECT_EQ(result("持碁"), "0");
  EXPECT_EQ(result(""), "");
  EXPECT_EQ(result("黒の勝ちかな"), "");
  EXPECT_FALSE(Has(FormatSgf(r, kSaveDay), "RE["));

  // One side over the time limit loses on time; a resignation comes first.
  r.timeLimit = 30;
  r.blackTime = 30 * 60 + 1;
  r.whiteTime = 100;
  EXPECT_EQ(SgfResult(r), "W+T");
  r.whiteTime = 30 * 60 + 5;
  EXPECT_EQ(SgfResult(r), "") << "both over: the record does not tell";
  r.blackTime = 10;
  EXPECT_EQ(SgfResult(r), "B+T");
  EXPECT_TRUE(Has(FormatSgf(r, kSaveDay), "TM[1800]\r\n"));
  KifuRecord damaged = r;
  damaged.timeLimit = 999999999;  // read from a damaged file: the kifu's 99:59
  EXPECT_TRUE(Has(FormatSgf(damaged, kSaveDay), "TM[359940]\r\n"));
  r.result = kBlackResigned;
  EXPECT_EQ(SgfResult(r), "W+R");
  EXPECT_TRUE(Has(FormatSgf(r, kSaveDay), "RE[W+R]\r\n"));
}

TEST(SgfExport, DateFromTheCommentOrTheDayOfSaving) {
  KifuRecord r;
  EXPECT_TRUE(Has(FormatSgf(r, kSaveDay), "DT[2026-12-11]\r\n"));
  EXPECT_FALSE(Has(FormatSgf(r, SgfDate{}), "DT["));
  StoreStandardComment(r, Comment(""));
  EXPECT_TRUE(Has(FormatSgf(r, kSaveDay), "DT[2026-03-07]\r\n"));
  StandardComment c = Comment("");
  c.date = "去年の春";
  StoreStandardComment(r, c);
  EXPECT_TRUE(Has(FormatSgf(r, kSaveDay), "DT[2026-12-11]\r\n")) << "an unreadable date";
  c.date = "2026年13月 1日";
  StoreStandardComment(r, c);
  EXPECT_TRUE(Has(FormatSgf(r, kSaveDay), "DT[2026-12-11]\r\n"));
}

TEST(SgfExport, AFreeCommentIsTheRootTextInUtf8) {
  KifuRecord r;
  const std::string lines[] = {platform::Utf8ToCp932("対局メモ：左下]が急所"), "",
                               "C:\\kifu   ", ""};
  const std::string_view views[] = {lines[0], lines[1], lines[2], lines[3]};
  SetCommentLines(r, views, 4);
  const std::string sgf = FormatSgf(r, kSaveDay);
  EXPECT_TRUE(Has(sgf, "C[対局メモ：左下\\]が急所\n\nC:\\\\kifu]\r\n")) << sgf;
  EXPECT_FALSE(Has(sgf, "PB[")) << "a free comment names nobody";
}

TEST(SgfExport, MoveLinesEndAfterTenAndTheFileIsAlwaysClosed) {
  KifuRecord r;
  const std::string empty = FormatSgf(r, SgfDate{});
  EXPECT_EQ(empty.substr(empty.size() - 17), "RU[Japanese]\r\n)\r\n");
  for (int k = 0; k < kMaxRecordMoves; ++k) r.moves[k] = kPassEntry;
  r.currentMove = 10;
  EXPECT_TRUE(Has(FormatSgf(r, kSaveDay), ";W[]\r\n)\r\n"));
  r.currentMove = kMaxRecordMoves;
  const std::string full = FormatSgf(r, kSaveDay);
  EXPECT_EQ(full.substr(full.size() - 9), ";W[]\r\n)\r\n")
      << "570 moves: the closing parenthesis alone on the last line";
}

TEST(SgfPath, ReplacesTheExtensionOfTheFileNameOnly) {
  EXPECT_EQ(SgfPathFor("game.IG1"), "game.SGF");
  EXPECT_EQ(SgfPathFor("/home/u/kifu/game.ig1"), "/home/u/kifu/game.SGF");
  EXPECT_EQ(SgfPathFor("/BIG1/dir.iG1/x.Ig1"), "/BIG1/dir.iG1/x.SGF");
  const std::string longPath = "/" + std::string(200, 'd') + "/record.IG1";
  EXPECT_EQ(SgfPathFor(longPath), longPath.substr(0, longPath.size() - 3) + "SGF");
  EXPECT_FALSE(SgfPathFor("/dir.IG1/record"));
  EXPECT_FALSE(SgfPathFor("record.IG1.bak"));
  EXPECT_FALSE(SgfPathFor("recordIG1"));
  EXPECT_FALSE(SgfPathFor("record.IG2"));
  EXPECT_FALSE(SgfPathFor(""));
}

}  // namespace
}  // namespace kz
