// The SGF copy of a kifu record, in today's SGF (FF[4], UTF-8): the game
// information the record holds (size, handicap stones, komi, time limit,
// names, date, place and result of a standard comment, the comment as the
// root's text), then the moves ten to a line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "records/kifu_record.h"

namespace kz {

// What the copy names as its application (AP).
inline constexpr std::string_view kSgfApplication = "Kazaori:1.0";

// A calendar date; year 0 for none.
struct SgfDate {
  int year = 0, month = 0, day = 0;
};

// The SGF file's bytes (CR LF line ends) for moves 1..currentMove. DT is the
// standard comment's date when it has a readable one, else `fallbackDate`
// (none when its year is 0).
std::string FormatSgf(const KifuRecord& record, SgfDate fallbackDate);
// The same with today's local date as the fallback.
std::string FormatSgf(const KifuRecord& record);

// The game's result in SGF form ("B+R", "W+6.5", "B+T", "0"), or empty when
// the record does not tell: a resignation in the record first, then a side
// over the time limit (the other side wins on time), then the result line of
// a standard comment ("黒  5目半勝ち", "白中押し勝ち", "持碁").
std::string SgfResult(const KifuRecord& record);

// Escapes a property value: "\" before every "]" and "\".
std::string SgfEscape(std::string_view text);

// The SGF companion of a kifu path: the extension "IG1" (either case of I and
// G) of the file name replaced by "SGF"; nothing when the file name has no
// such extension.
std::optional<std::string> SgfPathFor(const std::string& kifuPath);

}  // namespace kz
