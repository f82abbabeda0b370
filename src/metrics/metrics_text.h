#pragma once

// The figures that node_exporter's textfile collector publishes, as Prometheus' text exposition
// format 0.0.4: "# HELP" and "# TYPE" before each family, one group per family, octets and
// seconds, no timestamps (the collector drops a whole file that has one), a final line end.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plan/data_plan.h"

namespace kirv {

// One archive's figures; device is the interface name, as node_exporter's node_network_* label it.
struct DeviceMetrics {
  std::string device;
  std::uint64_t receivedTotal = 0;  // since the archive's first record
  std::uint64_t sentTotal = 0;
  std::uint64_t dayReceived = 0;  // today's records
  std::uint64_t daySent = 0;
  std::uint64_t monthReceived = 0;  // this calendar month's records
  std::uint64_t monthSent = 0;
  std::optional<std::int64_t> lastRecord;  // Unix seconds of the newest record
};

struct PlanMetrics {
  PlanCount count = PlanCount::kBoth;
  PlanFigures figures;
  std::int64_t periodEnd = 0;  // Unix seconds of the end of the period's last day
};

std::string MetricsText(const std::vector<DeviceMetrics>& devices,
                        const std::optional<PlanMetrics>& plan, std::string_view version);

// A label value between its double quotes: backslash, double quote and line feed escaped.
std::string EscapedLabelValue(std::string_view value);

// Unix seconds of a local date and time (the archives' timestamps are local).
std::int64_t UnixSecondsOfLocal(const DateTime& time);

}  // namespace kirv
