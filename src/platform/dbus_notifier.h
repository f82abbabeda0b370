#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "common/notifier.h"

namespace kirv {

// Desktop notifications through org.freedesktop.Notifications.Notify on the session bus, called
// directly: QSystemTrayIcon::showMessage sends the urgency with the wrong type and no desktop
// entry. Calls are asynchronous; the id the server gives back replaces that key's notification
// the next time. Without a session bus or a server, the calls come back with errors, unseen.
class DBusNotifier : public Notifier {
 public:
  void Notify(const Notification& notification) override;

 private:
  struct Shown {
    std::uint32_t id = 0;              // 0 until the server answered
    bool waiting = false;              // a call is on its way
    std::optional<Notification> next;  // sent once the answer gives its id
  };

  void Send(const Notification& notification);
  void Answered(const std::string& key, std::optional<std::uint32_t> id);

  QObject context_;                     // the answers' receiver, gone with this object
  std::map<std::string, Shown> shown_;  // by key
};

}  // namespace kirv
