#include "plan/plan_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kirv {
namespace {

struct SizeCase {
  const char* name;
  std::string text;
  std::optional<std::uint64_t> octets;
};

class PlanSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PlanSizeTest, ReadsTheProgramsUnitsAndTheProvidersUnits) {
  EXPECT_EQ(ParsePlanSize(GetParam().text), GetParam().octets);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PlanSizeTest,
    ::testing::Values(SizeCase{"PlainOctets", "1500", 1500}, SizeCase{"Kilo", "2K", 2048},
                      SizeCase{"GigaOf1024", "30G", 32212254720},
                      SizeCase{"GigaOf1000", "30GB", 30000000000},
                      SizeCase{"TeraOf1000LowerCase", "1tb", 1000000000000},
                      SizeCase{"HalfAGigaWithAComma", "1,5 G", 1610612736},
                      SizeCase{"FractionOfAnOctetDropped", "1.5", 1},
                      SizeCase{"LargestCount", "9223372036854775807", 9223372036854775807},
                      SizeCase{"BeyondTheLargestCount", "9223372036854775808", std::nullopt},
                      SizeCase{"TooManyTera", "8388608T", std::nullopt},
                      SizeCase{"Zero", "0G", std::nullopt}, SizeCase{"NoNumber", "G", std::nullopt},
                      SizeCase{"Negative", "-5G", std::nullopt},
                      SizeCase{"UnknownUnit", "5Go", std::nullopt}),
    [](const ::testing::TestParamInfo<SizeCase>& info) { return info.param.name; });

TEST(PlanOfControls, TakesTheSettingsValuesAndSplitsTheInterfaces) {
  const PlanControls every{true, "1000", 2, 1, 28, "10/01/2026", 2, 90, " eth0  wlan0"};
  const std::optional<DataPlan> plan = PlanOfControls(every);
  ASSERT_TRUE(plan.has_value());
  EXPECT_EQ(plan->limit, 1000u);
  EXPECT_EQ(plan->period.kind, PlanPeriodKind::kEveryDays);
  EXPECT_EQ(plan->period.everyDays, 28);
  EXPECT_EQ(plan->period.firstDay, (DateTime{2026, 1, 10}));
  EXPECT_EQ(plan->count, PlanCount::kSent);
  EXPECT_EQ(plan->warning, 90);
  EXPECT_EQ(plan->interfaces, (std::vector<std::string>{"eth0", "wlan0"}));
  PlanControls withoutFirstDay = every;
  withoutFirstDay.firstDay.clear();
  EXPECT_FALSE(PlanOfControls(withoutFirstDay).has_value());
}

}  // namespace
}  // namespace kirv
