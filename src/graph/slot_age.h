#pragma once

#include <cstdint>

#include "common/calendar.h"

namespace kirv {

// Days since 1 January of year 1 in the archive's calendar: months of 31, 30 or 28 days, and
// February of 29 days only in the years that HasLeapFebruary names.
std::int64_t CalendarDay(int year, int month, int day);

// The age of records in whole five-minute slots: from the slot that holds a record (its minute
// floored to a multiple of five) to the reference instant (its hour and minute; seconds are not
// counted), in the archive's calendar. Records come in runs of one date, so the day of the last
// date seen is kept.
class SlotAge {
 public:
  explicit SlotAge(const DateTime& reference);

  // Never negative: a record that the calendar puts after the reference instant (29 February of
  // a year the calendar gives 28 days) is in the reference slot.
  std::int64_t Of(const DateTime& record);

 private:
  std::int64_t referenceMinute_;
  int year_ = -1;  // the last date seen, none yet
  int month_ = -1;
  int day_ = -1;
  std::int64_t dayMinute_ = 0;  // first minute of that date
};

}  // namespace kirv
