#include "common/number_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "case_name.h"

namespace kirv {
namespace {

struct GeneralCase {
  double value;
  char separator;
  const char* text;
};

class FormatGeneralTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralTest, WritesFifteenSignificantDigitsWithoutTrailingZeros) {
  const GeneralCase& c = GetParam();
  EXPECT_EQ(FormatGeneral(c.value, NumberFormat{c.separator}), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGeneralTest,
    ::testing::Values(GeneralCase{0.0, ',', "0"}, GeneralCase{146.48, ',', "146,48"},
                      GeneralCase{1171.87, '.', "1171.87"}, GeneralCase{-3.5, ',', "-3,5"},
                      GeneralCase{1.0, ',', "1"}, GeneralCase{100.0, ',', "100"},
                      GeneralCase{0.01, ',', "0,01"}, GeneralCase{0.1 + 0.2, '.', "0.3"},
                      GeneralCase{123456789012345.0, '.', "123456789012345"},
                      GeneralCase{1e15, '.', "1E15"}, GeneralCase{1.5e20, ',', "1,5E20"},
                      GeneralCase{0.00001, '.', "0.00001"}, GeneralCase{0.000001, '.', "1E-6"},
                      GeneralCase{2147483647.0, '.', "2147483647"},
                      GeneralCase{3074457345618258602.0, '.', "3.07445734561826E18"},
                      GeneralCase{9223372036854775807.0, ',', "9,22337203685478E18"},
                      GeneralCase{0.125, '.', "0.125"}, GeneralCase{2.5e-300, '.', "2.5E-300"},
                      GeneralCase{1.7976931348623157e308, '.', "1.79769313486232E308"},
                      GeneralCase{99999999999999990.0, ',', "1E17"},
                      GeneralCase{0.000099999999999999995, '.', "0.0001"}),
    [](const ::testing::TestParamInfo<GeneralCase>& info) {
      return ::kirv::testing::SpelledName(info.param.text);
    });

// printf's "%.15G" rounding over values spread across the whole range, ties of short binary
// fractions included.
TEST(FormatGeneral, RoundsAsPrintfDoes) {
  std::mt19937_64 random(20261208);
  for (int i = 0; i < 20000; ++i) {
    const double value = i % 2 == 0 ? std::ldexp(static_cast<double>(random() >> 11), -(i % 80))
                                    : std::bit_cast<double>(random() & 0x7fefffffffffffffULL);
    // Below 1E-4 printf turns to the exponent form one decade sooner than the number format.
    if (value == 0.0 || (value >= 1e-5 && value < 1e-4)) continue;
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.15G", value);
    std::string expected(printed);
    if (const auto e = expected.find('E'); e != std::string::npos) {
      // printf writes "E+18" and "E-06" where the number format writes "E18" and "E-6".
      const int exponent = std::stoi(expected.substr(e + 1));
      expected = expected.substr(0, e) + "E" + std::to_string(exponent);
    }
    ASSERT_EQ(FormatGeneral(value, NumberFormat{'.'}), expected) << std::hexfloat << value;
  }
}

TEST(CutTwoDecimals, CutsInsteadOfRounding) {
  EXPECT_DOUBLE_EQ(CutTwoDecimals(150000.0, 1024.0), 146.48);    // 146.484375
  EXPECT_DOUBLE_EQ(CutTwoDecimals(1200000.0, 1024.0), 1171.87);  // 1171.875
  EXPECT_DOUBLE_EQ(CutTwoDecimals(600.0, 1048576.0), 0.0);
  EXPECT_DOUBLE_EQ(CutTwoDecimals(-1.0, 1024.0), -0.01);  // floor goes down for negatives
}

TEST(CutTwoDecimals, FormatsTheDesignFigures) {
  const NumberFormat comma{','};
  EXPECT_EQ(FormatGeneral(CutTwoDecimals(150000.0, 1024.0), comma), "146,48");
  EXPECT_EQ(FormatGeneral(CutTwoDecimals(6348800.0, 1048576.0), comma), "6,05");
}

struct StepCase {
  double a;
  double b;
  int step;
};

class UnitStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(UnitStepTest, PassesOnlyStrictlyAboveEachThreshold) {
  EXPECT_EQ(UnitStepAbove(GetParam().a, GetParam().b), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, UnitStepTest,
                         ::testing::Values(StepCase{0, 0, 0}, StepCase{1024, 1024, 0},
                                           StepCase{1025, 0, 1}, StepCase{0, 1025, 1},
                                           StepCase{1048576, 0, 1}, StepCase{1048577, 0, 2},
                                           StepCase{1073741824, 5, 2}, StepCase{5, 1073741825, 3}),
                         [](const ::testing::TestParamInfo<StepCase>& info) {
                           return ::kirv::testing::CaseName(
                               {std::to_string(static_cast<std::int64_t>(info.param.a)),
                                std::to_string(static_cast<std::int64_t>(info.param.b))});
                         });

TEST(UnitStepAbove, StopsAtTheLargestStepAsked) { EXPECT_EQ(UnitStepAbove(1e12, 0, 2), 2); }

}  // namespace
}  // namespace kirv
