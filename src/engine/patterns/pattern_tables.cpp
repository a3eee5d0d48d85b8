#include "engine/patterns/pattern_tables.h"

#include <cstring>

namespace kz {

namespace {

constexpr int kCapacityA = 251;
constexpr int kCapacityB = 183;

char CodeOf(char c) {
  switch (c) {
    case '.': return 'M';
    case 'O': return 'O';
    case 'X': return 'E';
    case '@': return 'S';
    case 'o': return 'F';
    case 'x': return 'N';
    case '#': return 'B';
    case 'L': return 'L';
    default: return 0;  // '?' and anything unknown: not looked at
  }
}

// Lays a diagram out as offsets and codes; false when it has no '*' or
// more points than the record holds.
bool Build(const ShapeDiagram& d, int capacity, std::int8_t* di, std::int8_t* dj,
           char* codes) {
  int pi = -1, pj = -1;
  for (int r = 0; d.rows[r]; ++r)
    for (int c = 0; d.rows[r][c]; ++c)
      if (d.rows[r][c] == '*') {
        pi = c;
        pj = r;
      }
  if (pi < 0) return false;
  int n = 0;
  di[n] = 0;
  dj[n] = 0;
  codes[n++] = 'M';
  for (int r = 0; d.rows[r]; ++r) {
    for (int c = 0; d.rows[r][c]; ++c) {
      const char code = CodeOf(d.rows[r][c]);
      if (!code) continue;
      if (n == capacity) return false;
      di[n] = static_cast<std::int8_t>(c - pi);
      dj[n] = static_cast<std::int8_t>(r - pj);
      codes[n++] = code;
    }
  }
  codes[n] = 'X';
  return true;
}

// The parts of each library, in table order.
const ShapeDiagram* const kPartsA[] = {kShapesAContact, kShapesAEdge, nullptr};
const ShapeDiagram* const kPartsB[] = {kShapesBFight, kShapesBShape, nullptr};

const ShapeDiagram* NthDiagram(const ShapeDiagram* const* parts, int n) {
  if (n < 0) return nullptr;
  for (; *parts; ++parts) {
    int size = 0;
    while ((*parts)[size].rows[0]) ++size;
    if (n < size) return &(*parts)[n];
    n -= size;
  }
  return nullptr;
}

template <typename Record, int Capacity, int Points>
struct Table {
  Record records[Capacity + 1];
  explicit Table(const ShapeDiagram* const* parts) {
    std::memset(records, 0, sizeof records);
    int k = 0;
    const ShapeDiagram* d;
    for (int n = 0; (d = NthDiagram(parts, n)) != nullptr && k < Capacity; ++n) {
      Record& r = records[k];
      if constexpr (Points == 30)
        r.flag = static_cast<std::int8_t>(d->flagOrType);
      else
        r.type = static_cast<std::int8_t>(d->flagOrType);
      r.family = static_cast<std::int8_t>(d->family);
      if (Build(*d, Points, r.di, r.dj, r.codes)) ++k;
    }
    std::memset(&records[k], 0, sizeof(Record));
    records[k].codes[0] = 'X';
  }
};

}  // namespace

const ShapeDiagram* DiagramA(int n) { return NthDiagram(kPartsA, n); }
const ShapeDiagram* DiagramB(int n) { return NthDiagram(kPartsB, n); }

const PatternRecordA* PatternTableA() {
  static const Table<PatternRecordA, kCapacityA, 30> table(kPartsA);
  return table.records;
}

const PatternRecordB* PatternTableB() {
  static const Table<PatternRecordB, kCapacityB, 40> table(kPartsB);
  return table.records;
}

}  // namespace kz
