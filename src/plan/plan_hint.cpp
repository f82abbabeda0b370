#include "plan/plan_hint.h"

namespace kirv {

std::string PlanHintLine(const PlanFigures& figures, const NumberFormat& format) {
  return format.Text(KIRV_TEXT("kirv", "Forfait : ")) + PlanShareText(figures, format);
}

}  // namespace kirv
