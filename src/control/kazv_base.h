// CKazvBase, the first of the view layers: what the view owns and the
// services every other layer uses.
//
//   CKazvBase     ownership (board, engine, link, settings, controller
//                 state), settings read at creation and written at
//                 destruction, sounds, warnings, clocks and time-outs,
//                 redraw requests, the command-rule snapshot
//   CKazvBas2     the record: rebuilding the position, navigation, go to
//                 move N, automatic replay, the undo request, end-of-game
//                 marking and counting, the result text
//   CKazvBas3     play: the timer tick, clicks, the user's, the computer's
//                 and the remote program's moves, passes, resignations,
//                 pause, two-pass end, series of games, new game
//   CKazaoriView  the window's view: creation and start-up record,
//                 shut-down, command dispatch, file commands, options
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "control/commands.h"
#include "control/game_state.h"
#include "display/settings.h"
#include "engine/board/plane_board.h"
#include "engine/think_engine.h"
#include "link/game_link.h"
#include "link/gtp_link.h"
#include "link/link_devices.h"
#include "platform/host.h"
#include "platform/profile_file.h"

namespace kz {
class CKazaoriDoc;
}  // namespace kz

namespace kz::control {

// The record named on the command line: none for an empty line or one that
// starts with "-E" or "/E" (either case).
std::string StartupFileFromCommandLine(std::string_view commandLine);

// What the view is built with besides the host and the document.
struct ViewParts {
  std::string commandLine;
  std::string iniPath;                 // empty: ProfileFile::DefaultPath()
  std::unique_ptr<ThinkEngine> engine;  // null: a new ThinkEngine
  std::unique_ptr<link::GameLink> link; // null: the serial link and the GTP program
  std::string gtpProgram;              // non-empty: the GTP program instead of the ini's
  int gtpMoveSeconds = 0;              // non-zero: its move limit instead of the ini's
};

class CKazvBase {
 public:
  CKazvBase(platform::Host& host, CKazaoriDoc& doc, ViewParts parts);
  // Plays the ending sound and writes the settings.
  virtual ~CKazvBase();
  CKazvBase(const CKazvBase&) = delete;
  CKazvBase& operator=(const CKazvBase&) = delete;

  const GameState& State() const { return s_; }
  const display::Settings& Options() const { return settings_; }
  const PlaneBoard& Board() const { return *board_; }
  CKazaoriDoc& Doc() { return doc_; }
  ThinkEngine& Engine() { return *engine_; }
  // The command rules' view of the controller (the bars are the window's).
  CommandContext Context(bool toolBarShown = true, bool statusBarShown = true) const;
  // The frame resized the window for a new board size.
  void ClearSizeChanged() { s_.sizeChanged = 0; }
  // Whether the view may be destroyed now (not inside the computer's move).
  bool CanClose() const { return s_.busy == kIdle; }

 protected:
  void PlaySoundKind(int kind);
  // The warning sound, then the message box.
  void Warn(std::string_view text);
  virtual void Redraw(bool erase = false);

  // running := 0; both players := the user.
  void StopPlay();
  // Every clock value 0, the start time now, the time-out flags cleared.
  void ResetClocks();
  // Brings the clock of `colour` up to now.
  void UpdateClock(int colour);
  // The time-out warning of `colour` when due; `tell` shows it.
  void CheckTimeOut(int colour, bool tell);
  void StoreClocks();
  void PauseClocks();
  void ResumeClocks();
  std::int64_t Now() { return host_.GetClock().Now(); }
  // The engine analyses the position (for the side to move).
  void Analyse(int mode, int flag);
  void SetupEngine();

  platform::Host& host_;
  CKazaoriDoc& doc_;
  platform::ProfileFile profile_;
  display::Settings settings_;
  GameState s_;
  std::unique_ptr<PlaneBoard> board_;
  std::unique_ptr<ThinkEngine> engine_;
  std::unique_ptr<link::GameLink> link_;
  link::GtpLink* gtpLink_ = nullptr;   // inside link_ when the view made it
  link::LinkDevices devices_;
};

}  // namespace kz::control
