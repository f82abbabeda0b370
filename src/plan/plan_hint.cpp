#include "plan/plan_hint.h"

#include <cstdint>

namespace kirv {

std::string PlanHintLine(const PlanFigures& figures, const NumberFormat& format) {
  return "Forfait : " + std::to_string(figures.percent) + " % (" +
         PlanOctetsText(static_cast<std::int64_t>(figures.remaining), format) + " restants)";
}

}  // namespace kirv
