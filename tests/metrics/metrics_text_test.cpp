#include "metrics/metrics_text.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "archive/temp_directory.h"
#include "metrics/traffic_sums.h"
#include "plan/plan_reading.h"

namespace kirv {
namespace {

struct TextCase {
  const char* what;
  std::vector<DeviceMetrics> devices;
  std::optional<PlanMetrics> plan;
  std::vector<std::string> samples;  // every line that is not a comment, in order
};

PlanMetrics PlanAtWarning() {
  PlanMetrics p;
  p.count = PlanCount::kReceived;
  p.figures.limit = 1000;
  p.figures.used = 850;
  p.figures.estimate = 1700;
  p.figures.allowanceToday = 15;
  p.figures.level = PlanLevel::kWarning;
  p.periodEnd = 1767222000;
  return p;
}

// Each family once, "# HELP" then "# TYPE" right before its samples, no timestamp after a value,
// and a final line end.
TEST(MetricsText, GroupsEachFamilyUnderItsHelpAndType) {
  const std::vector<TextCase> cases = {
      {"no archive yet: the build alone",
       {},
       std::nullopt,
       {"kirv_build_info{version=\"1.2.0\"} 1"}},
      {"a device without records has no last record time",
       {{"lo", 7, 8, 1, 2, 3, 4, std::nullopt}},
       std::nullopt,
       {"kirv_receive_bytes_total{device=\"lo\"} 7", "kirv_transmit_bytes_total{device=\"lo\"} 8",
        "kirv_day_receive_bytes{device=\"lo\"} 1", "kirv_day_transmit_bytes{device=\"lo\"} 2",
        "kirv_month_receive_bytes{device=\"lo\"} 3", "kirv_month_transmit_bytes{device=\"lo\"} 4",
        "kirv_build_info{version=\"1.2.0\"} 1"}},
      {"odd interface names are escaped",
       {{"a\\b\"c\nd", 9223372036854775807ULL, 0, 0, 0, 0, 0, 1765000000}},
       std::nullopt,
       {"kirv_receive_bytes_total{device=\"a\\\\b\\\"c\\nd\"} 9223372036854775807",
        "kirv_transmit_bytes_total{device=\"a\\\\b\\\"c\\nd\"} 0",
        "kirv_day_receive_bytes{device=\"a\\\\b\\\"c\\nd\"} 0",
        "kirv_day_transmit_bytes{device=\"a\\\\b\\\"c\\nd\"} 0",
        "kirv_month_receive_bytes{device=\"a\\\\b\\\"c\\nd\"} 0",
        "kirv_month_transmit_bytes{device=\"a\\\\b\\\"c\\nd\"} 0",
        "kirv_last_record_timestamp_seconds{device=\"a\\\\b\\\"c\\nd\"} 1765000000",
        "kirv_build_info{version=\"1.2.0\"} 1"}},
      {"a plan at its warning threshold",
       {},
       PlanAtWarning(),
       {"kirv_plan_limit_bytes{count=\"received\"} 1000",
        "kirv_plan_used_bytes{count=\"received\"} 850",
        "kirv_plan_estimate_bytes{count=\"received\"} 1700",
        "kirv_plan_allowance_today_bytes{count=\"received\"} 15",
        "kirv_plan_used_ratio{count=\"received\"} 0.85", "kirv_plan_level{count=\"received\"} 1",
        "kirv_plan_period_end_timestamp_seconds{count=\"received\"} 1767222000",
        "kirv_build_info{version=\"1.2.0\"} 1"}},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string text = MetricsText(c.devices, c.plan, "1.2.0");
    ASSERT_TRUE(text.ends_with("\n"));
    std::istringstream in(text);
    std::vector<std::string> samples;
    std::set<std::string> families;
    std::string line, help, type;
    while (std::getline(in, line)) {
      if (line.starts_with("# HELP ")) {
        help = line.substr(7, line.find(' ', 7) - 7);
        EXPECT_TRUE(families.insert(help).second) << help << " comes twice";
      } else if (line.starts_with("# TYPE ")) {
        type = line.substr(7, line.find(' ', 7) - 7);
        EXPECT_EQ(type, help) << "TYPE right after its HELP";
      } else {
        EXPECT_TRUE(line.starts_with(type + "{")) << line << " outside its family " << type;
        samples.push_back(line);
      }
    }
    EXPECT_EQ(samples, c.samples);
  }
}

// The kept day sums give what reading the archive again gives, across midnight and the month's
// end, and the plan's figures are those of "kirv plan" over the same records.
class TrafficSumsTest : public testing::TempDirectoryTest {};

TEST_F(TrafficSumsTest, KeptSumsMatchTheArchiveReadAgain) {
  const std::vector<testing::ArchiveLine> archive = {
      {{2026, 11, 29, 12, 0, 0}, 100, 10},
      {{2026, 11, 30, 23, 55, 0}, 200, 20},
  };
  const std::vector<testing::ArchiveLine> logged = {
      {{2026, 12, 1, 0, 0, 0}, 300, 30},  // a new day and a new month
      {{2026, 12, 1, 0, 5, 0}, 400, 40},
  };
  WriteArchive("lo.mdf", archive);
  TrafficSums sums;
  sums.Load("lo", "lo.mdf");
  std::vector<testing::ArchiveLine> all = archive;
  for (const testing::ArchiveLine& r : logged) {
    sums.Add("lo", r.time, r.received, r.sent);
    all.push_back(r);
  }
  WriteArchive("again.mdf", all);
  TrafficSums again;
  again.Load("lo", "again.mdf");

  struct Case {
    const char* what;
    DateTime now;
    DeviceMetrics expected;
  };
  const std::vector<Case> cases = {
      {"the last day of the month",
       {2026, 11, 30, 23, 59, 0},
       {"lo", 1000, 100, 200, 20, 300, 30, std::nullopt}},
      {"after midnight, the new month",
       {2026, 12, 1, 0, 6, 0},
       {"lo", 1000, 100, 700, 70, 700, 70, std::nullopt}},
      {"the next day", {2026, 12, 2, 9, 0, 0}, {"lo", 1000, 100, 0, 0, 700, 70, std::nullopt}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const TrafficSums* s : {&sums, &again}) {
      const DeviceMetrics m = s->Devices({"lo"}, c.now).front();
      EXPECT_EQ(m.receivedTotal, c.expected.receivedTotal);
      EXPECT_EQ(m.sentTotal, c.expected.sentTotal);
      EXPECT_EQ(m.dayReceived, c.expected.dayReceived);
      EXPECT_EQ(m.daySent, c.expected.daySent);
      EXPECT_EQ(m.monthReceived, c.expected.monthReceived);
      EXPECT_EQ(m.monthSent, c.expected.monthSent);
      EXPECT_EQ(m.lastRecord, UnixSecondsOfLocal({2026, 12, 1, 0, 5, 0}));
    }
    DataPlan plan;
    plan.limit = 800;
    plan.period.startDay = 30;
    const PlanFigures kept = sums.Plan(plan, {}, c.now).figures;
    const PlanFigures read =
        ReadPlan(plan, {"again.mdf"}, {c.now.year, c.now.month, c.now.day}).figures;
    EXPECT_EQ(kept.used, read.used);
    EXPECT_EQ(kept.estimate, read.estimate);
    EXPECT_EQ(kept.allowanceToday, read.allowanceToday);
    EXPECT_EQ(kept.level, read.level);
    EXPECT_EQ(kept.period, read.period);
  }
}

}  // namespace
}  // namespace kirv
