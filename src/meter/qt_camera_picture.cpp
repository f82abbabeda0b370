#include "meter/qt_camera_picture.h"

#include <QPainter>

namespace kirv {

QImage CameraPicture() {
  QImage image(kCameraWidth, kCameraHeight, QImage::Format_RGB32);
  image.fill(QColor(0xF5, 0xF5, 0xF5));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor body(0x80, 0x80, 0x80);
  const QColor dark(0x40, 0x40, 0x40);
  painter.setPen(dark);
  painter.setBrush(body);
  painter.drawRoundedRect(QRectF(1.5, 4.5, 17, 11), 2, 2);  // body
  painter.drawRect(QRectF(6.5, 2.5, 6, 2));                 // viewfinder hump
  painter.setBrush(QColor(0xE0, 0xE0, 0xE0));
  painter.drawRect(QRectF(2.5, 5.5, 3, 2));  // flash
  painter.setBrush(QColor(0x20, 0x40, 0xC0));
  painter.drawEllipse(QPointF(10.5, 10), 4, 4);  // lens
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x90, 0xB0, 0xFF));
  painter.drawEllipse(QPointF(9.3, 8.8), 1.3, 1.3);  // glint
  return image;
}

}  // namespace kirv
