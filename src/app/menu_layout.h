// The menu bar as the user sees it: labels, order, separators and submenus,
// and the tool bar's fourteen buttons with their groups. Labels and prompts
// of the commands come from the command table.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace kz::app {

struct MenuNode {
  enum Kind { kCommand, kSeparator, kSubmenu, kRecentFiles };
  Kind kind;
  int id = 0;                      // kCommand
  std::string_view title;          // kSubmenu
  std::vector<MenuNode> children;  // kSubmenu
};

// The top level, in order. A top-level kCommand is a command on the bar itself.
const std::vector<MenuNode>& MenuBarLayout();

// The tool bar: command ids, 0 for a separator between groups.
std::span<const int> ToolBarLayout();

}  // namespace kz::app
