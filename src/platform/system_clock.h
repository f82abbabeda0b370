#pragma once

#include <ctime>

#include "common/clock.h"

namespace kirv {

// The local wall clock, in the time zone in force at each reading: a changed TZ variable or a
// new /etc/localtime (a journey, a desktop setting) applies from the next reading on, without a
// restart.
class SystemClock : public Clock {
 public:
  DateTime Now() const override;
  int RepeatedSeconds() const override;

  // The same at the instant `utc`, in the time zone in force.
  static int RepeatedSecondsAt(std::time_t utc);
};

}  // namespace kirv
