// The totals of any archive: the daily rows, and the monthly rows, add up to the octets since the
// first record, for received, sent and both, and every figure shows its octets cut to two decimals
// of its own unit. Read in parts side by side, the archive gives the very same report.
//
// Input: today's date and the decimal separator, then the archive.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "archive/record.h"
#include "fuzz_input.h"
#include "totals/totals_computation.h"
#include "totals/totals_report.h"

KIRV_FUZZ_HARNESS_BEGIN

namespace {

double Divisor(std::string_view unit) {
  if (unit.starts_with(' ')) unit.remove_prefix(1);
  if (unit == "octets") return 1;
  if (unit == "Ko") return 1024;
  if (unit == "Mo") return 1048576;
  if (unit == "Go") return 1073741824;
  return 0;
}

// A figure shows its octets cut to two decimals of its unit: "12,34 Mo", "12,34Mo", "1,5E20 Go",
// "0 octets".
// The forecast's octets are its figure rounded down: `below` (1) octet of slack.
void CheckShows(const std::string& figure, double octets, char separator, double below = 0) {
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
  // Room for the rounding of the cut and of 15 significant digits.
  const double slack = 1e-12 * octets + 1e-9 * divisor;
  KIRV_FUZZ_CHECK(
      value * divisor <= octets + below + slack && octets < (value + 0.01) * divisor + slack,
      figure + " for " + std::to_string(octets) + " octets");
}

// The rows of a grid add up to the octets since the first record, held like them at the largest
// count; every figure shows its octets.
void CheckRowsAddUp(const std::vector<kirv::TotalsRow>& rows, const kirv::TotalsFigures& since,
                    char separator, const char* grid) {
  std::uint64_t received = 0;
  std::uint64_t sent = 0;
  for (const kirv::TotalsRow& row : rows) {
    CheckShows(row.received, static_cast<double>(row.receivedOctets), separator);
    CheckShows(row.sent, static_cast<double>(row.sentOctets), separator);
    CheckShows(row.total, static_cast<double>(row.receivedOctets + row.sentOctets), separator);
    received = kirv::SaturatingSum(received, row.receivedOctets);
    sent = kirv::SaturatingSum(sent, row.sentOctets);
  }
  const std::string context = std::string(grid) + " rows " + std::to_string(received) + " / " +
                              std::to_string(sent) + " against " + since.received + " / " +
                              since.sent + " / " + since.both;
  KIRV_FUZZ_CHECK(received == since.receivedOctets && sent == since.sentOctets &&
                      kirv::SaturatingSum(received, sent) == since.bothOctets,
                  context);
  CheckShows(since.received, static_cast<double>(since.receivedOctets), separator);
  CheckShows(since.sent, static_cast<double>(since.sentOctets), separator);
  // The text shows the sum itself, up to 2^64 - 2.
  CheckShows(since.both, static_cast<double>(received + sent), separator);
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
  const kirv::TotalsFigures& day = report->today;
  CheckShows(day.received, static_cast<double>(day.receivedOctets), format.decimalSeparator);
  CheckShows(day.sent, static_cast<double>(day.sentOctets), format.decimalSeparator);
  CheckShows(day.both, static_cast<double>(day.receivedOctets + day.sentOctets),
             format.decimalSeparator);
  // The forecast's texts scale the month as it is; its octets stop at the largest count.
  const kirv::TotalsFigures& forecast = report->forecast;
  for (const auto& [text, octets] : {std::pair{forecast.received, forecast.receivedOctets},
                                     std::pair{forecast.sent, forecast.sentOctets},
                                     std::pair{forecast.both, forecast.bothOctets}}) {
    if (octets < kirv::kLargestCount) {
      CheckShows(text, static_cast<double>(octets), format.decimalSeparator, 1);
    }
  }
  CheckRowsAddUp(report->dailyRows, report->since, format.decimalSeparator, "daily");
  CheckRowsAddUp(report->monthlyRows, report->since, format.decimalSeparator, "monthly");

  // Two to five parts, chosen by the input's size so that the input's layout stays as it was.
  const std::size_t parts = 2 + size % 4;
  kirv::TotalsComputation parted(kirv::ScanSplit{parts, 1});
  const auto inParts = parted.Run(path, today, format);
  auto everything = [&](const kirv::TotalsReport& r) {
    return kirv::TotalsReportText(path, r, format) + kirv::TotalsCsvRows(path, r) +
           std::to_string(r.skippedRecords);
  };
  KIRV_FUZZ_CHECK(inParts.has_value() && everything(*inParts) == everything(*report),
                  std::to_string(parts) + " parts");
  return 0;
}

KIRV_FUZZ_HARNESS_END
