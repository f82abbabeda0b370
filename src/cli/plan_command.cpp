// "kirv plan": the data plan's figures on a day, from the settings' plan or the options, over the
// plan's archives, as text or JSON, with statuses for scripts.

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "config/settings_schema.h"
#include "plan/plan_reading.h"
#include "plan/plan_settings.h"
#include "platform/data_folder.h"
#include "platform/ini_settings_store.h"
#include "platform/system_clock.h"

namespace kirv {

namespace {

const QString kCommand = QStringLiteral("plan");

// With --alert: the level as the exit status.
constexpr int kExitWarning = 3;
constexpr int kExitReached = 4;

QByteArray Number(std::uint64_t n) { return QByteArray::number(static_cast<qulonglong>(n)); }
QByteArray Number(std::int64_t n) { return QByteArray::number(static_cast<qlonglong>(n)); }

// A JSON string, escaped by Qt.
QByteArray String(const QString& text) {
  const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
  return array.mid(1, array.size() - 2);
}

QByteArray IsoDay(const DateTime& t) {
  return '"' + QByteArray::fromStdString(FormatDateTime(t, "yyyy-mm-dd")) + '"';
}

// Octets as exact integers, written directly: QJsonDocument holds numbers as doubles.
QByteArray PlanJson(const DataPlan& plan, const PlanReading& r, const QStringList& archives,
                    const DateTime& day) {
  const PlanFigures& f = r.figures;
  QByteArray out = "{\"plan\":{\"start\":" + IsoDay(f.period.start);
  out += ",\"lastDay\":" + IsoDay(f.period.lastDay);
  out += ",\"days\":" + Number(f.days) + ",\"daysLeft\":" + Number(f.daysLeft);
  out += ",\"limitOctets\":" + Number(f.limit) + ",\"usedOctets\":" + Number(f.used);
  out += ",\"usedTodayOctets\":" + Number(f.usedToday);
  out += ",\"remainingOctets\":" + Number(f.remaining) + ",\"percent\":" + Number(f.percent);
  out += ",\"estimateOctets\":" + Number(f.estimate);
  out += ",\"allowanceTodayOctets\":" + Number(f.allowanceToday);
  out += ",\"leftTodayOctets\":" + Number(f.leftToday);
  out += ",\"level\":\"" + QByteArray(PlanLevelName(f.level)) + '"';
  out += ",\"count\":\"" + QByteArray(PlanCountName(plan.count)) + '"';
  out += ",\"warning\":" + QByteArray::number(plan.warning) + "},\"archives\":[";
  for (const QString& archive : archives) {
    if (&archive != &archives.front()) out += ',';
    out += String(archive);
  }
  out += "],\"date\":" + IsoDay(day) + ",\"skippedRecords\":" + Number(r.skippedRecords) + "}\n";
  return out;
}

QString PlanText(const DataPlan& plan, const PlanFigures& f, const NumberFormat& format) {
  const auto octets = [&](std::int64_t n) {
    return QString::fromStdString(PlanOctetsText(n, format));
  };
  const auto unsignedOctets = [&](std::uint64_t n) { return octets(static_cast<std::int64_t>(n)); };
  const auto day = [](const DateTime& t) {
    return QString::fromStdString(FormatDateTime(t, "dd/mm/yyyy"));
  };
  const auto text = [&](const char* source) { return QString::fromStdString(format.Text(source)); };
  return CommandTexts::tr("Forfait du %1 au %2 : %3 jour(s), dont %4 restant(s)\n")
             .arg(day(f.period.start), day(f.period.lastDay), QString::number(f.days),
                  QString::number(f.daysLeft)) +
         CommandTexts::tr("Compté : %1, alerte à %2 %\n")
             .arg(text(PlanCountText(plan.count)), QString::number(plan.warning)) +
         CommandTexts::tr("Utilisé : %1 sur %2 (%3 %)\n")
             .arg(unsignedOctets(f.used), unsignedOctets(f.limit), QString::number(f.percent)) +
         CommandTexts::tr("Restant : %1\n").arg(unsignedOctets(f.remaining)) +
         CommandTexts::tr("Aujourd'hui : %1 permis, %2 utilisés, %3 restants\n")
             .arg(unsignedOctets(f.allowanceToday), unsignedOctets(f.usedToday),
                  octets(f.leftToday)) +
         CommandTexts::tr("Estimation en fin de période : %1\n").arg(unsignedOctets(f.estimate)) +
         CommandTexts::tr("Niveau : %1\n").arg(text(PlanLevelText(f.level)));
}

// A whole number within bounds, or none.
std::optional<int> Bounded(const QString& text, int minimum, int maximum) {
  bool ok = false;
  const int n = text.toInt(&ok);
  if (!ok || n < minimum || n > maximum) return std::nullopt;
  return n;
}

}  // namespace

int RunPlan(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(CommandTexts::tr(
      "Le forfait de données : utilisé, restant, permis aujourd'hui, estimation de fin de "
      "période (le forfait des réglages ; chaque option en remplace une part)."));
  parser.addPositionalArgument(QStringLiteral("ARCHIVE"),
                               CommandTexts::tr("Archives .mdf à compter (sans ARCHIVE : celles "
                                                "du forfait dans le dossier de données)."),
                               QStringLiteral("[ARCHIVE…]"));
  const QCommandLineOption dateOption(QStringLiteral("date"),
                                      CommandTexts::tr("Jour, à sa fin (par défaut aujourd'hui)."),
                                      CommandTexts::tr("jj/mm/aaaa"));
  const QCommandLineOption limitOption(
      QStringLiteral("limit"),
      CommandTexts::tr("Limite : octets, ou K, M, G, T (de 1024), KB, MB, GB, TB (de 1000)."),
      CommandTexts::tr("taille"));
  const QCommandLineOption monthlyOption(QStringLiteral("monthly"),
                                         CommandTexts::tr("Période mensuelle à partir du jour J."),
                                         CommandTexts::tr("J"));
  const QCommandLineOption dailyOption(QStringLiteral("daily"),
                                       CommandTexts::tr("Période d'un jour."));
  const QCommandLineOption everyOption(QStringLiteral("every"),
                                       CommandTexts::tr("Période de N jours (1 à 366)."),
                                       QStringLiteral("N"));
  const QCommandLineOption fromOption(QStringLiteral("from"),
                                      CommandTexts::tr("Premier jour d'une période de N jours."),
                                      CommandTexts::tr("jj/mm/aaaa"));
  const QCommandLineOption countOption(QStringLiteral("count"),
                                       CommandTexts::tr("Ce qui compte : both, received ou sent."),
                                       CommandTexts::tr("quoi"));
  const QCommandLineOption warningOption(QStringLiteral("warning"),
                                         CommandTexts::tr("Seuil d'alerte en % (1 à 99)."),
                                         QStringLiteral("P"));
  const QCommandLineOption jsonOption(QStringLiteral("json"),
                                      CommandTexts::tr("Un objet JSON, octets exacts."));
  const QCommandLineOption alertOption(
      QStringLiteral("alert"),
      CommandTexts::tr("Statut de sortie 3 au seuil d'alerte, 4 à la limite."));
  const QCommandLineOption folderOption(QStringLiteral("data-dir"),
                                        CommandTexts::tr("Dossier des archives."),
                                        CommandTexts::tr("dossier"));
  parser.addOptions({dateOption, limitOption, monthlyOption, dailyOption, everyOption, fromOption,
                     countOption, warningOption, jsonOption, alertOption, folderOption});
  if (const std::optional<int> status = ParseArguments(parser, kCommand, arguments)) {
    return *status;
  }

  DateTime day = SystemClock().Now();
  if (const std::optional<int> status = ReadDayOption(parser, dateOption, kCommand, day)) {
    return *status;
  }
  day = {day.year, day.month, day.day};

  IniSettingsStore settings;
  PlanControls controls;
  ReadPlanSettings(settings, controls);
  if (!controls.on && !parser.isSet(limitOption)) {
    PrintError(CommandTexts::tr("aucun forfait dans %1 et pas de --limit")
                   .arg(QString::fromStdString(settings.FilePath())));
    return kExitBadInput;
  }
  if (parser.isSet(limitOption)) {
    const std::optional<std::uint64_t> limit = ParsePlanSize(Utf8(parser.value(limitOption)));
    if (!limit) {
      return UsageError(parser, kCommand,
                        Labelled(CommandTexts::tr("limite illisible"), parser.value(limitOption)));
    }
    controls.limit = std::to_string(*limit);
  }
  const int periods = int{parser.isSet(monthlyOption)} + int{parser.isSet(dailyOption)} +
                      int{parser.isSet(everyOption)};
  if (periods > 1) {
    return UsageError(parser, kCommand,
                      CommandTexts::tr("une seule période : --monthly, --daily ou --every"));
  }
  if (parser.isSet(monthlyOption)) {
    const std::optional<int> d = Bounded(parser.value(monthlyOption), kMinStartDay, kMaxStartDay);
    if (!d) {
      return UsageError(parser, kCommand,
                        Labelled(CommandTexts::tr("jour de début illisible (1 à 31)"),
                                 parser.value(monthlyOption)));
    }
    controls.period = static_cast<int>(PlanPeriodKind::kMonthly);
    controls.startDay = *d;
  }
  if (parser.isSet(dailyOption)) controls.period = static_cast<int>(PlanPeriodKind::kDaily);
  if (parser.isSet(everyOption)) {
    const std::optional<int> n = Bounded(parser.value(everyOption), kMinEveryDays, kMaxEveryDays);
    if (!n) {
      return UsageError(parser, kCommand,
                        Labelled(CommandTexts::tr("nombre de jours illisible (1 à 366)"),
                                 parser.value(everyOption)));
    }
    controls.period = static_cast<int>(PlanPeriodKind::kEveryDays);
    controls.everyDays = *n;
  }
  if (parser.isSet(fromOption)) {
    const std::optional<DateTime> from = ParseDate(parser.value(fromOption));
    if (!from) {
      return UsageError(
          parser, kCommand,
          Labelled(CommandTexts::tr("premier jour illisible"), parser.value(fromOption)));
    }
    controls.firstDay = FormatDateTime(*from, "dd/mm/yyyy");
  }
  if (controls.period == static_cast<int>(PlanPeriodKind::kEveryDays) &&
      controls.firstDay.empty()) {
    return UsageError(parser, kCommand, CommandTexts::tr("--every demande --from"));
  }
  if (parser.isSet(countOption)) {
    const QString count = parser.value(countOption);
    const int index = count == QStringLiteral("both")       ? 0
                      : count == QStringLiteral("received") ? 1
                      : count == QStringLiteral("sent")     ? 2
                                                            : -1;
    if (index < 0) {
      return UsageError(parser, kCommand,
                        Labelled(CommandTexts::tr("--count both, received ou sent"), count));
    }
    controls.count = index;
  }
  if (parser.isSet(warningOption)) {
    const std::optional<int> p = Bounded(parser.value(warningOption), kMinWarning, kMaxWarning);
    if (!p) {
      return UsageError(
          parser, kCommand,
          Labelled(CommandTexts::tr("seuil illisible (1 à 99)"), parser.value(warningOption)));
    }
    controls.warning = *p;
  }
  const std::optional<DataPlan> plan = PlanOfControls(controls);
  if (!plan) {
    PrintError(CommandTexts::tr("forfait illisible dans %1")
                   .arg(QString::fromStdString(settings.FilePath())));
    return kExitBadInput;
  }

  QStringList archives;
  for (const QString& path : parser.positionalArguments()) archives << AbsolutePath(path);
  if (archives.isEmpty()) {
    const QString folder =
        AbsolutePath(parser.isSet(folderOption) ? parser.value(folderOption) : DefaultDataFolder());
    std::vector<std::string> inFolder;
    for (const QString& path : ArchivesOf(folder)) inFolder.push_back(Utf8(path));
    for (const std::string& path : PlanArchivePaths(*plan, Utf8(folder), inFolder)) {
      archives << QString::fromStdString(path);
    }
    if (archives.isEmpty()) {
      PrintError(CommandTexts::tr("aucune archive (*.mdf) dans %1").arg(folder));
      return kExitFailure;
    }
  }
  std::vector<std::string> paths;
  for (const QString& archive : archives) {
    if (const std::optional<QString> reason = UnreadableReason(archive)) {
      PrintError(Labelled(archive, *reason));
      return kExitBadInput;
    }
    paths.push_back(Utf8(archive));
  }

  const PlanReading reading = ReadPlan(*plan, paths, day);
  if (reading.skippedRecords > 0) {
    PrintError(SkippedLinesText(reading.skippedRecords));
  }
  if (parser.isSet(jsonOption)) {
    WriteOut(PlanJson(*plan, reading, archives, day));
  } else {
    WriteOut(Utf8(PlanText(*plan, reading.figures, SystemNumberFormat())));
  }
  if (!parser.isSet(alertOption)) return kExitSuccess;
  switch (reading.figures.level) {
    case PlanLevel::kWarning:
      return kExitWarning;
    case PlanLevel::kReached:
      return kExitReached;
    case PlanLevel::kOk:
      break;
  }
  return kExitSuccess;
}

}  // namespace kirv
