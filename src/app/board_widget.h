// The view's window: it keeps the drawing in an image of its own (the view
// paints into it through a QtCanvas, as into a window's device context that
// keeps what was drawn) and shows it; mouse buttons go to the view.
#pragma once

#include <QImage>
#include <QWidget>

#include "app/bitmaps.h"

namespace kz::app {

class ViewPort;

class BoardWidget final : public QWidget {
  Q_OBJECT
 public:
  BoardWidget(const BitmapStore& bitmaps, QWidget* parent = nullptr);

  void SetView(ViewPort* view) { view_ = view; }
  // Asks for a paint: the view paints into the kept image at the next paint
  // event, as a window's invalidation does.
  void Invalidate();
  // Paints the view into the kept image at once.
  void PaintNow();
  // The view's controller state changed (a tick, a click, a command): the
  // frame re-reads the command states.
  void NotifyStateChanged() { emit ViewChanged(); }
  const QImage& Surface() const { return surface_; }
  QSize sizeHint() const override;

 signals:
  // After a click, a redraw or a change of the controller's state: the
  // commands' states may have changed.
  void ViewChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void EnsureSurface();

  const BitmapStore& bitmaps_;
  ViewPort* view_ = nullptr;
  QImage surface_;
  bool dirty_ = true;
};

}  // namespace kz::app
