#include "config/speed_scale.h"

#include <gtest/gtest.h>

#include <string>

namespace kirv {
namespace {

TEST(SpeedScale, ListsTheNineItemsInOrder) {
  const char* expected[] = {
      "64kbps (RTC, RNIS)",       "128kbps (RNIS double)", "512kbps (ADSL, cable)",
      "1024kbps (ADSL, cable)",   "10mbps (Ethernet)",     "100mbps (Fast Ethernet)",
      "1gbps (Gigabit Ethernet)", "Automatique",           "Manuel"};
  ASSERT_EQ(kSpeedScaleItems.size(), std::size(expected));
  for (std::size_t i = 0; i < kSpeedScaleItems.size(); ++i) {
    EXPECT_EQ(std::string(kSpeedScaleItems[i].text), expected[i]) << i;
  }
}

TEST(SpeedScale, EachFixedFullScaleIsTheBitRateInKiloOf1024OverEight) {
  const long long kilobits[] = {64, 128, 512, 1024, 10 * 1024, 100 * 1024, 1024 * 1024};
  for (std::size_t i = 0; i < std::size(kilobits); ++i) {
    EXPECT_EQ(kSpeedScaleItems[i].fullScale, kilobits[i] * 1024 / 8) << i;
    EXPECT_FALSE(kSpeedScaleItems[i].typed) << i;
  }
}

TEST(SpeedScale, OnlyManualLetsTheUserTypeTheValue) {
  EXPECT_EQ(std::string(kSpeedScaleItems[kAutomaticScale].text), "Automatique");
  EXPECT_FALSE(kSpeedScaleItems[kAutomaticScale].typed);
  EXPECT_EQ(std::string(kSpeedScaleItems[kManualScale].text), "Manuel");
  EXPECT_TRUE(kSpeedScaleItems[kManualScale].typed);
  EXPECT_EQ(kSpeedScaleItems[kAutomaticScale].fullScale, 0);
  EXPECT_EQ(kSpeedScaleItems[kManualScale].fullScale, 0);
}

}  // namespace
}  // namespace kirv
