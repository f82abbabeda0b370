#pragma once

#include <algorithm>
#include <string>

namespace kirv {

// The refresh trackbar's bounds.
inline constexpr int kMinRefreshPosition = 1;
inline constexpr int kMaxRefreshPosition = 40;

// The refresh trackbar's position p as the meter's sampling period, ms: 50 to 2000, a position
// outside the bar's bounds taken as the nearer bound.
constexpr int RefreshPeriodMs(int position) {
  return std::clamp(position, kMinRefreshPosition, kMaxRefreshPosition) * 50;
}

// The period as the dialog shows it: "1000ms".
inline std::string RefreshPeriodText(int position) {
  return std::to_string(RefreshPeriodMs(position)) + "ms";
}

}  // namespace kirv
