#pragma once

#include <QIcon>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "widgets/tray_shell.h"
#include "widgets/tray_window_shell.h"

class QMenu;

namespace kirv {

// The icon in the desktop's notification area while one runs, in our stand-in window otherwise.
// A panel started after us, stopped or restarted is noticed within a watch period: the icon
// moves with its picture, tooltip and menu.
class DesktopTrayShell : public TrayShell {
 public:
  using HostProbe = std::function<bool()>;
  using HostFactory = std::function<std::unique_ptr<TrayShell>()>;

  static constexpr int kWatchPeriod = 500;  // ms

  // The host shell is made when a host is first seen, so that the toolkit chooses its protocol
  // (D-Bus or X embedding) from a running host.
  DesktopTrayShell(HostProbe hostRunning, HostFactory makeHost);

  bool Add(const QIcon& icon, const QString& tip) override;
  bool Modify(const QIcon& icon, const QString& tip) override;
  bool Delete() override;
  const QWidget* HostWindow() const override { return standIn_.HostWindow(); }
  void SetMenu(QMenu* menu) override;

  // Whether the icon is in the notification area rather than in the stand-in window.
  bool InHost() const { return inHost_; }
  // One look at the notification area, as the watch timer takes it.
  void Watch();

 private:
  void MoveToHost();
  void MoveToStandIn();

  HostProbe hostRunning_;
  HostFactory makeHost_;
  std::unique_ptr<TrayShell> host_;
  TrayWindowShell standIn_;
  QTimer watch_;
  bool added_ = false;
  bool inHost_ = false;
  QIcon icon_;
  QString tip_;
  QPointer<QMenu> menu_;
};

// Whether a notification area runs now: a StatusNotifierItem watcher on the session bus or the
// owner of the X system tray selection, and the toolkit can reach it.
bool TrayHostRunning();

std::unique_ptr<TrayShell> MakeDesktopTrayShell();

}  // namespace kirv
