#pragma once

#include <cstdint>

#include "graph/column_table.h"
#include "graph/trace_inputs.h"

namespace kirv {

// What a trace's scan found besides the columns, in octets and octets per second.
struct TraceTotals {
  std::uint64_t peakReceivedRecord = 0;  // largest received count of a record stored in a column
  std::uint64_t peakSentRecord = 0;      // largest sent count of a record stored in a column
  // Largest count div 300 of every record the date filter accepts, including the one that ends
  // the scan: the full scale of "Automatique".
  std::uint64_t automaticScale = 0;

  friend bool operator==(const TraceTotals&, const TraceTotals&) = default;
};

// The data side of a trace. Clears the entries the trace uses and reads the archive from its
// newest record towards its oldest. A record is skipped, and the scan goes on, when it is not
// before the reference instant (a date before the reference date, or the reference date with a
// time of day before now's), when its fields do not form a valid date and time, or when no "U"
// follows its received count. Every other record counts for the automatic scale; a record whose
// column age (whole slots before the reference instant, divided by the slots of a column) reaches
// W ends the scan; the others are added into their column. Records that reach W but whose stamps
// span at most an hour, followed by one that does not, are stepped over: a clock reset for a while
// dated them far before their neighbours. A file that cannot be read holds no record. The inputs
// must be Bounded.
// An archive whose graph spans more than two megaoctets is read in two parts side by side.
TraceTotals LoadHistory(const TraceInputs& in, ColumnTable& table);
// The same with the archive cut in two parts at cut, the end of a line (none when cut is 0 or
// not inside the file).
TraceTotals LoadHistoryInParts(const TraceInputs& in, ColumnTable& table, std::uint64_t cut);

}  // namespace kirv
