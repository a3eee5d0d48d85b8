#include "records/recent_files.h"

#include <filesystem>
#include <system_error>

namespace kz {

std::string AbsoluteRecordPath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  return absolute.lexically_normal().string();
}

void RememberRecentFile(RecentFiles& slots, const std::string& path) {
  const std::string entered = AbsoluteRecordPath(path);
  if (entered.empty()) return;
  RecentFiles next;
  next[0] = entered;
  std::size_t filled = 1;
  for (const std::string& slot : slots) {
    if (slot.empty() || filled == next.size()) continue;
    const std::string absolute = AbsoluteRecordPath(slot);
    bool listed = absolute == entered;
    for (std::size_t k = 0; k < filled && !listed; ++k) listed = next[k] == absolute;
    if (!listed) next[filled++] = absolute;
  }
  slots = next;
}

}  // namespace kz
