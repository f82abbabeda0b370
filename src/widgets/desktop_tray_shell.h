#pragma once

#include <memory>

#include "widgets/tray_shell.h"

namespace kirv {

// The desktop's notification area where there is one, else our own stand-in window.
std::unique_ptr<TrayShell> MakeDesktopTrayShell();

}  // namespace kirv
