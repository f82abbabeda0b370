#include "meter/label_fit.h"

#include <algorithm>

namespace kirv {

int FittedFontSize(int size, int barWidth, int barHeight,
                   const std::function<TextSize(int size)>& measure) {
  size = std::clamp(size, kSmallestFontSize, kLargestFontSize);
  TextSize text = measure(size);
  while (size < kLargestFontSize && text.width < barWidth - 2 && text.height < barHeight + 5) {
    text = measure(++size);
  }
  while (size > kSmallestFontSize && (text.width > barWidth - 2 || text.height > barHeight - 2)) {
    text = measure(--size);
  }
  return size;
}

}  // namespace kirv
