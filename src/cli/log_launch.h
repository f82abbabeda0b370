#pragma once

#include <string>
#include <vector>

#include "cli/logger_arguments.h"

namespace kirv {

// "kirv log" logs through its own small program, kirv-log, which links Qt Core alone so that the
// logger stays light for the hours it rests between ticks.

// Where kirv-log is looked for, in order, for a running program at `runningProgram` (empty when
// unknown): beside it (a build tree), in `libexecFromBin` taken from its folder (an installed,
// perhaps moved, prefix), then in `libexecFolder` (the configured installation). No place twice.
std::vector<std::string> LogProgramPlaces(const std::string& runningProgram,
                                          const std::string& libexecFromBin,
                                          const std::string& libexecFolder);
// The same with the folders of this build's installation.
std::vector<std::string> LogProgramPlaces(const std::string& runningProgram);

// Replaces the process with kirv-log, given what to log: the process id, and with it a service
// manager's watch and its signals, stay the same. Returns only when no kirv-log can be run, after
// saying so on standard error, with the exit status.
int ExecLogProgram(const LoggerArguments& arguments);

}  // namespace kirv
