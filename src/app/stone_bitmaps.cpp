// Stones, territory cells and move-number digits.
#include <QPainter>
#include <QRadialGradient>
#include <array>

#include "app/bitmap_draw.h"
#include "display/bitmap_ids.h"

namespace kz::app::draw {

namespace {

QImage Transparent(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// Centre and radius of a stone in a cell: the grid line passes through the
// middle of pixel pitch / 2.
QPointF Centre(int pitch) { return QPointF(pitch / 2 + 0.5, pitch / 2 + 0.5); }
double Radius(int pitch) { return pitch / 2.0 - 0.6; }

void PaintStone(QPainter& p, int pitch, int colour, double radius, double opacity) {
  const QPointF c = Centre(pitch);
  p.setRenderHint(QPainter::Antialiasing);
  p.setOpacity(opacity);
  p.setPen(Qt::NoPen);
  // A soft shadow to the lower right gives the stone its lift off the board.
  p.setBrush(QColor(40, 24, 8, 70));
  p.drawEllipse(c + QPointF(radius * 0.08, radius * 0.1), radius, radius);
  const QPointF light = c + QPointF(-radius * 0.38, -radius * 0.42);
  QRadialGradient g(c, radius, light);
  if (colour > 0) {
    g.setColorAt(0.0, QColor(120, 120, 126));
    g.setColorAt(0.3, QColor(52, 52, 58));
    g.setColorAt(1.0, QColor(6, 6, 8));
    p.setPen(QPen(QColor(0, 0, 0, 160), 0.6));
  } else {
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(0.55, QColor(240, 238, 232));
    g.setColorAt(1.0, QColor(186, 182, 172));
    p.setPen(QPen(QColor(110, 104, 92, 170), 0.7));
  }
  p.setBrush(g);
  p.drawEllipse(c, radius, radius);
  p.setOpacity(1.0);
}

// Digit shapes, 5 × 8 in rows 1–8 of the 6 × 10 cell.
constexpr std::array<std::array<const char*, 8>, 10> kGlyphs = {{
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},  // 0
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."},  // 1
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#....", "#####"},  // 2
    {".###.", "#...#", "....#", "..##.", "....#", "....#", "#...#", ".###."},  // 3
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#.", "...#."},  // 4
    {"#####", "#....", "####.", "....#", "....#", "....#", "#...#", ".###."},  // 5
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", "#...#", ".###."},  // 6
    {"#####", "....#", "...#.", "...#.", "..#..", "..#..", "..#..", "..#.."},  // 7
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."},  // 8
    {".###.", "#...#", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},  // 9
}};

}  // namespace

QImage Stone(int pitch, int colour) {
  QImage image = Transparent(pitch, pitch);
  QPainter p(&image);
  PaintStone(p, pitch, colour, Radius(pitch), 1.0);
  return image;
}

QImage StoneWithDot(int pitch, int colour) {
  QImage image = Stone(pitch, colour);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(colour > 0 ? QPen(QColor(255, 200, 200), 0.8) : QPen(QColor(120, 0, 0), 0.8));
  p.setBrush(QColor(224, 32, 32));
  const double r = pitch >= 30 ? 5.0 : 3.4;
  p.drawEllipse(Centre(pitch), r, r);
  return image;
}

QImage StoneWithCross(int pitch, int colour) {
  QImage image = Stone(pitch, colour);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double r = Radius(pitch) * 0.5;
  const QPointF c = Centre(pitch);
  p.setPen(QPen(QColor(214, 30, 30), pitch >= 30 ? 3.2 : 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
  p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
  return image;
}

QImage TerritoryCell(int pitch, int colour, int place) {
  QImage image = Transparent(pitch, pitch);
  // A three-line board stands for any board: the place picks which stubs.
  const int x = place % 3;
  const int y = place / 3;
  PaintGridCell(image, 0, 0, pitch, x, y, 3);
  QPainter p(&image);
  // Smaller than a stone and not quite solid, so a player tells them apart.
  PaintStone(p, pitch, colour, Radius(pitch) * 0.5, colour > 0 ? 0.9 : 1.0);
  return image;
}

QImage Digit(int digit, bool darkInk) {
  QImage image = Transparent(display::kDigitWidth, display::kDigitHeight);
  const QRgb ink = darkInk ? qRgb(16, 16, 16) : qRgb(248, 248, 248);
  const auto& glyph = kGlyphs[digit % 10];
  for (int row = 0; row < 8; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row + 1));
    for (int col = 0; col < 5; ++col) {
      if (glyph[row][col] == '#') line[col] = ink;
    }
  }
  return image;
}

}  // namespace kz::app::draw
