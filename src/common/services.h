#pragma once

#include <string>

#include "common/auto_start_entry.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/interface_table.h"
#include "common/network_facts.h"
#include "common/notifier.h"
#include "common/number_format.h"
#include "common/settings_store.h"

namespace kirv {

class SingleWriterLock;  // archive/logger_turn.h

// Everything that touches the outside world, handed to the windows at start-up. Tests fill it
// with fakes.
struct Services {
  InterfaceTable* interfaces = nullptr;
  SettingsStore* settings = nullptr;
  AutoStartEntry* autoStart = nullptr;
  Clock* clock = nullptr;
  Dialogs* dialogs = nullptr;
  NetworkFactsSource* networkFacts = nullptr;  // read once, when firstStart
  // No settings file existed at start: the interfaces to monitor are chosen from the routes.
  bool firstStart = false;
  Notifier* notifier = nullptr;            // none: nothing is notified
  SingleWriterLock* writerLock = nullptr;  // of the data folder, the working directory
  NumberFormat numberFormat;
  std::string executablePath;  // absolute path of the running program
  std::string metricsDir;      // absolute, from --metrics-dir; empty: the settings' metricsDir
};

}  // namespace kirv
