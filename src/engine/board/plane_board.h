// PlaneBoard: the one board representation of Kazaori.
//
// The game's position and every engine work board are PlaneBoards. Stones are
// kept as signed chain ids in ChainPlane; beside them live derived planes
// (regions, eye classes, territory, linked groups, dead marks, influence) that
// the analysis operations refresh after every move.
//
// Points are (i, j), 0-based: i the column, j the row from the top. Every plane
// holds 19 x 19 ints at index i * 19 + j whatever the board size; only points
// with i, j < size are used. Colours: +1 Black, -1 White, 0 none; every signed
// plane follows them (positive values are Black's).
//
// Indices are not checked here: callers pass points on the board. Anything that
// takes a point from outside (a click, a file, a protocol) guards it with
// OnBoard() first. Nothing allocates: all data are fixed arrays in the object.
#pragma once

#include <array>
#include <cstdint>

namespace kz {

constexpr int kMaxSize = 19;
constexpr int kPlanePoints = kMaxSize * kMaxSize;

// Play results of PlayStone.
constexpr int kOccupied = -90;
constexpr int kSuicide = -91;
constexpr int kKo = -92;
constexpr int kLargeRegionMove = -96;
constexpr int kOwnEyeFill = -97;
constexpr int kAtariSavingFill = -98;
constexpr int kSelfCrampedMove = -99;

// Replay flags of PlayStone: 0 runs every refresh after the stone; 1 (a
// replay from the record) skips LabelRegions and LinkChains; 2 skips
// SpreadInfluence as well, for a caller that replays many moves and runs
// SpreadInfluence once at the end.
constexpr int kFullRefresh = 0;
constexpr int kReplay = 1;
constexpr int kReplayWithoutRefresh = 2;

constexpr int PlaneIndex(int i, int j) { return i * kMaxSize + j; }

// True when (i, j) is a point of a board with `size` lines.
constexpr bool OnBoard(int size, int i, int j) {
  return i >= 0 && j >= 0 && i < size && j < size;
}

constexpr int MoveCodeOf(int i, int j) { return i * 100 + j; }

// Result of NextShapePoint: the shape kind (0..7) and the vital point's MoveCode
// (-1 at the end of the scan).
struct ShapePoint {
  int kind;
  int move;
};

class PlaneBoard final {
 public:
  using Plane = std::array<int, kPlanePoints>;

  PlaneBoard();

  // Operations in the order of the board's operation table.
  virtual void Reset(int size, int handicap);                     // 0
  virtual int PlayStone(int i, int j, int colour, int replay);    // 1
  virtual void LabelRegions();                                    // 2
  virtual void LinkChains(int mode);                              // 3
  virtual int SpreadInfluence();                                  // 4
  virtual int GetSize() const { return size_; }  // 5
  virtual void SetSize(int size) { size_ = size; }  // 6
  virtual int GetHandicap() const { return handicap_; }  // 7
  virtual int GetLastBlackChainId() const { return lastBlackChainId_; }  // 8
  virtual void SetLastBlackChainId(int id) { lastBlackChainId_ = id; }  // 9
  virtual int GetLastWhiteChainId() const { return lastWhiteChainId_; }  // 10
  virtual void SetLastWhiteChainId(int id) { lastWhiteChainId_ = id; }  // 11
  virtual int GetChain(int i, int j) const { return chain_[PlaneIndex(i, j)]; }  // 12
  virtual void SetChain(int i, int j, int value) { chain_[PlaneIndex(i, j)] = value; }  // 13
  virtual int GetPrevious(int i, int j) const { return previous_[PlaneIndex(i, j)]; }  // 14
  virtual void SetPrevious(int i, int j, int value) { previous_[PlaneIndex(i, j)] = value; }  // 15
  virtual int GetRegion(int i, int j) const { return region_[PlaneIndex(i, j)]; }  // 16
  virtual void SetRegion(int i, int j, int value) { region_[PlaneIndex(i, j)] = value; }  // 17
  virtual int GetEye(int i, int j) const { return eye_[PlaneIndex(i, j)]; }  // 18
  virtual void SetEye(int i, int j, int value) { eye_[PlaneIndex(i, j)] = value; }  // 19
  virtual int GetTerritory(int i, int j) const { return territory_[PlaneIndex(i, j)]; }  // 20
  virtual int GetLink(int i, int j) const { return link_[PlaneIndex(i, j)]; }  // 21
  virtual void SetLink(int i, int j, int value) { link_[PlaneIndex(i, j)] = value; }  // 22
  virtual int GetDead(int i, int j) const { return dead_[PlaneIndex(i, j)]; }  // 23
  virtual void SetDead(int i, int j, int value) {
    if (value == 0 || value == 1) dead_[PlaneIndex(i, j)] = value;
  }  // 24
  virtual int GetInfluence(int i, int j) const { return influence_[PlaneIndex(i, j)]; }  // 25
  virtual int GetBlackInfluence(int i, int j) const { return blackInfluence_[PlaneIndex(i, j)]; }  // 26
  virtual int GetWhiteInfluence(int i, int j) const { return whiteInfluence_[PlaneIndex(i, j)]; }  // 27
  virtual void SetInfluence(int i, int j, int value) { influence_[PlaneIndex(i, j)] = value; }  // 28
  virtual void SetBlackInfluence(int i, int j, int value) { blackInfluence_[PlaneIndex(i, j)] = value; }  // 29
  virtual void SetWhiteInfluence(int i, int j, int value) { whiteInfluence_[PlaneIndex(i, j)] = value; }  // 30
  virtual int FindChainInAtari(int colour, int continueFlag);     // 31
  virtual int ChainLiberties(int i, int j) const;                 // 32
  virtual int LinkLiberties(int i, int j) const;                  // 33
  virtual int ChainSize(int i, int j) const;                      // 34
  virtual int LinkStoneCount(int i, int j) const;                 // 35
  virtual int RegionSize(int i, int j) const;                     // 36
  virtual int LinkEyeCount(int i, int j) const;                   // 37
  virtual int LinkWeakEyeCount(int i, int j) const;               // 38
  virtual ShapePoint NextShapePoint(int colour, int continueFlag);  // 39
  virtual int IsKeimaViolation(int i, int j, int colour) const;   // 40
  virtual void CountTerritory();                                  // 41
  virtual int GetTerritoryCount(int colour, int force) const;     // 42
  virtual int CountDeadStones(int colour, int force) const;       // 43
  virtual void ToggleDeadChain(int i, int j);                     // 44
  virtual void ClearDeadMarks();                                  // 45
  virtual ~PlaneBoard();                                          // 46

  // Helpers beside the table.
  bool OnBoard(int i, int j) const { return kz::OnBoard(size_, i, j); }
  // Liberties a stone of `colour` would have at the empty point (i, j): its
  // empty neighbours plus, per distinct neighbouring chain of that colour, that
  // chain's liberties minus one.
  int LibertiesIfPlayed(int i, int j, int colour) const;
  // Whether a stone of `colour` at the empty point (i, j) would be suicide.
  bool IsSuicide(int i, int j, int colour) const;
  int GetTerritoryCounted() const { return territoryCounted_; }

 private:
  int StoneAt(int i, int j) const { return chain_[PlaneIndex(i, j)]; }
  // Liberties of the chain with the stone at index p, not counting `skip`
  // (a plane index, or -1).
  int LibertiesOf(int p, int skip) const;
  // Whether that chain has any liberty besides `skip`.
  bool HasLibertyBesides(int p, int skip) const;
  int EyeClassAt(int i, int j, int r) const;
  bool ChainHasNoSoundEye(int chainId, int pi, int pj) const;
  bool IsFalseEyeFor(int i, int j, int colour) const;
  int ClassifyQuietMove(int i, int j, int colour) const;
  int ShapeKindAt(int i, int j) const;
  bool ShapeMatches(int i, int j, const int (*offsets)[2], int count,
                    int owner) const;
  void LinkHalf(int sign, int mode);

  // Fields, in the board's order.
  int size_ = 19;
  int handicap_ = 0;
  int size1_ = 18, size2_ = 17, size3_ = 16;
  Plane chain_{};
  Plane undo_{};
  Plane previous_{};
  Plane region_{};
  Plane eye_{};
  Plane territory_{};
  Plane link_{};
  Plane dead_{};
  Plane influence_{};
  Plane blackInfluence_{};
  Plane whiteInfluence_{};
  int lastBlackChainId_ = 0;
  int lastWhiteChainId_ = 0;
  int territoryCounted_ = 0;
  int blackTerritory_ = 0;
  int whiteTerritory_ = 0;
  std::array<int, 100> atariSeen_{};
  int shapeCol_ = 0;
  int shapeRow_ = 0;

  // Scratch marks for the scans: a stamp per point, bumped per scan, so no
  // scan ever clears a plane or allocates.
  mutable std::array<std::uint32_t, kPlanePoints> mark_{};
  mutable std::uint32_t stamp_ = 0;
  std::uint32_t NextStamp() const;
};

// Copies the stored planes of `from` into `to` over the points of a board of
// `size` lines (the engine passes its own board size).
void CopyBoard(const PlaneBoard& from, PlaneBoard& to, int size);
// Turns the board so that `colour` is the positive side; nothing unless -1.
// Applying it twice gives the same board back.
void NormaliseColour(PlaneBoard& board, int colour);

}  // namespace kz
