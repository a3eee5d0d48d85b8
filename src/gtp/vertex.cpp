#include "gtp/vertex.h"

#include <cctype>

#include "engine/board/plane_board.h"

namespace kz::gtp {

namespace {

constexpr std::string_view kLetters = "ABCDEFGHJKLMNOPQRST";

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::optional<Vertex> ParseVertex(std::string_view text, int size) {
  const std::string t = Lower(text);
  if (t == "pass") return Vertex{true, -1, -1};
  if (t.size() < 2 || t.size() > 3) return std::nullopt;
  const std::size_t col = kLetters.find(static_cast<char>(std::toupper(t[0])));
  if (col == std::string_view::npos) return std::nullopt;
  int row = 0;
  for (std::size_t k = 1; k < t.size(); ++k) {
    if (!std::isdigit(static_cast<unsigned char>(t[k]))) return std::nullopt;
    row = row * 10 + (t[k] - '0');
  }
  const int i = static_cast<int>(col), j = size - row;
  if (row < 1 || !OnBoard(size, i, j)) return std::nullopt;
  return Vertex{false, i, j};
}

std::string FormatPoint(int i, int j, int size) {
  return std::string(1, kLetters[i]) + std::to_string(size - j);
}

std::string FormatVertex(const Vertex& v, int size) {
  return v.pass ? "pass" : FormatPoint(v.i, v.j, size);
}

int ParseColour(std::string_view text) {
  const std::string t = Lower(text);
  if (t == "b" || t == "black") return 1;
  if (t == "w" || t == "white") return -1;
  return 0;
}

}  // namespace kz::gtp
