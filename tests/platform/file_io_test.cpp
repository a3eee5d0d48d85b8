// Whole-file reads and the replacing write.
#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace kz::platform {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(FileIo, ReadsUpToTheLimit) {
  TempDir dir;
  WriteBytes(dir / "f", "abcdef");
  EXPECT_EQ(ReadFileBytes(dir / "f", 100), "abcdef");
  EXPECT_EQ(ReadFileBytes(dir / "f", 4), "abcd");
  EXPECT_FALSE(ReadFileBytes(dir / "none", 100));
  EXPECT_FALSE(ReadFileBytes(dir.path(), 100)) << "a directory is no file";
}

// Reads in a child process that an alarm ends after five seconds: a read
// that waits for a writer fails the test instead of hanging it.
TEST(FileIo, NamedPipesAndDevicesAreRefusedAtOnce) {
  TempDir dir;
  const std::string fifo = dir / "pipe.IG1";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EXIT(
      {
        ::alarm(5);
        std::_Exit(ReadFileBytes(fifo, 100) ? 1 : 0);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(
      {
        ::alarm(5);
        std::_Exit(ReadFileBytes("/dev/zero", 100) ? 1 : 0);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(FileIo, ReplacesTheFileAndKeepsItsMode) {
  TempDir dir;
  const std::string path = dir / "f";
  WriteBytes(path, "old");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(WriteFileReplacing(path, "new contents"));
  EXPECT_EQ(ReadBytes(path), "new contents");
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(FileIo, AWriteThatFailsHalfwayLeavesThePreviousFile) {
  TempDir dir;
  const std::string path = dir / "f";
  WriteBytes(path, "previous");
  // Files may grow to 16 bytes only: the write of 4096 fails part way.
  rlimit old;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteFileReplacing(path, std::string(4096, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadBytes(path), "previous");
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 1) << "the temporary file is removed";
}

// Sets a file's modification time `seconds` before now.
void Age(const std::string& path, int seconds) {
  const timespec times[2] = {{std::time(nullptr) - seconds, 0}, {std::time(nullptr) - seconds, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

TEST(FileIo, StaleTemporariesOfOurOwnAreRemovedAndNothingElse) {
  TempDir dir;
  const std::string kifu = "#COMMENT\r\nINT 19 0\r\n";
  const std::vector<std::string> stale = {".kazaori-a1B2c3", ".kazaori-ZZZZZZ"};
  // Another name, too old for nothing else, content of another kind, a
  // directory, a link, one written after this process started.
  const std::vector<std::string> kept = {".kazaori-abc", "kazaori-abcdef", ".kazaori-abc-de",
                                         ".kazaori-sgf000", ".kazaori-dir000", ".kazaori-lnk000",
                                         ".kazaori-fresh0", "KAZ$$$$$.IG1"};
  for (const std::string& name : stale) WriteBytes(dir / name, kifu + name);
  for (const std::string& name : kept) {
    if (name == ".kazaori-dir000") std::filesystem::create_directory(dir / name);
    else if (name == ".kazaori-lnk000") std::filesystem::create_symlink(dir / stale[0], dir / name);
    else WriteBytes(dir / name, name == ".kazaori-sgf000" ? "(;GM[1]FF[4]" : kifu);
  }
  for (const std::string& name : stale) Age(dir / name, 3600);
  for (const std::string& name : kept)
    if (name != ".kazaori-fresh0" && name != ".kazaori-lnk000") Age(dir / name, 3600);

  const std::time_t start = ProcessStartTime();
  EXPECT_LE(start, std::time(nullptr));
  EXPECT_GT(start, std::time(nullptr) - 3000) << "this test process started moments ago";
  EXPECT_EQ(RemoveStaleTemporariesBeside(dir / "KAZ$$$$$.IG1", start, "#COMMENT\r\n"), 2);
  for (const std::string& name : stale) EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
  for (const std::string& name : kept)
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(dir / name))) << name;

  EXPECT_TRUE(IsReplacingTemporaryName(".kazaori-0aZ9xq"));
  EXPECT_FALSE(IsReplacingTemporaryName(".kazaori-0aZ9x."));
  EXPECT_FALSE(IsReplacingTemporaryName(".kazaori-0aZ9xqq"));
}

TEST(FileIo, RelativePathsWriteIntoTheCurrentDirectory) {
  TempDir dir(true);
  ASSERT_TRUE(WriteFileReplacing("plain.txt", "x"));
  EXPECT_EQ(ReadBytes(dir / "plain.txt"), "x");
  EXPECT_FALSE(WriteFileReplacing("", "x"));
  EXPECT_FALSE(WriteFileReplacing("dir/", "x"));
}

}  // namespace
}  // namespace kz::platform
