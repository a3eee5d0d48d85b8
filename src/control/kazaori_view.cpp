#include "control/kazaori_view.h"

#include <algorithm>
#include <cstdlib>

#include "control/dialogs.h"
#include "control/messages.h"
#include "display/sounds.h"
#include "engine/think_engine.h"
#include "game/kazaori_doc.h"
#include "game/record_replay.h"
#include "platform/shift_jis.h"
#include "records/recent_files.h"
#include "records/standard_comment.h"

namespace kz::control {
namespace {

constexpr std::string_view kKifuFilter =
    "棋譜ファイル (*.ig1 *.sgf) | *.ig1;*.sgf | SGF ファイル (*.sgf) | *.sgf | すべてのファイル (*.*) | *.* ||";

platform::FileDialogSpec KifuDialog(std::string_view title, std::string_view filter = {}) {
  return {std::string(title), "IG1", "*.IG1", std::string(filter)};
}

}  // namespace

CKazaoriView::CKazaoriView(platform::Host& host, CKazaoriDoc& doc, ViewParts parts)
    : CKazvBas3(host, doc, std::move(parts)) {
  const char* debug = std::getenv("KAZAORI_DEBUG");
  s_.debugMode = debug != nullptr && *debug != '\0' && *debug != '0';
  s_.debugDisplays = {};
}

CKazaoriView::~CKazaoriView() = default;

bool CKazaoriView::OnCreate() {
  if (!host_.StartTimer(1, 1000)) {
    host_.MessageBox(msg::kTimerError, platform::MessageIcon::kExclamation);
    return false;
  }
  // A save killed part way (a crash, a kill) leaves its temporary beside
  // the autosave file; those of earlier runs go now.
  doc_.RemoveStaleAutosaveTemporaries();
  doc_.StartRecord(s_.boardSize, s_.play.handicap, s_.blackPlayer, s_.whitePlayer, s_.play.rule,
                   s_.style);
  return true;
}

void CKazaoriView::OnDestroy() {
  if (settings_.confirmSaving && s_.recordUnsaved) {
    OfferToSave("棋譜ファイルの保存", msg::kSaveFailed);
  }
  host_.StopTimer(1);
}

bool CKazaoriView::OnCommand(int id) {
  const bool done = RunCommand(id);
  host_.StateChanged();
  return done;
}

bool CKazaoriView::RunCommand(int id) {
  if (!Query(id).enabled) return false;
  switch (id) {
    case kCmdOpen: OnOpen(); return true;
    case kCmdSave: OnSave(); return true;
    case kCmdJisBoard: OnJisBoard(); return true;
    case kCmdRecent1:
    case kCmdRecent2:
    case kCmdRecent3:
    case kCmdRecent4: OnRecent(id - kCmdRecent1); return true;
    case kCmdNewGame: OnNewGame(); return true;
    case kCmdPass: OnPass(); return true;
    case kCmdResign: OnResign(); return true;
    case kCmdRecommendResign: OnRecommendResign(); return true;
    case kCmdPause: OnPause(); return true;
    case kCmdEndOfGame: OnEndOfGame(); return true;
    case kCmdGoToMove: OnGoToMove(); return true;
    case kCmdAutoReplay: OnAutoReplay(); return true;
    case kCmdComment: OnShowComment(); return true;
    case kCmdFirst: OnFirst(); return true;
    case kCmdBack10: OnBack10(); return true;
    case kCmdBack1: OnBack1(); return true;
    case kCmdForward1: OnForward1(); return true;
    case kCmdForward10: OnForward10(); return true;
    case kCmdLast: OnLast(); return true;
    case kCmdStyleYellow: SetBoardStyle(0); return true;
    case kCmdStyleBrown: SetBoardStyle(1); return true;
    case kCmdStyleBrownLarge: SetBoardStyle(2); return true;
    case kCmdBlackNear: SetOrientation(1); return true;
    case kCmdWhiteNear: SetOrientation(-1); return true;
    case kCmdSystemFont: SetSystemFont(); return true;
    case kCmdFont12: SetCustomFont(12); return true;
    case kCmdFont16: SetCustomFont(16); return true;
    case kCmdMoveNumbers: Toggle(settings_.showMoveNumbers, true); return true;
    case kCmdDeadStones: Toggle(settings_.showDeadStones, true); return true;
    case kCmdMoveErrors: Toggle(settings_.showMoveErrors, false); return true;
    case kCmdSaveCheck: Toggle(settings_.confirmSaving, false); return true;
    case kCmdStandardComment: Toggle(settings_.standardComment, false); return true;
    case kCmdCommentOnRead: Toggle(settings_.showCommentOnRead, false); return true;
    case kCmdOutSgf: Toggle(settings_.alsoWriteSgf, false); return true;
    case kCmdGtpProgram: OnGtpProgram(); return true;
    case kCmdSoundOpening:
    case kCmdSoundMove:
    case kCmdSoundEnding:
    case kCmdSoundWarning:
      display::ChooseWavFile(host_, settings_, id - kCmdSoundOpening);
      return true;
    case kCmdDebugStoneValues:
    case kCmdDebugEmptyValues:
    case kCmdDebugLinkValues:
    case kCmdDebugTemperature:
    case kCmdDebugBlackTemperature:
    case kCmdDebugWhiteTemperature: {
      bool& on = s_.debugDisplays[id - kCmdDebugStoneValues];
      on = !on;
      Redraw();
      return true;
    }
    case kCmdAbout: OnAbout(); return true;
    default:
      return false;  // the bars, help and exit belong to the window
  }
}

// ---- Options ----

void CKazaoriView::SetBoardStyle(int style) {
  if (settings_.boardStyle != style) {
    s_.previousBoardStyle = settings_.boardStyle;
    settings_.boardStyle = style;
    s_.sizeChanged = 1;
  }
  Redraw(true);
}

void CKazaoriView::SetOrientation(int orientation) {
  if (settings_.orientation != orientation) {
    s_.previousBoardStyle = settings_.boardStyle;
    settings_.orientation = orientation;
    s_.sizeChanged = 1;
  }
  Redraw(true);
}

void CKazaoriView::SetSystemFont() {
  if (s_.customFont) {
    s_.customFont = false;
    s_.fontSize = host_.SystemFontHeight() == 13 ? 12 : 16;
    s_.previousBoardStyle = settings_.boardStyle;
    s_.sizeChanged = 1;
  }
  Redraw(true);
}

void CKazaoriView::SetCustomFont(int size) {
  if (!(s_.customFont && s_.fontSize == size)) {
    s_.customFont = true;
    s_.fontSize = size;
    s_.previousBoardStyle = settings_.boardStyle;
    s_.sizeChanged = 1;
  }
  Redraw(true);
}

void CKazaoriView::Toggle(int& option, bool redraw) {
  option = option ? 0 : 1;
  if (redraw) Redraw(true);
}

void CKazaoriView::OnGtpProgram() {
  if (gtpLink_ == nullptr || s_.linkInUse) return;
  GtpProgramDialog dialog;
  dialog.commandLine = devices_.gtpProgram;
  dialog.secondsText = std::to_string(devices_.gtpMoveSeconds);
  if (host_.RunDialog(dialog) != 0) return;
  devices_.gtpProgram = dialog.commandLine;
  devices_.gtpMoveSeconds = dialog.Seconds();
  link::WriteGtpProgram(profile_, devices_);
  gtpLink_->SetCommandLine(devices_.gtpProgram);
  gtpLink_->SetMoveLimitSeconds(devices_.gtpMoveSeconds);
}

void CKazaoriView::OnAbout() {
  TextDialog about = AboutDialog();
  host_.RunDialog(about);
}

// ---- Files ----

bool CKazaoriView::SaveTo(const std::string& path) {
  StoreClocks();
  return doc_.WriteRecord(path, settings_.alsoWriteSgf != 0);
}

void CKazaoriView::OfferToSave(std::string_view title, std::string_view failure) {
  TextDialog check = SaveCheckDialog();
  if (host_.RunDialog(check) != 0) return;
  std::optional<std::string> path = host_.SaveFileDialog(KifuDialog(title));
  if (!path) return;
  if (SaveTo(*path)) {
    s_.recordUnsaved = 0;
  } else {
    Warn(failure);
  }
}

void CKazaoriView::OnOpen() {
  if (settings_.confirmSaving && s_.recordUnsaved) OfferToSave("棋譜の保存", msg::kSaveCheckFailed);
  platform::FileDialogSpec dialog = KifuDialog("棋譜の読み込み", kKifuFilter);
  dialog.initialName = "*.IG1 *.SGF";  // kifu and SGF files both open
  std::optional<std::string> path = host_.OpenFileDialog(dialog);
  if (!path) return;
  OpenRecord(*path);
}

void CKazaoriView::OnRecent(int slot) {
  if (slot < 0 || slot > 3 || settings_.recentFiles[slot].empty()) return;
  const std::string path = settings_.recentFiles[slot];
  OnOpenPath(path);
}

bool CKazaoriView::OnOpenPath(const std::string& path) {
  if (s_.endOfGame || s_.busy != kIdle || path.empty()) return false;
  if ((s_.autoReplay != kReplayOff || s_.running) && !s_.paused) return false;
  if (settings_.confirmSaving && s_.recordUnsaved) {
    OfferToSave("棋譜の新規保存", msg::kSaveCheckFailed);
  }
  return OpenRecord(path);
}

bool CKazaoriView::ReadAndTakeOver(const std::string& path) {
  if (!doc_.ReadRecord(path)) {
    Warn(doc_.ReadNote().empty() ? msg::kFileNotFound : std::string_view(doc_.ReadNote()));
    return false;
  }
  RememberRecentFile(settings_.recentFiles, path);
  TakeOverRecord();
  // An SGF file read in part: where its moves stop, over the position
  // reached.
  if (!doc_.ReadNote().empty()) Warn(doc_.ReadNote());
  return true;
}

bool CKazaoriView::OpenRecord(const std::string& path) {
  if (!ReadAndTakeOver(path)) return false;
  if (settings_.showCommentOnRead && doc_.HasComment()) ShowCommentBlock();
  return true;
}

void CKazaoriView::LoadStartupFile() {
  s_.busy = kLoading;
  const std::string path = s_.startupFile;
  if (ReadAndTakeOver(path)) {
    if (!s_.commentShownAtStartup && settings_.showCommentOnRead && doc_.HasComment()) {
      s_.commentShownAtStartup = true;
      ShowCommentBlock();
    }
  }
  s_.startupFile.clear();
  s_.busy = kIdle;
}

void CKazaoriView::TakeOverRecord() {
  PlayState& p = s_.play;
  const int size = NormalisedSize(doc_.GetBoardSize());
  if (size != s_.boardSize) s_.sizeChanged = 1;
  s_.boardSize = size;
  p.handicap = std::clamp(doc_.GetHandicap(), 0, 9);
  s_.blackPlayer = s_.blackChosen = std::clamp(doc_.GetPlayer(1), 0, 2);
  s_.whitePlayer = s_.whiteChosen = std::clamp(doc_.GetPlayer(-1), 0, 2);
  s_.blackName = platform::Cp932ToUtf8(doc_.GetName(1));
  s_.whiteName = platform::Cp932ToUtf8(doc_.GetName(-1));
  s_.style = doc_.GetStyle() == 1 ? 1 : 0;
  s_.timeLimit = std::clamp(doc_.GetTimeLimit(), 0, 100000);
  const unsigned black = doc_.GetTimeUsed(1), white = doc_.GetTimeUsed(-1);
  s_.usedBlack = s_.carriedBlack = static_cast<int>(std::min(black, 360000u * 100));
  s_.usedWhite = s_.carriedWhite = static_cast<int>(std::min(white, 360000u * 100));
  s_.secondsPaused = 0;
  s_.autoReplay = kReplayOff;
  s_.endOfGame = 0;

  board_->Reset(size, p.handicap);
  if (ComputerPlays()) {
    s_.play.rule = doc_.GetRule() == 1 ? kKeimaRule : kJapaneseRule;
    SetupEngine();
  }
  p = RebuildPosition(*board_, doc_, kMaxRecordMoves);
  p.rule = doc_.GetRule() == 1 ? kKeimaRule : kJapaneseRule;
  engine_->SetLastMove(p.lastMove);
  s_.resultDisplay = std::clamp(doc_.GetResult(), 0, 2);
  const bool twoPasses = p.consecutivePasses >= 2;
  board_->LabelRegions();
  board_->LinkChains(twoPasses ? 1 : 0);
  Analyse(twoPasses ? 2 : 1, 1);

  const bool clocks = black != 0 || white != 0 || doc_.GetTimeLimit() != 0;
  if (clocks && !twoPasses && doc_.GetResult() == 0) {
    s_.running = 1;
    s_.sinceStartBlack = s_.sinceStartWhite = 0;
    s_.gameStart = Now();
    s_.warnedBlack = s_.warnedWhite = 0;
  } else {
    StopPlay();
  }
  if (s_.EitherIs(kRemote) && OpenPort()) LinkStart();
  s_.paused = 0;
  s_.recordUnsaved = 0;
  s_.resignCheckMove = ResignCheckStart(size);
  Redraw(true);
}

void CKazaoriView::OnSave() {
  if (settings_.standardComment) {
    StandardCommentDialog dialog;
    const platform::LocalDateTime today = host_.GetClock().Local();
    dialog.comment = ProposedStandardComment(doc_.Record(), Score().resultText, today.year,
                                             today.month, today.day);
    const int button = host_.RunDialog(dialog);
    if (button == StandardCommentDialog::kRegister) {
      doc_.SetStandardComment(dialog.comment);
    } else if (button != StandardCommentDialog::kDiscard) {
      return;  // "棋譜保存取消" or closed
    }
  }
  std::optional<std::string> path = host_.SaveFileDialog(KifuDialog("棋譜の保存"));
  if (!path) return;
  if (doc_.GetMove(s_.play.movesPlayed + 1) != -1) {
    TextDialog midway = SaveMidwayDialog();
    if (host_.RunDialog(midway) != 0) return;
  }
  if (SaveTo(*path)) {
    s_.recordUnsaved = 0;
    RememberRecentFile(settings_.recentFiles, *path);
  } else {
    Warn(msg::kSaveFailed);
  }
}

void CKazaoriView::OnJisBoard() {
  std::optional<std::string> path = host_.SaveFileDialog({"ＪＩＳ碁盤の出力", "TXT", "*.TXT", ""});
  if (!path) return;
  // Text boards stay out of the recent files: those open as records.
  if (!doc_.WriteJisBoard(*path, *board_, s_.play.lastMove)) Warn(msg::kJisBoardFailed);
}

}  // namespace kz::control
