#include "widgets/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace kirv {

namespace {

// Formats whose pixels are one QRgb each, so that lines can be written without setPixel.
bool HoldsQRgb(const QImage& image) {
  const QImage::Format f = image.format();
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
         f == QImage::Format_ARGB32_Premultiplied;
}

// Straight into the scan lines of such an image: one detach per line instead of one per pixel.
void LineIntoScanLines(QImage& image, int x0, int y0, int x1, int y1, QRgb rgb) {
  uchar* bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  const int w = image.width();
  const int h = image.height();
  const auto plot = [=](int x, int y) {
    if (x >= 0 && y >= 0 && x < w && y < h) reinterpret_cast<QRgb*>(bits + y * stride)[x] = rgb;
  };
  if (x0 != x1) {
    RasterLine(x0, y0, x1, y1, plot);
    return;
  }
  // A column: RasterLine's pixels, without its step per row through the rows off the image.
  const int top = std::max(y1 < y0 ? y1 + 1 : y0, 0);
  const int bottom = std::min(y1 < y0 ? y0 : y1 - 1, h - 1);
  for (int y = top; y <= bottom; ++y) plot(x0, y);
}

}  // namespace

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
  const QRgb rgb = qRgb(RedOf(pen_), GreenOf(pen_), BlueOf(pen_));
  if (HoldsQRgb(image_)) {
    LineIntoScanLines(image_, penX_, penY_, x, y, rgb);
  } else {
    RasterLine(penX_, penY_, x, y, [this, rgb](int px, int py) {
      if (image_.valid(px, py)) image_.setPixel(px, py, rgb);
    });
  }
  MoveTo(x, y);
}

void QtCanvas::SetPixel(int x, int y, Colour c) {
  if (image_.valid(x, y)) image_.setPixel(x, y, qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
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
