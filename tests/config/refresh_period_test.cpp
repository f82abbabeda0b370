#include "config/refresh_period.h"

#include <gtest/gtest.h>

namespace kirv {
namespace {

TEST(RefreshPeriod, IsFiftyMillisecondsPerTrackbarStep) {
  EXPECT_EQ(RefreshPeriodMs(1), 50);
  EXPECT_EQ(RefreshPeriodMs(20), 1000);
  EXPECT_EQ(RefreshPeriodMs(40), 2000);
}

TEST(RefreshPeriod, TextIsTheMillisecondsFollowedByMs) {
  EXPECT_EQ(RefreshPeriodText(1), "50ms");
  EXPECT_EQ(RefreshPeriodText(20), "1000ms");
  EXPECT_EQ(RefreshPeriodText(40), "2000ms");
}

}  // namespace
}  // namespace kirv
