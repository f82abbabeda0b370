// kirv-log: the program that "kirv log" replaces itself with, given the same arguments. It links
// Qt Core alone, and its event loop sleeps until the next tick or signal.

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "app/termination_signals.h"
#include "cli/cli_common.h"
#include "cli/commands.h"

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "log") != 0) {
    std::fputs("kirv-log : se lance par « kirv log »\n", stderr);
    return kirv::kExitBadInput;
  }
  // A signal that comes during start-up is kept until the logger can act on it.
  kirv::InstallTerminationSignals();
  // Qt's own event loop rather than GLib's: the logger needs no more, and it weighs less.
  qputenv("QT_NO_GLIB", "1");
  QCoreApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeAt(1);  // "log"
  return kirv::RunLog(arguments);
}
