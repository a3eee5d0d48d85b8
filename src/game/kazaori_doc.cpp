#include "game/kazaori_doc.h"

#include <unistd.h>

#include <algorithm>

#include "engine/board/plane_board.h"
#include "platform/file_io.h"
#include "records/jis_board.h"
#include "records/kifu_format.h"
#include "records/sgf_export.h"
#include "records/sgf_reader.h"

namespace kz {

CKazaoriDoc::~CKazaoriDoc() {
  // Only a file this document wrote: another game running in the same
  // directory keeps its own.
  if (autosaveWritten_) ::unlink(autosavePath_.c_str());
}

void CKazaoriDoc::StartRecord(int size, int handicap, int blackPlayer,
                              int whitePlayer, int rule, int style) {
  record_.boardSize = NormalisedSize(size);
  record_.handicap = std::clamp(handicap, 0, 9);
  record_.blackPlayer = blackPlayer;
  record_.whitePlayer = whitePlayer;
  record_.rule = rule;
  record_.style = style;
  record_.result = kNoResult;
  kz::ClearComment(record_);
  record_.currentMove = 0;
  record_.lastMove = 0;
  record_.moves.fill(kNoEntry);
}

bool CKazaoriDoc::RecordMove(int k, int i, int j) {
  if (k < 1 || k > kMaxRecordMoves) return false;
  const bool pass = i == -1 && j == -1;
  if (!pass && !OnBoard(NormalisedSize(record_.boardSize), i, j)) return false;
  record_.currentMove = k;
  record_.lastMove = std::max(record_.lastMove, k);
  record_.moves[k - 1] = pass ? kPassEntry : MoveCodeOf(i, j) + 1;
  // A failed autosave is silent: the game goes on. One retry, as a file
  // briefly held elsewhere may free up.
  const std::string bytes = FormatKifu(record_);
  if (platform::WriteFileReplacing(autosavePath_, bytes) ||
      platform::WriteFileReplacing(autosavePath_, bytes))
    autosaveWritten_ = true;
  return true;
}

int CKazaoriDoc::GetMove(int k) const {
  if (k < 1 || k > kMaxRecordMoves) return -1;
  const int entry = record_.moves[k - 1];
  return entry < 0 ? kPassEntry - 1 : entry - 1;
}

void CKazaoriDoc::SetCurrentMove(int k) {
  record_.currentMove = std::clamp(k, 0, kMaxRecordMoves);
}

void CKazaoriDoc::StoreClocks(int timeLimit, unsigned blackSeconds,
                              unsigned whiteSeconds) {
  record_.timeLimit = timeLimit;
  record_.blackTime = blackSeconds;
  record_.whiteTime = whiteSeconds;
}

void CKazaoriDoc::SetResigned(int colour) {
  record_.result = colour == 1 ? kBlackResigned : kWhiteResigned;
}

void CKazaoriDoc::SetStandardComment(const StandardComment& comment) {
  StoreStandardComment(record_, comment);
}

void CKazaoriDoc::ClearComment() { kz::ClearComment(record_); }

void CKazaoriDoc::SetPlayerName(int colour, std::string_view name) {
  StandardComment c;
  if (auto stored = ReadStandardComment(record_)) {
    c = *stored;
  } else {
    c.blackName = PlayerLabel(record_.blackPlayer);
    c.whiteName = PlayerLabel(record_.whitePlayer);
  }
  (colour == 1 ? c.blackName : c.whiteName) = std::string(name);
  StoreStandardComment(record_, c);
}

bool CKazaoriDoc::ReadRecord(const std::string& path) {
  path_ = path;
  readNote_.clear();
  const auto bytes =
      platform::ReadFileBytes(path, std::max(kMaxKifuFileBytes, kMaxSgfFileBytes + 1));
  if (!bytes) return false;
  if (LooksLikeSgf(*bytes)) {
    const SgfReadResult sgf = ParseSgf(*bytes, record_);
    readNote_ = sgf.message;
    return sgf.read;
  }
  ParseKifu(std::string_view(*bytes).substr(0, kMaxKifuFileBytes), record_);
  return true;
}

bool CKazaoriDoc::WriteRecord(const std::string& path, bool alsoSgf) {
  path_ = path;
  if (!platform::WriteFileReplacing(path, FormatKifu(record_))) return false;
  if (!alsoSgf) return true;
  const auto sgfPath = SgfPathFor(path);
  return sgfPath && WriteSgf(*sgfPath);
}

int CKazaoriDoc::RemoveStaleAutosaveTemporaries() const {
  // Only kifu files: every record this program writes begins so.
  return platform::RemoveStaleTemporariesBeside(autosavePath_, platform::ProcessStartTime(),
                                                "#COMMENT\r\n");
}

bool CKazaoriDoc::WriteSgf(const std::string& path) const {
  return platform::WriteFileReplacing(path, FormatSgf(record_));
}

bool CKazaoriDoc::WriteJisBoard(const std::string& path, const PlaneBoard& board,
                                int lastMove) {
  path_ = path;
  return platform::WriteFileReplacing(path, FormatJisBoard(board, lastMove));
}

}  // namespace kz
