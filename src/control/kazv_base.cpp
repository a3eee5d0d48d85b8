#include "control/kazv_base.h"

#include "control/messages.h"
#include "display/sounds.h"
#include "engine/think_engine.h"
#include "game/kazaori_doc.h"
#include "link/modem_link.h"
#include "link/port_links.h"

namespace kz::control {

std::string StartupFileFromCommandLine(std::string_view line) {
  if (line.empty()) return {};
  if (line.size() >= 2 && (line[0] == '-' || line[0] == '/') && (line[1] == 'E' || line[1] == 'e'))
    return {};
  return std::string(line);
}

CKazvBase::CKazvBase(platform::Host& host, CKazaoriDoc& doc, ViewParts parts)
    : host_(host),
      doc_(doc),
      profile_(parts.iniPath.empty() ? platform::ProfileFile::DefaultPath() : parts.iniPath) {
  s_.startupFile = StartupFileFromCommandLine(parts.commandLine);
  settings_ = display::ReadSettings(profile_);
  s_.boardSize = settings_.boardSize;
  s_.play.handicap = settings_.handicap;
  s_.previousBoardStyle = settings_.boardStyle;
  s_.customFont = settings_.fontSize != 0;
  s_.fontSize = s_.customFont ? settings_.fontSize : (host_.SystemFontHeight() == 13 ? 12 : 16);
  PlaySoundKind(display::kSoundOpening);

  board_ = std::make_unique<PlaneBoard>();
  board_->Reset(s_.boardSize, s_.play.handicap);
  // The conditions of the first game: both players the user, port 1,
  // Japanese rules, 堅実, no time limit (the stored rule is not used).
  s_.play.rule = kJapaneseRule;
  s_.play.sideToMove = FirstMover(s_.play.handicap);
  s_.resignCheckMove = ResignCheckStart(s_.boardSize);
  engine_ = parts.engine ? std::move(parts.engine) : std::make_unique<ThinkEngine>();
  engine_->SetMessagePump([this] { host_.PumpOneMessage(); });
  SetupEngine();
  devices_ = link::ReadLinkDevices(profile_);
  if (!parts.gtpProgram.empty()) devices_.gtpProgram = parts.gtpProgram;
  if (parts.gtpMoveSeconds > 0) devices_.gtpMoveSeconds = parts.gtpMoveSeconds;
  if (parts.link) {
    link_ = std::move(parts.link);
  } else {
    auto gtp = std::make_unique<link::GtpLink>(devices_.gtpProgram, devices_.gtpMoveSeconds);
    gtpLink_ = gtp.get();
    link_ = std::make_unique<link::PortLinks>(std::make_unique<link::CModemLink>(devices_),
                                              std::move(gtp));
  }
}

CKazvBase::~CKazvBase() {
  PlaySoundKind(display::kSoundEnding);
  settings_.boardSize = s_.boardSize;
  settings_.handicap = s_.play.handicap;
  settings_.rule = s_.play.rule;
  settings_.fontSize = s_.customFont ? s_.fontSize : 0;
  display::WriteSettings(profile_, settings_);
  display::WriteRecentFiles(profile_, settings_.recentFiles);
  if (link_ && link_->IsOpen()) link_->Close();
}

CommandContext CKazvBase::Context(bool toolBarShown, bool statusBarShown) const {
  CommandContext c;
  c.busy = s_.busy;
  c.running = s_.running != 0;
  c.paused = s_.paused != 0;
  c.autoReplay = s_.autoReplay;
  c.endOfGame = s_.endOfGame != 0;
  c.remotePlayer = s_.EitherIs(kRemote);
  c.sideToMovePlayer = s_.PlayerOf(s_.play.sideToMove);
  c.movesPlayed = s_.play.movesPlayed;
  c.linkInUse = s_.linkInUse != 0;
  c.boardStyle = settings_.boardStyle;
  c.orientation = settings_.orientation;
  c.customFont = s_.customFont;
  c.fontSize = s_.fontSize;
  c.showMoveNumbers = settings_.showMoveNumbers != 0;
  c.showDeadStones = settings_.showDeadStones != 0;
  c.showMoveErrors = settings_.showMoveErrors != 0;
  c.confirmSaving = settings_.confirmSaving != 0;
  c.standardComment = settings_.standardComment != 0;
  c.showCommentOnRead = settings_.showCommentOnRead != 0;
  c.alsoWriteSgf = settings_.alsoWriteSgf != 0;
  for (int k = 0; k < 4; ++k) c.soundSet[k] = !settings_.wav[k].empty();
  c.debugMode = s_.debugMode;
  c.debugDisplays = s_.debugDisplays;
  c.toolBarShown = toolBarShown;
  c.statusBarShown = statusBarShown;
  return c;
}

void CKazvBase::PlaySoundKind(int kind) { display::PlaySoundKind(host_, settings_, kind); }

void CKazvBase::Warn(std::string_view text) {
  PlaySoundKind(display::kSoundWarning);
  host_.MessageBox(text, platform::MessageIcon::kExclamation);
}

void CKazvBase::Redraw(bool erase) { host_.Invalidate(erase); }

void CKazvBase::StopPlay() {
  s_.running = 0;
  s_.blackPlayer = kUser;
  s_.whitePlayer = kUser;
}

void CKazvBase::ResetClocks() {
  s_.usedBlack = s_.usedWhite = 0;
  s_.carriedBlack = s_.carriedWhite = 0;
  s_.sinceStartBlack = s_.sinceStartWhite = 0;
  s_.secondsPaused = 0;
  s_.gameStart = Now();
  s_.warnedBlack = s_.warnedWhite = 0;
}

void CKazvBase::UpdateClock(int colour) {
  const std::int64_t elapsed = Now() - s_.gameStart - s_.secondsPaused;
  if (colour == 1) {
    s_.sinceStartBlack = static_cast<int>(elapsed - s_.sinceStartWhite);
    s_.usedBlack = s_.carriedBlack + s_.sinceStartBlack;
  } else {
    s_.sinceStartWhite = static_cast<int>(elapsed - s_.sinceStartBlack);
    s_.usedWhite = s_.carriedWhite + s_.sinceStartWhite;
  }
}

void CKazvBase::CheckTimeOut(int colour, bool tell) {
  if (s_.timeLimit == 0) return;
  int& warned = colour == 1 ? s_.warnedBlack : s_.warnedWhite;
  const int used = colour == 1 ? s_.usedBlack : s_.usedWhite;
  if (warned || used <= s_.timeLimit * 60) return;
  warned = 1;
  if (tell) Warn(colour == 1 ? msg::kBlackTimeUp : msg::kWhiteTimeUp);
}

void CKazvBase::StoreClocks() {
  doc_.StoreClocks(s_.timeLimit, static_cast<unsigned>(s_.usedBlack < 0 ? 0 : s_.usedBlack),
                   static_cast<unsigned>(s_.usedWhite < 0 ? 0 : s_.usedWhite));
}

void CKazvBase::PauseClocks() {
  s_.pauseStart = Now();
  if (s_.busy == kThinking) s_.busy = kPausedThinking;
}

void CKazvBase::ResumeClocks() {
  s_.secondsPaused += static_cast<int>(Now() - s_.pauseStart);
  if (s_.busy == kPausedThinking) s_.busy = kThinking;
}

void CKazvBase::Analyse(int mode, int flag) {
  // The analysis pumps messages: while it runs the view counts as busy, so
  // that a tick, a click or a command that arrives then leaves the
  // half-built position alone.
  const bool guard = s_.busy == kIdle;
  if (guard) s_.busy = kThinking;
  engine_->AnalysePosition(*board_, s_.play.sideToMove, mode, flag);
  if (guard) s_.busy = kIdle;
}

void CKazvBase::SetupEngine() {
  engine_->SetupGame(*board_, s_.play.rule, s_.blackPlayer, s_.whitePlayer, settings_.fasterMoves,
                     s_.style);
}

}  // namespace kz::control
