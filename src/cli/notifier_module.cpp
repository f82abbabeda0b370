// kirv-notify.so: the desktop's D-Bus notifier for kirv-log, which loads it at its first
// notification.

#include "cli/module_notifier.h"
#include "platform/dbus_notifier.h"

extern "C" __attribute__((visibility("default"))) kirv::Notifier* KirvMakeNotifier() {
  return new kirv::DBusNotifier;
}
