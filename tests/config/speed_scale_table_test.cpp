#include "config/speed_scale_table.h"

#include <gtest/gtest.h>

#include <string>

namespace kirv {
namespace {

TEST(SpeedScaleTable, LineRatesAreKilobitsOf1024InOctetsPerSecond) {
  // kilobits of 1024 bits
  constexpr std::int64_t kKilobits[] = {64, 128, 512, 1024, 10 * 1024, 100 * 1024, 1024 * 1024};
  for (std::size_t i = 0; i < std::size(kKilobits); ++i) {
    EXPECT_EQ(kSpeedScales[i].fullScale, kKilobits[i] * 1024 / 8) << kSpeedScales[i].text;
    EXPECT_FALSE(kSpeedScales[i].editable) << kSpeedScales[i].text;
  }
}

TEST(SpeedScaleTable, ListsTheNineItemsInTheirOrder) {
  const char* const kTexts[] = {
      "64kbps (RTC, RNIS)",       "128kbps (RNIS double)", "512kbps (ADSL, cable)",
      "1024kbps (ADSL, cable)",   "10mbps (Ethernet)",     "100mbps (Fast Ethernet)",
      "1gbps (Gigabit Ethernet)", "Automatique",           "Manuel"};
  ASSERT_EQ(kSpeedScales.size(), std::size(kTexts));
  for (std::size_t i = 0; i < kSpeedScales.size(); ++i) {
    EXPECT_EQ(std::string(kSpeedScales[i].text), kTexts[i]);
  }
}

TEST(SpeedScaleTable, OnlyManuelLeavesTheSpinEditToTheUser) {
  EXPECT_EQ(std::string(kSpeedScales[kAutomaticScaleItem].text), "Automatique");
  EXPECT_EQ(kSpeedScales[kAutomaticScaleItem].fullScale, 0);
  EXPECT_FALSE(kSpeedScales[kAutomaticScaleItem].editable);
  EXPECT_EQ(std::string(kSpeedScales[kManualScaleItem].text), "Manuel");
  EXPECT_EQ(kSpeedScales[kManualScaleItem].fullScale, 0);
  EXPECT_TRUE(kSpeedScales[kManualScaleItem].editable);
}

}  // namespace
}  // namespace kirv
