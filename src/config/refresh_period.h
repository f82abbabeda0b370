#pragma once

#include <string>

namespace kirv {

// The refresh trackbar's position p (1 to 40) as the meter's sampling period, ms.
constexpr int RefreshPeriodMs(int position) { return position * 50; }

// The period as the dialog shows it: "1000ms".
inline std::string RefreshPeriodText(int position) {
  return std::to_string(RefreshPeriodMs(position)) + "ms";
}

}  // namespace kirv
