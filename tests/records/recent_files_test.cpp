// The four recent-file slots.
#include "records/recent_files.h"

#include <gtest/gtest.h>

namespace kz {
namespace {

TEST(RecentFiles, FillsEmptySlotsFirstEvenWithTheSamePath) {
  RecentFiles slots;
  RememberRecentFile(slots, "a");
  RememberRecentFile(slots, "a");
  RememberRecentFile(slots, "b");
  EXPECT_EQ(slots, (RecentFiles{"a", "a", "b", ""}));
}

TEST(RecentFiles, FullListMovesThePathToTheTop) {
  const RecentFiles full{"1", "2", "3", "4"};
  RecentFiles s = full;
  RememberRecentFile(s, "1");
  EXPECT_EQ(s, full);
  s = full;
  RememberRecentFile(s, "2");
  EXPECT_EQ(s, (RecentFiles{"2", "1", "3", "4"}));
  s = full;
  RememberRecentFile(s, "3");
  EXPECT_EQ(s, (RecentFiles{"3", "1", "2", "4"}));
  s = full;
  RememberRecentFile(s, "4");
  EXPECT_EQ(s, (RecentFiles{"4", "1", "2", "3"}));
  s = full;
  RememberRecentFile(s, "new");
  EXPECT_EQ(s, (RecentFiles{"new", "1", "2", "3"}));
}

}  // namespace
}  // namespace kz
