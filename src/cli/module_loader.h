#pragma once

#include <QString>
#include <string>
#include <vector>

namespace kirv {

// The kirv program keeps to Qt Core: "kirv report" and "kirv log" need no more. Its companions
// are loaded only when needed: kirv-log, which "kirv log" becomes so that the logger stays light
// for the hours it rests between ticks, and the desktop module, which holds the windows and
// "kirv graph" with the Qt Gui, Widgets, D-Bus and Network libraries they link.

// Where a companion file is looked for, in order, for a running program at `runningProgram`
// (empty when unknown): beside it (a build tree), in `folderFromBin` taken from its folder (an
// installed, perhaps moved, prefix), then in `folder` (the configured installation). No place
// twice.
std::vector<std::string> CompanionPlaces(const std::string& file, const std::string& runningProgram,
                                         const std::string& folderFromBin,
                                         const std::string& folder);
// The same for this process, whose program is found in /proc/self/exe.
std::vector<std::string> CompanionPlaces(const std::string& file, const std::string& folderFromBin,
                                         const std::string& folder);
// The places of the desktop module and of the notification module for this process and this
// build's installation.
std::vector<std::string> DesktopModulePlaces();
std::vector<std::string> NotifierModulePlaces();

// Adds "place (reason)" to the list of places tried and why each failed.
void AddFailedPlace(QString& reasons, const std::string& place, const QString& reason);

// The entry point `entry` of the first of these modules that loads, bound at once; the module
// stays loaded until the process ends. Null when none does, with each place tried and why it
// failed in `reasons`.
void* LoadModuleEntry(const std::vector<std::string>& places, const char* entry, QString& reasons);

// Loads the desktop module and runs the desktop program or "kirv graph" in this process with
// these arguments, giving its exit status; when no module can be loaded, says so on standard
// error and gives the failure status.
int RunDesktopModule(int argc, char** argv);

}  // namespace kirv
