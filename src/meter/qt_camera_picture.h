#pragma once

#include <QImage>

namespace kirv {

inline constexpr int kCameraWidth = 20;  // px
inline constexpr int kCameraHeight = 17;

// The meter's snapshot button: a small grey camera with a blue lens, on the bar's grey.
QImage CameraPicture();

}  // namespace kirv
