#pragma once

#include "common/calendar.h"

namespace kirv {

class Clock {
 public:
  virtual ~Clock() = default;
  // Local date and time, with milliseconds.
  virtual DateTime Now() const = 0;
  // Seconds of local time just before now that the clock shows a second time, because the zone's
  // offset from UTC fell within the past hour: 3600 in the hour repeated at the end of summer
  // time, else 0.
  virtual int RepeatedSeconds() const { return 0; }
};

}  // namespace kirv
