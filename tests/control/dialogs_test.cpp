#include "control/dialogs.h"

#include <gtest/gtest.h>

namespace kz::control {
namespace {

TEST(NewGameDialogModel, StartValuesComeFromTheConditions) {
  NewGameDialog d = NewGameDialog::From(13, 1, 0, 2, 1, 1, 3, 30);
  EXPECT_EQ(d.sizeChoice, 1);
  EXPECT_EQ(d.BoardSize(), 13);
  EXPECT_EQ(d.black, 1);
  EXPECT_EQ(d.portChoice, 1);
  EXPECT_EQ(d.handicapText, "三子局");
  EXPECT_EQ(d.timeLimitText, "30");
  EXPECT_EQ(d.seriesText, "1");
  EXPECT_FALSE(d.faster);
  EXPECT_EQ(NewGameDialog::From(9, 0, 0, 1, 0, 0, 0, 0).BoardSize(), 9);
  EXPECT_EQ(d.Buttons()[0], "対局開始");
  EXPECT_EQ(d.Buttons()[1], "取り消し");
}

TEST(NewGameDialogModel, HandicapTextOnlyMatchesTheListTexts) {
  NewGameDialog d;
  d.handicapText = "先";
  EXPECT_EQ(d.Handicap(5), 1);
  d.handicapText = "九子局";
  EXPECT_EQ(d.Handicap(0), 9);
  d.handicapText = "十子局";
  EXPECT_EQ(d.Handicap(4), 4);
  d.handicapText = "互先 ";
  EXPECT_EQ(d.Handicap(4), 4);
}

TEST(NewGameDialogModel, TimeLimitIsCheckedAgainstItsRange) {
  NewGameDialog d;
  d.timeLimitText = "1440";
  EXPECT_EQ(d.Validate(), "");
  EXPECT_EQ(d.TimeLimit(), 1440);
  d.timeLimitText = "1441";
  EXPECT_EQ(d.Validate(), RangeMessage(0, 1440));
  d.timeLimitText = "ten";
  EXPECT_EQ(d.Validate(), RangeMessage(0, 1440));
  d.timeLimitText = "0";
  d.seriesText = "-1";
  EXPECT_FALSE(d.Validate().empty());
  d.seriesText = " 5 ";
  EXPECT_EQ(d.Validate(), "");
  EXPECT_EQ(d.Series(), 5);
}

TEST(NumberDialogs, RangesAndStartValues) {
  NumberDialog go = GoToMoveDialog();
  EXPECT_EQ(go.text, "1");
  EXPECT_EQ(go.Buttons()[0], "移る");
  go.text = "570";
  EXPECT_EQ(go.Validate(), "");
  EXPECT_EQ(go.Value(), 570);
  go.text = "571";
  EXPECT_EQ(go.Validate(), RangeMessage(0, 570));
  go.text = "";
  EXPECT_FALSE(go.Validate().empty());
  NumberDialog speed = ReplaySpeedDialog();
  EXPECT_EQ(speed.Value(), 1);
  EXPECT_EQ(speed.Buttons()[0], "鑑賞開始");
  speed.text = "0";
  EXPECT_EQ(speed.Validate(), RangeMessage(1, 59));
  speed.text = "59";
  EXPECT_EQ(speed.Validate(), "");
}

TEST(TextDialogs, TheirTextsAndButtons) {
  TextDialog undo = UndoRequestDialog();
  EXPECT_EQ(undo.Id(), 174);
  EXPECT_EQ(undo.Title(), "「待った」の確認");
  EXPECT_EQ(undo.buttons[0], "お願い");
  EXPECT_EQ(undo.buttons[1], "や～めた");
  TextDialog offer = ComputerResignDialog();
  EXPECT_EQ(offer.lines.size(), 3u);
  EXPECT_EQ(offer.buttons[1], "ダメ");
  EXPECT_EQ(GreetingDialog().buttons.size(), 1u);
  EXPECT_EQ(SaveCheckDialog().lines[1], "保存しますか？");
  EXPECT_EQ(RecommendResignDialog().buttons[0], "諦めなさい");
}

TEST(CommentDialogModel, LinesArePaddedAndTheStandardMarkerHidden) {
  KifuRecord record;
  StandardComment comment;
  comment.blackName = "本因坊";
  comment.whiteName = "風織";
  StoreStandardComment(record, comment);
  CommentDialog d = CommentDialog::FromRecord(record);
  EXPECT_EQ(d.lines[0], std::string(78, ' '));
  // "（対 局 者）黒番：" is 18 bytes in the record, "本因坊" 6 more.
  EXPECT_EQ(d.lines[1], "（対 局 者）黒番：本因坊" + std::string(78 - 24, ' '));
  EXPECT_EQ(d.lines[19], std::string(78, ' '));

  KifuRecord free;
  const std::string_view lines[] = {"free text"};
  SetCommentLines(free, lines, 1);
  EXPECT_EQ(CommentDialog::FromRecord(free).lines[0], "free text" + std::string(69, ' '));
}

}  // namespace
TEST(GtpProgramDialogTest, NeedsACommandLineAndSecondsInRange) {
  control::GtpProgramDialog d;
  d.commandLine = "  ";
  EXPECT_FALSE(d.Validate().empty());
  d.commandLine = "/usr/games/gnugo --mode gtp --level 3";
  EXPECT_TRUE(d.Validate().empty());
  EXPECT_EQ(d.Seconds(), 60);
  for (const char* bad : {"0", "3601", "x", ""}) {
    d.secondsText = bad;
    EXPECT_EQ(d.Validate(), control::RangeMessage(1, 3600)) << bad;
  }
  d.secondsText = " 120 ";
  EXPECT_TRUE(d.Validate().empty());
  EXPECT_EQ(d.Seconds(), 120);
}

}  // namespace kz::control
