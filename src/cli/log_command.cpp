// "kirv log": the five-minute statistics logger alone, without any window or display, for the
// interfaces that the settings mark as monitored, into the data folder. It logs only while it is
// the data folder's single writer, and writes the final records when SIGTERM or SIGINT ends it.

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

#include "app/termination_signals.h"
#include "archive/statistics_logger.h"
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/stderr_dialogs.h"
#include "config/settings_schema.h"
#include "platform/data_folder.h"
#include "platform/netlink_interface_table.h"
#include "platform/qsettings_store.h"
#include "platform/system_clock.h"
#include "platform/writer_lock.h"
#include "platform/xdg_auto_start.h"

namespace kirv {

namespace {

const QString kCommand = QStringLiteral("log");
constexpr int kLoggerPeriod = 300000;  // ms, as the desktop program's logging timer

// The interfaces of the table, in its order, checked as the settings mark them.
std::vector<MonitorEntry> MonitoredEntries(InterfaceTable& table, SettingsStore& settings) {
  ConfigControls controls;
  for (const InterfaceRow& row : table.TakeSnapshot().rows) {
    controls.interfaces.push_back({row.name});
  }
  XdgAutoStartEntry autoStart;
  ReadForm1Settings(settings, autoStart, controls);
  std::vector<MonitorEntry> entries;
  for (const InterfaceChecks& i : controls.interfaces) entries.push_back({i.name, i.lb});
  return entries;
}

void PrintStatus(const LoggerDisplays& displays) {
  for (const std::string& status : displays.status) {
    if (status.starts_with("ERREUR")) PrintError(kCommand, QString::fromStdString(status));
  }
}

}  // namespace

int RunLog(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Enregistre toutes les cinq minutes le trafic des interfaces à monitorer, sans fenêtre."));
  const QCommandLineOption folderOption(QStringLiteral("data-dir"),
                                        QStringLiteral("Dossier des archives."),
                                        QStringLiteral("dossier"));
  QCommandLineOption periodOption(QStringLiteral("period-ms"),
                                  QStringLiteral("Période d'enregistrement en millisecondes."),
                                  QStringLiteral("ms"), QString::number(kLoggerPeriod));
  periodOption.setFlags(QCommandLineOption::HiddenFromHelp);  // for the tests
  parser.addOptions({folderOption, periodOption});
  if (const std::optional<int> status = ParseArguments(parser, kCommand, arguments)) {
    return *status;
  }
  if (!parser.positionalArguments().isEmpty()) {
    return UsageError(
        parser, kCommand,
        QStringLiteral("argument inattendu : ") + parser.positionalArguments().front());
  }
  bool periodRead = false;
  const int period = parser.value(periodOption).toInt(&periodRead);
  if (!periodRead || period < 1) {
    return UsageError(parser, kCommand,
                      QStringLiteral("période illisible : ") + parser.value(periodOption));
  }

  const DataFolderStatus folder = PrepareDataFolder(
      parser.isSet(folderOption) ? parser.value(folderOption) : DefaultDataFolder());
  if (!folder.usable) {
    PrintError(kCommand, folder.error);
    return kExitFailure;
  }
  QDir::setCurrent(folder.path);  // the archives are named without a folder

  NetlinkInterfaceTable table;
  if (!table.IsAvailable()) {
    PrintError(kCommand, QStringLiteral("La table des interfaces réseau ne peut pas être lue : "
                                        "KIRV ne mesure aucun trafic."));
    return kExitFailure;
  }
  QSettingsStore settings;
  const std::vector<MonitorEntry> entries = MonitoredEntries(table, settings);
  if (std::none_of(entries.begin(), entries.end(),
                   [](const MonitorEntry& e) { return e.checked; })) {
    PrintError(kCommand, QStringLiteral("aucune interface présente n'est à monitorer dans ") +
                             QString::fromStdString(settings.FilePath()) +
                             QStringLiteral(" : rien ne sera enregistré"));
  }

  SystemClock clock;
  StderrDialogs dialogs(kCommand);
  StatisticsLogger logger(table, clock, dialogs, SystemNumberFormat());
  WriterLock lock(folder.path);
  TerminationSignals onSignal([&] {
    if (!lock.LogsElsewhere()) PrintStatus(logger.WriteFinalRecords(entries));
    QCoreApplication::quit();
  });
  if (!lock.TryTake() && lock.LogsElsewhere()) {
    PrintError(kCommand, QStringLiteral("le processus %1 écrit déjà les archives de %2 ; "
                                        "kirv log prendra le relais à sa fin")
                             .arg(lock.HolderPid())
                             .arg(folder.path));
  } else if (!lock.Held()) {
    PrintError(kCommand, QStringLiteral("le verrou %1 ne peut pas être créé dans %2 ; "
                                        "kirv log écrit les archives sans lui")
                             .arg(QString::fromLatin1(WriterLock::kFileName))
                             .arg(folder.path));
  }
  logger.TakeBaselines(entries);

  QTimer timer;
  timer.setInterval(period);
  timer.setTimerType(Qt::VeryCoarseTimer);  // no wake-up finer than the second is needed
  QObject::connect(&timer, &QTimer::timeout, [&] {
    switch (lock.TurnAtTick()) {
      case WriterTurn::kWrite:
        PrintStatus(logger.Timer1Timer(entries));
        break;
      case WriterTurn::kTakenOver:
        logger.TakeBaselines(entries);
        PrintError(kCommand,
                   QStringLiteral("écriture des archives de %1 reprise").arg(folder.path));
        break;
      case WriterTurn::kElsewhere:
        break;
    }
  });
  timer.start();

  return QCoreApplication::exec();
}

}  // namespace kirv
