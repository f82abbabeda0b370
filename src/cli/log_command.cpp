// "kirv log": the five-minute statistics logger alone, without any window or display, for the
// interfaces that the settings mark as monitored (else those a first start chooses), into the
// data folder. This front end reads the options and the settings once and hands them to kirv-log,
// which logs.

#include <algorithm>
#include <vector>

#include "archive/statistics_logger.h"
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/log_program_exec.h"
#include "config/monitored_entries.h"
#include "config/settings_schema.h"
#include "platform/data_folder.h"
#include "platform/ini_settings_store.h"
#include "platform/netlink_interface_table.h"
#include "platform/xdg_auto_start.h"
#include "sampling/default_interfaces.h"

namespace kirv {

namespace {

const QString kCommand = QStringLiteral("log");
constexpr int kShortestPeriod = 1000;  // ms

// The interfaces of the table, in its order, checked as the settings mark them; the rest of the
// settings (the data plan, the metrics folder) in controls.
std::vector<MonitorEntry> ReadMonitoredEntries(InterfaceTable& table, SettingsStore& settings,
                                               ConfigControls& controls) {
  for (const InterfaceRow& row : table.TakeSnapshot().rows) {
    controls.interfaces.push_back({row.name});
  }
  XdgAutoStartEntry autoStart;
  ReadForm1Settings(settings, autoStart, controls);
  return MonitoredEntries(controls.interfaces);
}

}  // namespace

int RunLog(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(CommandTexts::tr(
      "Enregistre toutes les cinq minutes le trafic des interfaces à monitorer, sans fenêtre."));
  const QCommandLineOption folderOption(QStringLiteral("data-dir"),
                                        CommandTexts::tr("Dossier des archives."),
                                        CommandTexts::tr("dossier"));
  QCommandLineOption periodOption(QStringLiteral("period-ms"),
                                  CommandTexts::tr("Période d'enregistrement en millisecondes."),
                                  QStringLiteral("ms"), QString::number(kLoggerPeriodMs));
  periodOption.setFlags(QCommandLineOption::HiddenFromHelp);  // for the tests
  const QCommandLineOption metricsOption(
      QStringLiteral("metrics-dir"),
      CommandTexts::tr("Dossier où écrire kirv.prom pour node_exporter (remplace metricsDir)."),
      CommandTexts::tr("dossier"));
  parser.addOptions({folderOption, periodOption, metricsOption});
  if (const std::optional<int> status = ParseArguments(parser, kCommand, arguments)) {
    return *status;
  }
  if (!parser.positionalArguments().isEmpty()) {
    return UsageError(
        parser, kCommand,
        Labelled(CommandTexts::tr("argument inattendu"), parser.positionalArguments().front()));
  }
  bool periodRead = false;
  const int period = parser.value(periodOption).toInt(&periodRead);
  if (!periodRead) {
    return UsageError(parser, kCommand,
                      Labelled(CommandTexts::tr("période illisible"), parser.value(periodOption)));
  }
  // Shorter periods are for the tests alone; under a second the logger would do little else.
  if (period < kShortestPeriod) {
    return UsageError(
        parser, kCommand,
        Labelled(CommandTexts::tr("période trop courte, %1 ms au moins").arg(kShortestPeriod),
                 parser.value(periodOption)));
  }

  const DataFolderStatus folder = PrepareDataFolder(
      parser.isSet(folderOption) ? parser.value(folderOption) : DefaultDataFolder());
  if (!folder.usable) {
    PrintError(folder.error);
    return kExitFailure;
  }
  if (!folder.warning.isEmpty()) PrintError(folder.warning);

  NetlinkInterfaceTable table;
  if (!table.IsAvailable()) return kExitFailure;  // the table has said why
  IniSettingsStore settings;
  ConfigControls controls;
  std::vector<MonitorEntry> entries = ReadMonitoredEntries(table, settings, controls);
  // Settings that monitor nothing, or none at all, log what a first start of the windows checks.
  if (std::none_of(entries.begin(), entries.end(),
                   [](const MonitorEntry& e) { return e.checked; })) {
    const InterfaceChoice choice = ChooseDefaultInterfaces(table.ReadNetworkFacts());
    for (MonitorEntry& e : entries) {
      e.checked = std::find(choice.names.begin(), choice.names.end(), e.name) != choice.names.end();
    }
    const QString line = CommandTexts::tr("aucune interface à monitorer dans %1, %2")
                             .arg(QString::fromStdString(settings.FilePath()),
                                  QString::fromStdString(ChoiceText(choice, &ProgramTexts())));
    PrintError(choice.names.empty() ? Labelled(line, CommandTexts::tr("rien ne sera enregistré"))
                                    : line);
  }

  LoggerArguments logger;
  logger.dataFolder = Utf8(folder.path);
  logger.periodMs = period;
  logger.decimalSeparator = SystemNumberFormat().decimalSeparator;
  const QString metrics = parser.isSet(metricsOption) ? parser.value(metricsOption)
                                                      : QString::fromStdString(controls.metricsDir);
  if (!metrics.isEmpty()) logger.metricsDir = Utf8(AbsolutePath(metrics));
  logger.interfaces = CheckedNames(entries);
  if (controls.plan.on) logger.plan = controls.plan;
  return ExecLogProgram(logger);
}

}  // namespace kirv
