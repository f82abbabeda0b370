#include "config/refresh_period.h"

#include <gtest/gtest.h>

#include <climits>

namespace kirv {
namespace {

TEST(RefreshPeriod, IsFiftyMillisecondsPerTrackbarStep) {
  EXPECT_EQ(RefreshPeriodMs(1), 50);
  EXPECT_EQ(RefreshPeriodMs(20), 1000);
  EXPECT_EQ(RefreshPeriodMs(40), 2000);
}

TEST(RefreshPeriod, PositionOutsideTheBarIsTakenAsTheNearerBound) {
  EXPECT_EQ(RefreshPeriodMs(0), 50);
  EXPECT_EQ(RefreshPeriodMs(INT_MIN), 50);
  EXPECT_EQ(RefreshPeriodMs(41), 2000);
  EXPECT_EQ(RefreshPeriodMs(INT_MAX), 2000);
  EXPECT_EQ(RefreshPeriodText(INT_MAX), "2000ms");
}

TEST(RefreshPeriod, TextIsTheMillisecondsFollowedByMs) {
  EXPECT_EQ(RefreshPeriodText(1), "50ms");
  EXPECT_EQ(RefreshPeriodText(20), "1000ms");
  EXPECT_EQ(RefreshPeriodText(40), "2000ms");
}

}  // namespace
}  // namespace kirv
