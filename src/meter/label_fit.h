#pragma once

#include <functional>

namespace kirv {

// Width and height of a text in pixels.
struct TextSize {
  int width = 0;
  int height = 0;
};

// The font size stays within these bounds, points, so that a bar too small (or too large) for
// the text at any size cannot keep the fitting loops running.
inline constexpr int kSmallestFontSize = 4;
inline constexpr int kLargestFontSize = 200;

// The meter label's font size fitted to its bar: grown while the text is narrower than the bar
// less 2 and lower than the bar plus 5, then shrunk while it is wider than the bar less 2 or
// higher than the bar less 2. measure gives the text's size at a font size.
int FittedFontSize(int size, int barWidth, int barHeight,
                   const std::function<TextSize(int size)>& measure);

}  // namespace kirv
