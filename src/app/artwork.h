#pragma once

#include <QIcon>
#include <QImage>
#include <array>

#include "plan/data_plan.h"

namespace kirv {

inline constexpr int kTrayPictureSide = 16;  // px
// px, the sides the tray pictures are drawn at
inline constexpr std::array<int, 6> kTrayIconSides = {16, 22, 24, 32, 48, 64};
inline constexpr int kSplashWidth = 286;  // px, the splash and the about picture
inline constexpr int kSplashHeight = 169;

// A small green graph on a grey grid: 0 idle, 1 sending (a blue "U"), 2 receiving (a red "D"),
// 3 both. Other indexes give the idle picture. Drawn at the side given, in pixels.
QImage TrayPicture(int index, int side = kTrayPictureSide);
// The picture at each of kTrayIconSides, with the plan's level as a small square in the bottom
// right corner (a quarter of the side): orange at the warning level, red once reached, none below.
QIcon TrayIcon(int index, PlanLevel level = PlanLevel::kOk);
inline constexpr int kTrayActivityPictures = 4;
// The tray image list holds the four pictures for each level, in the order of PlanLevel.
constexpr int TrayIconIndex(int activity, PlanLevel level) {
  return activity + kTrayActivityPictures * static_cast<int>(level);
}
QImage SplashPicture();
QImage AboutPicture();

}  // namespace kirv
