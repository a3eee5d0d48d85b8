// CKazvBas2: the record side of the view. Every step back or forward
// rebuilds the board from the record; go to move N, the automatic replay and
// the single step by a click outside the board walk through it; the undo
// request takes moves back; the end-of-game mode marks dead stones and
// counts, and the result text follows the count or the resignation.
// (The division of the view layers is written at the top of kazv_base.h.)
#pragma once

#include "control/kazv_base.h"
#include "game/scoring.h"

namespace kz::control {

class CKazvBas2 : public CKazvBase {
 public:
  using CKazvBase::CKazvBase;

  // Navigation commands.
  void OnFirst();
  void OnBack10();
  void OnBack1();  // with the undo request against the computer
  void OnForward1();
  void OnForward10();
  void OnLast();
  void OnGoToMove();
  void OnAutoReplay();
  // 終局処理: enters the end-of-game mode when off, leaves it when on.
  void OnEndOfGame();
  void OnShowComment();

  // The score as the status panel shows it.
  GameScore Score() const;

 protected:
  // Rebuilds the position after k moves and lets the engine look at it.
  void RebuildTo(int k);
  // Back one move (two after a granted undo request against the computer).
  void StepBackWithUndoRequest();
  // Plays the next entry of the record without rebuilding (a click outside
  // the board); false when the record has ended.
  bool StepForwardOne(bool analyse);
  // One step of the automatic replay, from the tick.
  void ReplayTick();
  void EnterEndOfGame();
  void LeaveEndOfGame();
  // A click on (i, j) in the end-of-game mode.
  void ToggleDead(int i, int j);
  void Redraw(bool erase = false) override;
  bool ComputerPlays() const { return s_.EitherIs(kComputer); }
  void ShowCommentBlock();
};

}  // namespace kz::control
