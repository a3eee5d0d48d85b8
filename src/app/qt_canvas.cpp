#include "app/qt_canvas.h"

#include <QFontMetrics>

namespace kz::app {

QColor ToQColor(platform::Rgb c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

QFont DisplayFont(platform::FontKind kind) {
  QFont font("IPAGothic");
  font.setStyleHint(QFont::SansSerif);
  font.setHintingPreference(QFont::PreferFullHinting);
  switch (kind) {
    case platform::FontKind::kDots12: font.setPixelSize(12); break;
    case platform::FontKind::kDots16: font.setPixelSize(16); break;
    case platform::FontKind::kSystem: font.setPixelSize(12); break;  // 13 pixels high
  }
  return font;
}

int SystemFontHeight() {
  return QFontMetrics(DisplayFont(platform::FontKind::kSystem)).height();
}

QtCanvas::QtCanvas(QImage& target, const BitmapStore& bitmaps)
    : painter_(&target), bitmaps_(bitmaps) {
  painter_.setFont(DisplayFont(platform::FontKind::kSystem));
  painter_.setRenderHint(QPainter::TextAntialiasing);
}

void QtCanvas::DrawBitmap(int resourceId, int x, int y) {
  const QImage& image = bitmaps_.Get(resourceId);
  if (!image.isNull()) painter_.drawImage(x, y, image);
}

void QtCanvas::DrawBitmapPart(int resourceId, int x, int y, int srcX, int srcY, int width,
                              int height) {
  const QImage& image = bitmaps_.Get(resourceId);
  if (image.isNull()) return;
  // The part inside the image is copied; a part asked for beyond it (the
  // large area cleared from the small background) takes the colour of the
  // image's last pixel, so nothing of an earlier drawing stays there.
  const QRect wanted(srcX, srcY, width, height);
  const QRect source = wanted & image.rect();
  if (source != wanted && !image.isNull()) {
    const QColor edge = image.pixelColor(image.width() - 1, image.height() - 1);
    if (edge.alpha() == 255) painter_.fillRect(QRect(x, y, width, height), edge);
  }
  if (source.isEmpty()) return;
  painter_.drawImage(QPoint(x + source.x() - srcX, y + source.y() - srcY), image, source);
}

void QtCanvas::TextOut(int x, int y, std::string_view utf8) {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const QFontMetrics metrics(painter_.font());
  const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
  painter_.fillRect(box, ground_);
  painter_.setPen(ink_);
  painter_.drawText(QPoint(x, y + metrics.ascent()), text);
}

void QtCanvas::SetTextColour(platform::Rgb colour) { ink_ = ToQColor(colour); }

void QtCanvas::SetBackgroundColour(platform::Rgb colour) { ground_ = ToQColor(colour); }

void QtCanvas::SelectFont(platform::FontKind font) { painter_.setFont(DisplayFont(font)); }

}  // namespace kz::app
