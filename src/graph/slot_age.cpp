#include "graph/slot_age.h"

#include <algorithm>

namespace kirv {

namespace {

constexpr std::int64_t kMinutesPerDay = 1440;
constexpr int kSlotMinutes = 5;

// Years before this one whose February has 29 days: 2000, 2004, ..., 2024.
std::int64_t LeapFebruariesBefore(int year) {
  if (year <= 2000) return 0;
  return std::min((year - 2001) / 4 + 1, 7);
}

}  // namespace

std::int64_t CalendarDay(int year, int month, int day) {
  std::int64_t days = std::int64_t{365} * (year - 1) + LeapFebruariesBefore(year);
  for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
  return days + day - 1;
}

SlotAge::SlotAge(const DateTime& reference)
    : referenceMinute_(CalendarDay(reference.year, reference.month, reference.day) *
                           kMinutesPerDay +
                       reference.hour * 60 + reference.minute) {}

std::int64_t SlotAge::Of(const DateTime& record) {
  if (record.day != day_ || record.month != month_ || record.year != year_) {
    year_ = record.year;
    month_ = record.month;
    day_ = record.day;
    dayMinute_ = CalendarDay(year_, month_, day_) * kMinutesPerDay;
  }
  const std::int64_t slotStart =
      dayMinute_ + record.hour * 60 + record.minute / kSlotMinutes * kSlotMinutes;
  return std::max<std::int64_t>(referenceMinute_ - slotStart, 0) / kSlotMinutes;
}

}  // namespace kirv
