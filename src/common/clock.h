#pragma once

#include "common/calendar.h"

namespace kirv {

class Clock {
 public:
  virtual ~Clock() = default;
  // Local date and time, with milliseconds.
  virtual DateTime Now() const = 0;
};

}  // namespace kirv
