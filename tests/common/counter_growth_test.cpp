#include "common/counter_growth.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "case_name.h"

namespace kirv {
namespace {

struct GrowthCase {
  const char* name;
  std::uint64_t before;
  std::uint64_t after;
  std::uint64_t meter;  // at a limit of 1000
  std::uint64_t logger;
};

constexpr std::uint64_t kTop = UINT64_MAX;

class CounterGrowthTest : public ::testing::TestWithParam<GrowthCase> {};

// The two rules side by side: they agree on a counter that grew, and part on one that fell back.
TEST_P(CounterGrowthTest, MeterCountsNothingOfAFallenCounterWhileTheLoggerCountsItsWholeValue) {
  const GrowthCase& c = GetParam();
  EXPECT_EQ(MeterGrowth(c.before, c.after, 1000), c.meter);
  EXPECT_EQ(LoggerGrowth(c.before, c.after), c.logger);
}

INSTANTIATE_TEST_SUITE_P(Counters, CounterGrowthTest,
                         ::testing::Values(GrowthCase{"Unchanged", 500, 500, 0, 0},
                                           GrowthCase{"Grew", 500, 1200, 700, 700},
                                           GrowthCase{"GrewByTheLimit", 0, 1000, 1000, 1000},
                                           GrowthCase{"GrewPastTheLimit", 0, 1001, 0, 1001},
                                           GrowthCase{"FellBackAfterAReset", 5000, 300, 0, 300},
                                           GrowthCase{"FellBackToZero", 5000, 0, 0, 0},
                                           GrowthCase{"GrewToTheTop", kTop - 10, kTop, 10, 10}),
                         [](const ::testing::TestParamInfo<GrowthCase>& info) {
                           return testing::CaseName({info.param.name});
                         });

}  // namespace
}  // namespace kirv
