// The Canvas on a Qt image: bitmaps from the generated store, text in the
// display font (IPAGothic at 12 or 16 pixels, or the system font) on an
// opaque ground, as the view's paint expects.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>

#include "app/bitmaps.h"
#include "platform/canvas.h"

namespace kz::app {

// The fonts the view writes with.
QFont DisplayFont(platform::FontKind kind);
// The system font's character height in pixels.
int SystemFontHeight();

class QtCanvas final : public platform::Canvas {
 public:
  // Draws on `target`, which must outlive the canvas.
  QtCanvas(QImage& target, const BitmapStore& bitmaps);

  void DrawBitmap(int resourceId, int x, int y) override;
  void DrawBitmapPart(int resourceId, int x, int y, int srcX, int srcY, int width,
                      int height) override;
  void TextOut(int x, int y, std::string_view utf8) override;
  void SetTextColour(platform::Rgb colour) override;
  void SetBackgroundColour(platform::Rgb colour) override;
  void SelectFont(platform::FontKind font) override;

 private:
  QPainter painter_;
  const BitmapStore& bitmaps_;
  QColor ink_{Qt::black};
  QColor ground_{Qt::white};
};

QColor ToQColor(platform::Rgb colour);

}  // namespace kz::app
