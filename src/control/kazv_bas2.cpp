#include "control/kazv_bas2.h"

#include <algorithm>

#include "control/dialogs.h"
#include "control/messages.h"
#include "display/sounds.h"
#include "engine/think_engine.h"
#include "game/kazaori_doc.h"
#include "game/record_replay.h"

namespace kz::control {

void CKazvBas2::Redraw(bool erase) {
  s_.resultText = Score().resultText;
  CKazvBase::Redraw(erase);
}

GameScore CKazvBas2::Score() const {
  ScoreInput in;
  in.handicap = s_.play.handicap;
  in.resultDisplay = s_.resultDisplay;
  in.counting = s_.endOfGame != 0;
  in.counts = ReadCounts(*board_);
  in.blackPrisoners = s_.play.blackPrisoners;
  in.whitePrisoners = s_.play.whitePrisoners;
  return ScoreGame(in);
}

void CKazvBas2::RebuildTo(int k) {
  const int rule = s_.play.rule;
  s_.play = RebuildPosition(*board_, doc_, std::max(k, 0));
  s_.play.rule = rule;
  s_.boardSize = board_->GetSize();
  if (ComputerPlays()) {
    Analyse(1, 1);
  } else if (settings_.showDeadStones) {
    Analyse(1, 0);
  }
  Redraw();
}

void CKazvBas2::OnFirst() { RebuildTo(1); }

void CKazvBas2::OnBack10() {
  RebuildTo(s_.play.movesPlayed - std::min(10, s_.play.movesPlayed));
}

void CKazvBas2::OnBack1() { StepBackWithUndoRequest(); }

void CKazvBas2::StepBackWithUndoRequest() {
  if (!ComputerPlays()) {
    RebuildTo(s_.play.movesPlayed - 1);
    return;
  }
  PlaySoundKind(display::kSoundWarning);
  TextDialog dialog = UndoRequestDialog();
  if (host_.RunDialog(dialog) != 0) return;  // "や～めた" or closed
  RebuildTo(s_.play.movesPlayed - 2);
}

void CKazvBas2::OnForward1() {
  RebuildTo(s_.play.movesPlayed + 1);
  if (s_.play.lastMove >= 0) PlaySoundKind(display::kSoundMove);
}

void CKazvBas2::OnForward10() { RebuildTo(s_.play.movesPlayed + 10); }

void CKazvBas2::OnLast() { RebuildTo(kMaxRecordMoves); }

bool CKazvBas2::StepForwardOne(bool analyse) {
  const int next = s_.play.movesPlayed + 1;
  const int entry = doc_.GetMove(next);
  if (entry == -1) {  // the end of the record
    s_.resultDisplay = doc_.GetResult();
    return false;
  }
  PlayState& p = s_.play;
  if (entry >= 0) {
    const int i = entry / 100, j = entry % 100;
    int result = kOccupied;
    if (OnBoard(s_.boardSize, i, j)) {
      result = board_->PlayStone(i, j, p.sideToMove, settings_.showDeadStones ? 0 : 1);
    }
    if (analyse) Analyse(1, 0);
    PlaySoundKind(display::kSoundMove);
    if (result > 0) (p.sideToMove > 0 ? p.blackPrisoners : p.whitePrisoners) += result;
    const bool refused = result == kOccupied || result == kSuicide || result == kKo;
    p.lastMove = refused ? -1 : entry;
    p.consecutivePasses = 0;
  } else {
    p.lastMove = -1;
    ++p.consecutivePasses;
  }
  p.movesPlayed = next;
  p.sideToMove = -p.sideToMove;
  doc_.SetCurrentMove(next);
  return true;
}

void CKazvBas2::OnGoToMove() {
  NumberDialog dialog = GoToMoveDialog();
  if (host_.RunDialog(dialog) != 0) return;
  int n = dialog.Value();
  if (ComputerPlays()) StopPlay();
  if (n > doc_.GetLastMoveNumber()) {
    Warn(msg::kBeyondRecord);
    n = doc_.GetLastMoveNumber();
  }
  const int rule = s_.play.rule;
  s_.play = RebuildPosition(*board_, doc_, n);
  s_.play.rule = rule;
  s_.boardSize = board_->GetSize();
  SetupEngine();
  s_.resultDisplay = kNoResultShown;
  Redraw();
}

void CKazvBas2::OnAutoReplay() {
  NumberDialog dialog = ReplaySpeedDialog();
  if (host_.RunDialog(dialog) != 0) return;
  if (ComputerPlays()) StopPlay();
  s_.autoReplay = kReplayOn;
  s_.replayPeriod = dialog.Value();
  s_.replayTick = 0;
  s_.replayTarget = doc_.GetLastMoveNumber();
  if (s_.play.movesPlayed >= s_.replayTarget) {
    Warn(msg::kReplayAtEnd);
    s_.autoReplay = kReplayOff;
  }
}

void CKazvBas2::ReplayTick() {
  s_.autoReplay = kReplayStepping;
  if (++s_.replayTick >= s_.replayPeriod) {
    s_.replayTick = 0;
    // A record that ends before its target (never so for a record the
    // program wrote) ends the replay instead of stepping on the spot.
    if (!StepForwardOne(settings_.showDeadStones != 0) ||
        s_.play.movesPlayed >= s_.replayTarget) {
      s_.autoReplay = kReplayOff;
      s_.resultDisplay = doc_.GetResult();
    }
  }
  Redraw();
  if (s_.autoReplay == kReplayStepping) s_.autoReplay = kReplayOn;
}

void CKazvBas2::OnEndOfGame() {
  if (s_.endOfGame) {
    LeaveEndOfGame();
  } else {
    EnterEndOfGame();
  }
}

void CKazvBas2::EnterEndOfGame() {
  if (ComputerPlays()) StopPlay();
  s_.endOfGame = 1;
  s_.movesAtEndOfGame = s_.play.movesPlayed;
  Analyse(2, 0);
  board_->CountTerritory();
  Redraw();
}

void CKazvBas2::ToggleDead(int i, int j) {
  if (!OnBoard(board_->GetSize(), i, j)) return;
  board_->ToggleDeadChain(i, j);
  board_->CountTerritory();
  Redraw();
}

void CKazvBas2::LeaveEndOfGame() {
  s_.endOfGame = 0;
  board_->ClearDeadMarks();
  const int rule = s_.play.rule;
  s_.play = RebuildPosition(*board_, doc_, s_.movesAtEndOfGame);
  s_.play.rule = rule;
  s_.boardSize = board_->GetSize();
  Analyse(1, 0);
  Redraw();
}

void CKazvBas2::OnShowComment() { ShowCommentBlock(); }

void CKazvBas2::ShowCommentBlock() {
  CommentDialog dialog = CommentDialog::FromRecord(doc_.Record());
  host_.RunDialog(dialog);
}

}  // namespace kz::control
