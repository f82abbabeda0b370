#pragma once

#include <string>

#include "common/colour.h"

namespace kirv {

// Pixels [left, right) × [top, bottom).
struct PixelBox {
  int left;
  int top;
  int right;
  int bottom;

  bool operator==(const PixelBox&) const = default;
};

// A drawing surface with the semantics the graphs are laid out for: pixel coordinates from the
// top-left corner, lines that leave out their end point, rectangles that leave out their right
// and bottom edges, text placed by its top-left corner. Drawing outside the surface is clipped.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  virtual void SetPenColour(Colour c) = 0;
  virtual void SetBrushColour(Colour c) = 0;
  virtual void SetFontColour(Colour c) = 0;
  // With a clear brush, text leaves the pixels between its glyphs as they were; with a solid
  // brush, text fills its box with the brush colour first.
  virtual void SetBrushClear(bool clear) = 0;

  virtual void MoveTo(int x, int y) = 0;
  // Draws from the pen position to (x, y), leaving (x, y) out, and moves the pen there.
  virtual void LineTo(int x, int y) = 0;
  virtual void SetPixel(int x, int y, Colour c) = 0;
  virtual Colour Pixel(int x, int y) const = 0;
  // Fills [left, right) × [top, bottom) with the brush colour.
  virtual void FillRect(int left, int top, int right, int bottom) = 0;
  // Moves the picture `columns` pixels left, 0 < columns < Width(): the leftmost columns fall
  // out and the rightmost keep their old pixels, to be drawn over. False, with nothing moved,
  // where the surface cannot move its pixels by whole columns.
  virtual bool ScrollLeft(int columns) = 0;

  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual int TextWidth(const std::string& text) const = 0;
  virtual int TextHeight(const std::string& text) const = 0;
};

// Calls plot(x, y) for every pixel of the line from (x0, y0) to (x1, y1), the end point left out.
template <typename Plot>
void RasterLine(int x0, int y0, int x1, int y1, Plot plot) {
  const int dx = x1 > x0 ? x1 - x0 : x0 - x1;
  const int dy = y1 > y0 ? y1 - y0 : y0 - y1;
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  int error = dx - dy;
  while (x0 != x1 || y0 != y1) {
    plot(x0, y0);
    const int twice = 2 * error;
    if (twice > -dy) {
      error -= dy;
      x0 += sx;
    }
    if (twice < dx) {
      error += dx;
      y0 += sy;
    }
  }
}

}  // namespace kirv
