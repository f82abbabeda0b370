#include "platform/plan_alert_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace kirv {
namespace {

namespace fs = std::filesystem;

TEST(PlanAlertFile, KeepsWhatWasSentAcrossARestartAndArmsEverythingWithoutAFile) {
  const testing::TempFolder folder("kirv-state");
  const std::string pattern = folder.Path().string();
  const std::string path = pattern + "/KIRV/plan-alerts";  // its folder is made
  EXPECT_EQ(ReadPlanAlertState(path), PlanAlertState{});
  for (const PlanAlertState& state :
       {PlanAlertState{"1000;0;1", "2026-12-01", PlanAlert::kEstimate},
        PlanAlertState{"1000;0;2", "2026-12-02", std::nullopt}}) {
    ASSERT_TRUE(WritePlanAlertState(path, state));
    EXPECT_EQ(ReadPlanAlertState(path), state);
  }
}

TEST(PlanAlertFile, LivesInTheStateFolderOnlyWhenItIsAbsolute) {
  setenv("XDG_STATE_HOME", "/st", 1);
  EXPECT_EQ(PlanAlertFilePath(), "/st/KIRV/plan-alerts");
  setenv("XDG_STATE_HOME", "rel", 1);
  const char* home = std::getenv("HOME");
  const std::string previousHome = home != nullptr ? home : "";
  setenv("HOME", "/h", 1);
  EXPECT_EQ(PlanAlertFilePath(), "/h/.local/state/KIRV/plan-alerts");
  setenv("HOME", previousHome.c_str(), 1);
  unsetenv("XDG_STATE_HOME");
}

}  // namespace
}  // namespace kirv
