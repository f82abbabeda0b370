#include "totals/totals_computation.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <thread>
#include <tuple>
#include <vector>

#include "archive/record.h"
#include "archive/record_scanner.h"
#include "common/carried_unit.h"
#include "totals/shown_units.h"

namespace kirv {

namespace {

constexpr UnitTexts kGridTexts = {KIRV_TEXT("kirv", " Ko"), KIRV_TEXT("kirv", " Mo"),
                                  KIRV_TEXT("kirv", " Go")};

// Octets received and sent, every octet counted; each stops at 2^63 - 1 rather than wrap, so
// their sum, both directions, is exact too.
struct Volume {
  std::uint64_t received = 0;
  std::uint64_t sent = 0;

  Volume& operator+=(const Volume& v) {
    received = SaturatingSum(received, v.received);
    sent = SaturatingSum(sent, v.sent);
    return *this;
  }
  std::uint64_t Both() const { return received + sent; }
};

double Real(std::uint64_t octets) { return static_cast<double>(octets); }

// floor(octets × monthDays ÷ days) in whole numbers, held at the largest count.
std::uint64_t Projected(std::uint64_t octets, std::uint64_t days, std::uint64_t monthDays) {
  std::uint64_t whole = 0;
  if (__builtin_mul_overflow(octets / days, monthDays, &whole)) return kLargestCount;
  return SaturatingSum(whole, octets % days * monthDays / days);
}

bool SameDay(const DateTime& a, const DateTime& b) {
  return a.day == b.day && a.month == b.month && a.year == b.year;
}

bool SameMonth(const DateTime& a, const DateTime& b) {
  return a.month == b.month && a.year == b.year;
}

// Plain decimals without leading zeros: 7/3/2004 and 3/2004.
std::string DayText(const DateTime& t) {
  return std::to_string(t.day) + "/" + std::to_string(t.month) + "/" + std::to_string(t.year);
}

std::string MonthText(const DateTime& t) {
  return std::to_string(t.month) + "/" + std::to_string(t.year);
}

// The date and counts of the records a pass takes: records without a "U" at or after position 21
// or without a valid date are not. Runs of records share their date text, "dd/mm/yyyy": its date
// and its validity are read once per run.
class RecordReader {
 public:
  // The record's day in date and its counts in record (whose time is read only at a run's start).
  bool Read(std::string_view text, DateTime& date, ArchiveRecord& record) {
    if (text.size() >= kDateText && std::memcmp(text.data(), dateText_, kDateText) == 0) {
      date = date_;
      return ParseCounts(text, record.received, record.sent) && valid_;
    }
    bool hasSentCount = false;
    record = ParseRecord(text, hasSentCount);
    date = DateTime{record.time.year, record.time.month, record.time.day};
    const bool valid = IsValidDate(date.year, date.month, date.day);
    // A text too short for a whole date text starts no run.
    if (text.size() >= kDateText) {
      std::memcpy(dateText_, text.data(), kDateText);
      date_ = date;
      valid_ = valid;
    }
    return hasSentCount && valid;
  }

 private:
  static constexpr std::size_t kDateText = 10;
  char dateText_[kDateText] = {};  // no date text is all zero bytes
  DateTime date_;
  bool valid_ = false;
};

// One computation's accumulators and rows. Groups are shown in this order, each choosing the
// unit on its own received and sent values and keeping the one before it when both are at most
// 1024: the rows closed during the scan, today, forecast, since, the last daily and monthly rows.
class Pass {
 public:
  Pass(const DateTime& today, const NumberFormat& format, LaterDays laterDays)
      : today_(today),
        laterDays_(laterDays),
        sinceCaption_(format.Text(kSinceCaption)),
        gridUnits_(kGridTexts, format),
        labelUnits_(kLabelUnits, format),
        unit_(format.Text(KIRV_TEXT("kirv", " octets")), format) {}

  // The records of one day, or a part of them, newest parts first.
  void Take(const DateTime& date, const Volume& counts) {
    if (laterDays_ == LaterDays::kLeftOut && DayAfterToday(date)) return;
    archive_ += counts;
    if (SameDay(date, today_)) todayVolume_ += counts;
    if (SameMonth(date, today_)) thisMonth_ += counts;
    if (!dayKey_) dayKey_ = monthKey_ = date;
    if (!SameDay(date, *dayKey_)) {
      report_.dailyRows.push_back(DailyRow());
      dayVolume_ = {};
      dayKey_ = date;
    }
    if (!SameMonth(date, *monthKey_)) {
      report_.monthlyRows.push_back(MonthlyRow());
      monthVolume_ = {};
      monthKey_ = date;
    }
    dayVolume_ += counts;
    monthVolume_ += counts;
  }

  // The oldest record taken, if any.
  const std::optional<DateTime>& Oldest() const { return dayKey_; }

  TotalsReport Finish(const std::string& oldestDate) {
    report_.today = Figures(todayVolume_);
    report_.forecast = Forecast();
    report_.since = Figures(archive_);
    report_.sinceCaption = sinceCaption_ + " " + oldestDate;
    report_.dailyRows.push_back(DailyRow());
    report_.monthlyRows.push_back(MonthlyRow());
    report_.oldestDay = dayKey_;
    return std::move(report_);
  }

 private:
  // The month so far at the same daily rate, over the whole month.
  TotalsFigures Forecast() {
    const double days = today_.day;
    const double monthDays = DaysInMonth(today_.year, today_.month);
    const double received = Real(thisMonth_.received) / days * monthDays;
    const double sent = Real(thisMonth_.sent) / days * monthDays;
    unit_.Choose(received, sent, labelUnits_.Texts());
    const double both = Real(thisMonth_.Both()) / days * monthDays;
    const auto projected = [this](std::uint64_t octets) {
      return Projected(octets, static_cast<std::uint64_t>(today_.day),
                       static_cast<std::uint64_t>(DaysInMonth(today_.year, today_.month)));
    };
    return {
        unit_.Format(received),     unit_.Format(sent),
        unit_.Format(both),         projected(thisMonth_.received),
        projected(thisMonth_.sent), projected(SaturatingSum(thisMonth_.received, thisMonth_.sent))};
  }

  bool DayAfterToday(const DateTime& date) const {
    return std::tie(date.year, date.month, date.day) >
           std::tie(today_.year, today_.month, today_.day);
  }

  TotalsFigures Figures(const Volume& v) {
    unit_.Choose(Real(v.received), Real(v.sent), labelUnits_.Texts());
    return {unit_.Format(Real(v.received)),
            unit_.Format(Real(v.sent)),
            unit_.Format(Real(v.Both())),
            v.received,
            v.sent,
            SaturatingSum(v.received, v.sent)};
  }

  TotalsRow Row(std::string date, const Volume& v) {
    unit_.Choose(Real(v.received), Real(v.sent), gridUnits_.Texts());
    return {std::move(date),
            unit_.Format(Real(v.received)),
            unit_.Format(Real(v.sent)),
            unit_.Format(Real(v.Both())),
            std::nullopt,
            v.received,
            v.sent};
  }

  TotalsRow DailyRow() {
    TotalsRow row = Row(dayKey_ ? DayText(*dayKey_) : "", dayVolume_);
    row.day = dayKey_;
    return row;
  }

  TotalsRow MonthlyRow() { return Row(monthKey_ ? MonthText(*monthKey_) : "", monthVolume_); }

  DateTime today_;
  LaterDays laterDays_;
  std::string sinceCaption_;
  ShownUnits gridUnits_;
  ShownUnits labelUnits_;
  CarriedUnit unit_;
  Volume archive_, todayVolume_, thisMonth_, dayVolume_, monthVolume_;
  std::optional<DateTime> dayKey_, monthKey_;  // the groups being built; none before a record
  TotalsReport report_;
};

// The records of one part of an archive, newest first, summed over each run of one day.
struct PartTotals {
  struct DayRun {
    DateTime date;
    Volume volume;
  };
  std::vector<DayRun> runs;
  std::uint64_t skipped = 0;  // records and lines that gave nothing
};

PartTotals ScanPart(RecordScanner& scanner) {
  PartTotals part;
  RecordReader reader;
  std::string_view text;
  DateTime date;
  ArchiveRecord record;
  while (scanner.Next(text)) {
    if (!reader.Read(text, date, record)) {
      ++part.skipped;
      continue;
    }
    const Volume counts{record.received, record.sent};
    if (part.runs.empty() || !SameDay(part.runs.back().date, date)) {
      part.runs.push_back({date, counts});
    } else {
      part.runs.back().volume += counts;
    }
  }
  part.skipped += scanner.SkippedLines();
  return part;
}

}  // namespace

TotalsComputation::TotalsComputation(ScanSplit split) : split_(split) {}

std::optional<TotalsReport> TotalsComputation::Run(const std::string& archivePath,
                                                   const DateTime& today,
                                                   const NumberFormat& format,
                                                   LaterDays laterDays) {
  if (archivePath.empty()) return std::nullopt;
  // A large archive is read in parts side by side, the newest here; the day runs are then taken
  // newest first, as one pass over the whole file takes its records.
  const RecordScanner whole(archivePath);
  const std::vector<std::uint64_t> ends = whole.PartEnds(split_.parts, split_.minimumPart);
  std::vector<PartTotals> parts(ends.size());
  {
    std::vector<std::jthread> readers;
    for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
      readers.emplace_back([&whole, &ends, &parts, i] {
        RecordScanner scanner(whole, i == 0 ? 0 : ends[i - 1], ends[i]);
        parts[i] = ScanPart(scanner);
      });
    }
    if (!ends.empty()) {
      RecordScanner newest(whole, ends.size() > 1 ? ends[ends.size() - 2] : 0, ends.back());
      parts.back() = ScanPart(newest);
    }
  }

  Pass pass(today, format, laterDays);
  std::uint64_t skipped = 0;
  for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
    for (const PartTotals::DayRun& run : part->runs) pass.Take(run.date, run.volume);
    skipped += part->skipped;
  }
  if (pass.Oldest()) oldestDate_ = DayText(*pass.Oldest());
  TotalsReport report = pass.Finish(oldestDate_);
  report.skippedRecords = skipped;
  return report;
}

ScanSplit ScanSplit::ForThisMachine() {
  const std::size_t cores = std::max(1U, std::thread::hardware_concurrency());
  return {std::min<std::size_t>(cores, 4), 4 * 1024 * 1024};
}

}  // namespace kirv
