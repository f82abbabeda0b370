#pragma once

#include <string>
#include <vector>

#include "archive/statistics_logger.h"
#include "config/settings_schema.h"

namespace kirv {

// The statistics logger's list: the interfaces of the dialog's lists in their order, each checked
// as the list of monitored interfaces (lb) marks it.
inline std::vector<MonitorEntry> MonitoredEntries(const std::vector<InterfaceChecks>& interfaces) {
  std::vector<MonitorEntry> entries;
  entries.reserve(interfaces.size());
  for (const InterfaceChecks& i : interfaces) entries.push_back({i.name, i.lb});
  return entries;
}

// The names of the checked entries in list order: the interfaces logged and published.
inline std::vector<std::string> CheckedNames(const std::vector<MonitorEntry>& entries) {
  std::vector<std::string> names;
  for (const MonitorEntry& e : entries) {
    if (e.checked) names.push_back(e.name);
  }
  return names;
}

}  // namespace kirv
