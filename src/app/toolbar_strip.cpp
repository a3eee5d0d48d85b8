// The tool bar's strip of fourteen 16 × 16 images, in button order: new game |
// read, save | first, back 10, back 1, forward 1, forward 10, last | pass,
// pause, automatic replay, end of game | about.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "app/bitmaps.h"

namespace kz::app {

namespace {

const QColor kInk(40, 44, 52);
const QColor kNavigation(36, 92, 168);

void Stone(QPainter& p, QPointF c, double r, bool black) {
  QRadialGradient g(c, r, c + QPointF(-r * 0.4, -r * 0.4));
  g.setColorAt(0, black ? QColor(120, 120, 120) : QColor(255, 255, 255));
  g.setColorAt(1, black ? QColor(0, 0, 0) : QColor(180, 178, 170));
  p.setBrush(g);
  p.setPen(QPen(black ? QColor(0, 0, 0) : QColor(96, 92, 84), 0.8));
  p.drawEllipse(c, r, r);
}

void Triangle(QPainter& p, double x, double pointingRight) {
  QPainterPath path;
  if (pointingRight > 0) {
    path.moveTo(x, 3.5);
    path.lineTo(x + 5.5, 8);
    path.lineTo(x, 12.5);
  } else {
    path.moveTo(x + 5.5, 3.5);
    path.lineTo(x, 8);
    path.lineTo(x + 5.5, 12.5);
  }
  path.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kNavigation);
  p.drawPath(path);
}

void Bar(QPainter& p, double x) {
  p.setPen(Qt::NoPen);
  p.setBrush(kNavigation);
  p.drawRect(QRectF(x, 3.5, 2, 9));
}

void Paint(QPainter& p, int button) {
  switch (button) {
    case 0:  // new game: two stones
      Stone(p, QPointF(6, 6.5), 4.6, true);
      Stone(p, QPointF(10, 10), 4.6, false);
      break;
    case 1: {  // read a record: an open folder
      p.setPen(QPen(QColor(150, 104, 20), 0.8));
      p.setBrush(QColor(236, 190, 72));
      p.drawRect(QRectF(1.5, 4.5, 11, 9));
      p.drawRect(QRectF(1.5, 3.0, 5, 2));
      p.setBrush(QColor(252, 220, 120));
      QPainterPath flap;
      flap.moveTo(3.5, 7.5);
      flap.lineTo(15, 7.5);
      flap.lineTo(12.5, 13.5);
      flap.lineTo(1.5, 13.5);
      flap.closeSubpath();
      p.drawPath(flap);
      break;
    }
    case 2:  // save: a disk
      p.setPen(QPen(QColor(30, 50, 90), 0.8));
      p.setBrush(QColor(60, 96, 164));
      p.drawRect(QRectF(1.5, 1.5, 13, 13));
      p.setBrush(QColor(236, 240, 246));
      p.drawRect(QRectF(4, 1.5, 8, 5));
      p.setBrush(QColor(200, 204, 212));
      p.drawRect(QRectF(4, 9.5, 8, 5));
      break;
    case 3: Bar(p, 2); Triangle(p, 4.5, -1); Triangle(p, 9.5, -1); break;  // first
    case 4: Triangle(p, 2.5, -1); Triangle(p, 8, -1); break;               // back 10
    case 5: Triangle(p, 5, -1); break;                                     // back 1
    case 6: Triangle(p, 5.5, 1); break;                                    // forward 1
    case 7: Triangle(p, 2.5, 1); Triangle(p, 8, 1); break;                 // forward 10
    case 8: Triangle(p, 1.5, 1); Triangle(p, 6.5, 1); Bar(p, 12.5); break; // last
    case 9: {  // pass: an empty point with an arrow over it
      p.setPen(QPen(kInk, 1.0, Qt::DotLine));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(8, 10), 4.5, 4.5);
      p.setPen(QPen(QColor(40, 130, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
      QPainterPath arc;
      arc.moveTo(2.5, 6);
      arc.quadTo(8, -1, 13.5, 5);
      p.drawPath(arc);
      p.drawLine(QPointF(13.5, 5), QPointF(10.5, 4.5));
      p.drawLine(QPointF(13.5, 5), QPointF(13.8, 2));
      break;
    }
    case 10:  // pause
      p.setPen(QPen(QColor(150, 80, 0), 0.8));
      p.setBrush(QColor(240, 150, 30));
      p.drawEllipse(QPointF(8, 8), 7, 7);
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(5, 4.5, 2.2, 7));
      p.drawRect(QRectF(8.8, 4.5, 2.2, 7));
      break;
    case 11: {  // automatic replay: play in a circle
      p.setPen(QPen(QColor(20, 100, 40), 0.8));
      p.setBrush(QColor(56, 160, 80));
      p.drawEllipse(QPointF(8, 8), 7, 7);
      QPainterPath play;
      play.moveTo(6, 4.5);
      play.lineTo(11.5, 8);
      play.lineTo(6, 11.5);
      play.closeSubpath();
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::white);
      p.drawPath(play);
      break;
    }
    case 12: {  // end of game: a flag
      p.setPen(QPen(kInk, 1.2));
      p.drawLine(QPointF(3.5, 1.5), QPointF(3.5, 15));
      QPainterPath flag;
      flag.moveTo(4, 2);
      flag.quadTo(8, 0, 10, 3);
      flag.quadTo(12, 5.5, 14.5, 3.5);
      flag.lineTo(14.5, 9);
      flag.quadTo(12, 11, 10, 8.5);
      flag.quadTo(8, 6, 4, 8);
      flag.closeSubpath();
      p.setPen(QPen(QColor(140, 20, 20), 0.6));
      p.setBrush(QColor(210, 40, 40));
      p.drawPath(flag);
      break;
    }
    case 13: {  // about: a question mark
      p.setPen(QPen(QColor(20, 60, 130), 0.8));
      p.setBrush(QColor(60, 120, 210));
      p.drawEllipse(QPointF(8, 8), 7, 7);
      QFont f("IPAGothic");
      f.setPixelSize(12);
      f.setBold(true);
      p.setFont(f);
      p.setPen(Qt::white);
      p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, "?");
      break;
    }
    default: break;
  }
}

}  // namespace

QImage ToolBarStrip() {
  QImage strip(16 * kToolBarButtons, 16, QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::transparent);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  for (int b = 0; b < kToolBarButtons; ++b) {
    p.save();
    p.translate(16 * b, 0);
    p.setClipRect(0, 0, 16, 16);
    Paint(p, b);
    p.restore();
  }
  return strip;
}

}  // namespace kz::app
