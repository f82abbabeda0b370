#include "plan/data_plan.h"

#include <algorithm>
#include <optional>

#include "archive/record.h"
#include "common/carried_unit.h"
#include "totals/shown_units.h"

namespace kirv {

namespace {

__extension__ using Wide = unsigned __int128;

std::int64_t DayOf(const DateTime& t) { return DayNumber(t.year, t.month, t.day); }

// floor(a × b ÷ c), held to kLargestCount; c > 0.
std::uint64_t Scaled(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
  const Wide q = Wide{a} * b / c;
  return q > kLargestCount ? kLargestCount : static_cast<std::uint64_t>(q);
}

// The start of the monthly period of that month: day D, or its last day when it is shorter.
std::int64_t MonthlyStart(int year, int month, int startDay) {
  return DayNumber(year, month, std::min(startDay, DaysInMonth(year, month)));
}

PlanPeriod Monthly(int startDay, const DateTime& t) {
  int year = t.year;
  int month = t.month;
  if (DayOf(t) < MonthlyStart(year, month, startDay)) {
    month == 1 ? (month = 12, --year) : --month;
  }
  const std::int64_t start = MonthlyStart(year, month, startDay);
  month == 12 ? (month = 1, ++year) : ++month;
  return {FromDayNumber(start), FromDayNumber(MonthlyStart(year, month, startDay) - 1)};
}

PlanPeriod EveryDays(int n, const DateTime& first, const DateTime& t) {
  const std::int64_t offset = DayOf(t) - DayOf(first);
  // Floor division: a day before the first day belongs to an earlier period.
  const std::int64_t k = offset >= 0 ? offset / n : -((-offset + n - 1) / n);
  const std::int64_t start = DayOf(first) + k * n;
  return {FromDayNumber(start), FromDayNumber(start + n - 1)};
}

std::uint64_t Counted(PlanCount count, const DayCounts& d) {
  switch (count) {
    case PlanCount::kReceived:
      return d.received;
    case PlanCount::kSent:
      return d.sent;
    case PlanCount::kBoth:
      break;
  }
  return SaturatingSum(d.received, d.sent);
}

}  // namespace

PlanPeriod PeriodOf(const PlanPeriodRule& rule, const DateTime& day) {
  switch (rule.kind) {
    case PlanPeriodKind::kMonthly:
      return Monthly(std::clamp(rule.startDay, kMinStartDay, kMaxStartDay), day);
    case PlanPeriodKind::kEveryDays:
      return EveryDays(std::clamp(rule.everyDays, kMinEveryDays, kMaxEveryDays), rule.firstDay,
                       day);
    case PlanPeriodKind::kDaily:
      break;
  }
  const DateTime t = FromDayNumber(DayOf(day));
  return {t, t};
}

std::int64_t DaysFromTo(const DateTime& a, const DateTime& b) { return DayOf(b) - DayOf(a) + 1; }

PlanFigures ComputePlanFigures(const DataPlan& plan, const DateTime& day,
                               std::span<const DayCounts> days) {
  PlanFigures f;
  f.period = PeriodOf(plan.period, day);
  f.days = DaysFromTo(f.period.start, f.period.lastDay);
  f.daysLeft = DaysFromTo(day, f.period.lastDay);
  f.limit = std::clamp<std::uint64_t>(plan.limit, 1, kLargestCount);
  const std::int64_t start = DayOf(f.period.start);
  const std::int64_t today = DayOf(day);
  std::optional<std::int64_t> oldest;
  for (const DayCounts& d : days) {
    const std::int64_t n = DayOf(d.day);
    if (n > today) continue;
    oldest = std::min(n, oldest.value_or(n));
    if (n < start) continue;
    const std::uint64_t counted = Counted(plan.count, d);
    f.used = SaturatingSum(f.used, counted);
    if (n == today) f.usedToday = SaturatingSum(f.usedToday, counted);
  }
  f.remaining = f.used < f.limit ? f.limit - f.used : 0;
  f.percent = Scaled(f.used, 100, f.limit);
  const std::uint64_t before = f.used - f.usedToday;
  const std::uint64_t rest = before < f.limit ? f.limit - before : 0;
  f.allowanceToday = rest / static_cast<std::uint64_t>(f.daysLeft);
  f.leftToday =
      static_cast<std::int64_t>(f.allowanceToday) - static_cast<std::int64_t>(f.usedToday);
  const std::int64_t elapsed = today - std::max(start, oldest.value_or(start)) + 1;
  f.estimate =
      Scaled(f.used, static_cast<std::uint64_t>(f.days), static_cast<std::uint64_t>(elapsed));
  const Wide warningShare =
      Wide{f.limit} * static_cast<unsigned>(std::clamp(plan.warning, kMinWarning, kMaxWarning));
  if (f.used >= f.limit) {
    f.level = PlanLevel::kReached;
  } else if (Wide{f.used} * 100 >= warningShare) {
    f.level = PlanLevel::kWarning;
  }
  return f;
}

const char* PlanLevelName(PlanLevel level) {
  switch (level) {
    case PlanLevel::kWarning:
      return "warning";
    case PlanLevel::kReached:
      return "reached";
    case PlanLevel::kOk:
      break;
  }
  return "ok";
}

const char* PlanCountName(PlanCount count) {
  switch (count) {
    case PlanCount::kReceived:
      return "received";
    case PlanCount::kSent:
      return "sent";
    case PlanCount::kBoth:
      break;
  }
  return "both";
}

const char* PlanCountText(PlanCount count) {
  switch (count) {
    case PlanCount::kReceived:
      return KIRV_TEXT("kirv", "Réception");
    case PlanCount::kSent:
      return KIRV_TEXT("kirv", "Envoi");
    case PlanCount::kBoth:
      break;
  }
  return KIRV_TEXT("kirv", "Réception + Envoi");
}

const char* PlanLevelText(PlanLevel level) {
  switch (level) {
    case PlanLevel::kWarning:
      return KIRV_TEXT("kirv", "seuil d'alerte atteint");
    case PlanLevel::kReached:
      return KIRV_TEXT("kirv", "limite atteinte");
    case PlanLevel::kOk:
      break;
  }
  return KIRV_TEXT("kirv", "normal");
}

std::string PlanOctetsText(std::int64_t octets, const NumberFormat& format) {
  // The magnitude of the most negative count does not fit; no figure comes near it.
  const double magnitude = octets < 0 ? -static_cast<double>(octets) : static_cast<double>(octets);
  CarriedUnit unit(format.Text(KIRV_TEXT("kirv", " octets")), format);
  const ShownUnits units(kLabelUnits, format);
  unit.Choose(magnitude, magnitude, units.Texts());
  return (octets < 0 ? "-" : "") + unit.Format(magnitude);
}

std::string PlanShareText(const PlanFigures& figures, const NumberFormat& format) {
  return std::to_string(figures.percent) + " % (" +
         PlanOctetsText(static_cast<std::int64_t>(figures.remaining), format) +
         format.Text(KIRV_TEXT("kirv", " restants)"));
}

}  // namespace kirv
