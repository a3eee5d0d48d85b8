// Every dialog of the game as a plain model: its fields with their start
// values, its range checks and its buttons with their exact texts. The view
// fills a model, hands it to Host::RunDialog and reads the fields back; the
// Qt window builds its dialog from the same model.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "records/kifu_record.h"
#include "records/standard_comment.h"

namespace kz::control {

// Resource ids of the dialogs.
enum DialogId : int {
  kAboutDialog = 100,
  kNewGameDialog = 108,
  kReplaySpeedDialog = 131,
  kGoToMoveDialog = 136,
  kSaveMidwayDialog = 137,
  kCommentDialog = 146,
  kPassDialog = 147,
  kResignDialog = 148,
  kSaveCheckDialog = 152,
  kComputerResignDialog = 153,
  kUndoRequestDialog = 174,
  kRecommendResignDialog = 175,
  kStandardCommentDialog = 176,
  kGreetingDialog = 185,
  kRemoteWaitDialog = 190,
  kGtpProgramDialog = 191,
};

// The framework's range message for an integer edit field.
std::string RangeMessage(long min, long max);
// Parses a whole decimal number (blanks around it allowed); false otherwise.
bool ParseWholeNumber(std::string_view text, long& value);

// A dialog of fixed lines of text and buttons (confirmations, the greeting,
// the About box). Button 0 is the one that goes ahead.
struct TextDialog final : platform::DialogModel {
  int id = 0;
  std::string_view title;
  std::vector<std::string_view> lines;
  std::vector<std::string_view> buttons;

  int Id() const override { return id; }
  std::string_view Title() const override { return title; }
  std::span<const std::string_view> Buttons() const override { return buttons; }
  int AcceptButton() const override { return 0; }
};

TextDialog SaveMidwayDialog();         // 137
TextDialog PassDialog();               // 147
TextDialog ResignDialog();             // 148
TextDialog SaveCheckDialog();          // 152
TextDialog ComputerResignDialog();     // 153
TextDialog UndoRequestDialog();        // 174
TextDialog RecommendResignDialog();    // 175
TextDialog GreetingDialog();           // 185
TextDialog RemoteWaitDialog();         // 190: the GTP program's move is overdue
TextDialog AboutDialog();              // 100

// 108 対局条件の設定.
struct NewGameDialog final : platform::DialogModel {
  static constexpr std::array<std::string_view, 10> kHandicapTexts = {
      "互先", "先", "二子局", "三子局", "四子局", "五子局", "六子局", "七子局", "八子局", "九子局"};
  static constexpr std::array<std::string_view, 3> kSizeLabels = {"１９路", "１３路", "９路"};
  static constexpr std::array<std::string_view, 3> kPlayerLabels = {"貴方", "風織", "通信"};
  static constexpr std::array<std::string_view, 3> kPortLabels = {"Port1", "Port2", "GTP"};
  static constexpr std::array<std::string_view, 2> kRuleLabels = {"日本ルール", "ケイマ碁"};
  static constexpr std::array<std::string_view, 2> kStyleLabels = {"堅実", "大胆"};
  static constexpr std::string_view kFasterLabel = "着手を早くする";

  int sizeChoice = 0;     // 0 19 lines, 1 13, 2 9
  int black = 0;          // 0 user, 1 computer, 2 remote
  int white = 0;
  int portChoice = 0;     // port - 1 (2: the GTP program)
  int rule = 0;
  int style = 0;
  std::string handicapText = "互先";
  std::string timeLimitText = "0";  // minutes per side, 0..1440
  std::string seriesText = "1";     // games in the series
  bool faster = false;

  // Start values from the current conditions (series 1, faster unchecked).
  static NewGameDialog From(int boardSize, int black, int white, int port, int rule,
                            int style, int handicap, int timeLimit);
  int BoardSize() const;           // 19, 13 or 9
  // The handicap the text names, or `previous` when it names none.
  int Handicap(int previous) const;
  int TimeLimit() const;           // valid after Validate() passed
  int Series() const;              // valid after Validate() passed

  int Id() const override { return kNewGameDialog; }
  std::string_view Title() const override { return "対局条件の設定"; }
  std::span<const std::string_view> Buttons() const override;
  int AcceptButton() const override { return 0; }
  std::string Validate() const override;
};

// A dialog with one integer edit field and a range (131 and 136).
struct NumberDialog final : platform::DialogModel {
  int id = 0;
  std::string_view title;
  std::string_view before;   // the label before the field
  std::string_view after;    // the label after it
  std::string text;          // what the field holds
  long min = 0;
  long max = 0;
  std::array<std::string_view, 2> buttons{};

  int Value() const;  // valid after Validate() passed

  int Id() const override { return id; }
  std::string_view Title() const override { return title; }
  std::span<const std::string_view> Buttons() const override { return buttons; }
  int AcceptButton() const override { return 0; }
  std::string Validate() const override;
};

// 191 GTPプログラム: the command line of the GTP program that plays as
// 通信 on the GTP port, and how many seconds it may take for a move before
// the user is asked whether to wait on.
struct GtpProgramDialog final : platform::DialogModel {
  std::string commandLine;
  std::string secondsText = "60";  // 1..3600

  int Seconds() const;  // valid after Validate() passed

  int Id() const override { return kGtpProgramDialog; }
  std::string_view Title() const override { return "GTPプログラム"; }
  std::span<const std::string_view> Buttons() const override;
  int AcceptButton() const override { return 0; }
  std::string Validate() const override;
};

NumberDialog ReplaySpeedDialog();  // 131: 1..59 seconds, starts at 1
NumberDialog GoToMoveDialog();     // 136: 0..570, starts at 1

// 146 コメント: the record's comment block, 20 lines, shown with a light
// grey background at x 5, y 5 + line × font height.
struct CommentDialog final : platform::DialogModel {
  static constexpr int kLines = kCommentLineCount;
  static constexpr int kLineBytes = kCommentLineBytes;
  static constexpr std::uint32_t kBackground = 0xC0C0C0;  // RGB 192, 192, 192
  // Each line's text up to its newline or zero byte, as UTF-8, padded with
  // spaces to 78 byte columns of the record; a standard comment ("STDCOM")
  // shows its line 0 empty.
  std::array<std::string, kLines> lines;

  static CommentDialog FromRecord(const KifuRecord& record);

  int Id() const override { return kCommentDialog; }
  std::string_view Title() const override { return "コメント"; }
  std::span<const std::string_view> Buttons() const override;
  int AcceptButton() const override { return 0; }
};

// 176 標準コメントの記述. The texts are cut to their byte limits when they
// are stored in the record.
struct StandardCommentDialog final : platform::DialogModel {
  enum Button { kRegister = 0, kDiscard = 1, kCancelSave = 2 };

  StandardComment comment;

  int Id() const override { return kStandardCommentDialog; }
  std::string_view Title() const override { return "標準コメントの記述"; }
  std::span<const std::string_view> Buttons() const override;
  int AcceptButton() const override { return kRegister; }
};

}  // namespace kz::control
