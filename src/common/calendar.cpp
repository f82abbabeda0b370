#include "common/calendar.h"

#include <cstdio>
#include <string_view>

namespace kirv {

namespace {

constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::int64_t kMsPerDay = 86400000;
// Days from 1970-01-01 back to 1899-12-30.
constexpr std::int64_t kEpochOffset = 25569;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

void AppendField(std::string& out, int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  out += buffer;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kMonthDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

std::int64_t DayNumber(int year, int month, int day) {
  return DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
         kEpochOffset;
}

DateTime FromDayNumber(std::int64_t days) {
  DateTime t;
  CivilFromDays(days - kEpochOffset, t.year, t.month, t.day);
  t.hour = t.minute = t.second = t.millisecond = 0;
  return t;
}

int DayOfWeek(const DateTime& t) {
  // Day 0 (30 December 1899) was a Saturday.
  const std::int64_t n = DayNumber(t.year, t.month, t.day);
  return static_cast<int>(((n + 6) % 7 + 7) % 7) + 1;
}

DateTime AddDays(const DateTime& t, int days) {
  DateTime r = FromDayNumber(DayNumber(t.year, t.month, t.day) + days);
  r.hour = t.hour;
  r.minute = t.minute;
  r.second = t.second;
  r.millisecond = t.millisecond;
  return r;
}

std::int64_t MillisecondsOf(const DateTime& t) {
  return DayNumber(t.year, t.month, t.day) * kMsPerDay +
         ((t.hour * 60 + t.minute) * 60 + t.second) * std::int64_t{1000} + t.millisecond;
}

std::int64_t MinutesBetween(const DateTime& a, const DateTime& b) {
  const std::int64_t span = MillisecondsOf(a) - MillisecondsOf(b);
  return (span < 0 ? -span : span) / 60000;
}

double ToSerial(const DateTime& t) {
  return static_cast<double>(MillisecondsOf(t)) / static_cast<double>(kMsPerDay);
}

std::string FormatDateTime(const DateTime& t, const std::string& pattern) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    const std::string_view rest = std::string_view(pattern).substr(i);
    if (rest.starts_with("yyyy")) {
      AppendField(out, t.year, 4);
      i += 4;
    } else if (rest.starts_with("zzz")) {
      AppendField(out, t.millisecond, 3);
      i += 3;
    } else if (rest.starts_with("mm")) {
      AppendField(out, t.month, 2);
      i += 2;
    } else if (rest.starts_with("dd")) {
      AppendField(out, t.day, 2);
      i += 2;
    } else if (rest.starts_with("hh")) {
      AppendField(out, t.hour, 2);
      i += 2;
    } else if (rest.starts_with("nn")) {
      AppendField(out, t.minute, 2);
      i += 2;
    } else if (rest.starts_with("ss")) {
      AppendField(out, t.second, 2);
      i += 2;
    } else {
      out += pattern[i++];
    }
  }
  return out;
}

}  // namespace kirv
