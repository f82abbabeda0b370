#pragma once

#include <cstdint>

#include "common/calendar.h"

namespace kirv {

// The age of records in whole five-minute slots: from the slot that holds a record (its minute
// floored to a multiple of five) to the reference instant (its hour and minute; seconds are not
// counted), over Gregorian calendar days. Records come in runs of one date, so the day of the last
// date seen is kept.
class SlotAge {
 public:
  explicit SlotAge(const DateTime& reference);

  // Never negative: a record after the reference instant is in the reference slot.
  std::int64_t Of(const DateTime& record);

 private:
  std::int64_t referenceMinute_;
  int year_ = -1;  // the last date seen, none yet
  int month_ = -1;
  int day_ = -1;
  std::int64_t dayMinute_ = 0;  // first minute of that date
};

}  // namespace kirv
