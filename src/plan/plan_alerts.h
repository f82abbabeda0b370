#pragma once

// Which data-plan notification to send now, given the plan's figures and what was already sent.
// Each alert fires once per period and plan: the state is remembered across restarts, and a new
// period or a changed plan arms every alert again.

#include <optional>
#include <string>

#include "common/notifier.h"
#include "plan/data_plan.h"

namespace kirv {

// In rising order: a later alert makes the earlier ones pointless.
enum class PlanAlert { kWarning, kEstimate, kReached };

struct PlanAlertState {
  std::string plan;               // PlanIdentity of the plan the alerts were sent for
  std::string period;             // the period's first day, "yyyy-mm-dd"
  std::optional<PlanAlert> sent;  // the highest one sent in that period
  friend bool operator==(const PlanAlertState&, const PlanAlertState&) = default;
};

struct PlanAlertDecision {
  std::optional<PlanAlert> send;
  PlanAlertState state;  // to remember, whether or not anything is sent
};

// A text that changes whenever a setting of the plan does.
std::string PlanIdentity(const DataPlan& plan);

// The highest alert the figures call for (warning level reached, estimate above the limit, limit
// reached) when it is above what was sent in this period of this plan.
PlanAlertDecision DecidePlanAlert(const PlanFigures& figures, const std::string& identity,
                                  const PlanAlertState& remembered);

// The notification of an alert: one key for the plan, so a later alert replaces the earlier one;
// urgency normal, critical at the limit; category "network".
Notification PlanAlertNotification(PlanAlert alert, const PlanFigures& figures,
                                   const NumberFormat& format);

}  // namespace kirv
