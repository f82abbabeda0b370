#pragma once

#include <QFont>
#include <QImage>

#include "common/canvas.h"

namespace kirv {

// The canvas over a QImage, in logical pixels at the image's device pixel ratio r. Logical pixel
// x covers the device columns [⌊x·r + ½⌋, ⌊(x + 1)·r + ½⌋), and rows alike: the logical pixels
// tile the image without gap or overlap and every device pixel takes one colour, never a blend,
// so a line one logical pixel wide is r device pixels wide at a whole r and 1 or 2 at 1.5, as it
// falls. Lines, pixels and rectangles are written straight into the image, on exactly the pixels
// the raster canvas gives, each made a block; text goes through QPainter in the font set, its
// glyphs at the device's resolution. At r = 1 the blocks are single pixels.
class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(QImage& image, const QFont& font = QFont());

  // An image of the logical size at the ratio, of the device size the pixels tile.
  static QImage MakeImage(const QSize& logical, qreal ratio,
                          QImage::Format format = QImage::Format_RGB32);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetPenColour(Colour c) override { pen_ = c; }
  void SetBrushColour(Colour c) override { brush_ = c; }
  void SetFontColour(Colour c) override { fontColour_ = c; }
  void SetBrushClear(bool clear) override { brushClear_ = clear; }
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetPixel(int x, int y, Colour c) override;
  Colour Pixel(int x, int y) const override;
  void FillRect(int left, int top, int right, int bottom) override;
  // At a whole ratio only, where a logical column is always the same number of device columns.
  bool ScrollLeft(int columns) override;
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) const override;
  int TextHeight(const std::string& text) const override;

  static QColor ToQColor(Colour c);
  static Colour FromQColor(const QColor& c);

 private:
  // The device edge of a logical one, held within [0, limit].
  int Edge(long long logical, int limit) const;
  // Fills the logical [left, right) × [top, bottom).
  void Fill(long long left, long long top, long long right, long long bottom, QRgb rgb);

  QImage& image_;
  QFont font_;
  qreal ratio_;
  int width_;  // logical
  int height_;
  Colour pen_ = kBlack;
  Colour brush_ = kWhite;
  Colour fontColour_ = kBlack;
  bool brushClear_ = false;
  int penX_ = 0;
  int penY_ = 0;
};

}  // namespace kirv
