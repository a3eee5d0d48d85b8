#include "records/recent_files.h"

namespace kz {

void RememberRecentFile(RecentFiles& slots, const std::string& path) {
  for (std::string& slot : slots) {
    if (slot.empty()) {
      slot = path;
      return;
    }
  }
  int from = static_cast<int>(slots.size()) - 1;  // the slot that is dropped
  for (int k = 0; k < static_cast<int>(slots.size()); ++k) {
    if (slots[k] == path) {
      from = k;
      break;
    }
  }
  for (int k = from; k > 0; --k) slots[k] = slots[k - 1];
  slots[0] = path;
}

}  // namespace kz
