#include "widgets/desktop_tray_shell.h"

#include <QSystemTrayIcon>

#include "widgets/system_tray_shell.h"
#include "widgets/tray_window_shell.h"

namespace kirv {

std::unique_ptr<TrayShell> MakeDesktopTrayShell() {
  if (QSystemTrayIcon::isSystemTrayAvailable()) return std::make_unique<SystemTrayShell>();
  return std::make_unique<TrayWindowShell>();
}

}  // namespace kirv
