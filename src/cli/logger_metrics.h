#pragma once

#include <optional>

#include "archive/statistics_logger.h"
#include "cli/logger_arguments.h"
#include "common/clock.h"
#include "platform/metrics_file.h"

namespace kirv {

// kirv-log's kirv.prom, when it was handed a metrics folder: read from the archives when the
// process starts writing them, then kept from each record it writes and rewritten after it.
class LoggerMetrics {
 public:
  LoggerMetrics(const LoggerArguments& arguments, Clock& clock);

  // At start and when the process takes the archives over: the archives are read again.
  void Start();
  void Publish();
  StatisticsLogger::RecordSink Sink();

 private:
  const LoggerArguments& arguments_;
  Clock& clock_;
  std::optional<MetricsPublisher> publisher_;
};

}  // namespace kirv
