#pragma once

#include "app/command_line.h"
#include "app/kirv_application.h"
#include "app/single_instance.h"

namespace kirv {

// The desktop program once it is known to be the one KIRV of its user: the data folder, the
// services, the seven windows, the message loop and the quit, whichever way it is asked for.
// Answers the exit status.
int RunDesktopProgram(KirvApplication& app, SingleInstance& instance,
                      const CommandLine& commandLine);

}  // namespace kirv
