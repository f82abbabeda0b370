#include "graph/slot_age.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace kirv {
namespace {

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
                      // 23:55 on a leap day seen eight minutes later, on 1 March
                      AgeCase{{2028, 2, 29, 23, 55, 0}, {2028, 3, 1, 0, 3}, 1},
                      AgeCase{{2400, 2, 29, 23, 55, 0}, {2400, 3, 1, 0, 3}, 1},
                      AgeCase{{2100, 2, 28, 23, 55, 0}, {2100, 3, 1, 0, 3}, 1},
                      AgeCase{{2028, 2, 28, 23, 55, 0}, {2028, 3, 1, 0, 3}, 289},
                      // after the reference instant: the reference slot, never negative
                      AgeCase{{2026, 4, 20, 11, 0, 0}, {2026, 4, 20, 10, 0}, 0}),
    [](const ::testing::TestParamInfo<AgeCase>& info) {
      return ::kirv::testing::CaseName(
          {::kirv::FormatDateTime(info.param.record, "yyyy-mm-dd hh:nn:ss"), "At",
           ::kirv::FormatDateTime(info.param.reference, "yyyy-mm-dd hh:nn")});
    });

TEST(SlotAgeOfARecord, KeepsCountingRightAfterTheDateChanges) {
  SlotAge age({2026, 4, 20, 10, 0});
  EXPECT_EQ(age.Of({2026, 4, 20, 0, 0, 0}), 120);
  EXPECT_EQ(age.Of({2026, 4, 19, 23, 55, 0}), 121);
  EXPECT_EQ(age.Of({2026, 3, 19, 23, 55, 0}), 31 * 288 + 121);
  EXPECT_EQ(age.Of({2026, 3, 19, 0, 0, 0}), 32 * 288 + 120);
}

}  // namespace
}  // namespace kirv
