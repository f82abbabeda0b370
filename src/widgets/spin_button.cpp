#include "widgets/spin_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace kirv {

TCSpinButton::TCSpinButton(QWidget* focusControl)
    : QWidget(focusControl), focusControl_(focusControl) {
  setFixedSize(kWidth, kHeight);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::ArrowCursor);
  repeatTimer_.setTimerType(Qt::PreciseTimer);  // never early
  connect(&repeatTimer_, &QTimer::timeout, this, &TCSpinButton::TimerExpired);
}

QRect TCSpinButton::UpRect() { return {0, 0, kWidth, kHeight / 2}; }

QRect TCSpinButton::DownRect() { return {0, kHeight / 2, kWidth, kHeight - kHeight / 2}; }

TCSpinButton::Half TCSpinButton::HalfAt(QPoint pos) {
  if (UpRect().contains(pos)) return Half::kUp;
  if (DownRect().contains(pos)) return Half::kDown;
  return Half::kNone;
}

void TCSpinButton::Click() {
  if (pressed_ == Half::kUp) {
    emit UpClick();
  } else if (pressed_ == Half::kDown) {
    emit DownClick();
  }
}

void TCSpinButton::TimerExpired() {
  repeatTimer_.setInterval(kRepeatPause);
  if (down_) Click();
}

void TCSpinButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = HalfAt(event->position().toPoint());
  if (pressed_ == Half::kNone) return;
  down_ = true;
  update();
  if (focusControl_->focusPolicy() != Qt::NoFocus && !focusControl_->hasFocus()) {
    focusControl_->setFocus(Qt::OtherFocusReason);
  }
  Click();
  repeatTimer_.start(kInitRepeatPause);
}

void TCSpinButton::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_ == Half::kNone) return;
  const bool over = HalfAt(event->position().toPoint()) == pressed_;
  if (over != down_) {
    down_ = over;
    update();
  }
}

void TCSpinButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  repeatTimer_.stop();
  pressed_ = Half::kNone;
  down_ = false;
  update();
}

void TCSpinButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintHalf(painter, UpRect(), down_ && pressed_ == Half::kUp, true);
  PaintHalf(painter, DownRect(), down_ && pressed_ == Half::kDown, false);
}

// A bevelled face with a five-pixel arrow, pushed one pixel down and right when sunken.
void TCSpinButton::PaintHalf(QPainter& painter, const QRect& rect, bool sunken, bool up) const {
  const QPalette& p = palette();
  painter.fillRect(rect, p.button());
  painter.setPen(sunken ? p.dark().color() : p.light().color());
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(sunken ? p.light().color() : p.shadow().color());
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomRight());
  const int shift = sunken ? 1 : 0;
  const int cx = rect.center().x() + shift;
  const int cy = rect.center().y() + shift;
  QPolygon arrow;
  if (up) {
    arrow << QPoint(cx - 2, cy + 1) << QPoint(cx + 2, cy + 1) << QPoint(cx, cy - 1);
  } else {
    arrow << QPoint(cx - 2, cy - 1) << QPoint(cx + 2, cy - 1) << QPoint(cx, cy + 1);
  }
  const QColor glyph =
      p.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
  painter.setPen(glyph);
  painter.setBrush(glyph);
  painter.drawPolygon(arrow);
}

}  // namespace kirv
