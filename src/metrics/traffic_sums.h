#pragma once

// Per-device day sums kept from the archives' records: read once from each archive, then added to
// record by record as the logger writes, so each rewrite of the metrics costs no archive scan.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "metrics/metrics_text.h"
#include "plan/data_plan.h"

namespace kirv {

class TrafficSums {
 public:
  // The archive's daily rows as the totals compute them, and its newest record's time.
  void Load(const std::string& device, const std::string& archivePath);
  // One record the logger wrote.
  void Add(const std::string& device, const DateTime& time, std::uint64_t received,
           std::uint64_t sent);

  // The figures of the given devices on the day of now; a device without records has zeros.
  std::vector<DeviceMetrics> Devices(const std::vector<std::string>& devices,
                                     const DateTime& now) const;
  // The plan's figures over the day sums of the given devices (every device when empty).
  PlanMetrics Plan(const DataPlan& plan, const std::vector<std::string>& devices,
                   const DateTime& now) const;

 private:
  struct Device {
    std::map<std::int64_t, DayCounts> days;  // by day number
    std::optional<DateTime> newest;
  };
  void AddDay(Device& device, const DayCounts& counts);

  std::map<std::string, Device> devices_;
};

}  // namespace kirv
