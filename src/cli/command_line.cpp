#include "cli/command_line.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <cstring>

#include "cli/commands.h"

namespace kirv {

namespace {

// The program name and the arguments after the subcommand's name.
QStringList ArgumentsOf(const QStringList& all) {
  QStringList arguments = all;
  arguments.removeAt(1);
  return arguments;
}

}  // namespace

std::optional<int> RunSubcommand(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  const char* name = argv[1];
  if (std::strcmp(name, "log") == 0) {
    QCoreApplication app(argc, argv);
    return RunLog(ArgumentsOf(QCoreApplication::arguments()));
  }
  if (std::strcmp(name, "report") == 0) {
    QCoreApplication app(argc, argv);
    return RunReport(ArgumentsOf(QCoreApplication::arguments()));
  }
  if (std::strcmp(name, "graph") == 0) {
    // Drawn without any display, whatever the session has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's notes (no runtime folder, no session) are not the command's business.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    QApplication app(argc, argv);
    return RunGraph(ArgumentsOf(QCoreApplication::arguments()));
  }
  return std::nullopt;
}

}  // namespace kirv
