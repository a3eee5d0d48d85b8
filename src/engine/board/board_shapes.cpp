// PlaneBoard's eye-shape iterator: the vital points of the classic killable
// eye shapes (straight and bent three, pyramid four, cross five, bulky five,
// rabbity six and the six on the edge).
#include <array>

#include "engine/board/board_geometry.h"
#include "engine/board/plane_board.h"

namespace kz {

namespace {

constexpr int kMaxShapePoints = 6;
constexpr int kMaxOrientations = 8;

struct Offset {
  int di, dj;
};

// One shape in one orientation. The first point is the vital point P. An
// edge shape also names a point that must lie off the board (the shape then
// rests on the first line).
struct OrientedShape {
  int count;
  Offset points[kMaxShapePoints];
  bool edge;
  Offset offBoard;
};

struct ShapeKind {
  int orientations;
  OrientedShape shapes[kMaxOrientations];
};

struct BaseShape {
  int count;
  Offset points[kMaxShapePoints];
  bool edge;
  Offset offBoard;
};

constexpr Offset Transform(Offset o, int t) {
  switch (t) {
    case 0: return {o.di, o.dj};
    case 1: return {-o.di, o.dj};
    case 2: return {o.di, -o.dj};
    case 3: return {-o.di, -o.dj};
    case 4: return {o.dj, o.di};
    case 5: return {-o.dj, o.di};
    case 6: return {o.dj, -o.di};
    default: return {-o.dj, -o.di};
  }
}

constexpr bool SamePointSet(const OrientedShape& a, const OrientedShape& b) {
  if (a.count != b.count) return false;
  if (a.edge && (a.offBoard.di != b.offBoard.di || a.offBoard.dj != b.offBoard.dj))
    return false;
  for (int k = 0; k < a.count; ++k) {
    bool found = false;
    for (int m = 0; m < b.count; ++m)
      found = found || (a.points[k].di == b.points[m].di &&
                        a.points[k].dj == b.points[m].dj);
    if (!found) return false;
  }
  return true;
}

// All distinct orientations (rotations and reflections) of a shape.
constexpr ShapeKind Orient(const BaseShape& base) {
  ShapeKind kind{};
  for (int t = 0; t < 8; ++t) {
    OrientedShape s{};
    s.count = base.count;
    s.edge = base.edge;
    s.offBoard = Transform(base.offBoard, t);
    for (int k = 0; k < base.count; ++k) s.points[k] = Transform(base.points[k], t);
    bool dup = false;
    for (int m = 0; m < kind.orientations; ++m)
      dup = dup || SamePointSet(kind.shapes[m], s);
    if (!dup) kind.shapes[kind.orientations++] = s;
  }
  return kind;
}

// The seven shapes in the order they are tried; kind = index + 1.
constexpr BaseShape kBaseShapes[7] = {
    // 1 straight three: P in the middle.
    {3, {{0, 0}, {-1, 0}, {1, 0}}, false, {}},
    // 2 bent three: P at the corner of the L.
    {3, {{0, 0}, {1, 0}, {0, 1}}, false, {}},
    // 3 pyramid four: P at the centre of the T.
    {4, {{0, 0}, {-1, 0}, {1, 0}, {0, 1}}, false, {}},
    // 4 cross five: P in the centre.
    {5, {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}}, false, {}},
    // 5 bulky five: a 2 x 2 block holding P, and a tail next to P.
    {5, {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {-1, 0}}, false, {}},
    // 6 rabbity six: P, its four neighbours and one diagonal.
    {6, {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}, {1, 1}}, false, {}},
    // 7 six on the edge: P in the middle of the second line, the first line
    // (row above P) resting on the edge.
    {6, {{0, 0}, {-1, 0}, {1, 0}, {-1, -1}, {0, -1}, {1, -1}}, true, {0, -2}},
};

constexpr std::array<ShapeKind, 7> MakeKinds() {
  std::array<ShapeKind, 7> kinds{};
  for (int k = 0; k < 7; ++k) kinds[k] = Orient(kBaseShapes[k]);
  return kinds;
}

constexpr std::array<ShapeKind, 7> kShapeKinds = MakeKinds();

}  // namespace

// A shape matches for an owner when P and its other empty points are the
// owner's region, its other points may hold enemy stones, and every point
// around the shape is an owner stone or off the board. The enclosure also
// settles the straight three's ends: beyond each end stands an owner stone
// or the edge.
bool PlaneBoard::ShapeMatches(int i, int j, const int (*offsets)[2], int count,
                              int owner) const {
  auto inShape = [&](int a, int b) {
    for (int k = 0; k < count; ++k)
      if (i + offsets[k][0] == a && j + offsets[k][1] == b) return true;
    return false;
  };
  for (int k = 0; k < count; ++k) {
    const int a = i + offsets[k][0], b = j + offsets[k][1];
    if (!OnBoard(a, b)) return false;
    const int q = PlaneIndex(a, b);
    const bool ownRegion = chain_[q] == 0 && Sign(region_[q]) == owner;
    if (k == 0 ? !ownRegion : !(ownRegion || Sign(chain_[q]) == -owner))
      return false;
  }
  for (int k = 0; k < count; ++k) {
    for (const Step& d : kOrthogonal) {
      const int a = i + offsets[k][0] + d.di, b = j + offsets[k][1] + d.dj;
      if (!OnBoard(a, b) || inShape(a, b)) continue;
      if (Sign(StoneAt(a, b)) != owner) return false;
    }
  }
  return true;
}

int PlaneBoard::ShapeKindAt(int i, int j) const {
  if (chain_[PlaneIndex(i, j)] != 0 || region_[PlaneIndex(i, j)] == 0) return 0;
  const int owner = Sign(region_[PlaneIndex(i, j)]);
  for (int k = 0; k < 7; ++k) {
    const ShapeKind& kind = kShapeKinds[k];
    for (int o = 0; o < kind.orientations; ++o) {
      const OrientedShape& s = kind.shapes[o];
      if (s.edge && OnBoard(i + s.offBoard.di, j + s.offBoard.dj)) continue;
      int offsets[kMaxShapePoints][2];
      for (int m = 0; m < s.count; ++m) {
        offsets[m][0] = s.points[m].di;
        offsets[m][1] = s.points[m].dj;
      }
      if (ShapeMatches(i, j, offsets, s.count, owner)) return k + 1;
    }
  }
  return 0;
}

ShapePoint PlaneBoard::NextShapePoint(int colour, int continueFlag) {
  if (continueFlag == 0) {
    shapeCol_ = 0;
    shapeRow_ = 0;
  } else if (++shapeCol_ >= size_) {
    shapeCol_ = 0;
    ++shapeRow_;
  }
  int lastKind = 0;
  for (; shapeRow_ < size_; ++shapeRow_, shapeCol_ = 0) {
    for (; shapeCol_ < size_; ++shapeCol_) {
      const int kind = ShapeKindAt(shapeCol_, shapeRow_);
      if (kind == 0) continue;
      lastKind = kind;
      if (IsSuicide(shapeCol_, shapeRow_, colour)) continue;
      return {kind, MoveCodeOf(shapeCol_, shapeRow_)};
    }
  }
  shapeRow_ = size_;
  shapeCol_ = 0;
  return {lastKind, -1};
}

}  // namespace kz
