#include "platform/dbus_notifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QStringList>
#include <QVariantMap>

#include "platform/application_id.h"
#include "platform/qt_text.h"

namespace kirv {

namespace {

// A summary is a constant core text (context "kirv"), shown in the user's language.
QString ShownSummary(const std::string& summary) {
  return QCoreApplication::translate("kirv", summary.c_str());
}

}  // namespace

void DBusNotifier::Notify(const Notification& notification) {
  Shown& shown = shown_[notification.key];
  // A second notification before the first one's id came back would show beside it.
  if (shown.waiting) {
    shown.next = notification;
  } else {
    Send(notification);
  }
}

void DBusNotifier::Send(const Notification& notification) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  Shown& shown = shown_[notification.key];
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.Notifications"),
      QStringLiteral("/org/freedesktop/Notifications"),
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
  const QString application = QString::fromLatin1(kApplicationId);
  QVariantMap hints;
  // The freedesktop protocol's hint types: a byte, then strings.
  hints.insert(QStringLiteral("urgency"),
               QVariant::fromValue(static_cast<uchar>(notification.urgency)));
  hints.insert(QStringLiteral("category"), Text(notification.category));
  hints.insert(QStringLiteral("desktop-entry"), application);
  call << QStringLiteral("KIRV") << shown.id << application << ShownSummary(notification.summary)
       << Text(notification.body) << QStringList() << hints << -1;  // the server's own timeout
  shown.waiting = true;
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), &context_);
  const std::string key = notification.key;
  QObject::connect(
      watcher, &QDBusPendingCallWatcher::finished, &context_,
      [this, key](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<std::uint32_t> reply = *finished;
        Answered(key, reply.isError() ? std::nullopt : std::optional<std::uint32_t>(reply.value()));
      });
}

void DBusNotifier::Answered(const std::string& key, std::optional<std::uint32_t> id) {
  Shown& shown = shown_[key];
  shown.waiting = false;
  if (id) shown.id = *id;
  if (shown.next) {
    const Notification next = *shown.next;
    shown.next.reset();
    Send(next);
  }
}

}  // namespace kirv
