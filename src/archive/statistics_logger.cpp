#include "archive/statistics_logger.h"

#include <cmath>
#include <optional>

#include "archive/archive_file.h"
#include "archive/record.h"

namespace kirv {

namespace {

// The archive name with the last `cut` bytes of the interface name removed.
std::string Candidate(const std::string& name, std::size_t cut) {
  return name.substr(0, name.size() - cut) + ".mdf";
}

// Makes sure an archive exists under the full name or the longest shortened name that can be
// created; an existing one is used as it is.
void EnsureArchive(const std::string& name) {
  if (ArchiveExists(Candidate(name, 0))) return;
  for (std::size_t cut = 0; cut <= name.size(); ++cut) {
    const std::string path = Candidate(name, cut);
    if (ArchiveExists(path) || CreateArchive(path)) return;
  }
}

// Growth of a counter since its baseline. A counter below its baseline was restarted (the
// adapter came up again): its whole value is the growth.
std::uint64_t Growth(std::uint64_t now, std::uint64_t baseline) {
  return now >= baseline ? now - baseline : now;
}

std::optional<InterfaceRow> RowAt(InterfaceTable& table, std::size_t position) {
  InterfaceSnapshot snapshot = table.TakeSnapshot();
  if (position >= snapshot.rows.size()) return std::nullopt;
  return std::move(snapshot.rows[position]);
}

}  // namespace

StatisticsLogger::StatisticsLogger(InterfaceTable& table, Clock& clock, Dialogs& dialogs,
                                   NumberFormat format)
    : table_(table), clock_(clock), dialogs_(dialogs), format_(format) {}

void StatisticsLogger::TakeBaselines(const std::vector<MonitorEntry>& entries) {
  if (baselines_.size() < entries.size()) baselines_.resize(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (!entries[i].checked) continue;
    if (const auto row = RowAt(table_, i)) baselines_[i] = {row->inOctets, row->outOctets};
  }
}

LoggerDisplays StatisticsLogger::Timer1Timer(const std::vector<MonitorEntry>& entries) {
  if (baselines_.size() < entries.size()) baselines_.resize(entries.size());
  LoggerDisplays displays;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].checked) LogPosition(i, entries[i].name, displays);
  }
  return displays;
}

LoggerDisplays StatisticsLogger::WriteFinalRecords(const std::vector<MonitorEntry>& entries) {
  return Timer1Timer(entries);
}

void StatisticsLogger::LogPosition(std::size_t position, const std::string& name,
                                   LoggerDisplays& displays) {
  // An interface gone from the table since the list was filled is not read.
  const std::optional<InterfaceRow> row = RowAt(table_, position);
  if (!row) return;
  Baseline& baseline = baselines_[position];
  const std::uint64_t rx = Growth(row->inOctets, baseline.in);
  const std::uint64_t tx = Growth(row->outOctets, baseline.out);

  const DateTime now = clock_.Now();
  displays.Label1 = Speed(rx);
  displays.Label4 = Speed(tx);
  displays.Label5 = FormatDateTime(now, "dd/mm/yyyy hh:nn:ss");
  const std::string line = FormatRecord(now, rx, tx);
  // A period without traffic in both directions is carried into the next record.
  if (rx == 0 || tx == 0) return;

  WriteRecord(name, line, displays);
  baseline = {row->inOctets, row->outOctets};  // also when the record was lost
  displays.Label6 = line.substr(0, line.size() - 2);
}

void StatisticsLogger::WriteRecord(const std::string& name, const std::string& line,
                                   LoggerDisplays& displays) {
  EnsureArchive(name);
  for (std::size_t cut = 0; cut <= name.size(); ++cut) {
    ArchiveFile file(Candidate(name, cut));
    if (!file.IsOpen()) continue;
    std::string status = "LOG OK " + TimeNow() + " 0";
    displays.status.push_back(status);
    const ArchiveFile::AppendResult result = file.Append(line, kMaxWriteCalls);
    if (!result.written) {
      status = "ERREUR ECRITURE " + TimeNow();
      displays.status.push_back(status);
    }
    displays.status.push_back(status + " " + std::to_string(result.writeCalls));
    return;
  }
  dialogs_.ShowMessage("Erreur dans le logging des statistiques");
  displays.status.push_back("ERREUR LOG");
  displays.status.push_back("ERREUR ECRITURE " + TimeNow());
}

// Kilo-octets of 1024, rounded down to a tenth, spread over the 300 s period.
std::string StatisticsLogger::Speed(std::uint64_t octets) const {
  const double kilo = std::floor(static_cast<double>(octets) * 0.009765625) * (1.0 / 3000);
  return FormatGeneral(kilo, format_) + "ko/s";
}

std::string StatisticsLogger::TimeNow() const { return FormatDateTime(clock_.Now(), "hh:nn:ss"); }

}  // namespace kirv
