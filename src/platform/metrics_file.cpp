#include "platform/metrics_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "common/standard_error.h"
#include "config/settings_schema.h"
#include "plan/plan_reading.h"
#include "plan/plan_settings.h"

namespace kirv {

MetricsFile::MetricsFile(std::string folder, Sink sink)
    : folder_(std::move(folder)), sink_(sink ? std::move(sink) : Sink(WriteToStandardError)) {}

bool MetricsFile::Write(const std::string& text) {
  const QString folder = QString::fromStdString(folder_);
  // QSaveFile writes "kirv.prom.XXXXXX" beside the file (not read: it does not end in .prom),
  // flushes it to the disk, then renames it over kirv.prom.
  QSaveFile file(QDir(folder).filePath(QString::fromLatin1(kFileName)));
  file.setDirectWriteFallback(false);
  const bool written = file.open(QIODevice::WriteOnly) &&
                       file.write(text.data(), static_cast<qint64>(text.size())) ==
                           static_cast<qint64>(text.size()) &&
                       file.commit();
  if (!written && !said_) {
    said_ = true;
    sink_(QCoreApplication::translate("kirv::Metrics",
                                      "le dossier des métriques %1 ne peut pas être écrit "
                                      "(%2) ; l'enregistrement continue")
              .arg(folder, file.errorString())
              .toStdString());
  }
  return written;
}

MetricsPublisher::MetricsPublisher(std::string metricsFolder, std::string dataFolder,
                                   std::vector<std::string> devices, std::optional<DataPlan> plan,
                                   const std::vector<std::string>& planArchives,
                                   std::string version, MetricsFile::Sink sink)
    : file_(std::move(metricsFolder), std::move(sink)),
      devices_(std::move(devices)),
      plan_(std::move(plan)),
      version_(std::move(version)) {
  for (const std::string& device : devices_) sums_.Load(device, dataFolder + "/" + device + ".mdf");
  if (!plan_) return;
  for (const std::string& path : planArchives) {
    const std::string device =
        QFileInfo(QString::fromStdString(path)).completeBaseName().toStdString();
    planDevices_.push_back(device);
    if (std::find(devices_.begin(), devices_.end(), device) == devices_.end()) {
      sums_.Load(device, path);
    }
  }
}

void MetricsPublisher::Add(const std::string& device, const DateTime& time, std::uint64_t received,
                           std::uint64_t sent) {
  sums_.Add(device, time, received, sent);
}

bool MetricsPublisher::Publish(const DateTime& now) {
  std::optional<PlanMetrics> plan;
  if (plan_) plan = sums_.Plan(*plan_, planDevices_, now);
  return file_.Write(MetricsText(sums_.Devices(devices_, now), plan, version_));
}

void MetricsWriter::Start(const std::string& metricsFolder, SettingsStore& settings,
                          const std::string& dataFolder, std::vector<std::string> devices,
                          std::string version) {
  if (metricsFolder.empty()) return;
  PlanControls controls;
  ReadPlanSettings(settings, controls);
  std::optional<DataPlan> plan;
  std::vector<std::string> planArchives;
  if (controls.on) plan = PlanOfControls(controls);
  if (plan) {
    const QDir folder(QString::fromStdString(dataFolder));
    std::vector<std::string> inFolder;
    for (const QString& name : folder.entryList({QStringLiteral("*.mdf")}, QDir::Files)) {
      inFolder.push_back(folder.absoluteFilePath(name).toStdString());
    }
    planArchives = PlanArchivePaths(*plan, dataFolder, inFolder);
  }
  publisher_.emplace(metricsFolder, dataFolder, std::move(devices), std::move(plan), planArchives,
                     std::move(version), sink_);
  Publish();
}

MetricsFile::Sink MetricsProblemSink(Notifier* notifier) {
  return [notifier](std::string_view line) {
    WriteToStandardError(line);
    if (notifier == nullptr) return;
    notifier->Notify(
        {"metrics",
         QCoreApplication::translate("kirv::Metrics", "Erreur dans l'écriture des métriques")
             .toStdString(),
         std::string(line), Urgency::kNormal, "device.error"});
  };
}

void MetricsWriter::Publish() {
  if (publisher_) publisher_->Publish(clock_.Now());
}

StatisticsLogger::RecordSink MetricsWriter::Sink() {
  return [this](const std::string& name, const DateTime& time, std::uint64_t received,
                std::uint64_t sent) {
    if (!publisher_) return;
    publisher_->Add(name, time, received, sent);
    Publish();
  };
}

}  // namespace kirv
