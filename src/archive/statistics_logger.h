#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/write_problems.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/interface_table.h"
#include "common/number_format.h"

namespace kirv {

// One position of the list of interfaces to monitor: its text (the interface name) and its check
// mark. The logger reads the row of that name, wherever the table holds it now.
struct MonitorEntry {
  std::string name;
  bool checked = false;
};

// The logger's period: one record per monitored interface every five minutes, by the desktop
// program's logging timer and by "kirv log" alike.
inline constexpr int kLoggerPeriodMs = 300000;

// The status of a record written, followed by the time and the write calls; any other status
// says a failure.
inline constexpr std::string_view kLogOkStatus = "LOG OK";

// What a tick leaves in the debug displays; a display that the tick did not touch stays empty.
struct LoggerDisplays {
  std::optional<std::string> Label1;  // average received speed of the period, "6ko/s"
  std::optional<std::string> Label4;  // average sent speed of the period
  std::optional<std::string> Label5;  // date and time of the tick
  std::optional<std::string> Label6;  // the last record line, without its CR LF
  // Every text that the meter window's status line (its Label3) took, in order; the last stays.
  std::vector<std::string> status;
};

// Where the core says what went wrong, one line at a time, without its line end.
using DiagnosticSink = std::function<void(std::string_view line)>;

// Writes each line to standard error, followed by a line end.
DiagnosticSink StandardErrorSink();

// The five-minute statistics logger: appends to each monitored interface's archive file, named
// after the interface in the working directory, the traffic since that interface's last record.
// The caller owns the timer and hands in the list as it stands at each call. It needs no window:
// `kirv log` drives it with its own timer.
//
// Baselines belong to interface names. An interface absent from the table is not logged and
// keeps its baselines; one that is back under a new interface index counts from zero, so its
// first record holds its traffic since it came back. A record reaches the disk before the
// baselines move: while it cannot be written, its traffic is carried into the next record, and
// each failure is told to the diagnostic sink with the file name and the reason, once until a
// record of that interface is written again. A growth beyond kImpossibleGrowth is not written and
// leaves the baselines for the next reading.
//
// An archive is never stamped before its newest record (read from its end when the logger first
// writes to it, then the last it wrote), except within a repeated daylight-saving hour: a clock
// behind it carries the traffic until it passes it (see JudgeStamp).
class StatisticsLogger {
 public:
  static constexpr int kMaxWriteCalls = 50;

  // The counters an interface's next record is computed from: those of its last record.
  struct Baseline {
    int index = 0;  // interface index of the counters; 0 before any was taken
    std::uint64_t in = 0;
    std::uint64_t out = 0;
    bool operator==(const Baseline&) const = default;
  };

  StatisticsLogger(InterfaceTable& table, Clock& clock, Dialogs& dialogs, NumberFormat format,
                   DiagnosticSink diagnostics = StandardErrorSink());

  // The data folder, absolute: when it is removed while the logger runs, the next record makes it
  // again and works in it. Without it the working directory is used as it is.
  void SetDataFolder(std::string absolutePath) { dataFolder_ = std::move(absolutePath); }

  // Baselines of every checked interface from the current counters: at start, for the
  // interfaces restored as monitored.
  void TakeBaselines(const std::vector<MonitorEntry>& entries);
  // The same, except that a checked interface found in `saved` under its current index, or absent
  // from the table, starts from the saved counters: those another writer last recorded.
  void RestoreBaselines(const std::vector<MonitorEntry>& entries,
                        const std::map<std::string, Baseline>& saved);
  // By interface name, names that left the table included.
  const std::map<std::string, Baseline>& Baselines() const { return baselines_; }

  // Where an archive that cannot be written is told, once per archive and reason until it is
  // written again; the path is absolute.
  void SetWriteProblemSink(WriteProblemSink sink) { writeProblemSink_ = std::move(sink); }

  // One logging tick over the checked interfaces, in list order.
  LoggerDisplays Timer1Timer(const std::vector<MonitorEntry>& entries);

  // At quit: one last record for every checked interface with traffic in both directions since
  // its last record, so the partial period is not lost. Each record is on the disk on return.
  LoggerDisplays WriteFinalRecords(const std::vector<MonitorEntry>& entries);

  // Told each record once it is on the disk: the interface name, the record's time, its octets.
  using RecordSink = std::function<void(const std::string& name, const DateTime& time,
                                        std::uint64_t received, std::uint64_t sent)>;
  void SetRecordSink(RecordSink sink) { recordSink_ = std::move(sink); }

 private:
  // What the logger knows of one interface's archive.
  struct ArchiveState {
    bool newestRead = false;
    std::optional<DateTime> newest;       // to the second; none in an empty archive
    std::optional<DateTime> behindSince;  // the first stamp carried while the clock is behind
    std::string said;                     // the failure last said, until a record is written
  };

  void LogInterface(const std::string& name, LoggerDisplays& displays);
  bool WriteRecord(const std::string& name, const DateTime& now, const std::string& line,
                   LoggerDisplays& displays);
  bool MayStamp(ArchiveState& state, const std::string& path, const DateTime& now);
  bool SayOnce(ArchiveState& state, const std::string& key, const std::string& line);
  bool RemakeDataFolder();
  std::string AbsolutePath(const std::string& path) const;
  std::string Speed(std::uint64_t octets) const;
  std::string TimeNow() const;
  std::string WriteErrorStatus() const;  // "ERREUR ECRITURE hh:nn:ss"
  // Tells the sink of a failure that is news; `error` is 0 once the archive is written.
  void TellOutcome(const std::string& path, const std::string& reason);

  InterfaceTable& table_;
  Clock& clock_;
  Dialogs& dialogs_;
  NumberFormat format_;
  DiagnosticSink diagnostics_;
  std::map<std::string, Baseline> baselines_;     // by interface name; kept for names that leave
  std::map<std::string, ArchiveState> archives_;  // by interface name
  std::string dataFolder_;
  WriteProblemSink writeProblemSink_;
  WriteProblems writeProblems_;
  RecordSink recordSink_;
};

}  // namespace kirv
