#include "cli/logger_metrics.h"

#include "app/version.h"
#include "cli/cli_common.h"
#include "platform/qsettings_store.h"

namespace kirv {

LoggerMetrics::LoggerMetrics(const LoggerArguments& arguments, Clock& clock)
    : arguments_(arguments), clock_(clock) {}

void LoggerMetrics::Start() {
  if (arguments_.metricsDir.empty()) return;
  QSettingsStore settings;  // the plan, as the desktop program and "kirv plan" read it
  std::vector<std::string> archives;
  for (const QString& path : ArchivesOf(QString::fromStdString(arguments_.dataFolder))) {
    archives.push_back(Utf8(path));
  }
  publisher_.emplace(PublisherOfSettings(settings, arguments_.metricsDir, arguments_.dataFolder,
                                         archives, arguments_.interfaces, kVersion));
  Publish();
}

void LoggerMetrics::Publish() {
  if (publisher_) publisher_->Publish(clock_.Now());
}

StatisticsLogger::RecordSink LoggerMetrics::Sink() {
  return [this](const std::string& name, const DateTime& time, std::uint64_t received,
                std::uint64_t sent) {
    if (!publisher_) return;
    publisher_->Add(name, time, received, sent);
    Publish();
  };
}

}  // namespace kirv
