// A scripted Host for tests: answers queued per dialog and file dialog, a
// manual clock, messages that the engine's pump delivers queued by the test,
// and a log of every message box, dialog, sound, timer and redraw call.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/host.h"

namespace kz::test {

class FakeClock final : public platform::Clock {
 public:
  std::int64_t Now() const override { return now; }
  platform::LocalDateTime Local() const override { return local; }
  void Advance(std::int64_t seconds) { now += seconds; }

  std::int64_t now = 1'800'000'000;
  platform::LocalDateTime local{2027, 5, 31, 14, 5, 0};
};

class FakeHost final : public platform::Host {
 public:
  // An answer for the next dialog: its id must match; `edit` may change the
  // fields before `button` is pressed.
  struct DialogAnswer {
    int id;
    int button;
    std::function<void(platform::DialogModel&)> edit;
  };

  // Queues the answer for the next dialog with `id`.
  void Answer(int id, int button, std::function<void(platform::DialogModel&)> edit = {});
  void AnswerFile(std::optional<std::string> path) { fileAnswers.push_back(std::move(path)); }
  // A message the next PumpOneMessage dispatches (a tick, a click, a command).
  void Post(std::function<void()> message) { pending.push_back(std::move(message)); }

  bool StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void Invalidate(bool erase) override;
  void StateChanged() override { ++stateChanges; }
  void MessageBox(std::string_view text, platform::MessageIcon icon) override;
  int RunDialog(platform::DialogModel& dialog) override;
  std::optional<std::string> OpenFileDialog(const platform::FileDialogSpec& request) override;
  std::optional<std::string> SaveFileDialog(const platform::FileDialogSpec& request) override;
  bool PumpOneMessage() override;
  void PlaySound(const std::string& path, bool async) override;
  int SystemFontHeight() const override { return systemFontHeight; }
  platform::Clock& GetClock() override { return clock; }

  // Log entries: "message <text>", "dialog <id>", "sound <path> sync|async",
  // "file-open <title>", "file-save <title>", "timer <id> <ms>",
  // "timer-stop <id>", "unanswered <id>", "invalid <id> <range message>".
  std::vector<std::string> log;
  std::vector<std::string> messages;   // the message-box texts alone
  std::vector<int> dialogs;            // the ids of the dialogs shown
  std::vector<std::string> sounds;     // "<path> sync|async"
  std::vector<platform::FileDialogSpec> fileDialogs;
  std::map<int, int> timers;           // running timers and their periods
  int invalidations = 0;
  int stateChanges = 0;  // StateChanged() calls
  int erasingInvalidations = 0;  // of the invalidations, those with the background
  int pumped = 0;
  bool failTimers = false;
  int systemFontHeight = 13;
  FakeClock clock;

  std::deque<DialogAnswer> answers;
  std::deque<std::optional<std::string>> fileAnswers;
  std::deque<std::function<void()>> pending;

  // Messages shown since the last call, and forgets them.
  std::vector<std::string> TakeMessages();
  // How many times `text` was shown.
  int CountMessage(std::string_view text) const;
};

// A Canvas that records every call as a line of text.
class RecordingCanvas final : public platform::Canvas {
 public:
  void DrawBitmap(int resourceId, int x, int y) override;
  void DrawBitmapPart(int resourceId, int x, int y, int srcX, int srcY, int width,
                      int height) override;
  void TextOut(int x, int y, std::string_view utf8) override;
  void SetTextColour(platform::Rgb colour) override;
  void SetBackgroundColour(platform::Rgb colour) override;
  void SelectFont(platform::FontKind font) override;

  std::vector<std::string> calls;
};

}  // namespace kz::test
