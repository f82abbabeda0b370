#include "widgets/shape_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace kirv {

ShapeControl::ShapeControl(QWidget* parent) : QWidget(parent) {}

void ShapeControl::SetBrushColour(const QColor& colour) {
  brush_ = colour;
  update();
}

void ShapeControl::SetPenColour(const QColor& colour) {
  pen_ = colour;
  update();
}

void ShapeControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), brush_);
  painter.setPen(pen_);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ShapeControl::mousePressEvent(QMouseEvent* event) {
  if (!OnMouseDown) {
    QWidget::mousePressEvent(event);
    return;
  }
  const QPoint at = event->position().toPoint();
  OnMouseDown(event->button(), at.x(), at.y());
}

}  // namespace kirv
