#pragma once

// The tray hint's line of a data plan.

#include <string>

#include "common/number_format.h"
#include "plan/data_plan.h"

namespace kirv {

// "Forfait : 72 % (28,1Go restants)": the share of the limit used and what is left.
std::string PlanHintLine(const PlanFigures& figures, const NumberFormat& format);

}  // namespace kirv
