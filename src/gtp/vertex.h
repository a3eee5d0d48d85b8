// GTP vertices ("D4", "pass") and the board's points.
//
// GTP counts rows from the bottom (A1 is the bottom-left point) and skips the
// letter I; the board counts j from the top. So on n lines the vertex of
// (i, j) is column letter i and row number n - j.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kz::gtp {

struct Vertex {
  bool pass = false;
  int i = -1, j = -1;  // the point when not a pass
};

// Parses a vertex for a board of `size` lines (case-insensitive; "pass"
// accepted). Nothing for anything else, a point off the board included.
std::optional<Vertex> ParseVertex(std::string_view text, int size);

// "D4" for a point, "pass" for a pass.
std::string FormatVertex(const Vertex& v, int size);
std::string FormatPoint(int i, int j, int size);

// Parses "b", "black", "w", "white" (any case) into +1 / -1; 0 otherwise.
int ParseColour(std::string_view text);

}  // namespace kz::gtp
