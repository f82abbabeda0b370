#pragma once

// kirv.prom in the metrics folder, for node_exporter's textfile collector.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "archive/statistics_logger.h"
#include "common/clock.h"
#include "common/notifier.h"
#include "common/settings_store.h"
#include "metrics/traffic_sums.h"
#include "plan/data_plan.h"

namespace kirv {

// Rewrites kirv.prom through a temporary file of the same folder and a rename, so a reader sees
// the old file or the new one, never a part. A folder that cannot be written is said once to the
// sink (standard error by default) and the caller goes on.
class MetricsFile {
 public:
  static constexpr const char* kFileName = "kirv.prom";
  using Sink = std::function<void(std::string_view line)>;

  explicit MetricsFile(std::string folder, Sink sink = {});
  // True when the file holds the text.
  bool Write(const std::string& text);

 private:
  std::string folder_;
  Sink sink_;
  bool said_ = false;
};

// Says a metrics folder that cannot be written on standard error and, where a notifier is given,
// in one desktop notification that a later problem replaces.
MetricsFile::Sink MetricsProblemSink(Notifier* notifier);

// What the writer of the data folder publishes: the sums of the archives, read at start and then
// kept from the records the logger writes, and the plan when one is on.
class MetricsPublisher {
 public:
  // devices: the monitored interfaces; the plan also counts the archives of planArchives (paths).
  MetricsPublisher(std::string metricsFolder, std::string dataFolder,
                   std::vector<std::string> devices, std::optional<DataPlan> plan,
                   const std::vector<std::string>& planArchives, std::string version,
                   MetricsFile::Sink sink = {});

  void Add(const std::string& device, const DateTime& time, std::uint64_t received,
           std::uint64_t sent);
  bool Publish(const DateTime& now);

 private:
  MetricsFile file_;
  std::vector<std::string> devices_;
  std::optional<DataPlan> plan_;
  std::vector<std::string> planDevices_;
  std::string version_;
  TrafficSums sums_;
};

// The metrics of the process that writes the data folder's archives: read from the archives when
// it starts writing them (Start, again at a take-over), then kept from each record its logger
// writes (Sink) and rewritten after each. Nothing is written before Start or when the folder is
// empty.
class MetricsWriter {
 public:
  // sink: where a folder that cannot be written is said (standard error when empty).
  explicit MetricsWriter(Clock& clock, MetricsFile::Sink sink = {})
      : clock_(clock), sink_(std::move(sink)) {}

  // devices: the monitored interfaces; the settings' plan is counted when it is on, over its
  // archives of the data folder.
  void Start(const std::string& metricsFolder, SettingsStore& settings,
             const std::string& dataFolder, std::vector<std::string> devices, std::string version);
  void Publish();
  StatisticsLogger::RecordSink Sink();

 private:
  Clock& clock_;
  MetricsFile::Sink sink_;
  std::optional<MetricsPublisher> publisher_;
};

}  // namespace kirv
