// The document: recording moves with the autosave, reading and writing kifu
// files with their SGF companion.
#include "game/kazaori_doc.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "records/kifu_format.h"
#include "support/temp_dir.h"

namespace kz {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(Document, StartRecordKeepsClocksAndClearsTheRest) {
  TempDir dir(true);
  CKazaoriDoc doc;
  EXPECT_EQ(doc.GetBoardSize(), 19);
  doc.StoreClocks(30, 100, 200);
  doc.StartRecord(13, 3, kComputerPlayer, kUserPlayer, 1, kBoldStyle);
  doc.RecordMove(1, 3, 3);
  doc.SetResigned(-1);
  doc.SetStandardComment({"a", "b", "", "", "", {}});
  doc.StartRecord(9, 2, kUserPlayer, kRemotePlayer, 0, kSolidStyle);
  EXPECT_EQ(doc.GetBoardSize(), 9);
  EXPECT_EQ(doc.GetHandicap(), 2);
  EXPECT_EQ(doc.GetPlayer(1), kUserPlayer);
  EXPECT_EQ(doc.GetPlayer(-1), kRemotePlayer);
  EXPECT_EQ(doc.GetRule(), 0);
  EXPECT_EQ(doc.GetResult(), kNoResult);
  EXPECT_FALSE(doc.HasComment());
  EXPECT_EQ(doc.GetName(1), "");
  EXPECT_EQ(doc.GetLastMoveNumber(), 0);
  EXPECT_EQ(doc.GetMove(1), -1);
  EXPECT_EQ(doc.GetTimeLimit(), 30);
  EXPECT_EQ(doc.GetTimeUsed(1), 100u);
  EXPECT_EQ(doc.GetTimeUsed(-1), 200u);
}

TEST(Document, RecordMoveStoresEntriesAndRewritesTheAutosave) {
  TempDir dir(true);
  {
    CKazaoriDoc doc;
    doc.StartRecord(19, 0, kUserPlayer, kComputerPlayer, 0, 0);
    EXPECT_TRUE(doc.RecordMove(1, 3, 15));
    EXPECT_TRUE(doc.RecordMove(2, -1, -1));
    EXPECT_EQ(doc.GetMove(1), 315);
    EXPECT_EQ(doc.GetMove(2), -101);
    EXPECT_EQ(doc.GetMove(3), -1);
    EXPECT_EQ(doc.GetMove(0), -1);
    EXPECT_EQ(doc.GetMove(571), -1);
    const std::string saved = ReadBytes("KAZ$$$$$.IG1");
    EXPECT_NE(saved.find("MOV\r\n D16 A00 -0\r\n"), std::string::npos) << saved;

    // Stepping back and playing anew overwrites only that entry; the last
    // move number keeps the highest.
    EXPECT_TRUE(doc.RecordMove(3, 4, 4));
    EXPECT_TRUE(doc.RecordMove(1, 5, 5));
    EXPECT_EQ(doc.GetCurrentMove(), 1);
    EXPECT_EQ(doc.GetLastMoveNumber(), 3);
    EXPECT_EQ(doc.GetMove(2), -101);
    EXPECT_NE(ReadBytes("KAZ$$$$$.IG1").find("MOV\r\n F06 -0\r\n"), std::string::npos);

    // Past the record's end or off the board: refused, nothing changes.
    EXPECT_FALSE(doc.RecordMove(571, 1, 1));
    EXPECT_FALSE(doc.RecordMove(0, 1, 1));
    EXPECT_FALSE(doc.RecordMove(4, 19, 0));
    EXPECT_FALSE(doc.RecordMove(4, -1, 3));
    EXPECT_EQ(doc.GetMove(4), -1);
    EXPECT_TRUE(doc.RecordMove(570, 18, 18));
    EXPECT_TRUE(std::filesystem::exists("KAZ$$$$$.IG1"));
  }
  EXPECT_FALSE(std::filesystem::exists("KAZ$$$$$.IG1"))
      << "the document deletes its autosave when it goes";
}

TEST(Document, LeavesAnAutosaveItDidNotWrite) {
  TempDir dir(true);
  WriteBytes("KAZ$$$$$.IG1", "another game's autosave");
  { CKazaoriDoc doc; }
  EXPECT_EQ(ReadBytes("KAZ$$$$$.IG1"), "another game's autosave");
}

TEST(Document, MovesOffASmallBoardAreRefused) {
  TempDir dir(true);
  CKazaoriDoc doc;
  doc.StartRecord(9, 0, 0, 0, 0, 0);
  EXPECT_FALSE(doc.RecordMove(1, 9, 0));
  EXPECT_TRUE(doc.RecordMove(1, 8, 8));
}

TEST(Document, WriteAndReadBackWithTheSgfCompanion) {
  TempDir dir;
  CKazaoriDoc doc;
  doc.SetAutosavePath(dir / "auto.IG1");
  doc.StartRecord(9, 0, kUserPlayer, kComputerPlayer, 0, 0);
  doc.RecordMove(1, 2, 2);
  doc.RecordMove(2, 6, 6);
  doc.StoreClocks(10, 61, 7);
  doc.SetResigned(1);
  doc.SetStandardComment({"黒の人", "白の人", "", "", "白中押し勝ち", {}});
  const std::string path = dir / "game.v2.Ig1";
  ASSERT_TRUE(doc.WriteRecord(path, true));
  EXPECT_EQ(doc.PathName(), path);
  EXPECT_TRUE(std::filesystem::exists(dir / "game.v2.SGF"));
  EXPECT_EQ(ReadBytes(path), FormatKifu(doc.Record()));

  CKazaoriDoc back;
  back.SetAutosavePath(dir / "auto2.IG1");
  ASSERT_TRUE(back.ReadRecord(path));
  EXPECT_EQ(back.Record(), doc.Record());
  EXPECT_EQ(back.GetCurrentMove(), 2);
  EXPECT_EQ(back.GetResult(), kBlackResigned);
  EXPECT_TRUE(back.HasComment());
}

TEST(Document, SgfCompanionNeedsAnIg1Extension) {
  TempDir dir;
  CKazaoriDoc doc;
  // A directory named like the extension is left alone.
  std::filesystem::create_directory(dir / "IG1.dir");
  EXPECT_FALSE(doc.WriteRecord(dir / "IG1.dir/record.txt", true));
  EXPECT_TRUE(std::filesystem::exists(dir / "IG1.dir/record.txt"))
      << "the kifu file stays written";
  EXPECT_FALSE(std::filesystem::exists(dir / "SGF.dir"));
  EXPECT_TRUE(doc.WriteRecord(dir / "IG1.dir/record.txt", false));
}

TEST(Document, ReadingAMissingFileFailsAndKeepsTheRecord) {
  TempDir dir;
  CKazaoriDoc doc;
  doc.StartRecord(13, 0, 0, 0, 0, 0);
  EXPECT_FALSE(doc.ReadRecord(dir / "missing.IG1"));
  EXPECT_FALSE(doc.ReadRecord(dir.path()));
  EXPECT_EQ(doc.GetBoardSize(), 13);
}

TEST(Document, FailedWriteKeepsThePreviousFile) {
  TempDir dir;
  const std::string path = dir / "kept.IG1";
  WriteBytes(path, "previous");
  CKazaoriDoc doc;
  EXPECT_FALSE(doc.WriteRecord(dir / "no-such-dir/x.IG1", false));
  // A directory in the way of the rename.
  std::filesystem::create_directory(dir / "taken.IG1");
  std::filesystem::create_directory(dir / "taken.IG1/inner");
  EXPECT_FALSE(doc.WriteRecord(dir / "taken.IG1", false));
  EXPECT_EQ(ReadBytes(path), "previous");
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 2) << "no temporary file is left behind";
}

}  // namespace
}  // namespace kz
