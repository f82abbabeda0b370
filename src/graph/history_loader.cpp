#include "graph/history_loader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "archive/record.h"
#include "archive/record_scanner.h"
#include "graph/slot_age.h"
#include "graph/trace_direction.h"

namespace kirv {

namespace {

constexpr std::int64_t kLongestGlitchMs = 3600 * 1000;

int DateKey(const DateTime& t) { return (t.year * 100 + t.month) * 100 + t.day; }
int TimeKey(const DateTime& t) { return (t.hour * 60 + t.minute) * 60 + t.second; }

// Accepts what lies before the reference date, or on it before now's time of day.
class DateFilter {
 public:
  DateFilter(const DateTime& referenceDate, const DateTime& now)
      : date_(DateKey(referenceDate)), time_(TimeKey(now)) {}

  bool Accepts(const DateTime& t) const {
    const int date = DateKey(t);
    return date < date_ || (date == date_ && TimeKey(t) < time_);
  }

 private:
  int date_;
  int time_;
};

void Store(const ArchiveRecord& r, ColumnEntry& entry, TraceTotals& totals) {
  entry.received = SaturatingSum(entry.received, r.received);
  entry.sent = SaturatingSum(entry.sent, r.sent);
  entry.receivedPeak = std::max(entry.receivedPeak, r.received);
  entry.sentPeak = std::max(entry.sentPeak, r.sent);
  totals.peakReceivedRecord = std::max(totals.peakReceivedRecord, r.received);
  totals.peakSentRecord = std::max(totals.peakSentRecord, r.sent);
}

}  // namespace

TraceTotals LoadHistory(const TraceInputs& in, ColumnTable& table) {
  const int w = in.width;
  // Left to right uses the indices 0 to W − 1, right to left 1 to W.
  table.Clear(w + 1);
  TraceTotals totals;
  const TraceDirection direction = DirectionOf(in.leftToRight, w);
  const DateFilter filter(in.referenceDate, in.now);
  const DateTime& d = in.referenceDate;
  SlotAge age(DateTime{d.year, d.month, d.day, in.now.hour, in.now.minute});
  const std::int64_t slotsPerColumn = in.columnSpan / kSlotSeconds;

  RecordScanner scanner(in.archivePath);
  DatedRecordParser parser;
  std::string_view text;
  ArchiveRecord r;
  // A run of records older than the graph is its end, unless a record inside the graph follows
  // it and the run's stamps span at most an hour: then a clock reset for a while wrote it (the
  // year 2000 of a lost real-time clock), and it is stepped over.
  std::optional<ArchiveRecord> runStart;
  std::int64_t runNewest = 0;
  std::int64_t runOldest = 0;
  std::int64_t column = 0;
  std::int64_t columnStart = 0;  // the first age of that column, in slots
  while (scanner.Next(text)) {
    if (!parser.Parse(text, r) || !filter.Accepts(r.time)) continue;
    // Ages grow from record to record: the division is done once a column.
    const std::int64_t slots = age.Of(r.time);
    if (slots < columnStart || slots >= columnStart + slotsPerColumn) {
      column = slots / slotsPerColumn;
      columnStart = column * slotsPerColumn;
    }
    if (column >= w) {
      const std::int64_t at = MillisecondsOf(r.time);
      if (!runStart) {
        runStart = r;
        runNewest = runOldest = at;
      }
      runNewest = std::max(runNewest, at);
      runOldest = std::min(runOldest, at);
      if (runNewest - runOldest > kLongestGlitchMs) break;
      continue;
    }
    runStart.reset();
    totals.automaticScale =
        std::max({totals.automaticScale, r.received / kSlotSeconds, r.sent / kSlotSeconds});
    Store(r, table[direction.IndexOfAge(static_cast<int>(column), w)], totals);
  }
  // The record that ends the scan still counts for the automatic scale.
  if (runStart) {
    totals.automaticScale = std::max(
        {totals.automaticScale, runStart->received / kSlotSeconds, runStart->sent / kSlotSeconds});
  }
  return totals;
}

}  // namespace kirv
