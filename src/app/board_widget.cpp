#include "app/board_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/qt_canvas.h"
#include "app/view_port.h"

namespace kz::app {

BoardWidget::BoardWidget(const BitmapStore& bitmaps, QWidget* parent)
    : QWidget(parent), bitmaps_(bitmaps) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

QSize BoardWidget::sizeHint() const {
  if (view_ == nullptr) return {640, 480};
  const display::ViewExtent e = view_->Extent();
  return {e.width, e.height};
}

void BoardWidget::EnsureSurface() {
  const QSize wanted = size().expandedTo(QSize(1, 1));
  if (surface_.size() == wanted) return;
  QImage grown(wanted, QImage::Format_ARGB32_Premultiplied);
  grown.fill(ToQColor(display::kPanelGround));
  if (!surface_.isNull()) {
    QPainter p(&grown);
    p.drawImage(0, 0, surface_);
  }
  surface_ = grown;
}

void BoardWidget::Invalidate() {
  dirty_ = true;
  update();
}

void BoardWidget::PaintNow() {
  EnsureSurface();
  dirty_ = false;
  if (view_ != nullptr) {
    QtCanvas canvas(surface_, bitmaps_);
    view_->Paint(canvas);
  }
  emit ViewChanged();
}

void BoardWidget::paintEvent(QPaintEvent* event) {
  if (dirty_ || surface_.size() != size()) PaintNow();
  QPainter p(this);
  p.drawImage(event->rect(), surface_, event->rect());
}

void BoardWidget::resizeEvent(QResizeEvent*) {
  // What the kept image holds was laid out for the old size.
  if (view_ != nullptr) view_->RequestFullRedraw();
  Invalidate();
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  if (view_ == nullptr) return;
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    view_->LeftClick(at.x(), at.y());
  } else if (event->button() == Qt::RightButton) {
    view_->RightClick(at.x(), at.y());
  } else {
    return;
  }
  Invalidate();
  emit ViewChanged();
}

}  // namespace kz::app
