#include "support/raster_canvas.h"

#include <algorithm>

namespace kirv {

RasterCanvas::RasterCanvas(int width, int height, Colour fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void RasterCanvas::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

void RasterCanvas::LineTo(int x, int y) {
  if (x == penX_) {
    // Straight down or up a column: the same pixels as RasterLine, without a step per row.
    const int top = std::max(y < penY_ ? y + 1 : penY_, 0);
    const int bottom = std::min(y < penY_ ? penY_ : y - 1, height_ - 1);
    if (x >= 0 && x < width_ && top <= bottom) {
      const Colour pen = pen_;
      const std::ptrdiff_t stride = width_;
      Colour* pixel = pixels_.data() + top * stride + x;
      for (int row = top; row <= bottom; ++row, pixel += stride) *pixel = pen;
    }
  } else {
    RasterLine(penX_, penY_, x, y, [this](int px, int py) { SetPixel(px, py, pen_); });
  }
  MoveTo(x, y);
}

void RasterCanvas::SetPixel(int x, int y, Colour c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
          static_cast<std::size_t>(x)] = c;
}

Colour RasterCanvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

void RasterCanvas::FillRect(int left, int top, int right, int bottom) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, width_);
  bottom = std::min(bottom, height_);
  for (int y = top; y < bottom; ++y) {
    std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_ + left,
                std::max(right - left, 0), brush_);
  }
}

bool RasterCanvas::ScrollLeft(int columns) {
  if (columns <= 0 || columns >= width_) return false;
  for (int y = 0; y < height_; ++y) {
    const auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
    std::copy(row + columns, row + width_, row);
  }
  return true;
}

void RasterCanvas::TextOut(int x, int y, const std::string& text) {
  if (!brushClear_) FillRect(x, y, x + TextWidth(text), y + TextHeight(text));
  texts_.push_back({x, y, text, font_});
}

int RasterCanvas::TextWidth(const std::string& text) const {
  return static_cast<int>(text.size()) * kCharWidth;
}

int RasterCanvas::TextHeight(const std::string&) const { return kTextHeight; }

std::vector<std::string> RasterCanvas::TextsAt(int x, int y) const {
  std::vector<std::string> found;
  for (const Text& t : texts_) {
    if (t.x == x && t.y == y) found.push_back(t.text);
  }
  return found;
}

}  // namespace kirv
