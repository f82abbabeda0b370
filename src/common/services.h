#pragma once

#include <string>

#include "common/auto_start_entry.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/interface_table.h"
#include "common/number_format.h"
#include "common/settings_store.h"

namespace kirv {

// Everything that touches the outside world, handed to the windows at start-up. Tests fill it
// with fakes.
struct Services {
  InterfaceTable* interfaces = nullptr;
  SettingsStore* settings = nullptr;
  AutoStartEntry* autoStart = nullptr;
  Clock* clock = nullptr;
  Dialogs* dialogs = nullptr;
  NumberFormat numberFormat;
  std::string executablePath;  // absolute path of the running program
  std::string metricsDir;      // absolute, from --metrics-dir; empty: the settings' metricsDir
};

}  // namespace kirv
