#include "widgets/screen_fit.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
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

// A window that was never shown has no frame yet: count the title bar and the borders that the
// window manager is about to add.
QRect ExpectedFrame(const QWidget& window) {
  QRect frame = window.frameGeometry();
  if (frame == window.geometry() && !window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    frame.setSize(frame.size() + QSize(2 * kFrameBorder, title + 2 * kFrameBorder));
  }
  return frame;
}

// The window manager keeps a stay-on-top window above every normal one, whatever is raised: of
// ours, the one that would cover most of the frame.
const QWidget* StayingOnTopOver(const QWidget& window, const QRect& frame) {
  if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return nullptr;
  const QWidget* cover = nullptr;
  qint64 covered = 0;
  for (QWidget* other : QApplication::topLevelWidgets()) {
    if (other == &window || !other->isVisible() || other->isMinimized() ||
        !other->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
      continue;
    }
    const QRect overlap = frame.intersected(ExpectedFrame(*other));
    const qint64 area = qint64{overlap.width()} * overlap.height();
    if (area > covered) {
      cover = other;
      covered = area;
    }
  }
  return cover;
}

// Set on a window that had no room clear of a stay-on-top one and so stays on top itself while
// shown; the next showing decides again.
constexpr char kKeptOnTop[] = "kirvKeptOnTop";

// On the mapped window the flags reach the window manager as a state change.
void KeepOnTop(QWidget& window, bool onTop) {
  window.setProperty(kKeptOnTop, onTop);
  Qt::WindowFlags flags = window.windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
  if (flags == window.windowFlags()) return;
  window.overrideWindowFlags(flags);
  if (QWindow* handle = window.windowHandle()) handle->setFlags(flags);
}

void KeepClearOfStayOnTop(QWidget& window) {
  if (window.property(kKeptOnTop).toBool()) KeepOnTop(window, false);
  const QRect frame = ExpectedFrame(window);
  const QWidget* cover = StayingOnTopOver(window, frame);
  const QScreen* screen = window.screen();
  if (cover == nullptr || screen == nullptr) return;
  const std::optional<QPoint> clear =
      ClearOf(frame, ExpectedFrame(*cover), screen->availableGeometry());
  if (clear && *clear != frame.topLeft()) window.move(*clear);
  if (!clear) KeepOnTop(window, true);
}

}  // namespace

std::optional<QPoint> ClearOf(const QRect& frame, const QRect& obstacle, const QRect& area) {
  if (!frame.intersects(obstacle)) return frame.topLeft();
  const int x = Clamp(frame.x(), frame.width(), area.x(), area.width());
  const int y = Clamp(frame.y(), frame.height(), area.y(), area.height());
  const QPoint places[] = {{obstacle.right() + 1, y},
                           {obstacle.left() - frame.width(), y},
                           {x, obstacle.bottom() + 1},
                           {x, obstacle.top() - frame.height()}};
  std::optional<QPoint> nearest;
  for (const QPoint& at : places) {
    const QRect placed(at, frame.size());
    if (!area.contains(placed) || placed.intersects(obstacle)) continue;
    if (!nearest ||
        (at - frame.topLeft()).manhattanLength() < (*nearest - frame.topLeft()).manhattanLength()) {
      nearest = at;
    }
  }
  return nearest;
}

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
  // Counting the frame to come, or the fitted window would hang below the screen's edge.
  const QRect frame = ExpectedFrame(window);
  const QPoint fitted = FitOnScreens(frame, areas);
  if (fitted != frame.topLeft()) window.move(fitted);
}

void ShowRestored(QWidget& window) {
  if (window.isMinimized()) window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  KeepClearOfStayOnTop(window);
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace kirv
