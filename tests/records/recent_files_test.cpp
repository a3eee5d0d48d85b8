// The four recent-file slots: absolute paths, most recent first, each record
// once.
#include "records/recent_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace kz {
namespace {

TEST(RecentFiles, TheLatestGoesFirstAndNoRecordIsListedTwice) {
  RecentFiles slots;
  RememberRecentFile(slots, "/r/a.IG1");
  RememberRecentFile(slots, "/r/a.IG1");
  RememberRecentFile(slots, "/r/b.IG1");
  EXPECT_EQ(slots, (RecentFiles{"/r/b.IG1", "/r/a.IG1", "", ""}));

  const RecentFiles full{"/1", "/2", "/3", "/4"};
  RecentFiles s = full;
  RememberRecentFile(s, "/1");
  EXPECT_EQ(s, full);
  s = full;
  RememberRecentFile(s, "/3");
  EXPECT_EQ(s, (RecentFiles{"/3", "/1", "/2", "/4"}));
  s = full;
  RememberRecentFile(s, "/4");
  EXPECT_EQ(s, (RecentFiles{"/4", "/1", "/2", "/3"}));
  s = full;
  RememberRecentFile(s, "/new");
  EXPECT_EQ(s, (RecentFiles{"/new", "/1", "/2", "/3"})) << "the oldest drops out";
  RememberRecentFile(s, "");
  EXPECT_EQ(s, (RecentFiles{"/new", "/1", "/2", "/3"})) << "an empty name enters nothing";
}

TEST(RecentFiles, ARelativeNameIsStoredAbsoluteAndMatchesTheAbsoluteOne) {
  test::TempDir dir(true);  // the current directory
  const std::string here = std::filesystem::current_path().string();
  RecentFiles slots;
  RememberRecentFile(slots, "GAME.IG1");
  EXPECT_EQ(slots[0], here + "/GAME.IG1");
  RememberRecentFile(slots, here + "/GAME.IG1");
  RememberRecentFile(slots, "./sub/../GAME.IG1");
  EXPECT_EQ(slots, (RecentFiles{here + "/GAME.IG1", "", "", ""}));
  // A list written by an earlier run with relative names.
  RecentFiles old{"OTHER.IG1", "GAME.IG1", "", ""};
  RememberRecentFile(old, here + "/GAME.IG1");
  EXPECT_EQ(old, (RecentFiles{here + "/GAME.IG1", here + "/OTHER.IG1", "", ""}));
}

}  // namespace
}  // namespace kz
