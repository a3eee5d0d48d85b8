// A seeded stress test of the kifu reader: thousands of random and mutated
// files are read and replayed, and the writers run on what was read. Nothing
// may crash or step outside the board (run it under the sanitizers:
// `make test-asan`), and what was read must always be a sound record.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/board/plane_board.h"
#include "game/record_replay.h"
#include "platform/shift_jis.h"
#include "records/jis_board.h"
#include "records/kifu_format.h"
#include "records/sgf_export.h"
#include "support/random_game.h"

namespace kz {
namespace {

// Pieces a mutation splices in: keywords, move entries, odd bytes.
const char* const kPieces[] = {
    "#COMMENT\r\n", "INT ", "INT 9 ", "INT 09 3", "INT 13 9", "WHO 2 1 1", "RULE 2",
    "CHARA 1", "TIME 99:99:99 00:00:00 99:99 2", "TIME 999999999 99999999999 -5",
    "MOV\r\n", " -0", " A00", " @1:", "    ", " T19", " Z99", " I05", " A", "\r",
    "\n", "\r\n", "\x81", "\x81\x40", "\xFF\xFE", "STDCOM\r\n",
    "a line longer than a read: xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"};

std::string RandomBytes(std::mt19937& rng) {
  std::string s;
  const int pieces = std::uniform_int_distribution<int>(0, 60)(rng);
  for (int k = 0; k < pieces; ++k) {
    if (rng() % 3 == 0) {
      s += kPieces[rng() % std::size(kPieces)];
    } else {
      const int n = rng() % 8;
      for (int b = 0; b < n; ++b) s += static_cast<char>(rng() % 256);
    }
  }
  return s;
}

std::string Mutate(std::string s, std::mt19937& rng) {
  const int edits = 1 + rng() % 8;
  for (int e = 0; e < edits; ++e) {
    const std::size_t at = s.empty() ? 0 : rng() % s.size();
    switch (rng() % 6) {
      case 0: if (!s.empty()) s[at] = static_cast<char>(rng() % 256); break;
      case 1: s.insert(at, kPieces[rng() % std::size(kPieces)]); break;
      case 2: s.erase(at, rng() % 12); break;
      case 3: s.resize(at); break;
      case 4: {  // duplicate a stretch, such as a move line
        const std::string part = s.substr(at, rng() % 200);
        s.insert(at, part);
        break;
      }
      default: if (!s.empty()) s[at] = "0123456789-: AZaz\n"[rng() % 18]; break;
    }
  }
  return s;
}

void ExpectSoundRecord(const KifuRecord& r) {
  ASSERT_TRUE(r.boardSize == 9 || r.boardSize == 13 || r.boardSize == 19) << r.boardSize;
  ASSERT_GE(r.handicap, 0);
  ASSERT_LE(r.handicap, 9);
  ASSERT_GE(r.blackPlayer, 0);
  ASSERT_LE(r.blackPlayer, 2);
  ASSERT_GE(r.whitePlayer, 0);
  ASSERT_LE(r.whitePlayer, 2);
  ASSERT_TRUE(r.rule == 0 || r.rule == 1);
  ASSERT_TRUE(r.style == 0 || r.style == 1);
  ASSERT_TRUE(r.result >= 0 && r.result <= 2);
  ASSERT_GE(r.timeLimit, 0);
  ASSERT_GE(r.currentMove, 0);
  ASSERT_LE(r.currentMove, kMaxRecordMoves);
  ASSERT_EQ(r.lastMove, r.currentMove);
  for (int k = 0; k < kMaxRecordMoves; ++k) {
    int i, j;
    if (k >= r.currentMove) {
      ASSERT_EQ(r.moves[k], kNoEntry);
    } else if (r.moves[k] != kPassEntry) {
      ASSERT_TRUE(EntryPoint(r.moves[k], r.boardSize, i, j)) << r.moves[k];
    }
  }
  ASSERT_EQ(r.blackName[8], '\n');
  ASSERT_EQ(r.whiteName[9], '\0');
}

TEST(KifuStress, RandomAndMutatedFilesReadAndReplaySafely) {
  std::mt19937 rng(20261207);
  std::vector<std::string> seeds;
  for (int size : {9, 13, 19}) {
    KifuRecord game = test::RandomGameRecord(
        {.size = size, .handicap = size == 13 ? 4 : 0, .moves = size * 12,
         .passPercent = 5, .seed = static_cast<std::uint32_t>(size)});
    game.blackTime = 4000;
    game.result = kWhiteResigned;
    const std::string lines[] = {"STDCOM", "x", platform::Utf8ToCp932("碁")};
    const std::string_view views[] = {lines[0], lines[1], lines[2]};
    SetCommentLines(game, views, 3);
    seeds.push_back(FormatKifu(game));
  }

  PlaneBoard board;
  int replayedMoves = 0;
  for (int n = 0; n < 4000; ++n) {
    const std::string bytes = n % 4 == 0 ? RandomBytes(rng)
                                         : Mutate(seeds[rng() % seeds.size()], rng);
    KifuRecord record;
    record.boardSize = n % 3 == 0 ? 9 : 19;
    ParseKifu(bytes, record);
    ASSERT_NO_FATAL_FAILURE(ExpectSoundRecord(record)) << "file " << n;

    const PlayState s = ReplayRecord(board, record, kMaxRecordMoves);
    ASSERT_LE(s.movesPlayed, record.currentMove);
    replayedMoves += s.movesPlayed;
    // The writers take whatever the reader gave.
    const std::string again = FormatKifu(record);
    KifuRecord reread;
    ParseKifu(again, reread);
    ASSERT_EQ(reread.currentMove, record.currentMove) << "file " << n;
    ASSERT_EQ(reread.moves, record.moves);
    FormatSgf(record);
    FormatJisBoard(board, s.lastMove);
    for (const CommentLine& line : record.comment) platform::Cp932ToUtf8(CommentLineText(line));
  }
  EXPECT_GT(replayedMoves, 10000) << "the mutations keep most move lists alive";
}

}  // namespace
}  // namespace kz
