#include "platform/plan_watch.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "plan/plan_alerts.h"
#include "platform/plan_alert_file.h"

namespace kirv {

PlanReading ReadPlanInFolder(const DataPlan& plan, const std::string& dataFolder,
                             const DateTime& day) {
  std::vector<std::string> archives;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dataFolder, error)) {
    if (entry.path().extension() == ".mdf" && entry.is_regular_file(error)) {
      archives.push_back(entry.path().string());
    }
  }
  std::sort(archives.begin(), archives.end());
  return ReadPlan(plan, PlanArchivePaths(plan, dataFolder, archives), day);
}

void SendPlanAlert(const DataPlan& plan, const PlanFigures& figures, const std::string& statePath,
                   Notifier& notifier, const NumberFormat& format) {
  const PlanAlertState remembered = ReadPlanAlertState(statePath);
  const PlanAlertDecision decision = DecidePlanAlert(figures, PlanIdentity(plan), remembered);
  if (decision.send) notifier.Notify(PlanAlertNotification(*decision.send, figures, format));
  if (decision.state != remembered) WritePlanAlertState(statePath, decision.state);
}

}  // namespace kirv
