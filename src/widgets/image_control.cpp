#include "widgets/image_control.h"

#include <QMouseEvent>

namespace kirv {

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      OnClick) {
    OnClick();
  }
}

}  // namespace kirv
