#include "graph/slot_age.h"

#include <algorithm>

namespace kirv {

namespace {

constexpr std::int64_t kMinutesPerDay = 1440;
constexpr int kSlotMinutes = 5;

}  // namespace

SlotAge::SlotAge(const DateTime& reference)
    : referenceMinute_(DayNumber(reference.year, reference.month, reference.day) * kMinutesPerDay +
                       reference.hour * 60 + reference.minute) {}

std::int64_t SlotAge::Of(const DateTime& record) {
  if (record.day != day_ || record.month != month_ || record.year != year_) {
    year_ = record.year;
    month_ = record.month;
    day_ = record.day;
    dayMinute_ = DayNumber(year_, month_, day_) * kMinutesPerDay;
  }
  const std::int64_t slotStart =
      dayMinute_ + record.hour * 60 + record.minute / kSlotMinutes * kSlotMinutes;
  return std::max<std::int64_t>(referenceMinute_ - slotStart, 0) / kSlotMinutes;
}

}  // namespace kirv
