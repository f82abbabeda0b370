#pragma once

#include <optional>

namespace kirv {

// "kirv report", "kirv graph" and "kirv log": runs the subcommand that argv[1] names and gives its
// exit status, or nothing when argv names none and the desktop program is to start. Must run
// before any application object exists: each subcommand makes its own, and "kirv log" replaces
// the process with kirv-log once it has read its options and the settings.
std::optional<int> RunSubcommand(int argc, char** argv);

}  // namespace kirv
