#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

namespace kirv {

// A filled rectangle on a form, outlined with its pen, that reports mouse presses.
class ShapeControl : public QWidget {
 public:
  explicit ShapeControl(QWidget* parent = nullptr);

  QColor BrushColour() const { return brush_; }
  void SetBrushColour(const QColor& colour);
  void SetPenColour(const QColor& colour);

  // The button pressed and the position relative to the shape.
  std::function<void(Qt::MouseButton button, int x, int y)> OnMouseDown;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QColor brush_ = Qt::white;
  QColor pen_ = Qt::black;
};

}  // namespace kirv
