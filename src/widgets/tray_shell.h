#pragma once

#include <QIcon>
#include <QString>
#include <functional>
#include <utility>

class QMenu;
class QWidget;

namespace kirv {

// What the notification area reports about the mouse over the icon.
enum class TrayMouseMessage {
  kMouseMove,
  kLeftButtonDown,
  kLeftButtonUp,
  kLeftButtonDoubleClick,
  kRightButtonDown,
  kRightButtonUp,
  kRightButtonDoubleClick,
  kMiddleButtonDown,
  kMiddleButtonUp,
  kMiddleButtonDoubleClick,
};

// One icon in the desktop's notification area (or what stands in for it). The tray icon
// component is its only user.
class TrayShell {
 public:
  using MouseHandler = std::function<void(TrayMouseMessage)>;

  virtual ~TrayShell() = default;

  // Each answers false when the request is refused. An empty tip shows no tooltip.
  virtual bool Add(const QIcon& icon, const QString& tip) = 0;
  virtual bool Modify(const QIcon& icon, const QString& tip) = 0;
  virtual bool Delete() = 0;
  // The window that shows the icon when it is one of ours, so that minimising the application
  // leaves it alone.
  virtual const QWidget* HostWindow() const { return nullptr; }
  // The menu that the notification area may show or export by itself (a D-Bus menu); none while
  // the menu must not open.
  virtual void SetMenu(QMenu*) {}

  void SetMouseHandler(MouseHandler handler) { mouseHandler_ = std::move(handler); }

 protected:
  void Deliver(TrayMouseMessage message) const {
    if (mouseHandler_) mouseHandler_(message);
  }

 private:
  MouseHandler mouseHandler_;
};

}  // namespace kirv
