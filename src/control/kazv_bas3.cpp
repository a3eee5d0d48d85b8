#include "control/kazv_bas3.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "control/dialogs.h"
#include "control/messages.h"
#include "display/sounds.h"
#include "engine/engine_types.h"
#include "engine/think_engine.h"
#include "game/kazaori_doc.h"

namespace kz::control {

std::string SeriesFileName(const platform::LocalDateTime& t) {
  char stem[32];
  std::snprintf(stem, sizeof stem, "KAZ%02d%02d%02d%02d", t.month % 100, t.day % 100,
                t.hour % 100, t.minute % 100);
  std::string name = std::string(stem) + ".IG1";
  for (int n = 2; n < 1000 && std::filesystem::exists(name); ++n) {
    name = std::string(stem) + "-" + std::to_string(n) + ".IG1";
  }
  return name;
}

bool CKazvBas3::ClickPoint(int x, int y, int& i, int& j) const {
  const int d = GridPitch(settings_.boardStyle);
  const int n = s_.boardSize;
  const int far = d * n + kGridOrigin - 1;
  if (x < kGridOrigin || x > far || y < kGridOrigin || y > far) return false;
  i = (x - kGridOrigin) / d;
  j = (y - kGridOrigin) / d;
  if (settings_.orientation == -1) {
    i = n - 1 - i;
    j = n - 1 - j;
  }
  return OnBoard(n, i, j);
}

void CKazvBas3::StartTimer(int periodMs) {
  host_.StopTimer(1);
  if (!host_.StartTimer(1, periodMs)) {
    host_.MessageBox(msg::kTimerError, platform::MessageIcon::kExclamation);
  }
}

// ---- The tick ----

void CKazvBas3::OnTick() {
  Tick();
  host_.StateChanged();
}

void CKazvBas3::OnLeftButton(int x, int y) {
  LeftButton(x, y);
  host_.StateChanged();
}

void CKazvBas3::OnRightButton(int x, int y) {
  RightButton(x, y);
  host_.StateChanged();
}

void CKazvBas3::Tick() {
  if (s_.paused) return;
  if (s_.busy == kLoading || s_.resignQuestionOpen) return;
  if (s_.busy == kThinking || s_.busy == kPausedThinking) {
    // Inside the computer's move, through the engine's message pump.
    if (s_.running) UpdateClock(s_.play.sideToMove);
    Redraw();
    return;
  }
  if (!s_.startupFile.empty()) LoadStartupFile();
  if (s_.linkInUse && !KeepLinkAlive()) return;

  if (s_.autoReplay != kReplayOff) {
    ReplayTick();
    return;
  }
  const int side = s_.play.sideToMove;
  switch (s_.PlayerOf(side)) {
    case kRemote:
      // The remote program's time is its own: without this its thinking
      // would be charged to the user, whose clock takes what is left.
      if (s_.running) {
        UpdateClock(side);
        Redraw();
      }
      LinkMove();
      s_.busy = kIdle;
      return;
    case kUser:
      if (s_.running) {
        UpdateClock(side);
        Redraw();  // the clock's new second, red past the limit
        CheckTimeOut(side, true);
      }
      return;
    default:
      break;
  }
  Redraw();
  if (!s_.running) return;
  if (!RoomForMove()) return;
  if (ComputerMove() < 0) return;
  UpdateClock(side);
  // The paint asked for above was served by the engine's message pump while
  // it thought; this one shows the move now recorded.
  Redraw();
  const bool otherIsUser = s_.PlayerOf(-side) == kUser;
  CheckTimeOut(side, otherIsUser);
  if (s_.computerLastStatus == -1) {
    ++s_.play.consecutivePasses;
    if (otherIsUser) Warn(side == 1 ? msg::kBlackPassed : msg::kWhitePassed);
  } else if (s_.computerLastStatus != 0) {
    s_.play.consecutivePasses = 0;
    PlaySoundKind(display::kSoundMove);
  }
  if (s_.play.consecutivePasses > 1 && s_.running) EndByPasses();
}

bool CKazvBas3::KeepLinkAlive() {
  link_->Poll();
  if (!link_->Failed()) return true;
  const std::string why = link_->FailureText();
  link_->Close();
  s_.linkInUse = 0;
  StopPlay();
  Redraw();
  Warn(why.empty() ? std::string(msg::kNoAnswer) : why);
  return false;
}

void CKazvBas3::EndByPasses() {
  const bool computerAndRemote = (s_.blackPlayer == kComputer && s_.whitePlayer == kRemote) ||
                                 (s_.blackPlayer == kRemote && s_.whitePlayer == kComputer);
  if (computerAndRemote) {
    if (SeriesStep()) StopPlay();
    Redraw(true);  // the series' end, or the next game's empty board
    return;
  }
  StopPlay();
  Redraw();
  Warn(msg::kGameOver);
}

bool CKazvBas3::RoomForMove() {
  if (s_.play.movesPlayed < kMaxRecordMoves) return true;
  StopPlay();
  s_.autoReplay = kReplayOff;
  Redraw();
  Warn(msg::kRecordFull);
  return false;
}

void CKazvBas3::RecordLastMove(int i, int j) {
  StoreClocks();
  doc_.RecordMove(s_.play.movesPlayed, i, j);
  s_.recordUnsaved = 1;
}

void CKazvBas3::SendMove(int x, int y) {
  if (s_.linkInUse) link_->SendMove(x, y);
}

// ---- Moves ----

void CKazvBas3::LeftButton(int x, int y) {
  if (s_.busy != kIdle || s_.paused || s_.autoReplay != kReplayOff) return;
  if (s_.PlayerOf(s_.play.sideToMove) != kUser) return;
  int i = 0, j = 0;
  if (ClickPoint(x, y, i, j)) {
    if (s_.endOfGame) {
      ToggleDead(i, j);
    } else {
      UserMove(i, j);
    }
    return;
  }
  if (s_.endOfGame) return;
  StepForwardOne(!ComputerPlays() && settings_.showDeadStones);
  Redraw();
}

void CKazvBas3::RightButton(int, int) {
  if (s_.busy != kIdle || s_.paused || s_.autoReplay != kReplayOff || s_.endOfGame) return;
  if (s_.PlayerOf(s_.play.sideToMove) != kUser || s_.play.movesPlayed < 1) return;
  if (s_.EitherIs(kRemote)) return;  // the remote program would not take it back
  StepBackWithUndoRequest();
}

void CKazvBas3::UserMove(int i, int j) {
  if (!OnBoard(board_->GetSize(), i, j)) return;
  if (!RoomForMove()) return;
  const MoveOutcome outcome = TryMove(*board_, s_.play, i, j);
  if (!outcome.legal) {
    PlaySoundKind(display::kSoundWarning);
    if (settings_.showMoveErrors) {
      host_.MessageBox(RefusalMessage(outcome.code), platform::MessageIcon::kExclamation);
    }
    return;
  }
  RecordLastMove(i, j);
  SendMove(i + 1, j + 1);
  PlaySoundKind(display::kSoundMove);
  Redraw();
}

int CKazvBas3::ComputerMove() {
  s_.busy = kThinking;
  const int side = s_.play.sideToMove;
  PlayState& p = s_.play;
  if (p.movesPlayed > s_.resignCheckMove) {
    const int points = s_.boardSize * s_.boardSize;
    const int margin = std::max((points - p.movesPlayed) / 2, 30);
    const int black = board_->GetTerritoryCount(1, 1) + board_->CountDeadStones(-1, 1) +
                      engine_->CountArea(1) + p.blackPrisoners;
    const int white = board_->GetTerritoryCount(-1, 1) + board_->CountDeadStones(1, 1) +
                      engine_->CountArea(-1) + p.whitePrisoners;
    const bool offer = side == 1 ? (s_.whitePlayer != kRemote && white - margin >= black)
                                 : (s_.blackPlayer != kRemote && black - margin >= white);
    if (offer) {
      s_.resignQuestionOpen = 1;
      PlaySoundKind(display::kSoundWarning);
      TextDialog dialog = ComputerResignDialog();
      const int answer = host_.RunDialog(dialog);
      s_.resignQuestionOpen = 0;
      if (answer == 0) {  // "いいよ"
        if (s_.linkInUse) link_->SendResign();
        Redraw();
        StoreClocks();
        doc_.SetResigned(side);
        s_.resultDisplay = side == 1 ? kBlackResignedShown : kWhiteResignedShown;
        s_.recordUnsaved = 1;
        StopPlay();
        s_.busy = kIdle;
        Redraw();
        return -1;
      }
      s_.resignCheckMove = p.movesPlayed + ResignCheckDelay(s_.boardSize);
    }
  }

  const MoveResult result = engine_->ChooseMove(*board_, side, p.movesPlayed, p.lastMove);
  int status = PackedCode(result.packed);
  const int i = PackedI(result.packed), j = PackedJ(result.packed);
  if (status != -1 && status != 0 && !OnBoard(board_->GetSize(), i, j)) status = -1;
  s_.computerLastStatus = status;
  if (status == -1) {
    SendMove(0, 0);
    ++p.movesPlayed;
    p.sideToMove = -side;
    RecordLastMove(-1, -1);
    p.lastMove = -1;
  } else if (status != 0) {
    (side == 1 ? p.blackPrisoners : p.whitePrisoners) += std::max(result.captures, 0);
    SendMove(i + 1, j + 1);
    ++p.movesPlayed;
    p.sideToMove = -side;
    RecordLastMove(i, j);
    p.lastMove = MoveCodeOf(i, j);
  }
  s_.busy = kIdle;
  return 0;
}

bool CKazvBas3::RemoteMoveOverdue() {
  if (!link_->MoveOverdue()) return false;
  PlaySoundKind(display::kSoundWarning);
  TextDialog dialog = RemoteWaitDialog();
  if (host_.RunDialog(dialog) == 0) {  // "待つ"
    link_->WaitLonger();
    return false;
  }
  // The record stays as it is; the program is ended.
  link_->Close();
  s_.linkInUse = 0;
  StopPlay();
  Redraw();
  host_.MessageBox(msg::kRemoteWaitStopped, platform::MessageIcon::kInformation);
  return true;
}

void CKazvBas3::TakePeerName() {
  const std::string name = link_->PeerName();
  if (name.empty()) return;
  const int remote = s_.blackPlayer == kRemote ? 1 : s_.whitePlayer == kRemote ? -1 : 0;
  if (remote == 0) return;
  std::string& shown = remote == 1 ? s_.blackName : s_.whiteName;
  if (shown == name) return;
  s_.blackName = remote == 1 ? name : std::string();
  s_.whiteName = remote == -1 ? name : std::string();
  doc_.SetPlayerName(remote, name);
}

void CKazvBas3::LinkMove() {
  TakePeerName();
  if (RemoteMoveOverdue()) return;
  const int code = link_->PollRemoteMove();
  if (code == link::kRemoteNone) return;
  PlayState& p = s_.play;
  const int side = p.sideToMove;
  if (code == link::kRemoteResign) {
    StoreClocks();
    doc_.SetResigned(side);
    s_.resultDisplay = side == 1 ? kBlackResignedShown : kWhiteResignedShown;
    s_.recordUnsaved = 1;
    const bool userPlays = s_.EitherIs(kUser);
    StopPlay();
    Redraw();
    if (userPlays) host_.MessageBox(msg::kThanks, platform::MessageIcon::kInformation);
    return;
  }
  if (link::IsRemoteUndo(code)) {
    RebuildTo(p.movesPlayed - link::RemoteUndoCount(code));
    return;
  }
  if (code == link::kRemoteOffBoard) {
    RefuseRemoteMove();
    return;
  }
  if (!RoomForMove()) return;
  if (code == link::kRemotePass) {
    PassMove(p);
    RecordLastMove(-1, -1);
    Redraw();
    if (p.consecutivePasses > 1 && s_.running) EndByPasses();
    return;
  }
  const int i = code / 100 - 1, j = code % 100 - 1;
  if (!OnBoard(board_->GetSize(), i, j) || board_->GetChain(i, j) != 0) {
    RefuseRemoteMove();
    return;
  }
  const int result = board_->PlayStone(i, j, side, 0);
  if (result == kOccupied || result == kSuicide || result == kKo) {
    RefuseRemoteMove();  // the board refused it and is as it was
    return;
  }
  if (result > 0) (side == 1 ? p.blackPrisoners : p.whitePrisoners) += result;
  p.sideToMove = -side;
  ++p.movesPlayed;
  p.consecutivePasses = 0;
  p.lastMove = MoveCodeOf(i, j);
  RecordLastMove(i, j);
  PlaySoundKind(display::kSoundMove);
  Redraw();
}

void CKazvBas3::RefuseRemoteMove() {
  // The record keeps the moves so far; the game cannot go on with a remote
  // program that sees another position.
  StopPlay();
  Redraw();
  Warn(msg::kRemoteMoveRefused);
}

// ---- Passes, resignations, pause ----

void CKazvBas3::OnPass() {
  if (s_.busy != kIdle || s_.endOfGame || (s_.running && s_.paused)) return;
  PlaySoundKind(display::kSoundWarning);
  TextDialog dialog = PassDialog();
  const bool pass = host_.RunDialog(dialog) == 0 && RoomForMove();
  if (pass) {
    SendMove(0, 0);
    PassMove(s_.play);
    RecordLastMove(-1, -1);
  }
  Redraw();
  if (pass && s_.play.consecutivePasses > 1 && s_.running) EndByPasses();
}

void CKazvBas3::OnResign() {
  if (s_.busy != kIdle || s_.endOfGame || (s_.running && s_.paused)) return;
  PlaySoundKind(display::kSoundWarning);
  TextDialog dialog = ResignDialog();
  if (host_.RunDialog(dialog) != 0) return;
  if (s_.linkInUse) link_->SendResign();
  Redraw();
  StoreClocks();
  const int side = s_.play.sideToMove;
  doc_.SetResigned(side);
  s_.resultDisplay = side == 1 ? kBlackResignedShown : kWhiteResignedShown;
  s_.recordUnsaved = 1;
  StopPlay();
  Redraw();
  host_.MessageBox(msg::kThanks, platform::MessageIcon::kInformation);
}

void CKazvBas3::OnRecommendResign() {
  if (s_.busy != kIdle || s_.linkInUse || s_.endOfGame || (s_.running && s_.paused)) return;
  PlaySoundKind(display::kSoundWarning);
  TextDialog dialog = RecommendResignDialog();
  if (host_.RunDialog(dialog) != 0) return;
  Redraw();
  StoreClocks();
  PlayState& p = s_.play;
  // The computer's pass that goes with its resignation, when the record has
  // room for it.
  if (p.movesPlayed < kMaxRecordMoves) {
    ++p.movesPlayed;
    doc_.RecordMove(p.movesPlayed, -1, -1);
  }
  p.lastMove = -1;
  doc_.SetResigned(-p.sideToMove);
  s_.resultDisplay = p.sideToMove == 1 ? kWhiteResignedShown : kBlackResignedShown;
  s_.recordUnsaved = 1;
  StopPlay();
  Redraw();
  host_.MessageBox(msg::kThanks, platform::MessageIcon::kInformation);
}

void CKazvBas3::OnPause() {
  if (s_.paused) {
    Resume();
  } else {
    Pause();
  }
  Redraw();
}

void CKazvBas3::Pause() {
  s_.paused = 1;
  PauseClocks();
}

void CKazvBas3::Resume() {
  ResumeClocks();
  s_.paused = 0;
}

// ---- The link and series of games ----

bool CKazvBas3::OpenPort() {
  const int result = link_->Open(s_.port);
  if (result == link::kOpenOk) {
    s_.linkInUse = 1;
    return true;
  }
  const std::string why = link_->FailureText();
  if (result == link::kOpenError) Warn(why.empty() ? std::string(msg::kModemOpenError) : why);
  if (result == link::kOpenDcbError) Warn(msg::kModemDcbError);
  if (result == link::kOpenSetupError) Warn(msg::kModemSetupError);
  s_.blackPlayer = s_.whitePlayer = kUser;
  return false;
}

void CKazvBas3::LinkStart() {
  StartTimer(500);
  ResetClocks();
  s_.running = 1;
  const int ownColour = s_.blackPlayer == kRemote ? 2 : 1;
  link_->StartGame(s_.boardSize, s_.play.handicap + 1, ownColour, s_.gamesPlayed + 1);
  TakePeerName();
}

bool CKazvBas3::SeriesStep() {
  s_.running = 0;
  ++s_.gamesPlayed;
  if (s_.gamesInSeries > 1) {
    const platform::LocalDateTime t = host_.GetClock().Local();
    const std::string name = SeriesFileName(t);
    StoreClocks();
    if (!doc_.WriteRecord(name, settings_.alsoWriteSgf != 0)) {
      Warn(msg::kSaveFailed);
      s_.gamesPlayed = s_.gamesInSeries;
      s_.blackPlayer = s_.whitePlayer = kUser;
    } else {
      s_.recordUnsaved = 0;
    }
  }
  if (s_.gamesPlayed < s_.gamesInSeries) {
    PlayState& p = s_.play;
    p.movesPlayed = 0;
    p.blackPrisoners = p.whitePrisoners = 0;
    p.consecutivePasses = 0;
    p.lastMove = -1;
    p.sideToMove = FirstMover(p.handicap);
    s_.resultDisplay = kNoResultShown;
    if (s_.blackPlayer == kComputer) {
      s_.blackPlayer = kRemote;
      s_.whitePlayer = kComputer;
    } else {
      s_.blackPlayer = kComputer;
      s_.whitePlayer = kRemote;
    }
    board_->Reset(s_.boardSize, p.handicap);
    doc_.StartRecord(s_.boardSize, p.handicap, s_.blackPlayer, s_.whitePlayer, p.rule, s_.style);
    SetupEngine();
    s_.resignCheckMove = ResignCheckStart(s_.boardSize);
    LinkStart();
    s_.running = 1;
    return false;
  }
  if (s_.gamesInSeries > 1) host_.MessageBox(msg::kSeriesDone, platform::MessageIcon::kInformation);
  return true;
}

// ---- A new game ----

void CKazvBas3::OnNewGame() {
  if (s_.busy != kIdle) return;
  if (settings_.confirmSaving && s_.recordUnsaved) {
    OfferToSave("棋譜の新規保存", msg::kSaveCheckFailed);
  }
  NewGameDialog dialog =
      NewGameDialog::From(s_.boardSize, s_.blackPlayer, s_.whitePlayer, s_.port, s_.play.rule,
                          s_.style, s_.play.handicap, s_.timeLimit);
  if (s_.linkInUse) {
    if (!link_->Close()) Warn(msg::kModemCloseFailed);
    s_.linkInUse = 0;
  }
  if (host_.RunDialog(dialog) != 0) return;

  if (ComputerPlays()) s_.blackPlayer = s_.whitePlayer = kUser;
  const int size = dialog.BoardSize();
  if (size != s_.boardSize) s_.sizeChanged = 1;
  s_.boardSize = size;
  s_.port = std::clamp(dialog.portChoice, 0, 2) + 1;
  s_.blackPlayer = s_.blackChosen = std::clamp(dialog.black, 0, 2);
  s_.whitePlayer = s_.whiteChosen = std::clamp(dialog.white, 0, 2);
  s_.gamesInSeries = dialog.Series();
  if (s_.blackPlayer == kRemote && s_.whitePlayer == kRemote) {
    s_.blackPlayer = s_.whitePlayer = kUser;
    Warn(msg::kBothRemote);
  } else if (s_.EitherIs(kRemote)) {
    OpenPort();
  }
  PlayState& p = s_.play;
  p.handicap = dialog.Handicap(p.handicap);
  p.rule = dialog.rule == 1 ? kKeimaRule : kJapaneseRule;
  s_.timeLimit = dialog.TimeLimit();
  s_.style = dialog.style == 1 ? 1 : 0;
  settings_.fasterMoves = dialog.faster ? 1 : 0;

  p.movesPlayed = 0;
  s_.resultDisplay = kNoResultShown;
  s_.paused = 0;
  s_.autoReplay = kReplayOff;
  p.sideToMove = FirstMover(p.handicap);
  p.blackPrisoners = p.whitePrisoners = 0;
  p.consecutivePasses = 0;
  s_.gamesPlayed = 0;
  p.lastMove = -1;
  s_.endOfGame = 0;
  s_.blackName.clear();
  s_.whiteName.clear();

  board_->Reset(s_.boardSize, p.handicap);
  doc_.StartRecord(s_.boardSize, p.handicap, s_.blackPlayer, s_.whitePlayer, p.rule, s_.style);
  SetupEngine();
  s_.resignCheckMove = ResignCheckStart(s_.boardSize);
  s_.resignQuestionOpen = 0;

  if (s_.EitherIs(kRemote)) {
    LinkStart();
  } else {
    StartTimer(1000);
    bool start = true;
    if ((s_.blackPlayer == kComputer && s_.whitePlayer == kUser) ||
        (s_.blackPlayer == kUser && s_.whitePlayer == kComputer)) {
      TextDialog greeting = GreetingDialog();
      start = host_.RunDialog(greeting) == 0;
    }
    if (start) {
      s_.running = 1;
      s_.paused = 0;
      ResetClocks();
      s_.endOfGame = 0;
      s_.recordUnsaved = 0;
    } else {
      s_.running = 0;
    }
  }
  Redraw(true);
}

}  // namespace kz::control
