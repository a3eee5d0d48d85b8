// Boards, backgrounds and the title plate.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>

#include "app/bitmap_draw.h"
#include "display/bitmap_ids.h"
#include "display/board_geometry.h"
#include "display/status_panel.h"

namespace kz::app::draw {

namespace {

// Smooth value noise in [0, 1) from a hashed lattice.
double Lattice(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / double(0x1000000);
}

double Noise(double x, double y, std::uint32_t seed) {
  const int ix = static_cast<int>(std::floor(x));
  const int iy = static_cast<int>(std::floor(y));
  const double fx = x - ix;
  const double fy = y - iy;
  const double sx = fx * fx * (3 - 2 * fx);
  const double sy = fy * fy * (3 - 2 * fy);
  const double a = Lattice(ix, iy, seed) + (Lattice(ix + 1, iy, seed) - Lattice(ix, iy, seed)) * sx;
  const double b = Lattice(ix, iy + 1, seed) +
                   (Lattice(ix + 1, iy + 1, seed) - Lattice(ix, iy + 1, seed)) * sx;
  return a + (b - a) * sy;
}

double Fbm(double x, double y, std::uint32_t seed) {
  return 0.55 * Noise(x, y, seed) + 0.3 * Noise(2 * x, 2 * y, seed + 1) +
         0.15 * Noise(4 * x, 4 * y, seed + 2);
}

int Clamp255(double v) { return v < 0 ? 0 : v > 255 ? 255 : static_cast<int>(v + 0.5); }

// A straight-grained wood surface: fine dark grain lines that wander a little,
// with broad, soft changes of tone.
void PaintWood(QImage& image, int style, std::uint32_t seed) {
  const QColor base = WoodBase(style);
  const double grainStrength = style == 0 ? 0.05 : 0.08;
  const double scale = style == 2 ? 35.0 / 21.0 : 1.0;
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const double wx = x / scale;
      const double wy = y / scale;
      // Grain lines of uneven spacing: the phase wanders along the board and
      // a second, finer grain breaks the regular stripes.
      const double wander = 22.0 * Fbm(wx * 0.010, wy * 0.003, seed);
      const double t = (wx + wander) * 0.36;
      const double wave = 0.5 + 0.5 * std::sin(t + 2.5 * Fbm(wx * 0.03, wy * 0.01, seed + 7));
      const double cube = wave * wave * wave;
      const double fineWave = 0.5 + 0.5 * std::sin((wx + 0.6 * wander) * 1.3 + 3.0 * Noise(wx * 0.05, wy * 0.02, seed + 5));
      const double line = 0.75 * cube * cube + 0.25 * fineWave * fineWave * fineWave * fineWave *
                                                   Noise(wx * 0.02, wy * 0.006, seed + 9);
      const double broad = Fbm(wx * 0.006, wy * 0.02, seed + 11) - 0.5;
      const double fine = Lattice(x, y, seed + 23) - 0.5;
      const double k = 1.0 - grainStrength * line + 0.06 * broad + 0.012 * fine;
      row[x] = qRgb(Clamp255(base.red() * k), Clamp255(base.green() * k),
                    Clamp255(base.blue() * k));
    }
  }
}

void FillPixels(QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
  for (int y = std::max(y0, 0); y <= std::min(y1, image.height() - 1); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = std::max(x0, 0); x <= std::min(x1, image.width() - 1); ++x) row[x] = colour;
  }
}

}  // namespace

QColor WoodBase(int style) {
  return style == 0 ? QColor(236, 196, 104) : QColor(222, 184, 138);
}

QColor LineColour() { return QColor(48, 34, 20); }

void PaintGridCell(QImage& image, int ox, int oy, int pitch, int x, int y, int size) {
  const QRgb ink = LineColour().rgb();
  const int c = pitch / 2;
  const int last = size - 1;
  // The horizontal stub: one pixel row, two on the board's top and bottom edges.
  const int hx0 = x == 0 ? c - 1 : 0;
  const int hx1 = x == last ? c + 1 : pitch - 1;
  const int hy0 = y == 0 ? c - 1 : c;
  const int hy1 = y == last ? c + 1 : c;
  FillPixels(image, ox + hx0, oy + hy0, ox + hx1, oy + hy1, ink);
  // The vertical stub, likewise.
  const int vy0 = y == 0 ? c - 1 : 0;
  const int vy1 = y == last ? c + 1 : pitch - 1;
  const int vx0 = x == 0 ? c - 1 : c;
  const int vx1 = x == last ? c + 1 : c;
  FillPixels(image, ox + vx0, oy + vy0, ox + vx1, oy + vy1, ink);
}

QImage Wood(int style) {
  const int side = display::BoardImageSide(style, 19);
  QImage wood(side, side, QImage::Format_ARGB32_Premultiplied);
  PaintWood(wood, style, 0x5eed0000u + static_cast<std::uint32_t>(style * 31));
  return wood;
}

QImage Board(int style, int size, const QImage& wood) {
  const int pitch = display::Pitch(style);
  const int side = display::BoardImageSide(style, size);
  const int border = display::BorderWidth(style);
  QImage image = wood.copy(0, 0, side, side);

  // A soft light edge on the top and left, the board's side in shadow on the
  // right and bottom (the border strips).
  const QColor base = WoodBase(style);
  FillPixels(image, 0, 0, side - 1, 0, base.lighter(112).rgb());
  FillPixels(image, 0, 0, 0, side - 1, base.lighter(112).rgb());
  FillPixels(image, side - border, 0, side - 1, side - 1, base.darker(165).rgb());
  FillPixels(image, 0, side - border, side - 1, side - 1, base.darker(165).rgb());

  for (int x = 0; x < size; ++x) {
    for (int y = 0; y < size; ++y) PaintGridCell(image, x * pitch, y * pitch, pitch, x, y, size);
  }

  // Star points.
  const int stars19[] = {3, 9, 15};
  const int stars13[] = {3, 6, 9};
  const int stars9[] = {2, 4, 6};
  const int* stars = size == 19 ? stars19 : size == 13 ? stars13 : stars9;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(LineColour());
  const double r = style == 2 ? 3.6 : 2.4;
  for (int a = 0; a < 3; ++a) {
    for (int b = 0; b < 3; ++b) {
      // 19 lines carry nine star points; 13 and 9 the four corners and the centre.
      if (size != 19 && (a == 1) != (b == 1)) continue;
      const double cx = stars[a] * pitch + pitch / 2 + 0.5;
      const double cy = stars[b] * pitch + pitch / 2 + 0.5;
      p.drawEllipse(QPointF(cx, cy), r, r);
    }
  }
  return image;
}

QImage Background(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  const platform::Rgb ground = display::kPanelGround;
  image.fill(QColor((ground >> 16) & 0xFF, (ground >> 8) & 0xFF, ground & 0xFF));
  return image;
}

QImage TitlePlate(int style) {
  QImage image(display::kTitleWidth, display::kTitleHeight, QImage::Format_ARGB32_Premultiplied);
  const platform::Rgb ground = display::kPanelGround;
  image.fill(QColor((ground >> 16) & 0xFF, (ground >> 8) & 0xFF, ground & 0xFF));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // The frame: a wooden plaque with a soft shadow.
  const QRectF frame(3.5, 2.5, 136, 226);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRoundedRect(frame.translated(2, 2), 6, 6);
  QLinearGradient wood(frame.topLeft(), frame.bottomRight());
  const QColor base = style == 0 ? QColor(176, 120, 40) : QColor(128, 84, 52);
  wood.setColorAt(0, base.lighter(118));
  wood.setColorAt(1, base.darker(115));
  p.setBrush(wood);
  p.setPen(QPen(base.darker(160), 1));
  p.drawRoundedRect(frame, 6, 6);

  // The paper inside.
  const QRectF paper = frame.adjusted(9, 9, -9, -9);
  QLinearGradient washi(paper.topLeft(), paper.bottomLeft());
  washi.setColorAt(0, QColor(252, 248, 236));
  washi.setColorAt(1, QColor(240, 232, 212));
  p.setBrush(washi);
  p.setPen(QPen(base.darker(140), 1));
  p.drawRect(paper);

  // 風織 written large down the middle.
  QFont big("IPAGothic");
  big.setPixelSize(50);
  big.setBold(true);
  p.setFont(big);
  p.setPen(QColor(34, 28, 24));
  const double mid = paper.center().x();
  p.drawText(QRectF(mid - 34, paper.top() + 22, 60, 56), Qt::AlignCenter, "風");
  p.drawText(QRectF(mid - 34, paper.top() + 80, 60, 56), Qt::AlignCenter, "織");

  // 対局囲碁 in small vermilion characters beside it.
  QFont small("IPAGothic");
  small.setPixelSize(13);
  p.setFont(small);
  p.setPen(QColor(178, 44, 34));
  const char* caption[] = {"対", "局", "囲", "碁"};
  for (int k = 0; k < 4; ++k) {
    p.drawText(QRectF(paper.right() - 19, paper.top() + 10 + k * 16, 16, 16), Qt::AlignCenter,
               QString::fromUtf8(caption[k]));
  }

  // A seal below: a black and a white stone meeting.
  const QPointF seal(mid - 4, paper.bottom() - 44);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(178, 44, 34));
  p.drawRoundedRect(QRectF(seal.x() - 17, seal.y() - 17, 34, 34), 4, 4);
  QRadialGradient black(seal + QPointF(-7, -3), 8, seal + QPointF(-9, -6));
  black.setColorAt(0, QColor(110, 110, 110));
  black.setColorAt(1, QColor(10, 10, 10));
  p.setBrush(black);
  p.drawEllipse(seal + QPointF(-5, 0), 8.5, 8.5);
  QRadialGradient white(seal + QPointF(6, 2), 8, seal + QPointF(4, -1));
  white.setColorAt(0, QColor(255, 255, 255));
  white.setColorAt(1, QColor(200, 198, 190));
  p.setBrush(white);
  p.drawEllipse(seal + QPointF(6, 3), 8.5, 8.5);
  return image;
}

}  // namespace kz::app::draw
