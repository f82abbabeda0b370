#pragma once

#include <optional>

namespace kirv {

// How far the window moves, pixels.
struct Displacement {
  int dx = 0;
  int dy = 0;
};

// Dragging the meter by its bar, label or overlay: the travel of the mouse is added up while the
// button is held, and the window moves once, by all of it, when the button is released.
// Positions are relative to the pressed control, which does not move during the drag.
class MeterDrag {
 public:
  void MouseDown(int x, int y);
  void MouseMove(int x, int y);
  // The whole travel when a drag was under way, else nothing.
  std::optional<Displacement> MouseUp();

  bool Dragging() const { return dragging_; }

 private:
  bool dragging_ = false;
  int lastX_ = 0;
  int lastY_ = 0;
  Displacement travel_;
};

}  // namespace kirv
