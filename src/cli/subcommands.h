#pragma once

#include <optional>

namespace kirv {

// "kirv report", "kirv plan" and "kirv log": runs the subcommand that argv[1] names and gives its
// exit status, or nothing when argv names neither and the desktop module is to take the arguments.
// Must run before any application object exists: each subcommand makes its own, and "kirv log"
// replaces the process with kirv-log once it has read its options and the settings.
std::optional<int> RunSubcommand(int argc, char** argv);

// "kirv graph", in the desktop module: drawn on Qt's offscreen platform whatever the session has.
int RunGraphSubcommand(int argc, char** argv);

}  // namespace kirv
