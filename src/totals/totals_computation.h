#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/calendar.h"
#include "common/number_format.h"
#include "totals/totals_report.h"

namespace kirv {

// How a computation reads an archive: in at most `parts` parts side by side, each of at least
// minimumPart bytes.
struct ScanSplit {
  std::size_t parts = 1;
  std::uint64_t minimumPart = 0;

  // One part per core, up to four, for archives of several megabytes.
  static ScanSplit ForThisMachine();
};

// The records of days after the computation's today: counted as any other (the window, whose today
// is the clock's), or left out of every figure and row (a report as at the end of a past day).
enum class LaterDays { kCounted, kLeftOut };

// The totals of one archive in one pass from its newest record to its oldest: today, the whole
// archive, the month's forecast and one row per run of records of one day and of one month. The
// window keeps one object for the program's life: the oldest record's date is kept from one
// computation to the next and replaced only when a computation reads a record.
//
// Records are skipped, and the pass goes on, when they have no "U" at or after position 21 (which
// a text shorter than 21 characters cannot have) or when their date is not a valid date.
class TotalsComputation {
 public:
  TotalsComputation() : TotalsComputation(ScanSplit::ForThisMachine()) {}
  explicit TotalsComputation(ScanSplit split);

  // None when the path is empty: nothing is read and the window keeps what it shows. A file that
  // cannot be read counts as an archive without records.
  std::optional<TotalsReport> Run(const std::string& archivePath, const DateTime& today,
                                  const NumberFormat& format,
                                  LaterDays laterDays = LaterDays::kCounted);

 private:
  ScanSplit split_;
  std::string oldestDate_ = "0/0/0";
};

}  // namespace kirv
