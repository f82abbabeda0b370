// The real "kirv plan" as cron runs it: its --alert statuses, and its JSON object.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/temp_directory.h"
#include "support/program_process.h"

namespace kirv {
namespace {

struct AlertCase {
  const char* name;
  std::vector<std::string> options;
  bool planInSettings;
  int status;
};

class PlanAlertTest : public testing::TempDirectoryTest,
                      public ::testing::WithParamInterface<AlertCase> {
 protected:
  void SetUp() override {
    TempDirectoryTest::SetUp();
    std::filesystem::create_directories(dir_ / "data");
    std::filesystem::create_directories(dir_ / "config" / "KIRV");
    // 800 octets on 10 April 2026, and 5000 on the 11th, after the day asked for.
    WriteArchive("data/eth0.mdf",
                 {{{2026, 4, 10, 9, 0, 0}, 500, 300}, {{2026, 4, 11, 9, 0, 0}, 5000, 0}});
  }

  testing::Finished Run(const std::vector<std::string>& options) {
    std::vector<std::string> arguments = {"plan", "--data-dir", (dir_ / "data").string(), "--date",
                                          "10/04/2026"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::filesystem::create_directories(dir_ / "run");
    return testing::RunProgram(
        arguments, {"LC_ALL=C", "XDG_CONFIG_HOME=" + (dir_ / "config").string()}, dir_ / "run");
  }
};

TEST_P(PlanAlertTest, ExitsWithTheLevelOfThePlan) {
  const AlertCase& c = GetParam();
  if (c.planInSettings) {
    WriteFile((dir_ / "config" / "KIRV" / "KIRV.ini").string(),
              "[KIRV]\nplanOn=true\nplanLimit=1000\nplanPeriod=1\n");
  }
  const testing::Finished run = Run(c.options);
  EXPECT_EQ(run.status, c.status) << run.err;
  if (c.status == 2) {
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, PlanAlertTest,
    ::testing::Values(AlertCase{"BelowTheWarningLevel", {"--limit", "2K", "--alert"}, false, 0},
                      AlertCase{"AtTheWarningLevel", {"--alert"}, true, 3},
                      AlertCase{"LimitReached", {"--limit", "800", "--alert"}, false, 4},
                      AlertCase{"WarningWithoutAlertIsSuccess", {}, true, 0},
                      AlertCase{"NoPlanAndNoLimit", {"--alert"}, false, 2}),
    [](const ::testing::TestParamInfo<AlertCase>& info) { return info.param.name; });

TEST_F(PlanAlertTest, JsonHoldsThePlanWithExactOctets) {
  WriteArchive("data/eth0.mdf",
               {{{2026, 4, 1, 9, 0, 0}, 9007199254740993, 0}, {{2026, 4, 10, 9, 0, 0}, 1, 2}});
  const testing::Finished run =
      Run({"--limit", "9223372036854775807", "--monthly", "31", "--count", "both", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"usedOctets\":9007199254740996,"), std::string::npos) << run.out;
  const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  const QJsonObject plan = json.value("plan").toObject();
  EXPECT_EQ(plan.keys(),
            (QStringList{"allowanceTodayOctets", "count", "days", "daysLeft", "estimateOctets",
                         "lastDay", "leftTodayOctets", "level", "limitOctets", "percent",
                         "remainingOctets", "start", "usedOctets", "usedTodayOctets", "warning"}));
  EXPECT_EQ(plan.value("start").toString(), "2026-03-31");
  EXPECT_EQ(plan.value("lastDay").toString(), "2026-04-29");
  EXPECT_EQ(plan.value("daysLeft").toInteger(), 20);
  EXPECT_EQ(plan.value("usedTodayOctets").toInteger(), 3);
  EXPECT_EQ(plan.value("level").toString(), "ok");
  EXPECT_EQ(plan.value("count").toString(), "both");
  EXPECT_EQ(plan.value("warning").toInteger(), 80);
  EXPECT_EQ(json.value("archives").toArray().size(), 1);
  EXPECT_EQ(json.value("date").toString(), "2026-04-10");
  EXPECT_EQ(json.value("skippedRecords").toInteger(), 0);
}

}  // namespace
}  // namespace kirv
