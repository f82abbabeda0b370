#pragma once

// The desktop program's command line: --data-dir, --version and --help, besides the options
// that Qt itself reads (-platform, -session, ...). The subcommands report, graph and log are
// dispatched before this is read.

#include <QString>
#include <QStringList>

namespace kirv {

struct CommandLine {
  enum class Action { kRun, kHelp, kVersion, kError };
  Action action = Action::kRun;
  QString dataDir;     // as given; empty for the default data folder
  QString metricsDir;  // absolute; empty: the settings' metricsDir
  QString error;       // one line in the user's language, for kError
};

// arguments[0] is the program's name, as QCoreApplication::arguments() gives it.
CommandLine ParseCommandLine(const QStringList& arguments);
QStringList Arguments(int argc, char** argv);

// "kirv 0.5.2", the project's version.
QString VersionText();
// The options and subcommands, in the user's language; the default data folder is named.
QString HelpText(const QString& defaultDataFolder);

// Prints the help or the version on standard output, or the error and the help on standard
// error, and returns the exit status: 0, or 2 for an error. Not for kRun.
int AnswerCommandLine(const CommandLine& commandLine);

}  // namespace kirv
