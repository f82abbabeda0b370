#pragma once

#include <cstdint>
#include <string>

namespace kirv {

// A local date and time, as the clock gives it.
struct DateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Gregorian leap years: every fourth year, except the centuries that 400 does not divide (2000
// and 2400 are leap years, 2100 is not). Month lengths follow it; a month outside 1-12 has 0 days.
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Gregorian validity of a date and a time of day.
bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second);

// Day number of a Gregorian date: days since 30 December 1899 (that day is 0).
std::int64_t DayNumber(int year, int month, int day);
DateTime FromDayNumber(std::int64_t days);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(const DateTime& t);

// The same time of day, the given number of calendar days later (earlier when negative).
DateTime AddDays(const DateTime& t, int days);

// Milliseconds since 30 December 1899 00:00, and whole minutes between two instants (never
// negative, truncated).
std::int64_t MillisecondsOf(const DateTime& t);
std::int64_t MinutesBetween(const DateTime& a, const DateTime& b);

// Days since 30 December 1899 with the time as the fraction.
double ToSerial(const DateTime& t);

// Text of a date-time from an explicit pattern: "yyyy", "mm" (month), "dd", "hh", "nn"
// (minutes), "ss" and "zzz" (milliseconds) stand for two-digit (four, three) fields; every other
// character is copied.
std::string FormatDateTime(const DateTime& t, const std::string& pattern);

}  // namespace kirv
