#pragma once

#include <cstdint>
#include <string>

namespace kirv {

// The freedesktop urgency levels, sent as a byte.
enum class Urgency : std::uint8_t { kLow = 0, kNormal = 1, kCritical = 2 };

struct Notification {
  // One shown notification per key: a later one of the same key replaces it on the desktop.
  std::string key;
  std::string summary;
  std::string body;
  Urgency urgency = Urgency::kNormal;
  std::string category;  // a freedesktop category: "network", "device.error"
};

// Desktop notifications. Sending never waits for the desktop and never fails: where no
// notification server runs, nothing is shown.
class Notifier {
 public:
  virtual ~Notifier() = default;
  virtual void Notify(const Notification& notification) = 0;
};

}  // namespace kirv
