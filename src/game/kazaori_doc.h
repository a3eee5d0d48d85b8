// CKazaoriDoc: the game record of the one open game. The controller appends
// to it move by move (each move rewrites the autosave file), rebuilds the
// board from it for every navigation step, and reads and writes it as a kifu
// file with an optional SGF companion.
#pragma once

#include <string>
#include <string_view>

#include "records/kifu_record.h"
#include "records/standard_comment.h"

namespace kz {

class PlaneBoard;

inline constexpr std::string_view kAutosaveName = "KAZ$$$$$.IG1";
inline constexpr std::string_view kDefaultExtension = "*.IG1";

// The longest kifu file read; anything beyond is ignored.
constexpr std::size_t kMaxKifuFileBytes = 1 << 20;

class CKazaoriDoc {
 public:
  CKazaoriDoc() = default;
  // Deletes the autosave file, when this document wrote one.
  virtual ~CKazaoriDoc();
  CKazaoriDoc(const CKazaoriDoc&) = delete;
  CKazaoriDoc& operator=(const CKazaoriDoc&) = delete;

  // A new record: the six conditions, no result, no comment, no moves. The
  // time limit and the clocks stay.
  void StartRecord(int size, int handicap, int blackPlayer, int whitePlayer,
                   int rule, int style);
  // Records move k (1..570): a stone at (i, j) on the record's board, or a
  // pass with i = j = -1; then rewrites the autosave file. False (and nothing
  // recorded) for a move number or point outside those.
  bool RecordMove(int k, int i, int j);
  // Move k as a MoveCode: i * 100 + j for a stone, -101 for a pass, -1 for
  // no entry (also for k outside 1..570).
  int GetMove(int k) const;
  void SetCurrentMove(int k);
  void StoreClocks(int timeLimit, unsigned blackSeconds, unsigned whiteSeconds);
  // Black (+1) resigned, or White (anything else).
  void SetResigned(int colour);
  // The standard comment (9 lines) or nothing.
  void SetStandardComment(const StandardComment& comment);
  void ClearComment();
  // The name (UTF-8) of a colour's player into the standard comment (made
  // with the player labels when the record has none), so that the record
  // keeps it; cut to the name field.
  void SetPlayerName(int colour, std::string_view name);

  int GetBoardSize() const { return record_.boardSize; }
  int GetHandicap() const { return record_.handicap; }
  int GetPlayer(int colour) const {
    return colour == 1 ? record_.blackPlayer : record_.whitePlayer;
  }
  int GetRule() const { return record_.rule; }
  int GetStyle() const { return record_.style; }
  int GetTimeLimit() const { return record_.timeLimit; }
  unsigned GetTimeUsed(int colour) const {
    return colour == 1 ? record_.blackTime : record_.whiteTime;
  }
  int GetCurrentMove() const { return record_.currentMove; }
  int GetLastMoveNumber() const { return record_.lastMove; }
  int GetResult() const { return record_.result; }
  bool HasComment() const { return record_.hasComment != 0; }
  CommentBlock GetComment() const { return record_.comment; }
  // The name of a colour's player from the comment, CP932 without padding.
  std::string_view GetName(int colour) const {
    return NameText(colour == 1 ? record_.blackName : record_.whiteName);
  }
  const KifuRecord& Record() const { return record_; }
  // The path last read or written.
  const std::string& PathName() const { return path_; }

  // Reads a kifu or an SGF file (told apart by their contents); false when
  // it cannot be opened or the SGF file is refused (the record is then
  // unchanged). ReadNote() then says why an SGF file was refused, or after a
  // successful read where an SGF file's moves were cut; it is empty
  // otherwise (the caller's "not found" message stands for a failed open).
  bool ReadRecord(const std::string& path);
  const std::string& ReadNote() const { return readNote_; }
  // Writes the kifu file and, with `alsoSgf`, its SGF companion. False when
  // the kifu file could not be written, or the SGF file was asked for and its
  // path has no "IG1" extension to derive it from or it could not be written
  // (the kifu file then stays written).
  bool WriteRecord(const std::string& path, bool alsoSgf);
  // Writes only the SGF export to `path`.
  bool WriteSgf(const std::string& path) const;
  // Writes the JIS text board of `board` with the last-move mark on
  // `lastMove` (i * 100 + j, or -1).
  bool WriteJisBoard(const std::string& path, const PlaneBoard& board,
                     int lastMove);

  // Where the autosave goes: KAZ$$$$$.IG1 in the current directory unless
  // set otherwise.
  void SetAutosavePath(std::string path) { autosavePath_ = std::move(path); }
  const std::string& AutosavePath() const { return autosavePath_; }
  // Removes the kifu temporaries that saves killed part way left beside
  // the autosave file, older than this process; how many were removed.
  int RemoveStaleAutosaveTemporaries() const;

 private:
  KifuRecord record_;
  std::string path_;
  std::string readNote_;
  std::string autosavePath_{kAutosaveName};
  bool autosaveWritten_ = false;
};

}  // namespace kz
