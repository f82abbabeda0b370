#include "meter/clipped_pen.h"

#include <algorithm>

namespace kirv {

void ClippedPen::LineTo(int x, std::int64_t y) {
  const std::int64_t d = y > y_ ? y - y_ : y_ - y;
  const std::int64_t sy = y_ < y ? 1 : -1;
  if (x == x_) {
    if (d > 0) Run(x_, y_, y - sy);
  } else {
    // One column across: the first half of the rows (and the middle one) stay in the start
    // column, the rest go to the end column, as RasterLine steps them.
    const std::int64_t half = d / 2;
    Run(x_, y_, y_ + half * sy);
    if (d - 1 > half) Run(x, y_ + (half + 1) * sy, y - sy);
  }
  MoveTo(x, y);
}

void ClippedPen::Run(int x, std::int64_t a, std::int64_t b) {
  if (x < box_.left || x >= box_.right) return;
  const std::int64_t top = std::max<std::int64_t>(std::min(a, b), box_.top);
  const std::int64_t bottom = std::min<std::int64_t>(std::max(a, b), box_.bottom - 1);
  if (top > bottom) return;
  canvas_.MoveTo(x, static_cast<int>(top));
  canvas_.LineTo(x, static_cast<int>(bottom) + 1);
}

}  // namespace kirv
