#include "common/calendar.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace kirv {
namespace {

struct MonthCase {
  int year;
  int month;
  int days;
};

class DaysInMonthTest : public ::testing::TestWithParam<MonthCase> {};

TEST_P(DaysInMonthTest, FollowsTheGregorianLeapYearRule) {
  const MonthCase& c = GetParam();
  EXPECT_EQ(DaysInMonth(c.year, c.month), c.days);
  EXPECT_EQ(IsValidDate(c.year, c.month, c.days), c.days > 0);
  EXPECT_FALSE(IsValidDate(c.year, c.month, c.days + 1));
}

INSTANTIATE_TEST_SUITE_P(
    Months, DaysInMonthTest,
    ::testing::Values(MonthCase{2000, 2, 29},  // a century that 400 divides
                      MonthCase{2004, 2, 29}, MonthCase{2024, 2, 29}, MonthCase{2028, 2, 29},
                      MonthCase{1996, 2, 29}, MonthCase{2032, 2, 29},
                      MonthCase{2100, 2, 28},  // a century that 400 does not divide
                      MonthCase{1900, 2, 28}, MonthCase{2400, 2, 29}, MonthCase{2023, 2, 28},
                      MonthCase{2026, 2, 28}, MonthCase{2026, 1, 31}, MonthCase{2026, 4, 30},
                      MonthCase{2026, 12, 31}, MonthCase{2026, 13, 0}, MonthCase{2026, 0, 0}),
    [](const ::testing::TestParamInfo<MonthCase>& info) {
      return ::kirv::testing::CaseName(
          {std::to_string(info.param.year), std::to_string(info.param.month)});
    });

struct DaysCase {
  DateTime from;
  DateTime to;
  std::int64_t days;
};

class DaysBetweenDates : public ::testing::TestWithParam<DaysCase> {};

TEST_P(DaysBetweenDates, CountEveryGregorianLeapDay) {
  const DaysCase& c = GetParam();
  EXPECT_EQ(
      DayNumber(c.to.year, c.to.month, c.to.day) - DayNumber(c.from.year, c.from.month, c.from.day),
      c.days);
}

INSTANTIATE_TEST_SUITE_P(Dates, DaysBetweenDates,
                         ::testing::Values(DaysCase{{2026, 2, 1}, {2026, 4, 20}, 78},
                                           DaysCase{{2025, 12, 31}, {2026, 1, 1}, 1},
                                           DaysCase{{2024, 2, 28}, {2024, 3, 1}, 2},
                                           DaysCase{{2028, 2, 28}, {2028, 3, 1}, 2},
                                           DaysCase{{2100, 2, 28}, {2100, 3, 1}, 1},
                                           DaysCase{{2400, 2, 28}, {2400, 3, 1}, 2},
                                           DaysCase{{1996, 2, 28}, {1996, 3, 1}, 2},
                                           DaysCase{{2026, 1, 1}, {2027, 1, 1}, 365},
                                           DaysCase{{2028, 1, 1}, {2029, 1, 1}, 366},
                                           // 2000 to 2030: the leap days of 2000, 2004, ..., 2028
                                           DaysCase{{2000, 1, 1}, {2030, 1, 1}, 30 * 365 + 8},
                                           // 400 Gregorian years: 97 leap days
                                           DaysCase{{2000, 1, 1}, {2400, 1, 1}, 400 * 365 + 97}),
                         [](const ::testing::TestParamInfo<DaysCase>& info) {
                           return ::kirv::testing::CaseName(
                               {::kirv::FormatDateTime(info.param.from, "yyyy-mm-dd"), "To",
                                ::kirv::FormatDateTime(info.param.to, "yyyy-mm-dd")});
                         });

struct DowCase {
  DateTime date;
  int dayOfWeek;
};

class DayOfWeekTest : public ::testing::TestWithParam<DowCase> {};

TEST_P(DayOfWeekTest, CountsFromSunday) {
  EXPECT_EQ(DayOfWeek(GetParam().date), GetParam().dayOfWeek);
}

INSTANTIATE_TEST_SUITE_P(Dates, DayOfWeekTest,
                         ::testing::Values(DowCase{{1899, 12, 30}, 7},  // Saturday
                                           DowCase{{2026, 4, 20}, 2},   // Monday
                                           DowCase{{2026, 4, 19}, 1},   // Sunday
                                           DowCase{{2026, 12, 8}, 3},   // Tuesday
                                           DowCase{{2004, 3, 7}, 1},    // Sunday
                                           DowCase{{2028, 2, 29}, 3}),  // Tuesday
                         [](const ::testing::TestParamInfo<DowCase>& info) {
                           return ::kirv::testing::CaseName(
                               {::kirv::FormatDateTime(info.param.date, "yyyy-mm-dd")});
                         });

TEST(Calendar, DayNumbersCountFromTheThirtiethOfDecember1899) {
  EXPECT_EQ(DayNumber(1899, 12, 30), 0);
  EXPECT_EQ(DayNumber(1900, 1, 1), 2);
  EXPECT_EQ(DayNumber(2000, 1, 1), 36526);
  EXPECT_EQ(FromDayNumber(36526), (DateTime{2000, 1, 1}));
}

TEST(Calendar, AddDaysCrossesMonthsAndYearsBothWays) {
  EXPECT_EQ(AddDays({2004, 3, 7, 13, 5, 9, 0}, 1), (DateTime{2004, 3, 8, 13, 5, 9, 0}));
  EXPECT_EQ(AddDays({2024, 2, 28, 0, 0, 0, 0}, 1), (DateTime{2024, 2, 29}));
  EXPECT_EQ(AddDays({2026, 12, 31}, 1), (DateTime{2027, 1, 1}));
  EXPECT_EQ(AddDays({2026, 3, 1}, -1), (DateTime{2026, 2, 28}));
  EXPECT_EQ(AddDays({2028, 2, 28}, 1), (DateTime{2028, 2, 29}));
  EXPECT_EQ(AddDays({2100, 2, 28}, 1), (DateTime{2100, 3, 1}));
}

TEST(Calendar, MinutesBetweenIsWholeAndUnsigned) {
  const DateTime a{2026, 4, 20, 10, 0, 0, 0};
  EXPECT_EQ(MinutesBetween(a, {2026, 4, 20, 9, 55, 0, 0}), 5);
  EXPECT_EQ(MinutesBetween({2026, 4, 20, 9, 55, 0, 0}, a), 5);
  EXPECT_EQ(MinutesBetween(a, {2026, 4, 20, 9, 55, 0, 1}), 4);
  EXPECT_EQ(MinutesBetween(a, {2026, 4, 19, 10, 0, 0, 0}), 1440);
}

TEST(Calendar, ValidatesGregorianDatesAndTimes) {
  EXPECT_TRUE(IsValidDate(2028, 2, 29));
  EXPECT_FALSE(IsValidDate(2026, 2, 29));
  EXPECT_FALSE(IsValidDate(2026, 4, 31));
  EXPECT_FALSE(IsValidDate(2026, 0, 1));
  EXPECT_FALSE(IsValidDate(0, 1, 1));
  EXPECT_TRUE(IsValidTime(23, 59, 59));
  EXPECT_FALSE(IsValidTime(24, 0, 0));
  EXPECT_FALSE(IsValidTime(0, 60, 0));
}

TEST(Calendar, SerialValuesCarryTheTimeAsTheFraction) {
  EXPECT_DOUBLE_EQ(ToSerial({1899, 12, 30, 12, 0, 0, 0}), 0.5);
  EXPECT_DOUBLE_EQ(ToSerial({2000, 1, 1, 6, 0, 0, 0}), 36526.25);
}

TEST(Calendar, FormatsFromAnExplicitPattern) {
  const DateTime t{2026, 4, 7, 9, 5, 3, 42};
  EXPECT_EQ(FormatDateTime(t, "dd/mm/yyyy hh:nn:ss"), "07/04/2026 09:05:03");
  EXPECT_EQ(FormatDateTime(t, "yyyy-mm-dd hh;nn;ss"), "2026-04-07 09;05;03");
  EXPECT_EQ(FormatDateTime(t, "ss.zzz"), "03.042");
}

}  // namespace
}  // namespace kirv
