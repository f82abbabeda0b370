#include "widgets/desktop_tray_shell.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <cstdlib>
#include <utility>

#include "widgets/system_tray_shell.h"

namespace kirv {

DesktopTrayShell::DesktopTrayShell(HostProbe hostRunning, HostFactory makeHost)
    : hostRunning_(std::move(hostRunning)), makeHost_(std::move(makeHost)) {
  standIn_.SetMouseHandler([this](TrayMouseMessage message) { Deliver(message); });
  watch_.setInterval(kWatchPeriod);
  QObject::connect(&watch_, &QTimer::timeout, [this] { Watch(); });
}

bool DesktopTrayShell::Add(const QIcon& icon, const QString& tip) {
  icon_ = icon;
  tip_ = tip;
  added_ = true;
  inHost_ = false;
  if (hostRunning_()) MoveToHost();
  if (!inHost_) standIn_.Add(icon_, tip_);
  watch_.start();
  return true;
}

bool DesktopTrayShell::Modify(const QIcon& icon, const QString& tip) {
  icon_ = icon;
  tip_ = tip;
  if (!added_) return true;
  if (inHost_) return host_->Modify(icon, tip);
  return standIn_.Modify(icon, tip);
}

bool DesktopTrayShell::Delete() {
  watch_.stop();
  added_ = false;
  if (inHost_) {
    inHost_ = false;
    return host_->Delete();
  }
  return standIn_.Delete();
}

void DesktopTrayShell::SetMenu(QMenu* menu) {
  if (menu == menu_) return;
  menu_ = menu;
  if (host_) host_->SetMenu(menu);
}

void DesktopTrayShell::Watch() {
  if (!added_) return;
  const bool running = hostRunning_();
  if (running && !inHost_) {
    MoveToHost();
    if (inHost_) standIn_.Delete();
  } else if (!running && inHost_) {
    MoveToStandIn();
  }
}

void DesktopTrayShell::MoveToHost() {
  if (!host_) {
    host_ = makeHost_();
    host_->SetMouseHandler([this](TrayMouseMessage message) { Deliver(message); });
    host_->SetMenu(menu_);
  }
  inHost_ = host_->Add(icon_, tip_);
}

void DesktopTrayShell::MoveToStandIn() {
  host_->Delete();
  inHost_ = false;
  standIn_.Add(icon_, tip_);
}

namespace {

bool StatusNotifierWatcherRunning() {
  const QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()) return false;
  return bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

// The screen number of DISPLAY (":0.1" is screen 1).
int DisplayScreen() {
  const QByteArray display = qgetenv("DISPLAY");
  const int colon = display.lastIndexOf(':');
  const int dot = display.indexOf('.', colon < 0 ? 0 : colon);
  return dot < 0 ? 0 : std::atoi(display.constData() + dot + 1);
}

bool XSystemTrayOwned() {
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return false;
  xcb_connection_t* connection = x11->connection();
  static xcb_atom_t selection = XCB_ATOM_NONE;
  if (selection == XCB_ATOM_NONE) {
    const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(DisplayScreen());
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, name.size(), name.constData()), nullptr);
    if (!atom) return false;
    selection = atom->atom;
    std::free(atom);
  }
  xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
      connection, xcb_get_selection_owner(connection, selection), nullptr);
  const bool owned = owner && owner->owner != XCB_WINDOW_NONE;
  std::free(owner);
  return owned;
}

}  // namespace

// The toolkit is asked only once a host is seen: it decides between D-Bus and X embedding the
// first time it looks.
bool TrayHostRunning() {
  if (!StatusNotifierWatcherRunning() && !XSystemTrayOwned()) return false;
  return QSystemTrayIcon::isSystemTrayAvailable();
}

std::unique_ptr<TrayShell> MakeDesktopTrayShell() {
  return std::make_unique<DesktopTrayShell>(TrayHostRunning,
                                            [] { return std::make_unique<SystemTrayShell>(); });
}

}  // namespace kirv
