#include "graph/slot_age.h"

#include <gtest/gtest.h>

namespace kirv {
namespace {

struct DaysCase {
  DateTime from;
  DateTime to;
  std::int64_t days;
};

class ArchiveCalendarDays : public ::testing::TestWithParam<DaysCase> {};

TEST_P(ArchiveCalendarDays, CountTheMonthsWithTheFixedLeapYearList) {
  const DaysCase& c = GetParam();
  EXPECT_EQ(CalendarDay(c.to.year, c.to.month, c.to.day) -
                CalendarDay(c.from.year, c.from.month, c.from.day),
            c.days);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, ArchiveCalendarDays,
    ::testing::Values(
        DaysCase{{2026, 2, 1}, {2026, 4, 20}, 78}, DaysCase{{2026, 4, 19}, {2026, 4, 20}, 1},
        DaysCase{{2025, 12, 31}, {2026, 1, 1}, 1}, DaysCase{{2024, 2, 28}, {2024, 3, 1}, 2},
        DaysCase{{2028, 2, 28}, {2028, 3, 1}, 1},  // 2028 is not on the list
        DaysCase{{1996, 2, 28}, {1996, 3, 1}, 1},  // nor is 1996
        DaysCase{{2000, 2, 28}, {2000, 3, 1}, 2}, DaysCase{{2026, 1, 1}, {2027, 1, 1}, 365},
        DaysCase{{2024, 1, 1}, {2025, 1, 1}, 366},
        DaysCase{{2000, 1, 1}, {2030, 1, 1}, 30 * 365 + 7}));

struct AgeCase {
  DateTime record;
  DateTime reference;
  std::int64_t slots;
};

class SlotAgeOfARecord : public ::testing::TestWithParam<AgeCase> {};

TEST_P(SlotAgeOfARecord, CountsWholeSlotsFromTheRecordsSlotToTheReference) {
  SlotAge age(GetParam().reference);
  EXPECT_EQ(age.Of(GetParam().record), GetParam().slots);
}

INSTANTIATE_TEST_SUITE_P(
    Records, SlotAgeOfARecord,
    ::testing::Values(AgeCase{{2026, 4, 20, 10, 0, 0}, {2026, 4, 20, 10, 0}, 0},
                      AgeCase{{2026, 4, 20, 9, 55, 0}, {2026, 4, 20, 10, 0}, 1},
                      // the record's minute is floored to its slot, the reference's is not
                      AgeCase{{2026, 4, 20, 10, 4, 59}, {2026, 4, 20, 10, 9}, 1},
                      AgeCase{{2026, 4, 20, 10, 5, 0}, {2026, 4, 20, 10, 9}, 0},
                      AgeCase{{2026, 4, 19, 10, 0, 0}, {2026, 4, 20, 10, 0}, 288},
                      AgeCase{{2026, 2, 1, 0, 0, 0}, {2026, 4, 20, 10, 0}, 78 * 288 + 120},
                      // after the reference instant: the reference slot, never negative
                      AgeCase{{2026, 4, 20, 11, 0, 0}, {2026, 4, 20, 10, 0}, 0}));

TEST(SlotAgeOfARecord, KeepsCountingRightAfterTheDateChanges) {
  SlotAge age({2026, 4, 20, 10, 0});
  EXPECT_EQ(age.Of({2026, 4, 20, 0, 0, 0}), 120);
  EXPECT_EQ(age.Of({2026, 4, 19, 23, 55, 0}), 121);
  EXPECT_EQ(age.Of({2026, 3, 19, 23, 55, 0}), 31 * 288 + 121);
  EXPECT_EQ(age.Of({2026, 3, 19, 0, 0, 0}), 32 * 288 + 120);
}

}  // namespace
}  // namespace kirv
