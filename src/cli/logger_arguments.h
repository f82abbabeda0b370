#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/settings_schema.h"

namespace kirv {

// What "kirv log" hands to kirv-log once it has read the options and the settings: kirv-log then
// needs neither, and the pages that read them are not kept for the hours it rests between ticks.
struct LoggerArguments {
  std::string dataFolder;  // absolute, usable
  int periodMs = 0;        // above 0
  char decimalSeparator = '.';
  std::vector<std::string> interfaces;  // the monitored ones, in the table's order
  std::string metricsDir;               // where kirv.prom goes; empty: none is written
  std::optional<PlanControls> plan;     // the settings' data plan, when it is on

  // "--data-dir DIR --period-ms N --decimal-separator C [--metrics-dir DIR] [--plan VALUE...]
  // -- NAME...", after the program name.
  std::vector<std::string> ToArguments() const;
  // The arguments after the program name; none when they are not what ToArguments gives.
  static std::optional<LoggerArguments> Parse(const std::vector<std::string>& arguments);

  bool operator==(const LoggerArguments&) const = default;
};

}  // namespace kirv
