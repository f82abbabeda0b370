#pragma once

#include <QIcon>
#include <QImage>
#include <array>

namespace kirv {

inline constexpr int kTrayPictureSide = 16;  // px
// px, the sides the tray pictures are drawn at
inline constexpr std::array<int, 6> kTrayIconSides = {16, 22, 24, 32, 48, 64};
inline constexpr int kSplashWidth = 286;  // px, the splash and the about picture
inline constexpr int kSplashHeight = 169;

// A small green graph on a grey grid: 0 idle, 1 sending (a blue "U"), 2 receiving (a red "D"),
// 3 both. Other indexes give the idle picture. Drawn at the side given, in pixels.
QImage TrayPicture(int index, int side = kTrayPictureSide);
// The picture at each of kTrayIconSides.
QIcon TrayIcon(int index);
QImage SplashPicture();
QImage AboutPicture();

}  // namespace kirv
