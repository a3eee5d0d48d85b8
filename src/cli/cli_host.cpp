#include "cli/cli_host.h"

#include <ostream>

namespace kz::cli {

bool CliHost::StartTimer(int, int periodMs) {
  periodMs_ = periodMs;
  return true;
}

void CliHost::MessageBox(std::string_view text, platform::MessageIcon) {
  messages_.emplace_back(text);
}

void CliHost::PrintPendingMessages() {
  for (; printed_ < messages_.size(); ++printed_) out_ << "message: " << messages_[printed_] << '\n';
}

int CliHost::RunDialog(platform::DialogModel& dialog) {
  switch (dialog.Id()) {
    case control::kNewGameDialog: {
      auto& d = static_cast<control::NewGameDialog&>(dialog);
      d.sizeChoice = conditions_.size == 13 ? 1 : conditions_.size == 9 ? 2 : 0;
      d.black = conditions_.black;
      d.white = conditions_.white;
      d.portChoice = conditions_.port >= 1 && conditions_.port <= 3 ? conditions_.port - 1 : 0;
      d.rule = conditions_.rule;
      d.style = conditions_.style;
      d.handicapText = std::string(control::NewGameDialog::kHandicapTexts[conditions_.handicap]);
      d.timeLimitText = std::to_string(conditions_.timeLimit);
      d.seriesText = std::to_string(conditions_.games);
      d.faster = conditions_.fast;
      return d.Validate().empty() ? 0 : platform::kDialogClosed;
    }
    case control::kComputerResignDialog:
      return acceptResignation_ ? 0 : 1;  // "いいよ" / "ダメ"
    case control::kGreetingDialog:
      return 0;
    case control::kSaveCheckDialog:
      return 1;  // "保存しない": the play command saves the record itself
    default:
      return platform::kDialogClosed;
  }
}

}  // namespace kz::cli
