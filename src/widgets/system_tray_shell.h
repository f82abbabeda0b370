#pragma once

#include <QSystemTrayIcon>
#include <vector>

#include "widgets/tray_shell.h"

namespace kirv {

// The icon in the desktop's own notification area. It carries no context menu of its own: the
// tray icon component decides when its menu opens.
class SystemTrayShell : public TrayShell {
 public:
  SystemTrayShell();

  bool Add(const QIcon& icon, const QString& tip) override;
  bool Modify(const QIcon& icon, const QString& tip) override;
  bool Delete() override;

  // The button messages that one activation stands for.
  static std::vector<TrayMouseMessage> MessagesFor(QSystemTrayIcon::ActivationReason reason);

 private:
  QSystemTrayIcon icon_;
};

}  // namespace kirv
