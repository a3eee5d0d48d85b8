// The four recent-file slots of the file menu.
#pragma once

#include <array>
#include <string>

namespace kz {

using RecentFiles = std::array<std::string, 4>;

// Enters `path` as the most recent file: it is stored as an absolute path
// (a relative one is taken from the current directory), goes to slot 1, and
// the others move down one, in their order, without the path itself, so no
// record is listed twice and the oldest drops out of a full list. Slots
// stored relative by an earlier run count as the same record when they name
// the same file from the current directory.
void RememberRecentFile(RecentFiles& slots, const std::string& path);

// `path` made absolute against the current directory, with "." and ".."
// steps taken out; an empty path stays empty.
std::string AbsoluteRecordPath(const std::string& path);

}  // namespace kz
