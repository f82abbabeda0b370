// "kirv graph": the picture that the "Module Graphique" window's snapshot saves, drawn without any
// display, and its statistics and columns as JSON.

#include <QApplication>
#include <QImageWriter>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QPalette>
#include <QSaveFile>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/graph_json.h"
#include "cli/graph_options.h"
#include "cli/subcommands.h"
#include "common/colour.h"
#include "config/settings_schema.h"
#include "graph/graph_axes.h"
#include "graph/graph_renderer.h"
#include "graph/history_graph.h"
#include "graph/period_table.h"
#include "graph/qt_graph_snapshot.h"
#include "graph/qt_statistics_box.h"
#include "platform/data_folder.h"
#include "platform/ini_settings_store.h"
#include "platform/save_file_commit.h"
#include "platform/system_clock.h"
#include "platform/translations.h"
#include "platform/xdg_auto_start.h"
#include "widgets/qt_canvas.h"

namespace kirv {

namespace {

const QString kCommand = QStringLiteral("graph");
constexpr int kDesignWidth = 600;   // W of the window at its design size
constexpr int kDesignHeight = 195;  // H of the window at its design size

// What the window reads from the settings at its creation: the curve colours, "Dessiner pics",
// the graduation count and "Légende", which it gives back.
bool ReadGraphSettings(TraceInputs& in) {
  IniSettingsStore store;
  XdgAutoStartEntry autoStart;
  ConfigControls config;
  ReadForm1Settings(store, autoStart, config);
  GraphControls graph;
  ReadForm2Settings(store, graph);
  in.colours = {ColourFromText(config.Edit1), ColourFromText(config.Edit2),
                ColourFromText(config.Edit3), ColourFromText(config.Edit4)};
  in.drawPeaks = graph.cbmx;
  in.graduations = graph.gradspin;
  return graph.legd;
}

}  // namespace

int RunGraph(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(CommandTexts::tr(
      "L'image du Module Graphique pour une archive, sans écran, et ses statistiques."));
  parser.addPositionalArgument(QStringLiteral("ARCHIVE"), CommandTexts::tr("Archive .mdf à lire."));
  const QCommandLineOption periodOption(QStringLiteral("period"),
                                        CommandTexts::tr("day, week, month ou year."),
                                        CommandTexts::tr("période"));
  const QCommandLineOption atOption(
      QStringLiteral("at"),
      CommandTexts::tr("Instant le plus récent montré (par défaut maintenant)."),
      CommandTexts::tr("jj/mm/aaaa hh:mm"));
  const QCommandLineOption widthOption(
      QStringLiteral("width"),
      CommandTexts::tr("Largeur de la courbe en colonnes, 1 à 1023 (par défaut 600)."),
      QStringLiteral("N"));
  const QCommandLineOption scaleOption(
      QStringLiteral("scale"),
      CommandTexts::tr("auto (par défaut), manual:N octets/s, ou une échelle (512kbps, 0 à 6)."),
      CommandTexts::tr("échelle"));
  const QCommandLineOption bitsOption(QStringLiteral("bits"),
                                      CommandTexts::tr("Vitesses en bits (par défaut en octets)."));
  const QCommandLineOption outputOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                        CommandTexts::tr("Image PNG à écrire."),
                                        CommandTexts::tr("fichier.png"));
  const QCommandLineOption legendOption(
      QStringLiteral("legend"),
      CommandTexts::tr("Les statistiques à droite du graphique (par défaut selon « Légende »)."));
  const QCommandLineOption noLegendOption(QStringLiteral("no-legend"),
                                          CommandTexts::tr("Le graphique seul."));
  const QCommandLineOption jsonOption(
      QStringLiteral("json"), CommandTexts::tr("Statistiques et colonnes en JSON sur la sortie."));
  parser.addOptions({periodOption, atOption, widthOption, scaleOption, bitsOption, outputOption,
                     legendOption, noLegendOption, jsonOption});
  if (const std::optional<int> status = ParseArguments(parser, kCommand, arguments)) {
    return *status;
  }

  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 1 || positional.front().isEmpty()) {
    return UsageError(parser, kCommand, CommandTexts::tr("une ARCHIVE, et une seule"));
  }
  if (!parser.isSet(outputOption) && !parser.isSet(jsonOption)) {
    return UsageError(parser, kCommand, CommandTexts::tr("-o fichier.png ou --json"));
  }
  if (parser.isSet(legendOption) && parser.isSet(noLegendOption)) {
    return UsageError(parser, kCommand, CommandTexts::tr("--legend ou --no-legend, pas les deux"));
  }
  TraceInputs in;
  in.width = kDesignWidth;
  in.height = kDesignHeight;
  in.octets = !parser.isSet(bitsOption);
  in.automaticScale = true;
  const std::optional<int> period = ParsePeriod(parser.value(periodOption));
  if (!period) {
    return UsageError(parser, kCommand,
                      Labelled(CommandTexts::tr("période illisible"), parser.value(periodOption)));
  }
  in.period = *period;
  in.columnSpan = ColumnSpanOf(*period);
  in.now = SystemClock().Now();
  if (parser.isSet(atOption)) {
    const std::optional<DateTime> at = ParseDateTime(parser.value(atOption));
    if (!at) {
      return UsageError(parser, kCommand,
                        Labelled(CommandTexts::tr("instant illisible"), parser.value(atOption)));
    }
    in.now = *at;
  }
  in.referenceDate = DateTime{in.now.year, in.now.month, in.now.day};
  if (parser.isSet(widthOption)) {
    const std::optional<int> width = ParseWidth(parser.value(widthOption));
    if (!width) {
      return UsageError(parser, kCommand,
                        Labelled(CommandTexts::tr("largeur illisible"), parser.value(widthOption)));
    }
    in.width = *width;
  }
  if (parser.isSet(scaleOption)) {
    const std::optional<ScaleChoice> scale = ParseScale(parser.value(scaleOption));
    if (!scale) {
      return UsageError(parser, kCommand,
                        Labelled(CommandTexts::tr("échelle illisible"), parser.value(scaleOption)));
    }
    in.automaticScale = scale->automatic;
    in.fullScale = scale->fullScale;
  }

  const ArchiveLookup lookup = FindArchive(positional.front(), DefaultDataFolder());
  const QString& archive = lookup.path;
  if (lookup.error) {
    PrintError(*lookup.error);
    return kExitBadInput;
  }
  in.archivePath = Utf8(archive);
  const bool legendSetting = ReadGraphSettings(in);
  const bool legend =
      parser.isSet(legendOption) || (legendSetting && !parser.isSet(noLegendOption));
  in.format = SystemNumberFormat();

  QImage curve(in.width, in.height, QImage::Format_RGB32);
  QImage axis(in.width + kAxisLayerExtraWidth, in.height + kAxisLayerExtraHeight,
              QImage::Format_RGB32);
  QtCanvas curveCanvas(curve);
  QtCanvas axisCanvas(axis, GraphWindowFont());
  HistoryGraph graph;
  const TraceResult result = *graph.Trace(in, curveCanvas, axisCanvas);

  if (parser.isSet(outputOption)) {
    const QString target = AbsolutePath(parser.value(outputOption));
    QtStatisticsBox statistics(GraphWindowFont());
    statistics.ColourCaptions(in.colours);
    statistics.ShowFigures(result.statistics);
    // Written beside and renamed over the target: a failed write leaves any earlier picture.
    QSaveFile file(target);
    QImageWriter writer(&file, "png");
    std::optional<QString> failure;
    if (!file.open(QIODevice::WriteOnly)) {
      failure = file.errorString();
    } else if (!writer.write(GraphSnapshot(axis.size(), axis, curve,
                                           statistics.palette().color(QPalette::Window),
                                           legend ? &statistics : nullptr))) {
      failure = file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
    } else {
      failure = CommitSaveFile(file);
    }
    if (failure) {
      PrintError(Labelled(target, *failure));
      return kExitFailure;
    }
  }
  if (parser.isSet(jsonOption)) {
    // The trace clears its column sums once drawn: the columns are loaded again for the figures.
    TraceInputs bounded = Bounded(in);
    bounded.fullScale = result.fullScale;
    ColumnTable columns;
    LoadHistory(bounded, columns);
    WriteOut(QJsonDocument(GraphJson(bounded, result, graph.Unit(), columns))
                 .toJson(QJsonDocument::Compact)
                 .append('\n'));
  }
  return kExitSuccess;
}

int RunGraphSubcommand(int argc, char** argv) {
  // Drawn without any display, whatever the session has.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The platform's notes (no runtime folder, no session) are not the command's business.
  QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
  QApplication app(argc, argv);
  InstallTranslations("kirv graph");
  return RunGraph(ArgumentsOfSubcommand());
}

}  // namespace kirv
