#include "widgets/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace kirv {

namespace {

// px of a frame that must show on one area for the window to be reached and dragged back
constexpr int kReachableWidth = 32;
constexpr int kReachableHeight = 16;
constexpr int kFrameBorder = 4;  // px, a generous window manager border

bool Reachable(const QRect& frame, const QRect& area) {
  const QRect shown = frame.intersected(area);
  return shown.width() >= std::min(frame.width(), kReachableWidth) &&
         shown.height() >= std::min(frame.height(), kReachableHeight);
}

// Squared distance between a frame and an area, 0 when they overlap.
long long Distance(const QRect& frame, const QRect& area) {
  const long long dx = std::max({0, area.left() - frame.right(), frame.left() - area.right()});
  const long long dy = std::max({0, area.top() - frame.bottom(), frame.top() - area.bottom()});
  return dx * dx + dy * dy;
}

int Clamp(int at, int size, int areaStart, int areaSize) {
  return std::max(areaStart, std::min(at, areaStart + areaSize - size));
}

}  // namespace

QPoint FitOnScreens(const QRect& frame, const QList<QRect>& areas) {
  const QRect* nearest = nullptr;
  long long best = std::numeric_limits<long long>::max();
  for (const QRect& area : areas) {
    if (area.isEmpty()) continue;
    if (Reachable(frame, area)) return frame.topLeft();
    const long long distance = Distance(frame, area);
    if (distance < best) {
      best = distance;
      nearest = &area;
    }
  }
  if (!nearest) return frame.topLeft();
  return {Clamp(frame.x(), frame.width(), nearest->x(), nearest->width()),
          Clamp(frame.y(), frame.height(), nearest->y(), nearest->height())};
}

void FitOnScreen(QWidget& window) {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens())
    areas.append(screen->availableGeometry());
  QRect frame = window.frameGeometry();
  // A window that was never shown has no frame yet: count the title bar and the borders that the
  // window manager is about to add, or the fitted window would hang below the screen's edge.
  if (frame == window.geometry() && !window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    frame.setSize(frame.size() + QSize(2 * kFrameBorder, title + 2 * kFrameBorder));
  }
  const QPoint fitted = FitOnScreens(frame, areas);
  if (fitted != frame.topLeft()) window.move(fitted);
}

void ShowRestored(QWidget& window) {
  if (window.isMinimized()) window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace kirv
