#include "meter/label_fit.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace kirv {
namespace {

// A font whose text is 10 pixels wide and 2 high per point, like a long speed text.
TextSize Proportional(int size) { return {10 * size, 2 * size}; }

struct FitCase {
  int start;
  int barWidth;
  int barHeight;
  int fitted;
};

class FittedFontSizeTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FittedFontSizeTest, EndsAtTheLargestSizeWithinTheBar) {
  const FitCase c = GetParam();
  EXPECT_EQ(FittedFontSize(c.start, c.barWidth, c.barHeight, Proportional), c.fitted);
}

INSTANTIATE_TEST_SUITE_P(Bars, FittedFontSizeTest,
                         ::testing::Values(FitCase{10, 202, 100, 20},  // width bound: 200 ≤ 202 − 2
                                           FitCase{30, 202, 100, 20},  // shrinks from above
                                           FitCase{10, 1000, 22, 10},  // height bound: 20 ≤ 22 − 2
                                           FitCase{5, 1000, 22, 10},    // grows from below
                                           FitCase{20, 201, 100, 19}),  // 200 > 201 − 2
                         [](const ::testing::TestParamInfo<FitCase>& info) {
                           return ::kirv::testing::CaseName(
                               {"From", std::to_string(info.param.start), "In",
                                std::to_string(info.param.barWidth), "x",
                                std::to_string(info.param.barHeight)});
                         });

TEST(FittedFontSize, StopsAtTheSmallestSizeInABarTooSmallForAnyText) {
  EXPECT_EQ(FittedFontSize(10, 2, 2, Proportional), kSmallestFontSize);
}

TEST(FittedFontSize, StopsAtTheLargestSizeWhenTheTextNeverGrows) {
  int measures = 0;
  auto fixed = [&measures](int) {
    ++measures;
    return TextSize{5, 5};
  };
  EXPECT_EQ(FittedFontSize(10, 1000, 100, fixed), kLargestFontSize);
  EXPECT_LT(measures, 2 * kLargestFontSize);
}

TEST(FittedFontSize, BringsAStartingSizeOutsideTheBoundsWithinThem) {
  EXPECT_EQ(FittedFontSize(-3, 2, 2, Proportional), kSmallestFontSize);
}

}  // namespace
}  // namespace kirv
