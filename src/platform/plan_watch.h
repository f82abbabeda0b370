#pragma once

// The writer's side of a data plan: its figures over the data folder after each record, and the
// alert that they call for, sent once.

#include <string>

#include "common/notifier.h"
#include "plan/plan_reading.h"

namespace kirv {

// The plan's figures on day T over its archives of the data folder (for a plan of every archive,
// each "*.mdf" of the folder).
PlanReading ReadPlanInFolder(const DataPlan& plan, const std::string& dataFolder,
                             const DateTime& day);

// Sends the alert that the figures call for and that the state file at statePath does not hold
// yet, then remembers it there, so that no process repeats it. Only the data folder's writer
// calls it.
void SendPlanAlert(const DataPlan& plan, const PlanFigures& figures, const std::string& statePath,
                   Notifier& notifier, const NumberFormat& format);

}  // namespace kirv
