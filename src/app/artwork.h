#pragma once

#include <QImage>

namespace kirv {

inline constexpr int kTrayPictureSide = 16;  // px
inline constexpr int kSplashWidth = 286;     // px, the splash and the about picture
inline constexpr int kSplashHeight = 169;

// A small green graph on a grey grid: 0 idle, 1 sending (a blue "U"), 2 receiving (a red "D"),
// 3 both. Other indexes give the idle picture.
QImage TrayPicture(int index);
QImage SplashPicture();
QImage AboutPicture();

}  // namespace kirv
