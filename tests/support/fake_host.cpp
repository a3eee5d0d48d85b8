#include "support/fake_host.h"

#include <algorithm>

namespace kz::test {

void FakeHost::Answer(int id, int button,
                      std::function<void(platform::DialogModel&)> edit) {
  answers.push_back({id, button, std::move(edit)});
}

bool FakeHost::StartTimer(int id, int periodMs) {
  log.push_back("timer " + std::to_string(id) + " " + std::to_string(periodMs));
  if (failTimers) return false;
  timers[id] = periodMs;
  return true;
}

void FakeHost::StopTimer(int id) {
  log.push_back("timer-stop " + std::to_string(id));
  timers.erase(id);
}

void FakeHost::Invalidate(bool erase) {
  ++invalidations;
  if (erase) ++erasingInvalidations;
}

void FakeHost::MessageBox(std::string_view text, platform::MessageIcon) {
  log.push_back("message " + std::string(text));
  messages.emplace_back(text);
}

int FakeHost::RunDialog(platform::DialogModel& dialog) {
  log.push_back("dialog " + std::to_string(dialog.Id()));
  dialogs.push_back(dialog.Id());
  if (answers.empty() || answers.front().id != dialog.Id()) {
    log.push_back("unanswered " + std::to_string(dialog.Id()));
    return platform::kDialogClosed;
  }
  DialogAnswer answer = std::move(answers.front());
  answers.pop_front();
  if (answer.edit) answer.edit(dialog);
  if (answer.button == dialog.AcceptButton()) {
    std::string problem = dialog.Validate();
    if (!problem.empty()) {
      // A real dialog keeps itself open; the script ends up cancelling it.
      log.push_back("invalid " + std::to_string(dialog.Id()) + " " + problem);
      return platform::kDialogClosed;
    }
  }
  return answer.button;
}

std::optional<std::string> FakeHost::OpenFileDialog(const platform::FileDialogSpec& request) {
  log.push_back("file-open " + request.title);
  fileDialogs.push_back(request);
  if (fileAnswers.empty()) return std::nullopt;
  auto answer = std::move(fileAnswers.front());
  fileAnswers.pop_front();
  return answer;
}

std::optional<std::string> FakeHost::SaveFileDialog(const platform::FileDialogSpec& request) {
  log.push_back("file-save " + request.title);
  fileDialogs.push_back(request);
  if (fileAnswers.empty()) return std::nullopt;
  auto answer = std::move(fileAnswers.front());
  fileAnswers.pop_front();
  return answer;
}

bool FakeHost::PumpOneMessage() {
  ++pumped;
  if (pending.empty()) return false;
  std::function<void()> message = std::move(pending.front());
  pending.pop_front();
  message();
  return true;
}

void FakeHost::PlaySound(const std::string& path, bool async) {
  std::string entry = path + (async ? " async" : " sync");
  log.push_back("sound " + entry);
  sounds.push_back(entry);
}

std::vector<std::string> FakeHost::TakeMessages() {
  std::vector<std::string> out;
  out.swap(messages);
  return out;
}

int FakeHost::CountMessage(std::string_view text) const {
  return static_cast<int>(std::count(messages.begin(), messages.end(), std::string(text)));
}

void RecordingCanvas::DrawBitmap(int resourceId, int x, int y) {
  calls.push_back("bitmap " + std::to_string(resourceId) + " " + std::to_string(x) + "," +
                  std::to_string(y));
}

void RecordingCanvas::DrawBitmapPart(int resourceId, int x, int y, int srcX, int srcY,
                                     int width, int height) {
  calls.push_back("bitmap-part " + std::to_string(resourceId) + " " + std::to_string(x) + "," +
                  std::to_string(y) + " from " + std::to_string(srcX) + "," +
                  std::to_string(srcY) + " " + std::to_string(width) + "x" +
                  std::to_string(height));
}

void RecordingCanvas::TextOut(int x, int y, std::string_view utf8) {
  calls.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " " +
                  std::string(utf8));
}

void RecordingCanvas::SetTextColour(platform::Rgb colour) {
  calls.push_back("text-colour " + std::to_string(colour));
}

void RecordingCanvas::SetBackgroundColour(platform::Rgb colour) {
  calls.push_back("background " + std::to_string(colour));
}

void RecordingCanvas::SelectFont(platform::FontKind font) {
  calls.push_back("font " + std::to_string(static_cast<int>(font)));
}

}  // namespace kz::test
