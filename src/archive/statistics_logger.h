#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/dialogs.h"
#include "common/interface_table.h"
#include "common/number_format.h"

namespace kirv {

// One position of the list of interfaces to monitor: its text (the interface name) and its check
// mark. Position i is row i of the interface table as it was when the list was filled.
struct MonitorEntry {
  std::string name;
  bool checked = false;
};

// What a tick leaves in the debug displays; a display that the tick did not touch stays empty.
struct LoggerDisplays {
  std::optional<std::string> Label1;  // average received speed of the period, "6ko/s"
  std::optional<std::string> Label4;  // average sent speed of the period
  std::optional<std::string> Label5;  // date and time of the tick
  std::optional<std::string> Label6;  // the last record line, without its CR LF
  // Every text that the meter window's status line (its Label3) took, in order; the last stays.
  std::vector<std::string> status;
};

// The five-minute statistics logger: appends to each monitored interface's archive file, named
// after the interface in the working directory, the traffic since that interface's last record.
// The caller owns the timer and hands in the list as it stands at each call.
class StatisticsLogger {
 public:
  static constexpr int kMaxWriteCalls = 50;

  StatisticsLogger(InterfaceTable& table, Clock& clock, Dialogs& dialogs, NumberFormat format);

  // Baselines of every checked position from the current counters: at start, for the interfaces
  // restored as monitored.
  void TakeBaselines(const std::vector<MonitorEntry>& entries);

  // One logging tick over the checked positions, in list order.
  LoggerDisplays Timer1Timer(const std::vector<MonitorEntry>& entries);

  // At quit: one last record for every checked interface with traffic in both directions since
  // its last record, so the partial period is not lost.
  LoggerDisplays WriteFinalRecords(const std::vector<MonitorEntry>& entries);

 private:
  struct Baseline {
    std::uint64_t in = 0;
    std::uint64_t out = 0;
  };

  void LogPosition(std::size_t position, const std::string& name, LoggerDisplays& displays);
  void WriteRecord(const std::string& name, const std::string& line, LoggerDisplays& displays);
  std::string Speed(std::uint64_t octets) const;
  std::string TimeNow() const;

  InterfaceTable& table_;
  Clock& clock_;
  Dialogs& dialogs_;
  NumberFormat format_;
  std::vector<Baseline> baselines_;  // by list position; grows with the list, never shrinks
};

}  // namespace kirv
