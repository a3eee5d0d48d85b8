// The SGF copy of a record and its path rule.
#include "records/sgf_export.h"

#include <gtest/gtest.h>

namespace kz {
namespace {

int Stone(int i, int j) { return i * 100 + j + 1; }

const char kInfoLines[] =
    "DT[mm/dd/yy]\r\nPC[where]\r\n";

TEST(SgfExport, EvenGameExactBytes) {
  KifuRecord r;
  r.blackPlayer = kUserPlayer;
  r.whitePlayer = kComputerPlayer;
  r.timeLimit = 120;
  for (int k = 0; k < 11; ++k) r.moves[k] = Stone(k, 18 - k);
  r.moves[3] = kPassEntry;
  r.currentMove = 11;
  EXPECT_EQ(FormatSgf(r),
            std::string("(;\r\nGM[1]FF[1]\r\nSZ[19]\r\nHA[0]\r\nPB[YOU]\r\nPW[KAZAORI]\r\n") +
                kInfoLines +
                "KM[5.5]\r\nTM[120]\r\nRU[japanese]\r\nRE[?+?]\r\nEV[event?]\r\n"
                "GN[?? vs ??]\r\n"
                ";B[as];W[br];B[cq];W[tt];B[eo];W[fn];B[gm];W[hl];B[ik];W[jj]\r\n"
                ";B[ki])\r\n");
}

TEST(SgfExport, HandicapGameNamesItsStonesAndWhiteMovesFirst) {
  KifuRecord r;
  r.boardSize = 13;
  r.handicap = 3;
  r.blackPlayer = kRemotePlayer;
  r.whitePlayer = 5;
  r.moves[0] = Stone(6, 6);
  r.currentMove = 1;
  const std::string sgf = FormatSgf(r);
  EXPECT_NE(sgf.find("SZ[13]\r\nHA[3]\r\nAB[jd][dj][jj]\r\nPB[COMM]\r\nPW[?]\r\n"),
            std::string::npos) << sgf;
  EXPECT_NE(sgf.find("KM[0]\r\nTM[0]\r\n"), std::string::npos);
  EXPECT_NE(sgf.find("\r\n;W[gg])\r\n"), std::string::npos);
}

TEST(SgfExport, HandicapStonesInTheOrderOfTheirChainIds) {
  KifuRecord r;
  r.handicap = 9;
  EXPECT_NE(FormatSgf(r).find("AB[pd][dp][pp][dd][dj][pj][jd][jp][jj]\r\n"), std::string::npos);
  r.handicap = 5;
  EXPECT_NE(FormatSgf(r).find("AB[pd][dp][pp][dd][jj]\r\n"), std::string::npos);
  r.boardSize = 9;
  r.handicap = 7;
  EXPECT_NE(FormatSgf(r).find("SZ[9]\r\nHA[7]\r\nAB[gc][cg][gg][cc][ce][ge][ee]\r\n"),
            std::string::npos);
  r.handicap = 1;  // 先: no stones, Black first, no komi
  r.moves[0] = kPassEntry;
  r.currentMove = 1;
  const std::string sen = FormatSgf(r);
  EXPECT_EQ(sen.find("AB"), std::string::npos);
  EXPECT_NE(sen.find("HA[1]\r\nPB"), std::string::npos);
  EXPECT_NE(sen.find("KM[0]"), std::string::npos);
  EXPECT_NE(sen.find(";B[tt])"), std::string::npos) << "a pass on 9 lines is still tt";
}

TEST(SgfExport, MoveLinesEndAfterTenAndTheFileIsAlwaysClosed) {
  KifuRecord r;
  EXPECT_EQ(FormatSgf(r).substr(FormatSgf(r).size() - 17), "GN[?? vs ??]\r\n)\r\n");
  for (int k = 0; k < kMaxRecordMoves; ++k) r.moves[k] = kPassEntry;
  r.currentMove = 10;
  EXPECT_NE(FormatSgf(r).find(";W[tt]\r\n)\r\n"), std::string::npos);
  r.currentMove = kMaxRecordMoves;
  const std::string full = FormatSgf(r);
  EXPECT_EQ(full.substr(full.size() - 11), ";W[tt]\r\n)\r\n")
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
