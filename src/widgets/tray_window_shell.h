#pragma once

#include <QIcon>
#include <QWidget>

#include "widgets/tray_shell.h"

namespace kirv {

// A tooltip on screen that still shows the text before takes the text after at once (the speed
// text changes every second while the user reads it); any other tooltip is left alone.
void FollowShownTip(const QString& before, const QString& after, QWidget* owner);

// Stands in for the notification area on desktops without one: a small frameless window that
// stays on top in the bottom right corner of the screen, shows the icon, carries the tooltip
// and reports the real button presses, releases and double clicks.
class TrayWindowShell : public TrayShell {
 public:
  TrayWindowShell();

  bool Add(const QIcon& icon, const QString& tip) override;
  bool Modify(const QIcon& icon, const QString& tip) override;
  bool Delete() override;
  const QWidget* HostWindow() const override { return &window_; }

 private:
  class Window : public QWidget {
   public:
    explicit Window(const TrayWindowShell& shell);
    void SetIcon(const QIcon& icon);

   protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

   private:
    const TrayWindowShell& shell_;
    QIcon icon_;
  };

  void PlaceInCorner();

  Window window_;
};

}  // namespace kirv
