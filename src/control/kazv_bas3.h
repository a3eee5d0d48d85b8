// CKazvBas3: play. The timer tick lets the side to move act (the computer
// through the engine, the remote program through the link, the user by
// clicking); clocks run and warn on time-outs; passes, resignations and the
// computer's own resignation offer end games; two passes stop a game or step
// a series of games against the remote program; 対局開始 sets up a new game.
// (The division of the view layers is written at the top of kazv_base.h.)
#pragma once

#include "control/kazv_bas2.h"

namespace kz::control {

// The file of a finished game of a series, in the current directory:
// "KAZ" + month, day, hour, minute + ".IG1", and "-2", "-3"... before the
// extension when a game of the same minute is already there, so that no
// game of the series overwrites another.
std::string SeriesFileName(const platform::LocalDateTime& t);

// Board geometry of a click: the grid's origin and pitch.
constexpr int kGridOrigin = 20;
constexpr int GridPitch(int boardStyle) { return boardStyle == 2 ? 35 : 21; }

class CKazvBas3 : public CKazvBas2 {
 public:
  using CKazvBas2::CKazvBas2;

  // Timer 1. Each entry point ends by telling the host that the state may
  // have changed.
  void OnTick();
  // Mouse buttons at view coordinates.
  void OnLeftButton(int x, int y);
  void OnRightButton(int x, int y);

  void OnNewGame();
  void OnPass();
  void OnResign();
  void OnRecommendResign();
  void OnPause();

  // The point of a click, or false when it is off the grid.
  bool ClickPoint(int x, int y, int& i, int& j) const;

 protected:
  // The start-up record, at the first tick (the view's file side).
  virtual void LoadStartupFile() = 0;
  // Offers to save an unsaved record (dialog 152); `title` names the save
  // dialog; a failed save shows `failure`.
  virtual void OfferToSave(std::string_view title, std::string_view failure) = 0;

  void Tick();
  void LeftButton(int x, int y);
  void RightButton(int x, int y);
  // The user plays (i, j).
  void UserMove(int i, int j);
  // The computer makes one move; -1 when it resigned, else 0.
  int ComputerMove();
  // The remote program's move or message, if one came.
  void LinkMove();
  // The remote move is overdue: the user waits on, or the game stops (true).
  bool RemoteMoveOverdue();
  // The remote program's name onto the panel and into the record.
  void TakePeerName();
  // A remote move the board cannot take: the game stops with a message.
  void RefuseRemoteMove();
  // Keeps the link going at a tick; when the peer has stopped answering the
  // game stops with a message and false comes back.
  bool KeepLinkAlive();
  // Opens the serial port; false (players back to the user) on failure.
  bool OpenPort();
  // Starts a linked game: the 500 ms timer, the clocks, running.
  void LinkStart();
  // After a game between the computer and the remote program: saves it and
  // starts the next of the series; true when the series is complete.
  bool SeriesStep();
  // Two passes in a row: the game stops (or the series goes on).
  void EndByPasses();
  // The record has room for another move; otherwise the game stops with a
  // message and false comes back.
  bool RoomForMove();
  // Records the move just made at the new move number (after the clocks).
  void RecordLastMove(int i, int j);
  void SendMove(int i, int j);
  void Pause();
  void Resume();
  void StartTimer(int periodMs);
};

}  // namespace kz::control
