#include "meter/meter_drag.h"

namespace kirv {

void MeterDrag::MouseDown(int x, int y) {
  dragging_ = true;
  lastX_ = x;
  lastY_ = y;
}

void MeterDrag::MouseMove(int x, int y) {
  if (dragging_) {
    travel_.dx += x - lastX_;
    travel_.dy += y - lastY_;
  }
  lastX_ = x;
  lastY_ = y;
}

std::optional<Displacement> MeterDrag::MouseUp() {
  if (!dragging_) return std::nullopt;
  dragging_ = false;
  const Displacement travel = travel_;
  travel_ = {};
  return travel;
}

}  // namespace kirv
