#pragma once

#include <QStringList>

namespace kirv {

// The subcommands, each given the program name followed by the arguments after the subcommand's
// name, inside the application object it made. Each gives its exit status.
int RunReport(const QStringList& arguments);
int RunPlan(const QStringList& arguments);
int RunGraph(const QStringList& arguments);
int RunLog(const QStringList& arguments);

// The application's arguments without the subcommand's name, once the application object exists.
QStringList ArgumentsOfSubcommand();

}  // namespace kirv
