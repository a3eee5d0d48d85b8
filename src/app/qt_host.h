// The framework services for the view on Qt: window timers, redraw requests
// to the view's window, message boxes with OK, the game's dialogs, the file
// dialogs, the one-message pump, WAV sounds, the system font and the clock.
#pragma once

#include <QHash>
#include <QTimer>
#include <functional>

#include "app/board_widget.h"
#include "app/wav_sound.h"
#include "platform/host.h"

namespace kz::app {

// Converts the framework's filter text ("棋譜ファイル (*.IG1)|*.IG1|…|") to
// Qt's ("棋譜ファイル (*.IG1);;…"); an empty text gives every file.
QString QtFilter(const std::string& filter);

class QtHost final : public platform::Host {
 public:
  QtHost(QWidget& window, BoardWidget& view);
  ~QtHost() override;

  // Where timer ticks go (the view's OnTimer).
  void SetTimerHandler(std::function<void(int)> handler) { onTimer_ = std::move(handler); }
  // Told when a redraw asks for the background too.
  void SetFullRedrawHandler(std::function<void()> handler) { onFullRedraw_ = std::move(handler); }

  bool StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void Invalidate(bool erase) override;
  void StateChanged() override;
  void MessageBox(std::string_view text, platform::MessageIcon icon) override;
  int RunDialog(platform::DialogModel& dialog) override;
  std::optional<std::string> OpenFileDialog(const platform::FileDialogSpec& request) override;
  std::optional<std::string> SaveFileDialog(const platform::FileDialogSpec& request) override;
  bool PumpOneMessage() override;
  void PlaySound(const std::string& path, bool async) override;
  int SystemFontHeight() const override;
  platform::Clock& GetClock() override { return clock_; }

  int TimerPeriod(int id) const;

 private:
  std::optional<std::string> FileDialog(const platform::FileDialogSpec& request, bool save);

  QWidget& window_;
  BoardWidget& view_;
  QHash<int, QTimer*> timers_;
  std::function<void(int)> onTimer_;
  std::function<void()> onFullRedraw_;
  WavPlayer sound_;
  platform::SystemClock clock_;
};

}  // namespace kz::app
