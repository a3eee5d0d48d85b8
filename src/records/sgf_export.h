// The SGF copy of a kifu record: fixed game-info lines, the handicap stones,
// the moves ten to a line. Nothing reads SGF back.
#pragma once

#include <optional>
#include <string>

#include "records/kifu_record.h"

namespace kz {

// The SGF file's bytes (CR LF line ends) for moves 1..currentMove.
std::string FormatSgf(const KifuRecord& record);

// The SGF companion of a kifu path: the extension "IG1" (either case of I and
// G) of the file name replaced by "SGF"; nothing when the file name has no
// such extension.
std::optional<std::string> SgfPathFor(const std::string& kifuPath);

}  // namespace kz
