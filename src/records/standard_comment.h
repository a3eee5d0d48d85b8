// The standard comment: a 9-line comment block with fixed CP932 headers
// (players, date, place, result, three comment lines), made by the standard
// comment dialog and read back from a record.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "records/kifu_record.h"

namespace kz {

// The dialog's fields, UTF-8.
struct StandardComment {
  std::string blackName;
  std::string whiteName;
  std::string date;
  std::string place;
  std::string result;
  std::array<std::string, 3> notes;
  bool operator==(const StandardComment&) const = default;
};

// "貴方", "風織" or "通信" for a player kind (the user's label otherwise).
std::string_view PlayerLabel(int kind);

// The date as the dialog proposes it: "    年  月  日" with the year in the
// first four columns and month and day right-aligned in two.
std::string StandardCommentDate(int year, int month, int day);

// What the dialog proposes: the record's standard comment when it has one;
// otherwise the player labels, the given date, no place, the result text.
StandardComment ProposedStandardComment(const KifuRecord& record,
                                        std::string_view resultText,
                                        int year, int month, int day);

// Stores the 9 lines (texts cut to their byte limits in CP932), sets the
// has-comment flag and the names from lines 1 and 2.
void StoreStandardComment(KifuRecord& record, const StandardComment& comment);

// The fields of the record's standard comment, if it has one.
std::optional<StandardComment> ReadStandardComment(const KifuRecord& record);

}  // namespace kz
