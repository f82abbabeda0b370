#pragma once

#include <QMenu>
#include <QSystemTrayIcon>
#include <vector>

#include "widgets/tray_shell.h"

namespace kirv {

// The icon in the desktop's own notification area. The tray icon component decides when its menu
// opens; the menu handed over by SetMenu is also exported to hosts that show menus themselves.
class SystemTrayShell : public TrayShell {
 public:
  SystemTrayShell();

  bool Add(const QIcon& icon, const QString& tip) override;
  bool Modify(const QIcon& icon, const QString& tip) override;
  bool Delete() override;
  void SetMenu(QMenu* menu) override;

  // The button messages that one activation stands for.
  static std::vector<TrayMouseMessage> MessagesFor(QSystemTrayIcon::ActivationReason reason);

 private:
  QSystemTrayIcon icon_;
};

}  // namespace kirv
