#pragma once

#include <QLabel>
#include <functional>

namespace kirv {

// A picture on a form that reports a click (left button pressed and released over it).
class ImageControl : public QLabel {
 public:
  using QLabel::QLabel;

  std::function<void()> OnClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kirv
