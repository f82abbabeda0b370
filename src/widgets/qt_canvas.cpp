#include "widgets/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kirv {

namespace {

// Formats whose pixels are one QRgb each, so that blocks can be written without setPixel.
bool HoldsQRgb(const QImage& image) {
  const QImage::Format f = image.format();
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
         f == QImage::Format_ARGB32_Premultiplied;
}

int DeviceEdge(double logical, qreal ratio) {
  return static_cast<int>(std::floor(logical * ratio + 0.5));
}

// Logical coordinates beyond this all fall past any image's edge.
constexpr long long kFar = 1LL << 40;

QRgb ToQRgb(Colour c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace

QtCanvas::QtCanvas(QImage& image, const QFont& font)
    : image_(image),
      font_(font),
      ratio_(image.devicePixelRatio()),
      width_(qRound(image.width() / ratio_)),
      height_(qRound(image.height() / ratio_)) {}

QImage QtCanvas::MakeImage(const QSize& logical, qreal ratio, QImage::Format format) {
  QImage image(DeviceEdge(logical.width(), ratio), DeviceEdge(logical.height(), ratio), format);
  image.setDevicePixelRatio(ratio);
  return image;
}

QColor QtCanvas::ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

Colour QtCanvas::FromQColor(const QColor& c) {
  return MakeColour(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                    static_cast<std::uint8_t>(c.blue()));
}

int QtCanvas::Edge(long long logical, int limit) const {
  if (logical <= 0) return 0;
  return std::min(DeviceEdge(static_cast<double>(std::min(logical, kFar)), ratio_), limit);
}

void QtCanvas::Fill(long long left, long long top, long long right, long long bottom, QRgb rgb) {
  const int x0 = Edge(left, image_.width());
  const int x1 = Edge(right, image_.width());
  const int y0 = Edge(top, image_.height());
  const int y1 = Edge(bottom, image_.height());
  if (x1 <= x0 || y1 <= y0) return;
  if (!HoldsQRgb(image_)) {
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) image_.setPixel(x, y, rgb);
    }
    return;
  }
  // Straight into the scan lines: no detach per pixel.
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  for (int y = y0; y < y1; ++y) {
    std::fill(reinterpret_cast<QRgb*>(bits + y * stride) + x0,
              reinterpret_cast<QRgb*>(bits + y * stride) + x1, rgb);
  }
}

void QtCanvas::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

void QtCanvas::LineTo(int x, int y) {
  const QRgb rgb = ToQRgb(pen_);
  if (penX_ == x) {
    // A column: RasterLine's pixels in one block, without its step per row off the image.
    const long long top = y < penY_ ? y + 1LL : penY_;
    const long long bottom = y < penY_ ? penY_ + 1LL : y;
    Fill(x, top, x + 1LL, bottom, rgb);
  } else {
    RasterLine(penX_, penY_, x, y,
               [this, rgb](int px, int py) { Fill(px, py, px + 1LL, py + 1LL, rgb); });
  }
  MoveTo(x, y);
}

void QtCanvas::SetPixel(int x, int y, Colour c) { Fill(x, y, x + 1LL, y + 1LL, ToQRgb(c)); }

Colour QtCanvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  const int dx = Edge(x, image_.width());
  const int dy = Edge(y, image_.height());
  if (!image_.valid(dx, dy)) return kBlack;
  return FromQColor(QColor::fromRgb(image_.pixel(dx, dy)));
}

void QtCanvas::FillRect(int left, int top, int right, int bottom) {
  Fill(left, top, right, bottom, ToQRgb(brush_));
}

bool QtCanvas::ScrollLeft(int columns) {
  const int ratio = qRound(ratio_);
  if (ratio != ratio_ || !HoldsQRgb(image_) || columns <= 0 || columns >= width_) return false;
  const int shift = columns * ratio;
  const int kept = image_.width() - shift;
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  for (int y = 0; y < image_.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(bits + y * stride);
    std::copy(row + shift, row + shift + kept, row);
  }
  return true;
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
  const QString s = QString::fromStdString(text);
  const QFontMetrics metrics(font_);
  if (!brushClear_) {
    Fill(x, y, x + static_cast<long long>(metrics.horizontalAdvance(s)),
         y + static_cast<long long>(metrics.height()), ToQRgb(brush_));
  }
  // Scaled by the image's ratio: placed in logical pixels, drawn in device pixels.
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(ToQColor(fontColour_));
  painter.drawText(x, y + metrics.ascent(), s);
}

int QtCanvas::TextWidth(const std::string& text) const {
  return QFontMetrics(font_).horizontalAdvance(QString::fromStdString(text));
}

int QtCanvas::TextHeight(const std::string&) const { return QFontMetrics(font_).height(); }

}  // namespace kirv
