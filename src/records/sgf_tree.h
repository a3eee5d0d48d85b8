// The SGF game tree's main line: the nodes of the first game tree from the
// root, following the first variation at every branch. Read in one pass
// without recursion (any nesting depth is a counter), side variations
// checked for syntax and skipped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kz {

struct SgfProperty {
  std::string id;                   // upper-case letters only
  std::vector<std::string> values;  // raw bytes between "[" and "]", escapes kept
};

using SgfNode = std::vector<SgfProperty>;

// The main line holds at most this many nodes; reading stops there.
constexpr std::size_t kMaxSgfMainLineNodes = 10000;

struct SgfMainLine {
  enum Status {
    kOk,
    kNoGameTree,   // no "(" followed by ";"
    kTruncated,    // the data end inside the game tree or inside a value
    kBadSyntax,    // a character that belongs nowhere (at errorOffset)
  };
  Status status = kNoGameTree;
  std::size_t errorOffset = 0;
  // The main line reached kMaxSgfMainLineNodes; later nodes were not read.
  bool cut = false;
  std::vector<SgfNode> nodes;
};

SgfMainLine ReadSgfMainLine(std::string_view bytes);

// A property value as text: "\" + line break is removed (a soft line break),
// "\" + any other character is that character. With `simple`, line breaks
// (CR LF, LF CR, CR, LF) and other white space become spaces.
std::string SgfValueText(std::string_view raw, bool simple);

}  // namespace kz
