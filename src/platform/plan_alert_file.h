#pragma once

#include <string>

#include "plan/plan_alerts.h"

namespace kirv {

// What the data-plan alerts already sent, kept in $XDG_STATE_HOME/KIRV/plan-alerts
// (~/.local/state/KIRV/) so that a restart repeats none: three lines, the plan's identity, the
// period's first day and the highest alert sent ("warning", "estimate", "reached" or nothing).
std::string PlanAlertFilePath();

// An empty state when the file is missing or unreadable: every alert armed.
PlanAlertState ReadPlanAlertState(const std::string& path);
// Through a temporary file and a rename, the folder made when missing; false when it failed.
bool WritePlanAlertState(const std::string& path, const PlanAlertState& state);

}  // namespace kirv
