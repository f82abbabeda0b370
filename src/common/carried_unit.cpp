#include "common/carried_unit.h"

namespace kirv {

void CarriedUnit::Choose(double a, double b, const UnitTexts& texts) {
  const int step = UnitStepAbove(a, b);
  if (step == 0) return;
  divisor_ = kUnitDivisors[step];
  text_ = format_.Text(texts[static_cast<std::size_t>(step - 1)]);
}

std::string CarriedUnit::Format(double x) const {
  return FormatGeneral(CutTwoDecimals(x, divisor_), format_) + text_;
}

}  // namespace kirv
