#pragma once

#include <string>
#include <vector>

#include "cli/logger_arguments.h"

namespace kirv {

// The places of kirv-log for this process and this build's installation.
std::vector<std::string> LogProgramPlaces();

// Replaces the process with kirv-log, given what to log: the process id, and with it a service
// manager's watch and its signals, stay the same. Returns only when no kirv-log can be run, after
// saying so on standard error, with the exit status.
int ExecLogProgram(const LoggerArguments& arguments);

}  // namespace kirv
