#include "archive/statistics_logger.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <utility>

#include "archive/archive_file.h"
#include "archive/record.h"
#include "common/standard_error.h"

namespace kirv {

namespace {

// The archive name with the last `cut` bytes of the interface name removed.
std::string Candidate(const std::string& name, std::size_t cut) {
  return name.substr(0, name.size() - cut) + ".mdf";
}

// Makes sure an archive exists under the full name or the longest shortened name that can be
// created; an existing one is used as it is. The system's error number of a failed creation
// under the full name, else 0.
int EnsureArchive(const std::string& name) {
  if (ArchiveExists(Candidate(name, 0))) return 0;
  int fullNameError = 0;
  for (std::size_t cut = 0; cut <= name.size(); ++cut) {
    const std::string path = Candidate(name, cut);
    if (ArchiveExists(path) || CreateArchive(path)) return fullNameError;
    if (cut == 0) fullNameError = errno;
  }
  return fullNameError;
}

// Growth of a counter since its baseline, both read from the same link. A counter below its
// baseline was restarted (the adapter was reset): its whole value is the growth.
std::uint64_t Growth(std::uint64_t now, std::uint64_t baseline) {
  return now >= baseline ? now - baseline : now;
}

std::optional<InterfaceRow> RowNamed(InterfaceTable& table, const std::string& name) {
  const InterfaceSnapshot snapshot = table.TakeSnapshot();
  const InterfaceRow* row = FindRow(snapshot, name);
  if (row == nullptr) return std::nullopt;
  return *row;
}

}  // namespace

DiagnosticSink StandardErrorSink() {
  return [](std::string_view line) { WriteToStandardError(line); };
}

StatisticsLogger::StatisticsLogger(InterfaceTable& table, Clock& clock, Dialogs& dialogs,
                                   NumberFormat format, DiagnosticSink diagnostics)
    : table_(table),
      clock_(clock),
      dialogs_(dialogs),
      format_(format),
      diagnostics_(std::move(diagnostics)) {}

void StatisticsLogger::TakeBaselines(const std::vector<MonitorEntry>& entries) {
  for (const MonitorEntry& entry : entries) {
    if (!entry.checked) continue;
    if (const auto row = RowNamed(table_, entry.name)) {
      baselines_[entry.name] = {row->index, row->inOctets, row->outOctets};
    }
  }
}

LoggerDisplays StatisticsLogger::Timer1Timer(const std::vector<MonitorEntry>& entries) {
  LoggerDisplays displays;
  for (const MonitorEntry& entry : entries) {
    if (entry.checked) LogInterface(entry.name, displays);
  }
  return displays;
}

LoggerDisplays StatisticsLogger::WriteFinalRecords(const std::vector<MonitorEntry>& entries) {
  return Timer1Timer(entries);
}

void StatisticsLogger::LogInterface(const std::string& name, LoggerDisplays& displays) {
  // An interface gone from the table is not read; its baselines wait for its return.
  const std::optional<InterfaceRow> row = RowNamed(table_, name);
  if (!row) return;
  Baseline& baseline = baselines_[name];
  // Another link under this name since the baselines were taken: its counters began at zero.
  if (baseline.index != row->index) baseline = {row->index, 0, 0};
  const std::uint64_t rx = Growth(row->inOctets, baseline.in);
  const std::uint64_t tx = Growth(row->outOctets, baseline.out);
  if (rx > kImpossibleGrowth || tx > kImpossibleGrowth) {
    diagnostics_("KIRV: " + name + " : compteurs lus en hausse de " + std::to_string(rx) +
                 " octets reçus et " + std::to_string(tx) +
                 " envoyés depuis le dernier enregistrement, plus que 2^62 : rien n'est écrit");
    return;
  }

  const DateTime now = clock_.Now();
  displays.Label1 = Speed(rx);
  displays.Label4 = Speed(tx);
  displays.Label5 = FormatDateTime(now, "dd/mm/yyyy hh:nn:ss");
  const std::string line = FormatRecord(now, rx, tx);
  // A period without traffic in both directions is carried into the next record.
  if (rx == 0 || tx == 0) return;

  if (WriteRecord(name, line, displays)) {
    baseline = {row->index, row->inOctets, row->outOctets};
    if (recordSink_) recordSink_(name, now, rx, tx);
  }
  displays.Label6 = line.substr(0, line.size() - 2);
}

// True when the record is on the disk. A record that is not keeps the baselines where they were,
// so its traffic goes into the next record that is written.
bool StatisticsLogger::WriteRecord(const std::string& name, const std::string& line,
                                   LoggerDisplays& displays) {
  const int creationError = EnsureArchive(name);
  int openError = 0;
  for (std::size_t cut = 0; cut <= name.size(); ++cut) {
    const std::string path = Candidate(name, cut);
    ArchiveFile file(path);
    if (!file.IsOpen()) {
      if (cut == 0) openError = file.OpenError();
      continue;
    }
    std::string status = "LOG OK " + TimeNow() + " 0";
    displays.status.push_back(status);
    const ArchiveFile::AppendResult result = file.Append(line, kMaxWriteCalls);
    if (!result.written) {
      status = "ERREUR ECRITURE " + TimeNow();
      displays.status.push_back(status);
      diagnostics_("KIRV: l'archive " + path +
                   " ne peut pas être écrite : " + std::strerror(result.error) +
                   " ; son trafic passe dans l'enregistrement suivant");
    }
    displays.status.push_back(status + " " + std::to_string(result.writeCalls));
    return result.written;
  }
  diagnostics_("KIRV: l'archive " + Candidate(name, 0) + " ne peut pas être ouverte : " +
               std::strerror(creationError != 0 ? creationError : openError) +
               " ; son trafic passe dans l'enregistrement suivant");
  dialogs_.ShowMessage("Erreur dans le logging des statistiques");
  displays.status.push_back("ERREUR LOG");
  displays.status.push_back("ERREUR ECRITURE " + TimeNow());
  return false;
}

// Kilo-octets of 1024, rounded down to a tenth, spread over the 300 s period.
std::string StatisticsLogger::Speed(std::uint64_t octets) const {
  const double kilo = std::floor(static_cast<double>(octets) * 0.009765625) * (1.0 / 3000);
  return FormatGeneral(kilo, format_) + "ko/s";
}

std::string StatisticsLogger::TimeNow() const { return FormatDateTime(clock_.Now(), "hh:nn:ss"); }

}  // namespace kirv
