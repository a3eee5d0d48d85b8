// The JIS text board: header, row labels and cells, byte for byte.
#include "records/jis_board.h"

#include <gtest/gtest.h>

#include "platform/shift_jis.h"
#include "support/board_diagram.h"

namespace kz {
namespace {

std::string Text(const PlaneBoard& board, int lastMove) {
  return platform::Cp932ToUtf8(FormatJisBoard(board, lastMove));
}

TEST(JisBoard, NineLinesWithStonesAndTheLastMove) {
  PlaneBoard board;
  test::Place(board, {". . . . . . . . X",
                      ". X . . . . . . .",
                      ". . O . . . . . .",
                      ". . . . . . . . .",
                      ". . . . X . . . .",
                      ". . . . . . . . .",
                      ". . . . . . . . .",
                      "O . . . . . . . .",
                      ". . . . . . . . O"});
  const std::string bytes = FormatJisBoard(board, MoveCodeOf(2, 2));
  EXPECT_EQ(bytes.substr(0, 2), "\x81\x40") << "CP932 bytes";
  EXPECT_EQ(platform::Cp932ToUtf8(bytes),
            "　ＡＢＣＤＥＦＧＨＪ\r\n"
            "１・－－－－－－－●\r\n"
            "２｜●＋＋＋＋＋＋｜\r\n"
            "３｜＋◇＋＋＋＋＋｜\r\n"
            "４｜＋＋＋＋＋＋＋｜\r\n"
            "５｜＋＋＋●＋＋＋｜\r\n"
            "６｜＋＋＋＋＋＋＋｜\r\n"
            "７｜＋＋＋＋＋＋＋｜\r\n"
            "８○＋＋＋＋＋＋＋｜\r\n"
            "９・－－－－－－－○\r\n");
  EXPECT_EQ(Text(board, MoveCodeOf(4, 4)).find("◇"), std::string::npos);
  EXPECT_NE(Text(board, MoveCodeOf(4, 4)).find("５｜＋＋＋◆"), std::string::npos);
  EXPECT_EQ(Text(board, MoveCodeOf(3, 3)), Text(board, -1))
      << "no mark on an empty last-move point";
}

TEST(JisBoard, ThirteenAndNineteenLinesUseAsciiLabelsFromRowTen) {
  PlaneBoard board;
  board.Reset(13, 0);
  std::string text = Text(board, -1);
  EXPECT_EQ(text.substr(0, text.find("\r\n")), "　ＡＢＣＤＥＦＧＨＪＫＬＭＮ");
  EXPECT_NE(text.find("\r\n９｜＋＋＋＋＋＋＋＋＋＋＋｜\r\n"
                      "10｜＋＋＋＋＋＋＋＋＋＋＋｜\r\n"),
            std::string::npos);
  EXPECT_EQ(text.substr(text.rfind("\r\n13")), "\r\n13・－－－－－－－－－－－・\r\n");

  board.Reset(19, 2);  // handicap stones are Black stones like any other
  text = Text(board, -1);
  EXPECT_EQ(text.substr(0, text.find("\r\n")),
            "　ＡＢＣＤＥＦＧＨＪＫＬＭＮＯＰＱＲＳＴ");
  EXPECT_NE(text.find("\r\n４｜＋＋＋＋＋＋＋＋＋＋＋＋＋＋●＋＋｜\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n16｜＋＋●＋＋＋＋＋＋＋＋＋＋＋＋＋＋｜\r\n"), std::string::npos);
  EXPECT_EQ(FormatJisBoard(board, -1).size(), 20u * (2 + 19 * 2 + 2));
}

}  // namespace
}  // namespace kz
