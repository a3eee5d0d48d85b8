// The program's bitmaps, drawn with QPainter at start-up to the sizes and ids
// the board painting names: boards with grid and star points, backgrounds,
// the title plate, stones (plain, last-move dot, dead cross), territory cells
// and the two digit sets; and the tool bar's 224 × 16 strip.
#pragma once

#include <QHash>
#include <QImage>

namespace kz::app {

class BitmapStore {
 public:
  // Generates every bitmap.
  BitmapStore();
  // The image with that id, or a null image for an unknown id.
  const QImage& Get(int id) const;
  bool Has(int id) const { return images_.contains(id); }
  QList<int> Ids() const { return images_.keys(); }

 private:
  QHash<int, QImage> images_;
  QImage none_;
};

// The tool bar's fourteen 16 × 16 images side by side, in button order.
QImage ToolBarStrip();
constexpr int kToolBarButtons = 14;

}  // namespace kz::app
