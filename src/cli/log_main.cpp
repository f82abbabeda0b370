// kirv-log: the statistics logger that "kirv log" replaces itself with, once it has read the
// options and the settings. It links Qt Core alone, and its event loop sleeps until the next tick
// or signal. It logs only while it is the data folder's single writer, and writes the final
// records when SIGTERM, SIGINT or SIGHUP ends it.

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/version.h"
#include "archive/logger_turn.h"
#include "archive/statistics_logger.h"
#include "cli/cli_common.h"
#include "cli/logger_arguments.h"
#include "cli/module_notifier.h"
#include "cli/stderr_dialogs.h"
#include "common/standard_error.h"
#include "plan/plan_settings.h"
#include "platform/ini_settings_store.h"
#include "platform/metrics_file.h"
#include "platform/netlink_interface_table.h"
#include "platform/plan_alert_file.h"
#include "platform/plan_watch.h"
#include "platform/system_clock.h"
#include "platform/termination_signals.h"
#include "platform/translations.h"
#include "platform/writer_lock.h"

namespace kirv {
namespace {

void PrintStatus(const LoggerDisplays& displays) {
  for (const std::string& status : displays.status) {
    if (!status.starts_with(kLogOkStatus)) WriteToStandardError(status);
  }
}

// The alert that the plan's figures call for, after each record written.
void CheckPlan(const LoggerArguments& arguments, const Clock& clock, Notifier& notifier) {
  if (!arguments.plan) return;
  const std::optional<DataPlan> plan = PlanOfControls(*arguments.plan);
  if (!plan) return;
  const PlanFigures figures = ReadPlanInFolder(*plan, arguments.dataFolder, clock.Now()).figures;
  SendPlanAlert(*plan, figures, PlanAlertFilePath(), notifier,
                NumberFormat{arguments.decimalSeparator, &kirv::ProgramTexts()});
}

int RunLogger(const LoggerArguments& arguments) {
  const QString folder = QString::fromStdString(arguments.dataFolder);
  if (!QDir::setCurrent(folder)) {  // the archives are named without a folder
    PrintError(Labelled(folder, CommandTexts::tr("dossier de données inaccessible")));
    return kExitFailure;
  }
  NetlinkInterfaceTable table;
  if (!table.IsAvailable()) return kExitFailure;  // the table has said why
  std::vector<MonitorEntry> entries;
  for (const std::string& name : arguments.interfaces) entries.push_back({name, true});

  SystemClock clock;
  StderrDialogs dialogs;
  StatisticsLogger logger(table, clock, dialogs,
                          NumberFormat{arguments.decimalSeparator, &kirv::ProgramTexts()});
  logger.SetDataFolder(QFile::encodeName(QDir::currentPath()).toStdString());
  ModuleNotifier notifier;
  logger.SetWriteProblemSink(NotifyingSink(&notifier, &ProgramTexts()));
  WriterLock lock(folder);
  MetricsWriter metrics(clock);
  logger.SetRecordSink(metrics.Sink());
  const auto startMetrics = [&] {
    IniSettingsStore settings;  // the plan, read as the desktop program and "kirv plan" read it
    metrics.Start(arguments.metricsDir, settings, arguments.dataFolder, arguments.interfaces,
                  kVersion);
  };
  TerminationSignals onSignal([&] {
    EndLoggerTurns(lock, logger, entries, PrintStatus);
    metrics.Publish();  // nothing unless this process writes
    QCoreApplication::quit();
  });
  if (StartLoggerTurns(lock, logger, entries)) {
    startMetrics();
  } else {
    const qint64 holder = lock.HolderPid();
    const QString who = holder > 0 ? CommandTexts::tr("le processus %1").arg(holder)
                                   : CommandTexts::tr("un autre processus");
    PrintError(CommandTexts::tr("%1 écrit déjà les archives de %2 ; "
                                "kirv log prendra le relais à sa fin")
                   .arg(who, folder));
  }

  QTimer timer;
  timer.setInterval(arguments.periodMs);
  timer.setTimerType(Qt::VeryCoarseTimer);  // no wake-up finer than the second is needed
  QObject::connect(&timer, &QTimer::timeout, [&] {
    switch (TakeLoggerTurn(lock, logger, entries, PrintStatus)) {
      case WriterTurn::kWrite:
        CheckPlan(arguments, clock, notifier);
        break;
      case WriterTurn::kTakenOver:
        startMetrics();
        PrintError(CommandTexts::tr("écriture des archives de %1 reprise").arg(folder));
        break;
      case WriterTurn::kElsewhere:
        break;
    }
  });
  timer.start();
  return QCoreApplication::exec();
}

}  // namespace
}  // namespace kirv

int main(int argc, char** argv) {
  // A signal that comes during start-up is kept until the logger can act on it.
  kirv::InstallTerminationSignals();
  // Qt's own event loop rather than GLib's: the logger needs no more, and it weighs less.
  qputenv("QT_NO_GLIB", "1");
  QCoreApplication app(argc, argv);
  const std::optional<kirv::LoggerArguments> arguments =
      kirv::LoggerArguments::Parse(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
  // "kirv log" runs it with its arguments; by hand it answers under its own name.
  kirv::InstallTranslations(arguments ? "kirv log" : "kirv-log");
  if (!arguments) {
    kirv::PrintError(kirv::CommandTexts::tr("se lance par « kirv log »"));
    return kirv::kExitBadInput;
  }
  return kirv::RunLogger(*arguments);
}
