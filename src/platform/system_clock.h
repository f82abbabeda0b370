#pragma once

#include "common/clock.h"

namespace kirv {

// The local wall clock.
class SystemClock : public Clock {
 public:
  DateTime Now() const override;
};

}  // namespace kirv
