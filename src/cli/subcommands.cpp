#include "cli/subcommands.h"

#include <QCoreApplication>
#include <cstring>

#include "cli/commands.h"
#include "platform/translations.h"

namespace kirv {

// The program name and the arguments after the subcommand's name.
QStringList ArgumentsOfSubcommand() {
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeAt(1);
  return arguments;
}

std::optional<int> RunSubcommand(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  const char* name = argv[1];
  if (std::strcmp(name, "log") == 0) {
    QCoreApplication app(argc, argv);
    InstallTranslations("kirv log");
    return RunLog(ArgumentsOfSubcommand());
  }
  if (std::strcmp(name, "report") == 0) {
    QCoreApplication app(argc, argv);
    InstallTranslations("kirv report");
    return RunReport(ArgumentsOfSubcommand());
  }
  if (std::strcmp(name, "plan") == 0) {
    QCoreApplication app(argc, argv);
    InstallTranslations("kirv plan");
    return RunPlan(ArgumentsOfSubcommand());
  }
  return std::nullopt;
}

}  // namespace kirv
