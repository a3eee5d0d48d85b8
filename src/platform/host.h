// The framework services the view layers use, in place of a window system:
// timers, redraw requests, message boxes, modal dialogs, file dialogs, the
// one-message pump, sounds, the system font and the clock. The Qt window, the
// command line and the tests each implement it; the view layers never see
// which one they run on.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace kz::platform {

// A modal dialog's contents: the fields the user edits and the buttons. A
// host shows it, lets the user edit the fields and returns the index of the
// pressed button in Buttons(), or kDialogClosed when the dialog was closed
// without a button.
struct DialogModel {
  virtual ~DialogModel() = default;
  virtual int Id() const = 0;                        // the dialog's resource id
  virtual std::string_view Title() const = 0;
  virtual std::span<const std::string_view> Buttons() const = 0;
  // The button that accepts the fields (their range checks apply to it);
  // -1 when no button does.
  virtual int AcceptButton() const { return -1; }
  // Range checks of the fields: empty when every field is acceptable, else
  // the text the host shows before it lets the user correct the field.
  virtual std::string Validate() const { return {}; }
};

constexpr int kDialogClosed = -1;

enum class MessageIcon { kNone, kInformation, kExclamation };

struct FileDialogSpec {
  std::string title;
  std::string defaultExtension;  // without the dot, "IG1"
  std::string initialName;       // "*.IG1"
  std::string filter;            // the framework's filter text; empty = none
};

class Host {
 public:
  virtual ~Host() = default;

  // Window timer `id` with its period; false when it cannot be made.
  virtual bool StartTimer(int id, int periodMs) = 0;
  virtual void StopTimer(int id) = 0;
  // Redraw the view; `erase` redraws the background too.
  virtual void Invalidate(bool erase) = 0;
  // The controller's state may have changed (the end of every tick, click and
  // command): the window brings what it shows beside the view up to date,
  // such as the tool bar's enabled states and the status bar.
  virtual void StateChanged() {}
  // A message box with an OK button.
  virtual void MessageBox(std::string_view text, MessageIcon icon) = 0;
  // Shows a modal dialog; see DialogModel.
  virtual int RunDialog(DialogModel& dialog) = 0;
  // The chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> OpenFileDialog(const FileDialogSpec& request) = 0;
  virtual std::optional<std::string> SaveFileDialog(const FileDialogSpec& request) = 0;
  // Takes one waiting message, if any, and dispatches it; true when one was
  // there. The engine calls this between its stages.
  virtual bool PumpOneMessage() = 0;
  // Plays a WAV file; an empty path plays nothing.
  virtual void PlaySound(const std::string& path, bool async) = 0;
  // Height in pixels of the system font's characters.
  virtual int SystemFontHeight() const = 0;
  virtual Clock& GetClock() = 0;
};

}  // namespace kz::platform
