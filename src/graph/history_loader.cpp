#include "graph/history_loader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <thread>

#include "archive/record.h"
#include "archive/record_scanner.h"
#include "graph/slot_age.h"
#include "graph/trace_direction.h"

namespace kirv {

namespace {

constexpr std::int64_t kLongestGlitchMs = 3600 * 1000;
// A record of seven- and eight-digit counts takes about this many bytes, CR LF included.
constexpr std::uint64_t kTypicalLineLength = 40;
// Below this many bytes in each part, a second thread costs more than it saves.
constexpr std::uint64_t kMinimumPart = 1024 * 1024;

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

void Store(const ArchiveRecord& r, ColumnEntry& entry) {
  entry.received = SaturatingSum(entry.received, r.received);
  entry.sent = SaturatingSum(entry.sent, r.sent);
  entry.receivedPeak = std::max(entry.receivedPeak, r.received);
  entry.sentPeak = std::max(entry.sentPeak, r.sent);
}

// Adds what an older part of the archive stored into what the newer part stored.
void Merge(const ColumnTable& older, int count, ColumnTable& table) {
  for (int i = 0; i < count; ++i) {
    ColumnEntry& entry = table[i];
    entry.received = SaturatingSum(entry.received, older[i].received);
    entry.sent = SaturatingSum(entry.sent, older[i].sent);
    entry.receivedPeak = std::max(entry.receivedPeak, older[i].receivedPeak);
    entry.sentPeak = std::max(entry.sentPeak, older[i].sentPeak);
  }
}

// The totals of the entries [0, count) and of the record that ended the scan (endCount, its
// larger count), taken once the scan is over: per record, a thread writes its own entries alone.
TraceTotals TotalsOf(const ColumnTable& table, int count, std::uint64_t endCount) {
  TraceTotals totals;
  for (int i = 0; i < count; ++i) {
    totals.peakReceivedRecord = std::max(totals.peakReceivedRecord, table[i].receivedPeak);
    totals.peakSentRecord = std::max(totals.peakSentRecord, table[i].sentPeak);
  }
  totals.automaticScale =
      std::max({totals.peakReceivedRecord, totals.peakSentRecord, endCount}) / kSlotSeconds;
  return totals;
}

// The scan of one trace, newest record first, fed from one scanner after another.
class Scan {
 public:
  explicit Scan(const TraceInputs& in)
      : w_(in.width),
        direction_(DirectionOf(in.leftToRight, in.width)),
        filter_(in.referenceDate, in.now),
        age_(DateTime{in.referenceDate.year, in.referenceDate.month, in.referenceDate.day,
                      in.now.hour, in.now.minute}),
        slotsPerColumn_(in.columnSpan / kSlotSeconds) {}

  // Reads the scanner's records until the scan ends or the scanner has none left.
  void Read(RecordScanner& scanner, ColumnTable& table) {
    std::string_view text;
    ArchiveRecord r;
    while (!ended_ && scanner.Next(text)) {
      if (!parser_.Parse(text, r) || !filter_.Accepts(r.time)) continue;
      // Ages grow from record to record: the division is done once a column.
      const std::int64_t slots = age_.Of(r.time);
      if (slots < columnStart_ || slots >= columnStart_ + slotsPerColumn_) {
        column_ = slots / slotsPerColumn_;
        columnStart_ = column_ * slotsPerColumn_;
      }
      if (column_ >= w_) {
        const std::int64_t at = MillisecondsOf(r.time);
        if (!runStart_) {
          runStart_ = r;
          runNewest_ = runOldest_ = at;
        }
        runNewest_ = std::max(runNewest_, at);
        runOldest_ = std::min(runOldest_, at);
        ended_ = runNewest_ - runOldest_ > kLongestGlitchMs;
        continue;
      }
      runStart_.reset();
      Store(r, table[direction_.IndexOfAge(static_cast<int>(column_), w_)]);
    }
  }

  bool Ended() const { return ended_; }
  // Whether the last records read are older than the graph: what comes next decides about them.
  bool InRun() const { return runStart_.has_value(); }

  // The larger count of the record that ends the scan, which still counts for the automatic
  // scale; 0 without one.
  std::uint64_t EndCount() const {
    return runStart_ ? std::max(runStart_->received, runStart_->sent) : 0;
  }

 private:
  int w_;
  TraceDirection direction_;
  DateFilter filter_;
  SlotAge age_;
  std::int64_t slotsPerColumn_;
  DatedRecordParser parser_;
  std::int64_t column_ = 0;
  std::int64_t columnStart_ = 0;  // the first age of that column, in slots
  // A run of records older than the graph is its end, unless a record inside the graph follows
  // it and the run's stamps span at most an hour: then a clock reset for a while wrote it (the
  // year 2000 of a lost real-time clock), and it is stepped over.
  std::optional<ArchiveRecord> runStart_;
  std::int64_t runNewest_ = 0;
  std::int64_t runOldest_ = 0;
  bool ended_ = false;
};

// The scan over the file that whole has open, in two parts side by side when cut, the end of a
// line, lies inside it.
TraceTotals Load(RecordScanner& whole, const TraceInputs& in, ColumnTable& table,
                 std::uint64_t cut) {
  // Left to right uses the indices 0 to W − 1, right to left 1 to W.
  const int count = in.width + 1;
  table.Clear(count);
  Scan newer(in);
  if (cut == 0 || cut >= whole.FileSize()) {
    newer.Read(whole, table);
    return TotalsOf(table, count, newer.EndCount());
  }
  // The older part is read beside the newer one; it counts only when the newer part ends on a
  // record inside the graph, the state the older part's scan starts from.
  ColumnTable olderTable;
  olderTable.Clear(count);
  Scan older(in);
  {
    const std::jthread reader([&] {
      RecordScanner scanner(whole, 0, cut);
      older.Read(scanner, olderTable);
    });
    RecordScanner scanner(whole, cut, whole.FileSize());
    newer.Read(scanner, table);
  }
  if (!newer.Ended() && !newer.InRun()) {
    Merge(olderTable, count, table);
    return TotalsOf(table, count, older.EndCount());
  }
  if (!newer.Ended()) {
    // Records older than the graph end the newer part: the older one is read again after them.
    RecordScanner scanner(whole, 0, cut);
    newer.Read(scanner, table);
  }
  return TotalsOf(table, count, newer.EndCount());
}

}  // namespace

TraceTotals LoadHistory(const TraceInputs& in, ColumnTable& table) {
  RecordScanner whole(in.archivePath);
  // The graph's bytes, were there a record every five minutes; a large graph is read in two
  // parts side by side, the newer one holding about half of it.
  const std::uint64_t half = static_cast<std::uint64_t>(in.width) *
                             static_cast<std::uint64_t>(in.columnSpan / kSlotSeconds) *
                             kTypicalLineLength / 2;
  std::uint64_t cut = 0;
  if (half >= kMinimumPart && whole.FileSize() > half + kMinimumPart) {
    cut = whole.LineEndAfter(whole.FileSize() - half).value_or(0);
  }
  return Load(whole, in, table, cut);
}

TraceTotals LoadHistoryInParts(const TraceInputs& in, ColumnTable& table, std::uint64_t cut) {
  RecordScanner whole(in.archivePath);
  return Load(whole, in, table, cut);
}

}  // namespace kirv
