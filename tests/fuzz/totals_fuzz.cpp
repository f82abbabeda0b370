// The totals of any archive: the daily rows, and the monthly rows, add up to the figures since the
// first record, for received, sent and both. Every figure is cut to two decimals of its own unit,
// so a figure stands for an interval of octets, and the sum of the rows' intervals must meet the
// interval of the total.
//
// Input: today's date and the decimal separator, then the archive.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "totals/totals_computation.h"

KIRV_FUZZ_HARNESS_BEGIN

namespace {

// Octets from a figure's value to the next value it can show, with room for rounding.
struct Interval {
  double low = 0;
  double high = 0;

  Interval& operator+=(const Interval& i) {
    low += i.low;
    high += i.high;
    return *this;
  }
  bool Meets(const Interval& i) const {
    const double slack = 1e-9 * std::max(high, i.high) + 1e-6;
    return low <= i.high + slack && i.low <= high + slack;
  }
};

double Divisor(std::string_view unit) {
  if (unit.starts_with(' ')) unit.remove_prefix(1);
  if (unit == "octets") return 1;
  if (unit == "Ko") return 1024;
  if (unit == "Mo") return 1048576;
  if (unit == "Go") return 1073741824;
  return 0;
}

// "12,34 Mo", "12,34Mo", "1,5E20 Go", "0 octets".
Interval Octets(const std::string& figure, char separator) {
  const std::size_t unitStart = figure.find_first_not_of(std::string("0123456789E+-") + separator);
  std::string number = figure.substr(0, unitStart);
  for (char& c : number) {
    if (c == separator) c = '.';
  }
  char* end = nullptr;
  const double value = std::strtod(number.c_str(), &end);
  const double divisor =
      Divisor(unitStart == std::string::npos ? "" : std::string_view(figure).substr(unitStart));
  KIRV_FUZZ_CHECK(
      !number.empty() && *end == '\0' && std::isfinite(value) && value >= 0 && divisor > 0, figure);
  return {value * divisor, (value + 0.01) * divisor};
}

void CheckRowsAddUp(const std::vector<kirv::TotalsRow>& rows, const kirv::TotalsFigures& since,
                    char separator, const char* grid) {
  Interval received, sent, both;
  for (const kirv::TotalsRow& row : rows) {
    received += Octets(row.received, separator);
    sent += Octets(row.sent, separator);
    both += Octets(row.total, separator);
  }
  const std::string context = std::string(grid) + " rows against " + since.received + " / " +
                              since.sent + " / " + since.both;
  KIRV_FUZZ_CHECK(received.Meets(Octets(since.received, separator)), context);
  KIRV_FUZZ_CHECK(sent.Meets(Octets(since.sent, separator)), context);
  KIRV_FUZZ_CHECK(both.Meets(Octets(since.both, separator)), context);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kirv::fuzz::MemoryFile file;
  kirv::fuzz::FuzzInput in(data, size);
  // A date the clock can give.
  kirv::DateTime today{in.Take<std::uint16_t>() % 9999 + 1, in.Take<std::uint8_t>() % 12 + 1, 1};
  today.day = in.Take<std::uint8_t>() % kirv::DaysInMonth(today.year, today.month) + 1;
  const kirv::NumberFormat format{in.TakeBool() ? ',' : '.'};
  const std::string& path = file.Write(in.Rest());

  kirv::TotalsComputation totals;
  const auto report = totals.Run(path, today, format);
  KIRV_FUZZ_CHECK(report.has_value(), path);
  KIRV_FUZZ_CHECK(!report->dailyRows.empty() && !report->monthlyRows.empty() &&
                      report->monthlyRows.size() <= report->dailyRows.size(),
                  std::to_string(report->dailyRows.size()));
  CheckRowsAddUp(report->dailyRows, report->since, format.decimalSeparator, "daily");
  CheckRowsAddUp(report->monthlyRows, report->since, format.decimalSeparator, "monthly");
  return 0;
}

KIRV_FUZZ_HARNESS_END
