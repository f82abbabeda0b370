#pragma once

#include <QFont>
#include <QImage>

#include "common/canvas.h"

namespace kirv {

// The canvas over a QImage: lines and pixels are written straight into the image so that they
// fall on exactly the pixels the raster canvas gives; text goes through QPainter in the font set.
class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(QImage& image, const QFont& font = QFont());

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  void SetPenColour(Colour c) override { pen_ = c; }
  void SetBrushColour(Colour c) override { brush_ = c; }
  void SetFontColour(Colour c) override { fontColour_ = c; }
  void SetBrushClear(bool clear) override { brushClear_ = clear; }
  void SetFont(const QFont& font);
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetPixel(int x, int y, Colour c) override;
  Colour Pixel(int x, int y) const override;
  void FillRect(int left, int top, int right, int bottom) override;
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) const override;
  int TextHeight(const std::string& text) const override;

  static QColor ToQColor(Colour c);
  static Colour FromQColor(const QColor& c);

 private:
  QImage& image_;
  QFont font_;
  Colour pen_ = kBlack;
  Colour brush_ = kWhite;
  Colour fontColour_ = kBlack;
  bool brushClear_ = false;
  int penX_ = 0;
  int penY_ = 0;
};

}  // namespace kirv
