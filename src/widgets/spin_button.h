#pragma once

#include <QTimer>
#include <QWidget>

namespace kirv {

// The pair of up and down buttons at the right edge of a spin edit, 15 x 17 pixels. A button
// clicks when pressed, again after 400 ms and then every 100 ms while it stays pressed with the
// mouse over it. It never takes keyboard focus: a press hands it to the focus control.
class TCSpinButton : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 15;
  static constexpr int kHeight = 17;
  static constexpr int kInitRepeatPause = 400;  // ms
  static constexpr int kRepeatPause = 100;      // ms

  explicit TCSpinButton(QWidget* focusControl);

  // The two halves, in the pair's coordinates: the upper 8 pixels and the lower 9.
  static QRect UpRect();
  static QRect DownRect();

 signals:
  void UpClick();
  void DownClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Half { kNone, kUp, kDown };

  static Half HalfAt(QPoint pos);
  void Click();
  void TimerExpired();
  void PaintHalf(QPainter& painter, const QRect& rect, bool sunken, bool up) const;

  QWidget* focusControl_;
  QTimer repeatTimer_;
  Half pressed_ = Half::kNone;
  bool down_ = false;  // the pressed half is under the mouse
};

}  // namespace kirv
