#include "plan/plan_alerts.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "case_name.h"

namespace kirv {
namespace {

constexpr std::uint64_t kLimit = 1000;

// Figures of a period starting on 1/12/2026 with `used` of the limit and an `estimate`.
PlanFigures Figures(std::uint64_t used, std::uint64_t estimate, int startDay = 1) {
  PlanFigures f;
  f.period = {{2026, 12, startDay}, {2026, 12, 31}};
  f.limit = kLimit;
  f.used = used;
  f.estimate = estimate;
  f.remaining = used < kLimit ? kLimit - used : 0;
  f.percent = used * 100 / kLimit;
  f.level = used >= kLimit ? PlanLevel::kReached
            : used >= 800  ? PlanLevel::kWarning
                           : PlanLevel::kOk;
  return f;
}

struct AlertCase {
  const char* what;
  PlanFigures figures;
  PlanAlertState remembered;
  std::optional<PlanAlert> send;
};

void PrintTo(const AlertCase& c, std::ostream* os) { *os << c.what; }

PlanAlertState Sent(std::optional<PlanAlert> alert, const char* plan = "p",
                    const char* period = "2026-12-01") {
  return {plan, period, alert};
}

class PlanAlertRule : public ::testing::TestWithParam<AlertCase> {};

TEST_P(PlanAlertRule, SendsTheHighestAlertDueOncePerPeriodAndPlan) {
  const AlertCase& c = GetParam();
  const PlanAlertDecision d = DecidePlanAlert(c.figures, "p", c.remembered);
  EXPECT_EQ(d.send, c.send);
  // What is remembered afterwards sends nothing again: a restart repeats nothing.
  EXPECT_EQ(DecidePlanAlert(c.figures, "p", d.state).send, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanAlertRule,
    ::testing::Values(AlertCase{"nothing due", Figures(500, 900), Sent({}), {}},
                      AlertCase{"warning level", Figures(800, 900), Sent({}), PlanAlert::kWarning},
                      AlertCase{
                          "warning already sent", Figures(850, 900), Sent(PlanAlert::kWarning), {}},
                      AlertCase{"estimate above the limit after the warning", Figures(850, 1001),
                                Sent(PlanAlert::kWarning), PlanAlert::kEstimate},
                      AlertCase{"estimate exactly the limit", Figures(500, 1000), Sent({}), {}},
                      AlertCase{"limit reached after the estimate", Figures(1000, 1200),
                                Sent(PlanAlert::kEstimate), PlanAlert::kReached},
                      AlertCase{"limit reached at once skips the lower ones", Figures(1200, 1500),
                                Sent({}), PlanAlert::kReached},
                      AlertCase{"warning after the limit in the same period",
                                Figures(800, 900),
                                Sent(PlanAlert::kReached),
                                {}},
                      AlertCase{"a new period arms them again", Figures(800, 900, 2),
                                Sent(PlanAlert::kReached), PlanAlert::kWarning},
                      AlertCase{"a changed plan arms them again", Figures(800, 900),
                                Sent(PlanAlert::kReached, "q"), PlanAlert::kWarning}),
    [](const auto& info) { return testing::CaseName({info.param.what}); });

TEST(PlanAlertNotification, IsCriticalOnlyAtTheLimitAndAlwaysOfTheNetworkCategory) {
  const NumberFormat format{','};
  const Notification warning =
      PlanAlertNotification(PlanAlert::kWarning, Figures(800, 900), format);
  const Notification reached =
      PlanAlertNotification(PlanAlert::kReached, Figures(1000, 1000), format);
  EXPECT_EQ(warning.key, reached.key);
  EXPECT_EQ(warning.urgency, Urgency::kNormal);
  EXPECT_EQ(reached.urgency, Urgency::kCritical);
  EXPECT_EQ(warning.category, "network");
  EXPECT_EQ(warning.body, "80 % (200 octets restants)");
}

TEST(PlanIdentity, ChangesWithEverySettingOfThePlan) {
  const DataPlan plan{kLimit, {}, PlanCount::kBoth, {}, 80};
  DataPlan other = plan;
  EXPECT_EQ(PlanIdentity(plan), PlanIdentity(other));
  other.warning = 81;
  EXPECT_NE(PlanIdentity(plan), PlanIdentity(other));
  other = plan;
  other.interfaces = {"eth0"};
  EXPECT_NE(PlanIdentity(plan), PlanIdentity(other));
}

}  // namespace
}  // namespace kirv
