#include "widgets/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace kirv {

QtCanvas::QtCanvas(QImage& image, const QFont& font) : image_(image), font_(font) {}

void QtCanvas::SetFont(const QFont& font) { font_ = font; }

QColor QtCanvas::ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

Colour QtCanvas::FromQColor(const QColor& c) {
  return MakeColour(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                    static_cast<std::uint8_t>(c.blue()));
}

void QtCanvas::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

void QtCanvas::LineTo(int x, int y) {
  const QRgb rgb = ToQColor(pen_).rgb();
  RasterLine(penX_, penY_, x, y, [this, rgb](int px, int py) {
    if (image_.valid(px, py)) image_.setPixel(px, py, rgb);
  });
  MoveTo(x, y);
}

void QtCanvas::SetPixel(int x, int y, Colour c) {
  if (image_.valid(x, y)) image_.setPixel(x, y, ToQColor(c).rgb());
}

Colour QtCanvas::Pixel(int x, int y) const {
  if (!image_.valid(x, y)) return kBlack;
  return FromQColor(QColor::fromRgb(image_.pixel(x, y)));
}

void QtCanvas::FillRect(int left, int top, int right, int bottom) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, image_.width());
  bottom = std::min(bottom, image_.height());
  if (right <= left || bottom <= top) return;
  QPainter painter(&image_);
  painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(brush_));
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
  const QString s = QString::fromStdString(text);
  QPainter painter(&image_);
  painter.setFont(font_);
  const QFontMetrics metrics(font_);
  if (!brushClear_) {
    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), ToQColor(brush_));
  }
  painter.setPen(ToQColor(fontColour_));
  painter.drawText(x, y + metrics.ascent(), s);
}

int QtCanvas::TextWidth(const std::string& text) const {
  return QFontMetrics(font_).horizontalAdvance(QString::fromStdString(text));
}

int QtCanvas::TextHeight(const std::string&) const { return QFontMetrics(font_).height(); }

}  // namespace kirv
