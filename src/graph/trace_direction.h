#pragma once

namespace kirv {

// Where the columns of a trace go. Left to right ("Gauche à Droite") the newest data is at the
// left edge: column age k is stored at index k. Right to left it is at the right edge: index W − k.
struct TraceDirection {
  int origin;       // W left to right, 0 right to left
  int firstColumn;  // first index the received average is drawn from
  int step;         // +1 or −1, also the pixel offset of the curves

  int IndexOfAge(int age, int width) const { return step > 0 ? age : width - age; }
  // The index of column age 1, the newest complete column.
  int LatestCompleteIndex(int width) const { return IndexOfAge(1, width); }
};

constexpr TraceDirection DirectionOf(bool leftToRight, int width) {
  return leftToRight ? TraceDirection{width, 1, 1} : TraceDirection{0, 2, -1};
}

}  // namespace kirv
