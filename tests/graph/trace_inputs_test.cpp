#include "graph/trace_inputs.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace kirv {
namespace {

TEST(TraceInputs, TheUnitFactorIsOneForOctetsAndEightForBits) {
  TraceInputs in;
  EXPECT_EQ(in.UnitFactor(), 8);
  in.octets = true;
  EXPECT_EQ(in.UnitFactor(), 1);
}

TEST(TraceInputs, BoundedKeepsValuesWithinTheirControls) {
  TraceInputs in;
  in.period = 9;
  in.columnSpan = 0;
  in.fullScale = 0;
  in.graduations = 0;
  in.width = 5000;
  in.height = -3;
  in.now = {2026, 4, 20, 25, 61, 99};
  const TraceInputs b = Bounded(in);
  EXPECT_EQ(b.period, kYear);
  EXPECT_EQ(b.columnSpan, 300);
  EXPECT_EQ(b.fullScale, 1);
  EXPECT_EQ(b.graduations, 1);
  EXPECT_EQ(b.width, 1023);
  EXPECT_EQ(b.height, 0);
  EXPECT_EQ(b.now.hour, 23);
  EXPECT_EQ(b.now.minute, 59);
  EXPECT_EQ(b.now.second, 59);
  in.fullScale = 1LL << 40;
  in.graduations = 5000;
  in.width = 0;
  EXPECT_EQ(Bounded(in).fullScale, 2147483647);
  EXPECT_EQ(Bounded(in).graduations, 999);
  EXPECT_EQ(Bounded(in).width, 1);
}

struct DateCase {
  DateTime given;
  DateTime bounded;
};

class BoundedReferenceDate : public ::testing::TestWithParam<DateCase> {};

TEST_P(BoundedReferenceDate, IsAValidDate) {
  TraceInputs in;
  in.referenceDate = GetParam().given;
  const DateTime d = Bounded(in).referenceDate;
  EXPECT_EQ(d.year, GetParam().bounded.year);
  EXPECT_EQ(d.month, GetParam().bounded.month);
  EXPECT_EQ(d.day, GetParam().bounded.day);
}

INSTANTIATE_TEST_SUITE_P(Dates, BoundedReferenceDate,
                         ::testing::Values(DateCase{{2026, 4, 20}, {2026, 4, 20}},
                                           DateCase{{2026, 4, 31}, {2026, 4, 30}},
                                           DateCase{{2026, 2, 30}, {2026, 2, 28}},
                                           DateCase{{2028, 2, 30}, {2028, 2, 29}},
                                           DateCase{{2026, 13, 0}, {2026, 12, 1}},
                                           DateCase{{0, 0, 1000000}, {1, 1, 31}}),
                         [](const ::testing::TestParamInfo<DateCase>& info) {
                           return ::kirv::testing::CaseName({std::to_string(info.param.given.year),
                                                             std::to_string(info.param.given.month),
                                                             std::to_string(info.param.given.day)});
                         });

}  // namespace
}  // namespace kirv
