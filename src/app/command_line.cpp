#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <array>
#include <cstdio>

#include "app/version.h"
#include "common/standard_error.h"
#include "platform/data_folder.h"

namespace kirv {

namespace {

const QString kDataDir = QStringLiteral("data-dir");
const QString kMetricsDir = QStringLiteral("metrics-dir");
const QString kVersionOption = QStringLiteral("version");
const QString kHelp = QStringLiteral("help");

// What QGuiApplication and its platform plugins read from the command line; they are Qt's to
// handle (a session manager restarts the program with -session, for one).
constexpr std::array kQtValueOptions = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "name",          "title",   "qmljsdebugger"};
constexpr std::array kQtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString Said(const char* source) {
  return QCoreApplication::translate("kirv::CommandLine", source);
}

void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  std::fwrite(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), stream);
  std::fflush(stream);
}

// The option as the user wrote it, dashes included and value left out.
QString AsGiven(const QStringList& arguments, const QString& name) {
  for (const QString& argument : arguments.mid(1)) {
    const QString option = argument.section(QLatin1Char('='), 0, 0);
    if (option.startsWith(QLatin1Char('-')) &&
        option.mid(option.startsWith(QStringLiteral("--")) ? 2 : 1) == name) {
      return option;
    }
  }
  return name;
}

}  // namespace

QStringList Arguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  return arguments;
}

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOption({kDataDir, QString(), QStringLiteral("dossier")});
  parser.addOption({kMetricsDir, QString(), QStringLiteral("dossier")});
  parser.addOption(QCommandLineOption(kVersionOption));
  parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), kHelp}));
  for (const char* name : kQtValueOptions) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kQtFlags) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  CommandLine result;
  const auto fail = [&result](const QString& error) {
    result.action = CommandLine::Action::kError;
    result.error = error;
    return result;
  };
  if (!parser.parse(arguments)) {
    if (!parser.unknownOptionNames().isEmpty()) {
      return fail(Said(QT_TRANSLATE_NOOP("kirv::CommandLine", "option inconnue « %1 »"))
                      .arg(AsGiven(arguments, parser.unknownOptionNames()[0])));
    }
    // The only other failure: the last option lacks its value.
    return fail(Said(QT_TRANSLATE_NOOP("kirv::CommandLine", "l'option « %1 » attend une valeur"))
                    .arg(arguments.last()));
  }
  if (!parser.positionalArguments().isEmpty()) {
    return fail(Said(QT_TRANSLATE_NOOP("kirv::CommandLine", "argument inattendu « %1 »"))
                    .arg(parser.positionalArguments()[0]));
  }
  if (parser.isSet(kHelp)) {
    result.action = CommandLine::Action::kHelp;
  } else if (parser.isSet(kVersionOption)) {
    result.action = CommandLine::Action::kVersion;
  }
  if (parser.isSet(kDataDir)) {
    result.dataDir = parser.value(kDataDir);
    if (result.dataDir.isEmpty())
      return fail(Said(QT_TRANSLATE_NOOP("kirv::CommandLine", "--data-dir attend un dossier")));
  }
  if (parser.isSet(kMetricsDir)) {
    if (parser.value(kMetricsDir).isEmpty()) {
      return fail(Said(QT_TRANSLATE_NOOP("kirv::CommandLine", "--metrics-dir attend un dossier")));
    }
    result.metricsDir = QFileInfo(parser.value(kMetricsDir)).absoluteFilePath();
  }
  return result;
}

QString VersionText() { return QStringLiteral("kirv ") + QString::fromLatin1(kVersion); }

QString HelpText(const QString& defaultDataFolder) {
  return Said(QT_TRANSLATE_NOOP(
                  "kirv::CommandLine",
                  "Utilisation : kirv [options]\n"
                  "              kirv report|graph|log [options]\n"
                  "\n"
                  "KIRV mesure le trafic réseau : une icône dans la zone de notification, un "
                  "tachymètre,\n"
                  "une archive des statistiques par interface, des graphiques et des totaux.\n"
                  "Un second lancement montre le tachymètre du KIRV déjà lancé.\n"
                  "\n"
                  "Options :\n"
                  "  --data-dir <dossier>  dossier des archives, des captures et de « debug.txt »\n"
                  "                        (par défaut %1)\n"
                  "  --metrics-dir <dossier>\n"
                  "                        dossier de kirv.prom pour node_exporter (par défaut\n"
                  "                        metricsDir des réglages, sinon aucun)\n"
                  "  --version             affiche la version et quitte\n"
                  "  -h, --help            affiche cette aide et quitte\n"
                  "\n"
                  "Commandes :\n"
                  "  report                totaux et prévision du mois d'une archive\n"
                  "  graph                 graphique d'une archive dans un fichier image\n"
                  "  log                   enregistre les statistiques sans fenêtre\n"
                  "\n"
                  "« kirv <commande> --help » décrit les options d'une commande.\n"))
      .arg(QDir::toNativeSeparators(defaultDataFolder));
}

int AnswerCommandLine(const CommandLine& commandLine) {
  switch (commandLine.action) {
    case CommandLine::Action::kHelp:
      Print(stdout, HelpText(DefaultDataFolder()));
      return 0;
    case CommandLine::Action::kVersion:
      Print(stdout, VersionText() + QLatin1Char('\n'));
      return 0;
    case CommandLine::Action::kError:
      WriteToStandardError(commandLine.error.toStdString());
      Print(stderr, QLatin1Char('\n') + HelpText(DefaultDataFolder()));
      return 2;
    case CommandLine::Action::kRun:
      break;
  }
  return 0;
}

}  // namespace kirv
