#pragma once

#include <string>
#include <vector>

#include "common/canvas.h"

namespace kirv {

// A canvas over a plain pixel buffer, with fixed text metrics: every character is kCharWidth
// pixels wide and a line is kTextHeight high. Text is not rasterised: each TextOut fills its box
// when the brush is solid and is recorded, so that callers can check what was written where.
class RasterCanvas : public Canvas {
 public:
  static constexpr int kCharWidth = 6;
  static constexpr int kTextHeight = 13;

  struct Text {
    int x;
    int y;
    std::string text;
    Colour colour;
  };

  RasterCanvas(int width, int height, Colour fill = kWhite);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetPenColour(Colour c) override { pen_ = c; }
  void SetBrushColour(Colour c) override { brush_ = c; }
  void SetFontColour(Colour c) override { font_ = c; }
  void SetBrushClear(bool clear) override { brushClear_ = clear; }
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetPixel(int x, int y, Colour c) override;
  Colour Pixel(int x, int y) const override;
  void FillRect(int left, int top, int right, int bottom) override;
  bool ScrollLeft(int columns) override;
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) const override;
  int TextHeight(const std::string& text) const override;

  const std::vector<Text>& Texts() const { return texts_; }
  // The texts written at exactly this position, most recent last.
  std::vector<std::string> TextsAt(int x, int y) const;

 private:
  int width_;
  int height_;
  std::vector<Colour> pixels_;
  std::vector<Text> texts_;
  Colour pen_ = kBlack;
  Colour brush_ = kWhite;
  Colour font_ = kBlack;
  bool brushClear_ = false;
  int penX_ = 0;
  int penY_ = 0;
};

}  // namespace kirv
