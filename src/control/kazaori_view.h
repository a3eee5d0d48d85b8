// CKazaoriView, the top of the view layers: the view the window shows. Its
// creation starts the timer and an empty record, its first tick loads the
// record named on the command line, its destruction offers to save; every
// menu and tool-bar command comes in through OnCommand, which runs it only
// when the command's rule enables it in the present state (so a command that
// arrives through the engine's message pump while the computer thinks is
// refused unless it leaves the game alone). The file commands, the options
// and the sound choices live here.
// (The division of the view layers is written at the top of kazv_base.h.)
#pragma once

#include <array>
#include <string>

#include "control/kazv_bas3.h"

namespace kz::control {

class CKazaoriView : public CKazvBas3 {
 public:
  CKazaoriView(platform::Host& host, CKazaoriDoc& doc, ViewParts parts);
  ~CKazaoriView() override;

  // Starts timer 1 and an empty record; false when the timer cannot be made
  // (the message is shown and the view is not to be used).
  bool OnCreate();
  // Offers to save an unsaved record and stops the timer; call it before
  // destroying the view.
  void OnDestroy();

  // Runs command `id` when its rule enables it now. False when it was
  // refused, or when it is one the window handles itself (the bars, help,
  // exit).
  bool OnCommand(int id);
  CommandUi Query(int id, bool toolBarShown = true, bool statusBarShown = true) const {
    return QueryCommand(id, Context(toolBarShown, statusBarShown));
  }
  const std::array<std::string, 4>& RecentFiles() const { return settings_.recentFiles; }

  // Reads a record and takes over its game, as the open command does after
  // its dialog; false when the file cannot be read (the message is shown).
  bool OpenRecord(const std::string& path);
  // A record the desktop asks to open (a file manager, the dock): as a
  // recent file is opened, so only while the program waits for the user,
  // after the save offer. False when it was not opened.
  bool OnOpenPath(const std::string& path);

 protected:
  void LoadStartupFile() override;
  void OfferToSave(std::string_view title, std::string_view failure) override;

 private:
  bool RunCommand(int id);
  void OnOpen();
  void OnSave();
  void OnRecent(int slot);
  // Reads a record (kifu or SGF) and takes it over; the messages of a
  // refusal or of a file read in part. False when nothing was read.
  bool ReadAndTakeOver(const std::string& path);
  void OnJisBoard();
  void OnAbout();
  // The GTP program's command line and move limit, kept in kazaori.ini.
  void OnGtpProgram();
  // The record just read becomes the game: conditions, clocks, position.
  void TakeOverRecord();
  bool SaveTo(const std::string& path);
  void SetBoardStyle(int style);
  void SetOrientation(int orientation);
  void SetSystemFont();
  void SetCustomFont(int size);
  void Toggle(int& option, bool redraw);
};

}  // namespace kz::control
