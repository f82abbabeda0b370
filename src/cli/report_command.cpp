// "kirv report": the totals window's figures and tables for one archive or every archive of the
// data folder, as text, JSON or CSV.

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/report_json.h"
#include "platform/data_folder.h"
#include "platform/system_clock.h"
#include "totals/totals_computation.h"

namespace kirv {

namespace {

const QString kCommand = QStringLiteral("report");

enum class Form { kText, kJson, kCsv };

}  // namespace

int RunReport(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(CommandTexts::tr(
      "Totaux d'une archive KIRV (sans ARCHIVE : de chaque archive du dossier de données)."));
  parser.addPositionalArgument(QStringLiteral("ARCHIVE"), CommandTexts::tr("Archive .mdf à lire."),
                               QStringLiteral("[ARCHIVE]"));
  const QCommandLineOption dateOption(QStringLiteral("date"),
                                      CommandTexts::tr("Jour des totaux (par défaut aujourd'hui)."),
                                      CommandTexts::tr("jj/mm/aaaa"));
  const QCommandLineOption jsonOption(QStringLiteral("json"),
                                      CommandTexts::tr("Un document JSON, octets exacts compris."));
  const QCommandLineOption csvOption(
      QStringLiteral("csv"), CommandTexts::tr("Les lignes jour par jour et mois par mois en CSV."));
  const QCommandLineOption folderOption(
      QStringLiteral("data-dir"),
      CommandTexts::tr("Dossier des archives (sans ARCHIVE, ou pour un nom seul)."),
      CommandTexts::tr("dossier"));
  parser.addOptions({dateOption, jsonOption, csvOption, folderOption});
  if (const std::optional<int> status = ParseArguments(parser, kCommand, arguments)) {
    return *status;
  }

  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1) {
    return UsageError(parser, kCommand, CommandTexts::tr("une seule ARCHIVE à la fois"));
  }
  if (!positional.isEmpty() && positional.front().isEmpty()) {
    return UsageError(parser, kCommand, CommandTexts::tr("ARCHIVE vide"));
  }
  if (parser.isSet(jsonOption) && parser.isSet(csvOption)) {
    return UsageError(parser, kCommand, CommandTexts::tr("--json ou --csv, pas les deux"));
  }
  const Form form = parser.isSet(jsonOption)  ? Form::kJson
                    : parser.isSet(csvOption) ? Form::kCsv
                                              : Form::kText;
  DateTime day = SystemClock().Now();
  if (const std::optional<int> status = ReadDayOption(parser, dateOption, kCommand, day)) {
    return *status;
  }

  QStringList archives;
  if (positional.isEmpty()) {
    const QString folder =
        AbsolutePath(parser.isSet(folderOption) ? parser.value(folderOption) : DefaultDataFolder());
    archives = ArchivesOf(folder);
    if (archives.isEmpty()) {
      PrintError(CommandTexts::tr("aucune archive (*.mdf) dans %1").arg(folder));
      return kExitFailure;
    }
  } else {
    const ArchiveLookup lookup =
        FindArchive(positional.front(),
                    parser.isSet(folderOption) ? parser.value(folderOption) : DefaultDataFolder());
    if (lookup.error) {
      PrintError(*lookup.error);
      return kExitBadInput;
    }
    archives << lookup.path;
  }

  const NumberFormat format = SystemNumberFormat();
  int status = kExitSuccess;
  int read = 0;              // archives that could be read
  QByteArrayList documents;  // JSON objects, one per archive read
  std::string out = form == Form::kCsv ? TotalsCsvHeading() : std::string();
  for (const QString& archive : archives) {
    if (const std::optional<QString> reason = UnreadableReason(archive)) {
      PrintError(Labelled(archive, *reason));
      status = kExitBadInput;
      continue;
    }
    ++read;
    const std::string path = Utf8(archive);
    TotalsComputation computation;  // each archive on its own: no date carried between them
    // A past day is reported as at its end: the records of later days count nowhere.
    const TotalsReport report = *computation.Run(
        path, day, format, parser.isSet(dateOption) ? LaterDays::kLeftOut : LaterDays::kCounted);
    if (report.skippedRecords > 0) {
      PrintError(Labelled(archive, SkippedLinesText(report.skippedRecords)));
    }
    switch (form) {
      case Form::kJson:
        documents.append(TotalsJsonText(archive, day, report));
        break;
      case Form::kCsv:
        out += TotalsCsvRows(path, report);
        break;
      case Form::kText:
        if (!out.empty()) out += "\n";
        out += TotalsReportText(path, report, format);
        break;
    }
  }
  if (form == Form::kJson && !documents.isEmpty()) {
    // One archive named: its object; the data folder: an array of one object per archive.
    WriteOut(positional.isEmpty() ? '[' + documents.join(',') + "]\n" : documents.first() + '\n');
  } else if (read > 0) {
    WriteOut(out);
  }
  return status;
}

}  // namespace kirv
