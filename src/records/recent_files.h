// The four recent-file slots of the file menu.
#pragma once

#include <array>
#include <string>

namespace kz {

using RecentFiles = std::array<std::string, 4>;

// Enters `path` by the menu's rule: while a slot is empty the path fills the
// first empty one; when all are full it goes to slot 1 and the slots before
// its old place (all of them when it was not there) move down one.
void RememberRecentFile(RecentFiles& slots, const std::string& path);

}  // namespace kz
