#include "graph/period_table.h"

namespace kirv {

int ColumnSpanOf(int period) {
  constexpr std::array<int, 4> kSpans = {300, 1800, 7200, 86400};
  if (period < kDay || period > kYear) return kSpans[kDay];
  return kSpans[static_cast<std::size_t>(period)];
}

}  // namespace kirv
