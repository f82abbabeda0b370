#pragma once

#include <cstdint>

#include "common/canvas.h"

namespace kirv {

// A pen for lines that move at most one column, such as the mini graph's columns and curves,
// whose rows may lie millions of pixels off the canvas when a speed is far above the full scale.
// It sets exactly the pixels the canvas's own LineTo would, end point left out, but hands the
// canvas only the rows that are in its box, so a line costs its visible length. Pixels outside
// the box are left as they are, which lets a part of a picture be drawn again alone.
class ClippedPen {
 public:
  ClippedPen(Canvas& canvas, PixelBox box) : canvas_(canvas), box_(box) {}

  void MoveTo(int x, std::int64_t y) {
    x_ = x;
    y_ = y;
  }
  // x must be the pen's column or a neighbour of it.
  void LineTo(int x, std::int64_t y);

 private:
  // Rows from a to b, both included, in column x.
  void Run(int x, std::int64_t a, std::int64_t b);

  Canvas& canvas_;
  PixelBox box_;
  int x_ = 0;
  std::int64_t y_ = 0;
};

}  // namespace kirv
