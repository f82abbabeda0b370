#include "plan/plan_alerts.h"

#include <string>

namespace kirv {

std::string PlanIdentity(const DataPlan& plan) {
  std::string id =
      std::to_string(plan.limit) + ";" + std::to_string(static_cast<int>(plan.period.kind)) + ";" +
      std::to_string(plan.period.startDay) + ";" + std::to_string(plan.period.everyDays) + ";" +
      FormatDateTime(plan.period.firstDay, "yyyy-mm-dd") + ";" + PlanCountName(plan.count) + ";" +
      std::to_string(plan.warning);
  for (const std::string& name : plan.interfaces) id += ";" + name;
  return id;
}

PlanAlertDecision DecidePlanAlert(const PlanFigures& figures, const std::string& identity,
                                  const PlanAlertState& remembered) {
  PlanAlertState state{identity, FormatDateTime(figures.period.start, "yyyy-mm-dd"), {}};
  if (state.plan == remembered.plan && state.period == remembered.period) {
    state.sent = remembered.sent;
  }
  std::optional<PlanAlert> due;
  if (figures.level == PlanLevel::kReached) {
    due = PlanAlert::kReached;
  } else if (figures.estimate > figures.limit) {
    due = PlanAlert::kEstimate;
  } else if (figures.level == PlanLevel::kWarning) {
    due = PlanAlert::kWarning;
  }
  if (!due || (state.sent && *state.sent >= *due)) return {std::nullopt, state};
  state.sent = due;
  return {due, state};
}

Notification PlanAlertNotification(PlanAlert alert, const PlanFigures& figures,
                                   const NumberFormat& format) {
  const char* summary = alert == PlanAlert::kReached
                            ? KIRV_TEXT("kirv", "Forfait : limite atteinte")
                        : alert == PlanAlert::kEstimate
                            ? KIRV_TEXT("kirv", "Forfait : l'estimation dépasse la limite")
                            : KIRV_TEXT("kirv", "Forfait : seuil d'alerte atteint");
  return {"plan", format.Text(summary), PlanShareText(figures, format),
          alert == PlanAlert::kReached ? Urgency::kCritical : Urgency::kNormal, "network"};
}

}  // namespace kirv
