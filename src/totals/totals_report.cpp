#include "totals/totals_report.h"

namespace kirv {

std::optional<DateTime> GraphDayOfGridRow(const TotalsReport& report, int gridRow) {
  if (gridRow < 1 || static_cast<std::size_t>(gridRow) > report.dailyRows.size()) return {};
  const std::optional<DateTime>& day = report.dailyRows[static_cast<std::size_t>(gridRow - 1)].day;
  if (!day) return {};
  return AddDays(*day, 1);
}

}  // namespace kirv
