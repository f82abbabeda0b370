#include "plan/plan_settings.h"

#include <algorithm>
#include <cctype>

#include "archive/record.h"

namespace kirv {

namespace {

__extension__ using Wide = unsigned __int128;

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// The octets of one unit, or 0 for an unknown unit.
std::uint64_t UnitOctets(std::string_view unit) {
  std::string upper;
  for (char c : unit) upper += Upper(c);
  constexpr std::string_view kSteps = "KMGT";
  if (upper.empty()) return 1;
  const std::size_t step = kSteps.find(upper.front());
  if (step == std::string_view::npos || upper.size() > 2) return 0;
  if (upper.size() == 2 && upper[1] != 'B') return 0;
  const std::uint64_t base = upper.size() == 2 ? 1000 : 1024;
  std::uint64_t octets = 1;
  for (std::size_t i = 0; i <= step; ++i) octets *= base;
  return octets;
}

}  // namespace

std::optional<DataPlan> PlanOfControls(const PlanControls& c) {
  DataPlan plan;
  const std::optional<std::uint64_t> limit = OctetsOfText(c.limit);
  if (!limit || c.period < 0 || c.period > 2 || c.count < 0 || c.count > 2) return std::nullopt;
  plan.limit = *limit;
  plan.period.kind = static_cast<PlanPeriodKind>(c.period);
  plan.period.startDay = std::clamp(c.startDay, kMinStartDay, kMaxStartDay);
  plan.period.everyDays = std::clamp(c.everyDays, kMinEveryDays, kMaxEveryDays);
  if (!c.firstDay.empty() || plan.period.kind == PlanPeriodKind::kEveryDays) {
    const std::optional<DateTime> first = DayOfText(c.firstDay);
    if (!first) return std::nullopt;
    plan.period.firstDay = *first;
  }
  plan.count = static_cast<PlanCount>(c.count);
  plan.warning = std::clamp(c.warning, kMinWarning, kMaxWarning);
  std::string_view names = c.interfaces;
  while (!names.empty()) {
    const std::size_t space = names.find(' ');
    if (space != 0) plan.interfaces.emplace_back(names.substr(0, space));
    names.remove_prefix(space == std::string_view::npos ? names.size() : space + 1);
  }
  return plan;
}

std::optional<std::uint64_t> ParsePlanSize(std::string_view text) {
  std::size_t i = 0;
  Wide whole = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    whole = whole * 10 + static_cast<unsigned>(text[i] - '0');
    if (whole > kLargestCount) return std::nullopt;
  }
  if (i == 0) return std::nullopt;
  // The fraction as a ratio of whole numbers, up to 18 digits, so that "1.5G" is exact.
  Wide fraction = 0;
  Wide scale = 1;
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      if (scale >= 1000000000000000000ULL) return std::nullopt;
      fraction = fraction * 10 + static_cast<unsigned>(text[i] - '0');
      scale *= 10;
    }
  }
  if (i < text.size() && text[i] == ' ') ++i;
  const std::uint64_t unit = UnitOctets(text.substr(i));
  if (unit == 0) return std::nullopt;
  const Wide octets = whole * unit + fraction * unit / scale;
  if (octets == 0 || octets > kLargestCount) return std::nullopt;
  return static_cast<std::uint64_t>(octets);
}

}  // namespace kirv
