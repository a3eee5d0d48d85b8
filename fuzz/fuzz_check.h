// What the fuzz targets share: a broken promise of a reader stops the run
// with the input saved, as a crash would.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace kz::fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

}  // namespace kz::fuzz
