#include "records/jis_board.h"

#include <string_view>

#include "platform/shift_jis.h"

namespace kz {
namespace {

constexpr std::string_view kColumnHeads[19] = {
    "Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ", "Ｆ", "Ｇ", "Ｈ", "Ｊ", "Ｋ",
    "Ｌ", "Ｍ", "Ｎ", "Ｏ", "Ｐ", "Ｑ", "Ｒ", "Ｓ", "Ｔ"};
constexpr std::string_view kRowLabels[9] = {"１", "２", "３", "４", "５",
                                            "６", "７", "８", "９"};

std::string_view Cell(const PlaneBoard& board, int i, int j, int lastMove) {
  const int n = board.GetSize();
  const int stone = board.GetChain(i, j);
  const bool last = lastMove >= 0 && MoveCodeOf(i, j) == lastMove;
  if (stone > 0) return last ? "◆" : "●";
  if (stone < 0) return last ? "◇" : "○";
  const bool topOrBottom = j == 0 || j == n - 1;
  const bool side = i == 0 || i == n - 1;
  if (topOrBottom && side) return "・";
  if (topOrBottom) return "－";
  if (side) return "｜";
  return "＋";
}

}  // namespace

std::string FormatJisBoard(const PlaneBoard& board, int lastMove) {
  const int n = board.GetSize();
  std::string text = "　";
  for (int i = 0; i < n; ++i) text += kColumnHeads[i];
  text += "\r\n";
  for (int j = 0; j < n; ++j) {
    if (j < 9) text += kRowLabels[j];
    else text += std::to_string(j + 1);
    for (int i = 0; i < n; ++i) text += Cell(board, i, j, lastMove);
    text += "\r\n";
  }
  return platform::Utf8ToCp932(text);
}

}  // namespace kz
