#pragma once

// A data plan: a limit of octets over a period of local days, and its figures on a given day.
//
// The figures come from per-day sums of records (the daily rows of the totals), so a plan's used
// octets add up exactly with those rows. Every count is a whole number of octets held to the range
// of a record's count, 0 to 2^63 - 1 (kLargestCount): sums stop there rather than wrap.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/calendar.h"
#include "common/number_format.h"

namespace kirv {

enum class PlanPeriodKind { kMonthly, kDaily, kEveryDays };

// How periods follow each other. Only the fields of the kind are used.
struct PlanPeriodRule {
  PlanPeriodKind kind = PlanPeriodKind::kMonthly;
  int startDay = 1;    // monthly: 1 to 31, held to each month's length
  int everyDays = 30;  // every N days: 1 to 366
  DateTime firstDay;   // every N days: the start of one period (its time of day is not read)
};

// What counts against the limit.
enum class PlanCount { kBoth, kReceived, kSent };

inline constexpr int kMinStartDay = 1;
inline constexpr int kMaxStartDay = 31;
inline constexpr int kMinEveryDays = 1;
inline constexpr int kMaxEveryDays = 366;
inline constexpr int kMinWarning = 1;  // percent
inline constexpr int kMaxWarning = 99;

struct DataPlan {
  std::uint64_t limit = 0;  // octets, 1 to kLargestCount
  PlanPeriodRule period;
  PlanCount count = PlanCount::kBoth;
  // The archives summed, by interface name; empty: every archive of the data folder.
  std::vector<std::string> interfaces;
  int warning = 80;  // percent of the limit, kMinWarning to kMaxWarning
};

// A period's first and last days, both included, at 00:00.
struct PlanPeriod {
  DateTime start;
  DateTime lastDay;
  friend bool operator==(const PlanPeriod&, const PlanPeriod&) = default;
};

// The period that holds day T. Monthly from D: it starts on the latest day S <= T of the form
// (year, month, min(D, that month's length)), computed from D for every month, never stepped from
// the previous start, and ends the day before the next such start. Daily: day T alone. Every N
// days from F: the periods start on F + k × N days, k any integer, so days before F fall in
// earlier periods.
PlanPeriod PeriodOf(const PlanPeriodRule& rule, const DateTime& day);

// Days from a to b, both counted (1 when they are the same day).
std::int64_t DaysFromTo(const DateTime& a, const DateTime& b);

// The octets of one day: a daily row of the totals of one archive. One day may come in several
// entries (several archives, or records out of order); they add up.
struct DayCounts {
  DateTime day;
  std::uint64_t received = 0;
  std::uint64_t sent = 0;
};

enum class PlanLevel { kOk, kWarning, kReached };

// The figures of a plan on day T, as at the end of that day: days after T never count.
struct PlanFigures {
  PlanPeriod period;
  std::int64_t days = 1;      // of the period
  std::int64_t daysLeft = 1;  // from T to the period's last day, both counted
  std::uint64_t limit = 0;
  std::uint64_t used = 0;       // counted octets of the days from the period's start to T
  std::uint64_t usedToday = 0;  // those of T
  std::uint64_t remaining = 0;  // max(0, limit - used)
  std::uint64_t percent = 0;    // floor(used × 100 ÷ limit), may pass 100
  // floor(max(0, limit - (used - usedToday)) ÷ daysLeft): what T may take, the limit's rest
  // before T shared out evenly over the days left.
  std::uint64_t allowanceToday = 0;
  std::int64_t leftToday = 0;  // allowanceToday - usedToday, negative once T went over
  // floor(used × days ÷ elapsed), elapsed counting the days from the later of the period's start
  // and the oldest counted day to T, both counted: the period so far at the same daily rate.
  std::uint64_t estimate = 0;
  // kReached when used >= limit, else kWarning when used × 100 >= warning × limit.
  PlanLevel level = PlanLevel::kOk;
};

// The figures of a plan on day T over the given day sums; entries dated after T are left out,
// and the oldest entry on or before T (of any period) is the oldest counted day.
PlanFigures ComputePlanFigures(const DataPlan& plan, const DateTime& day,
                               std::span<const DayCounts> days);

// Stable names, as in JSON and the settings' documentation: "ok", "warning", "reached";
// "both", "received", "sent".
const char* PlanLevelName(PlanLevel level);
const char* PlanCountName(PlanCount count);

// The user's texts: "Réception + Envoi", "Réception", "Envoi" (in the order of PlanCount); the
// levels "normal", "seuil d'alerte atteint", "limite atteinte". French sources, looked up in the
// user's language where they are shown (context "kirv").
const char* PlanCountText(PlanCount count);
const char* PlanLevelText(PlanLevel level);

// Octets in the program's units, as the totals' labels show them: up to 1024 "812 octets", then
// the largest of "Ko", "Mo", "Go" (of 1024) that the count passes, cut to two decimals
// ("28,1Go"), in the language of format's texts. A negative count gets a minus sign. Every figure
// above fits (at most kLargestCount).
std::string PlanOctetsText(std::int64_t octets, const NumberFormat& format);

// "72 % (28,1Go restants)": the share of the limit used and what is left, as the tray hint and the
// notifications write it.
std::string PlanShareText(const PlanFigures& figures, const NumberFormat& format);

}  // namespace kirv
