#pragma once

// Keeping windows reachable on the desktop: a stored position that no screen shows any more,
// and a window the window manager minimised.

#include <QList>
#include <QPoint>
#include <QRect>
#include <optional>

class QWidget;

namespace kirv {

// The frame position at which a window of this frame is reachable on one of the screens'
// available areas. A frame that shows enough of itself on some area stays where it is; any
// other goes to the nearest area, inside it (its top left corner first when it is larger).
QPoint FitOnScreens(const QRect& frame, const QList<QRect>& areas);

// The frame position nearest to the frame's own at which it shows whole in `area` and clear of
// `obstacle`, beside, above or below it; none when the area has no such room.
std::optional<QPoint> ClearOf(const QRect& frame, const QRect& obstacle, const QRect& area);

// Moves a top-level window whose frame no screen shows onto the nearest screen.
void FitOnScreen(QWidget& window);

// Shows a window, restores it when the window manager minimised it and brings it to the front.
// A visible window of ours that stays on top (the meter) would cover it: the window goes clear of
// it when its screen has room, and otherwise stays on top itself while shown.
void ShowRestored(QWidget& window);

}  // namespace kirv
