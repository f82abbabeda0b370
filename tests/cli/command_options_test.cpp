// The option values of the commands: what parses, to what, and what is refused.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "cli/cli_common.h"
#include "cli/graph_options.h"
#include "graph/period_table.h"

namespace kirv {
namespace {

template <typename T>
std::string Name(const ::testing::TestParamInfo<T>& info) {
  return info.param.name;
}

struct DateCase {
  const char* name;
  const char* text;
  std::optional<DateTime> date;
};

class DateOptionTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateOptionTest, ParsesValidDatesOnly) {
  EXPECT_EQ(ParseDate(QString::fromUtf8(GetParam().text)), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateOptionTest,
    ::testing::Values(DateCase{"TwoDigitFields", "07/03/2004", DateTime{2004, 3, 7}},
                      DateCase{"OneDigitFields", "7/3/2004", DateTime{2004, 3, 7}},
                      DateCase{"LeapDay", "29/02/2024", DateTime{2024, 2, 29}},
                      DateCase{"NoLeapDay", "29/02/2026", std::nullopt},
                      DateCase{"MonthThirteen", "01/13/2026", std::nullopt},
                      DateCase{"DayZero", "00/01/2026", std::nullopt},
                      DateCase{"IsoOrder", "2026-04-20", std::nullopt},
                      DateCase{"TwoDigitYear", "20/04/26", std::nullopt},
                      DateCase{"Trailing", "20/04/2026x", std::nullopt},
                      DateCase{"Empty", "", std::nullopt}),
    Name<DateCase>);

struct InstantCase {
  const char* name;
  const char* text;
  std::optional<DateTime> instant;
};

class InstantOptionTest : public ::testing::TestWithParam<InstantCase> {};

TEST_P(InstantOptionTest, ParsesADateAndATimeOfDay) {
  EXPECT_EQ(ParseDateTime(QString::fromUtf8(GetParam().text)), GetParam().instant);
}

INSTANTIATE_TEST_SUITE_P(
    Instants, InstantOptionTest,
    ::testing::Values(InstantCase{"Morning", "20/04/2026 09:05", DateTime{2026, 4, 20, 9, 5}},
                      InstantCase{"OneDigitHour", "20/04/2026 9:05", DateTime{2026, 4, 20, 9, 5}},
                      InstantCase{"LastMinute", "31/12/2026 23:59", DateTime{2026, 12, 31, 23, 59}},
                      InstantCase{"Hour24", "20/04/2026 24:00", std::nullopt},
                      InstantCase{"Minute60", "20/04/2026 10:60", std::nullopt},
                      InstantCase{"NoTime", "20/04/2026", std::nullopt},
                      InstantCase{"Seconds", "20/04/2026 10:00:00", std::nullopt}),
    Name<InstantCase>);

struct PeriodCase {
  const char* name;
  const char* text;
  std::optional<int> period;
};

class PeriodOptionTest : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(PeriodOptionTest, NamesTheGraphsPeriods) {
  EXPECT_EQ(ParsePeriod(QString::fromUtf8(GetParam().text)), GetParam().period);
}

INSTANTIATE_TEST_SUITE_P(Periods, PeriodOptionTest,
                         ::testing::Values(PeriodCase{"Day", "day", kDay},
                                           PeriodCase{"Week", "week", kWeek},
                                           PeriodCase{"Month", "month", kMonth},
                                           PeriodCase{"YearInCapitals", "YEAR", kYear},
                                           PeriodCase{"French", "jour", std::nullopt},
                                           PeriodCase{"Empty", "", std::nullopt}),
                         Name<PeriodCase>);

struct ScaleCase {
  const char* name;
  const char* text;
  std::optional<ScaleChoice> scale;
};

class ScaleOptionTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleOptionTest, GivesTheFullScaleOfTheChoice) {
  EXPECT_EQ(ParseScale(QString::fromUtf8(GetParam().text)), GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, ScaleOptionTest,
    ::testing::Values(
        ScaleCase{"Automatic", "auto", ScaleChoice{true, 0}},
        ScaleCase{"Manual", "manual:5000", ScaleChoice{false, 5000}},
        ScaleCase{"ManualLargest", "manual:2147483647", ScaleChoice{false, 2147483647}},
        ScaleCase{"ManualZero", "manual:0", std::nullopt},
        ScaleCase{"ManualTooLarge", "manual:2147483648", std::nullopt},
        ScaleCase{"ManualNotANumber", "manual:fast", std::nullopt},
        ScaleCase{"FirstItemByIndex", "0", ScaleChoice{false, 8192}},
        ScaleCase{"GigabitByIndex", "6", ScaleChoice{false, 134217728}},
        ScaleCase{"AutomaticItemIndexRefused", "7", std::nullopt},
        ScaleCase{"ItemByFirstWord", "1024kbps", ScaleChoice{false, 131072}},
        ScaleCase{"ItemByWholeText", "10mbps (Ethernet)", ScaleChoice{false, 1310720}},
        ScaleCase{"Unknown", "56kbps", std::nullopt}),
    Name<ScaleCase>);

struct WidthCase {
  const char* name;
  const char* text;
  std::optional<int> width;
};

class WidthOptionTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(WidthOptionTest, KeepsWithinTheColumnTable) {
  EXPECT_EQ(ParseWidth(QString::fromUtf8(GetParam().text)), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Widths, WidthOptionTest,
                         ::testing::Values(WidthCase{"Design", "600", 600},
                                           WidthCase{"Narrowest", "1", 1},
                                           WidthCase{"Widest", "1023", 1023},
                                           WidthCase{"TooWide", "1024", std::nullopt},
                                           WidthCase{"Zero", "0", std::nullopt},
                                           WidthCase{"Negative", "-5", std::nullopt}),
                         Name<WidthCase>);

}  // namespace
}  // namespace kirv
