#include "widgets/system_tray_shell.h"

#include "widgets/tray_window_shell.h"

namespace kirv {

SystemTrayShell::SystemTrayShell() {
  QObject::connect(&icon_, &QSystemTrayIcon::activated,
                   [this](QSystemTrayIcon::ActivationReason reason) {
                     for (TrayMouseMessage message : MessagesFor(reason)) Deliver(message);
                   });
}

bool SystemTrayShell::Add(const QIcon& icon, const QString& tip) {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
  Modify(icon, tip);
  icon_.show();
  return true;
}

bool SystemTrayShell::Modify(const QIcon& icon, const QString& tip) {
  if (icon.cacheKey() != icon_.icon().cacheKey()) icon_.setIcon(icon);
  if (tip != icon_.toolTip()) {
    FollowShownTip(icon_.toolTip(), tip, nullptr);
    icon_.setToolTip(tip);
  }
  return true;
}

bool SystemTrayShell::Delete() {
  icon_.hide();
  return true;
}

void SystemTrayShell::SetMenu(QMenu* menu) { icon_.setContextMenu(menu); }

// The desktop reports a press as a whole click; a double click follows the click of its first
// press.
std::vector<TrayMouseMessage> SystemTrayShell::MessagesFor(
    QSystemTrayIcon::ActivationReason reason) {
  using M = TrayMouseMessage;
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      return {M::kLeftButtonDown, M::kLeftButtonUp};
    case QSystemTrayIcon::DoubleClick:
      return {M::kLeftButtonDoubleClick};
    case QSystemTrayIcon::Context:
      return {M::kRightButtonDown, M::kRightButtonUp};
    case QSystemTrayIcon::MiddleClick:
      return {M::kMiddleButtonDown, M::kMiddleButtonUp};
    case QSystemTrayIcon::Unknown:
      break;
  }
  return {};
}

}  // namespace kirv
