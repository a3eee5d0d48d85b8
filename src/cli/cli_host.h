// The Host of the command line: no window, no sound, a real clock; the timer
// is the play loop's sleep; dialogs are answered the way a program that
// plays unattended answers them; message boxes are printed.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "control/dialogs.h"
#include "platform/host.h"

namespace kz::cli {

// What the new-game dialog is answered with.
struct GameConditions {
  int size = 19;
  int black = 1;  // 1 computer, 2 remote
  int white = 1;
  int handicap = 0;
  int rule = 0;
  int style = 0;
  int timeLimit = 0;
  int games = 1;
  int port = 1;  // 3: the GTP program
  bool fast = false;
};

class CliHost final : public platform::Host {
 public:
  CliHost(std::ostream& out, GameConditions conditions, bool acceptResignation)
      : out_(out), conditions_(conditions), acceptResignation_(acceptResignation) {}

  bool StartTimer(int id, int periodMs) override;
  void StopTimer(int) override {}
  void Invalidate(bool) override {}
  void MessageBox(std::string_view text, platform::MessageIcon icon) override;
  int RunDialog(platform::DialogModel& dialog) override;
  std::optional<std::string> OpenFileDialog(const platform::FileDialogSpec&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFileDialog(const platform::FileDialogSpec&) override {
    return std::nullopt;
  }
  bool PumpOneMessage() override { return false; }
  void PlaySound(const std::string&, bool) override {}
  int SystemFontHeight() const override { return 13; }
  platform::Clock& GetClock() override { return clock_; }

  int TimerPeriodMs() const { return periodMs_; }
  const std::vector<std::string>& Messages() const { return messages_; }
  // Prints the messages shown since the last call (after the moves that
  // led to them).
  void PrintPendingMessages();

 private:
  std::ostream& out_;
  GameConditions conditions_;
  bool acceptResignation_;
  platform::SystemClock clock_;
  int periodMs_ = 1000;
  std::vector<std::string> messages_;
  std::size_t printed_ = 0;
};

}  // namespace kz::cli
