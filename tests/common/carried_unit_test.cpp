#include "common/carried_unit.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace kirv {
namespace {

constexpr UnitTexts kGrid = {" Ko", " Mo", " Go"};
constexpr UnitTexts kLabel = {"Ko", "Mo", "Go"};
const NumberFormat kComma{','};

struct ChoiceCase {
  double a;
  double b;
  const char* text;
  double divisor;
};

class CarriedUnitChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(CarriedUnitChoiceTest, TakesTheHighestStepEitherValueStrictlyExceeds) {
  const ChoiceCase& c = GetParam();
  CarriedUnit unit(" octets", kComma);
  unit.Choose(c.a, c.b, kLabel);
  EXPECT_EQ(unit.Text(), c.text);
  EXPECT_EQ(unit.Divisor(), c.divisor);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CarriedUnitChoiceTest,
    ::testing::Values(ChoiceCase{0, 0, " octets", 1.0}, ChoiceCase{1024, 1024, " octets", 1.0},
                      ChoiceCase{1025, 0, "Ko", 1024.0}, ChoiceCase{0, 1025, "Ko", 1024.0},
                      ChoiceCase{1048576, 1048576, "Ko", 1024.0},
                      ChoiceCase{1048577, 3, "Mo", 1048576.0},
                      ChoiceCase{5, 1073741825, "Go", 1073741824.0}),
    [](const ::testing::TestParamInfo<ChoiceCase>& info) {
      return ::kirv::testing::CaseName({std::to_string(static_cast<std::int64_t>(info.param.a)),
                                        std::to_string(static_cast<std::int64_t>(info.param.b))});
    });

TEST(CarriedUnit, AGroupAtMost1024KeepsTheUnitAndTextOfTheGroupBefore) {
  CarriedUnit unit(" octets", kComma);
  unit.Choose(5000000, 0, kGrid);
  unit.Choose(600, 300, kLabel);
  EXPECT_EQ(unit.Text(), " Mo");
  EXPECT_EQ(unit.Format(600), "0 Mo");
}

TEST(CarriedUnit, AGroupAbove1024SetsItsOwnUnitEvenWhenSmallerThanTheOneBefore) {
  CarriedUnit unit("o", kComma);
  unit.Choose(5000000, 0, kGrid);
  unit.Choose(2048, 0, kLabel);
  EXPECT_EQ(unit.Format(2048), "2Ko");
}

TEST(CarriedUnit, WritesTheFigureCutToTwoDecimalsWithTheUnitRightAfter) {
  CarriedUnit unit("o", kComma);
  EXPECT_EQ(unit.Format(800), "800o");
  unit.Choose(12800, 0, kLabel);
  EXPECT_EQ(unit.Format(12800), "12,5Ko");
  EXPECT_EQ(unit.Format(2047.99), "1,99Ko");  // cut, not rounded
}

}  // namespace
}  // namespace kirv
