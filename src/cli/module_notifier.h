#pragma once

#include <memory>

#include "common/notifier.h"

namespace kirv {

// The entry point of the notification module: a new notifier, owned by the caller.
using MakeNotifierEntry = Notifier*();
inline constexpr char kMakeNotifierEntry[] = "KirvMakeNotifier";

// The notifier of kirv-log. kirv-log links Qt Core alone, so that the logger resting between
// ticks weighs little; the D-Bus notifier of the desktop program lives in a module with Qt D-Bus,
// loaded at the first notification only, so that one implementation serves both programs. When
// no module loads, this says so once on standard error and notifies nothing.
class ModuleNotifier : public Notifier {
 public:
  void Notify(const Notification& notification) override;

 private:
  bool tried_ = false;
  std::unique_ptr<Notifier> loaded_;
};

}  // namespace kirv
