#include "control/dialogs.h"

#include <algorithm>

#include "platform/shift_jis.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace kz::control {
namespace {

constexpr std::array<std::string_view, 2> kNewGameButtons = {"対局開始", "取り消し"};
constexpr std::array<std::string_view, 1> kOkButton = {"OK"};
constexpr std::array<std::string_view, 3> kStandardCommentButtons = {
    "コメント登録", "コメント取消", "棋譜保存取消"};

TextDialog Make(int id, std::string_view title, std::vector<std::string_view> lines,
                std::vector<std::string_view> buttons) {
  TextDialog d;
  d.id = id;
  d.title = title;
  d.lines = std::move(lines);
  d.buttons = std::move(buttons);
  return d;
}

}  // namespace

std::string RangeMessage(long min, long max) {
  return std::to_string(min) + " から " + std::to_string(max) +
         " までの整数を入力してください。";
}

bool ParseWholeNumber(std::string_view text, long& value) {
  std::string s(text);
  std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return false;
  std::size_t e = s.find_last_not_of(" \t");
  s = s.substr(b, e - b + 1);
  const char* p = s.c_str();
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(p, &end, 10);
  if (end == p || *end != '\0' || errno == ERANGE) return false;
  value = v;
  return true;
}

TextDialog SaveMidwayDialog() {
  return Make(kSaveMidwayDialog, "棋譜の保存の確認", {"手順の途中ですが保存してもいいですか？"},
              {"保存する", "保存しない"});
}
TextDialog PassDialog() {
  return Make(kPassDialog, "パスの確認", {"一手パスですか？"}, {"パスします", "取り消し"});
}
TextDialog ResignDialog() {
  return Make(kResignDialog, "投了の確認", {"本当に投了するんですか？"}, {"投了します", "取り消し"});
}
TextDialog SaveCheckDialog() {
  return Make(kSaveCheckDialog, "棋譜の保存確認", {"最新の棋譜が保存されていません。", "保存しますか？"},
              {"保存する", "保存しない"});
}
TextDialog ComputerResignDialog() {
  return Make(kComputerResignDialog, "投了の確認",
              {"参りました(T_T)", "投了させていただいて", "よろしいですか？"}, {"いいよ", "ダメ"});
}
TextDialog UndoRequestDialog() {
  return Make(kUndoRequestDialog, "「待った」の確認",
              {"「待った」ですか？", "あまりしないでくださいね(^_^;)"}, {"お願い", "や～めた"});
}
TextDialog RecommendResignDialog() {
  return Make(kRecommendResignDialog, "投了の確認", {"投了しないとダメですか"}, {"諦めなさい", "取り消し"});
}
TextDialog GreetingDialog() {
  return Make(kGreetingDialog, "対局開始のご挨拶",
              {"それではよろしくお願いします m(．_．)m", "（お手柔らかに(^_^;)）"}, {"こちらこそ"});
}
TextDialog RemoteWaitDialog() {
  return Make(kRemoteWaitDialog, "通信相手の着手",
              {"通信相手（GTPプログラム）がまだ着手しません", "もう少し待ちますか？"},
              {"待つ", "対局を止める"});
}
TextDialog AboutDialog() {
  return Make(kAboutDialog, "バージョン情報",
              {"対局囲碁　風織", "Kazaori Version 1.0", "Linux 版"}, {"OK"});
}

std::span<const std::string_view> GtpProgramDialog::Buttons() const {
  static constexpr std::array<std::string_view, 2> kButtons = {"OK", "取り消し"};
  return kButtons;
}

int GtpProgramDialog::Seconds() const {
  long v = 0;
  return ParseWholeNumber(secondsText, v) && v >= 1 && v <= 3600 ? static_cast<int>(v) : 60;
}

std::string GtpProgramDialog::Validate() const {
  if (commandLine.find_first_not_of(" \t") == std::string::npos) {
    return "GTPプログラムのコマンドラインを入力して下さい";
  }
  long v = 0;
  if (!ParseWholeNumber(secondsText, v) || v < 1 || v > 3600) return RangeMessage(1, 3600);
  return {};
}

NewGameDialog NewGameDialog::From(int boardSize, int black, int white, int port, int rule,
                                  int style, int handicap, int timeLimit) {
  NewGameDialog d;
  d.sizeChoice = boardSize == 13 ? 1 : boardSize == 9 ? 2 : 0;
  d.black = black;
  d.white = white;
  d.portChoice = std::clamp(port, 1, 3) - 1;
  d.rule = rule;
  d.style = style;
  d.handicapText = std::string(kHandicapTexts[handicap >= 0 && handicap <= 9 ? handicap : 0]);
  d.timeLimitText = std::to_string(timeLimit);
  d.seriesText = "1";
  d.faster = false;
  return d;
}

int NewGameDialog::BoardSize() const {
  return sizeChoice == 1 ? 13 : sizeChoice == 2 ? 9 : 19;
}

int NewGameDialog::Handicap(int previous) const {
  for (int k = 0; k < 10; ++k) {
    if (handicapText == kHandicapTexts[k]) return k;
  }
  return previous;
}

int NewGameDialog::TimeLimit() const {
  long v = 0;
  return ParseWholeNumber(timeLimitText, v) && v >= 0 && v <= 1440 ? static_cast<int>(v) : 0;
}

int NewGameDialog::Series() const {
  long v = 0;
  if (!ParseWholeNumber(seriesText, v) || v < 1) return 1;  // a series has one game at least
  return v > 100000 ? 100000 : static_cast<int>(v);
}

std::span<const std::string_view> NewGameDialog::Buttons() const { return kNewGameButtons; }

std::string NewGameDialog::Validate() const {
  long v = 0;
  if (!ParseWholeNumber(timeLimitText, v) || v < 0 || v > 1440) return RangeMessage(0, 1440);
  if (!ParseWholeNumber(seriesText, v) || v < 0) return "符号なし整数を入力してください。";
  return {};
}

int NumberDialog::Value() const {
  long v = 0;
  if (!ParseWholeNumber(text, v) || v < min || v > max) return static_cast<int>(min);
  return static_cast<int>(v);
}

std::string NumberDialog::Validate() const {
  long v = 0;
  if (!ParseWholeNumber(text, v) || v < min || v > max) return RangeMessage(min, max);
  return {};
}

namespace {

NumberDialog MakeNumberDialog(int id, std::string_view title, std::string_view before,
                              std::string_view after, long min, long max,
                              std::string_view go) {
  NumberDialog d;
  d.id = id;
  d.title = title;
  d.before = before;
  d.after = after;
  d.text = "1";
  d.min = min;
  d.max = max;
  d.buttons = {go, "取り消し"};
  return d;
}

}  // namespace

NumberDialog ReplaySpeedDialog() {
  return MakeNumberDialog(kReplaySpeedDialog, "自動鑑賞", "鑑賞速度", "秒", 1, 59, "鑑賞開始");
}

NumberDialog GoToMoveDialog() {
  return MakeNumberDialog(kGoToMoveDialog, "N手目に移る", "第", "手目に移る", 0, 570, "移る");
}

CommentDialog CommentDialog::FromRecord(const KifuRecord& record) {
  CommentDialog d;
  const bool standard = HasStandardComment(record);
  for (int k = 0; k < kLines; ++k) {
    std::string_view raw = (standard && k == 0) ? std::string_view() : CommentLineText(record.comment[k]);
    std::string text = platform::Cp932ToUtf8(raw);
    if (raw.size() < static_cast<std::size_t>(kLineBytes)) text.append(kLineBytes - raw.size(), ' ');
    d.lines[k] = std::move(text);
  }
  return d;
}

std::span<const std::string_view> CommentDialog::Buttons() const { return kOkButton; }

std::span<const std::string_view> StandardCommentDialog::Buttons() const {
  return kStandardCommentButtons;
}

}  // namespace kz::control
