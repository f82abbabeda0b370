#include "widgets/tray_window_shell.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace kirv {

namespace {

constexpr int kSide = 24;   // px, the window; the picture is drawn at 16 x 16 in its middle
constexpr int kMargin = 4;  // px from the screen's corner
constexpr int kPicture = 16;

// The message of a button event, or false for buttons the notification area does not report.
bool MessageOf(Qt::MouseButton button, QEvent::Type type, TrayMouseMessage& message) {
  using M = TrayMouseMessage;
  const int column = type == QEvent::MouseButtonPress     ? 0
                     : type == QEvent::MouseButtonRelease ? 1
                                                          : 2;
  static constexpr M kLeft[] = {M::kLeftButtonDown, M::kLeftButtonUp, M::kLeftButtonDoubleClick};
  static constexpr M kRight[] = {M::kRightButtonDown, M::kRightButtonUp,
                                 M::kRightButtonDoubleClick};
  static constexpr M kMiddle[] = {M::kMiddleButtonDown, M::kMiddleButtonUp,
                                  M::kMiddleButtonDoubleClick};
  switch (button) {
    case Qt::LeftButton:
      message = kLeft[column];
      return true;
    case Qt::RightButton:
      message = kRight[column];
      return true;
    case Qt::MiddleButton:
      message = kMiddle[column];
      return true;
    default:
      return false;
  }
}

}  // namespace

void FollowShownTip(const QString& before, const QString& after, QWidget* owner) {
  if (before.isEmpty() || !QToolTip::isVisible() || QToolTip::text() != before) return;
  if (after.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(QCursor::pos(), after, owner);
  }
}

TrayWindowShell::Window::Window(const TrayWindowShell& shell)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      shell_(shell) {
  setFixedSize(kSide, kSide);
  setMouseTracking(true);
  setWindowTitle(QStringLiteral("KIRV"));
}

void TrayWindowShell::Window::SetIcon(const QIcon& icon) {
  icon_ = icon;
  update();
}

void TrayWindowShell::Window::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const int inset = (kSide - kPicture) / 2;
  icon_.paint(&painter, inset, inset, kPicture, kPicture);
}

void TrayWindowShell::Window::mousePressEvent(QMouseEvent* event) {
  TrayMouseMessage message;
  if (MessageOf(event->button(), event->type(), message)) shell_.Deliver(message);
}

void TrayWindowShell::Window::mouseReleaseEvent(QMouseEvent* event) { mousePressEvent(event); }

void TrayWindowShell::Window::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TrayWindowShell::Window::mouseMoveEvent(QMouseEvent*) {
  shell_.Deliver(TrayMouseMessage::kMouseMove);
}

TrayWindowShell::TrayWindowShell() : window_(*this) {}

bool TrayWindowShell::Add(const QIcon& icon, const QString& tip) {
  Modify(icon, tip);
  PlaceInCorner();
  window_.show();
  return true;
}

bool TrayWindowShell::Modify(const QIcon& icon, const QString& tip) {
  window_.SetIcon(icon);
  if (tip != window_.toolTip()) {
    FollowShownTip(window_.toolTip(), tip, &window_);
    window_.setToolTip(tip);
  }
  return true;
}

bool TrayWindowShell::Delete() {
  window_.hide();
  return true;
}

void TrayWindowShell::PlaceInCorner() {
  const QScreen* screen = window_.screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  window_.move(area.right() - kSide - kMargin, area.bottom() - kSide - kMargin);
}

}  // namespace kirv
