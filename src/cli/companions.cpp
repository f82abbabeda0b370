#include "cli/companions.h"

#include <dlfcn.h>
#include <unistd.h>

#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "cli/cli_common.h"

namespace kirv {

namespace {

namespace fs = std::filesystem;

constexpr const char* kLogProgram = "kirv-log";
constexpr const char* kDesktopModule = "kirv-desktop.so";
constexpr const char* kDesktopEntry = "KirvDesktopMain";  // int (int argc, char** argv)
constexpr const char* kNotifierModule = "kirv-notify.so";

std::string RunningProgram() {
  std::error_code unknown;
  return fs::read_symlink("/proc/self/exe", unknown).string();
}

// Each place tried and why it failed, one after the other.
void AddReason(QString& reasons, const std::string& place, const QString& reason) {
  if (!reasons.isEmpty()) reasons += QStringLiteral(", ");
  reasons += QString::fromStdString(place) + QStringLiteral(" (") + reason + QLatin1Char(')');
}

}  // namespace

std::vector<std::string> CompanionPlaces(const std::string& file, const std::string& runningProgram,
                                         const std::string& folderFromBin,
                                         const std::string& folder) {
  std::vector<fs::path> places;
  if (!runningProgram.empty()) {
    const fs::path bin = fs::path(runningProgram).parent_path();
    places.push_back(bin / file);
    places.push_back(bin / folderFromBin / file);
  }
  places.push_back(fs::path(folder) / file);
  std::vector<std::string> unique;
  for (const fs::path& place : places) {
    const std::string clean = place.lexically_normal().string();
    if (std::find(unique.begin(), unique.end(), clean) == unique.end()) unique.push_back(clean);
  }
  return unique;
}

std::vector<std::string> LogProgramPlaces() {
  return CompanionPlaces(kLogProgram, RunningProgram(), KIRV_LIBEXEC_FROM_BIN, KIRV_LIBEXEC_FOLDER);
}

std::vector<std::string> DesktopModulePlaces() {
  return CompanionPlaces(kDesktopModule, RunningProgram(), KIRV_MODULE_FROM_BIN,
                         KIRV_MODULE_FOLDER);
}

std::vector<std::string> NotifierModulePlaces() {
  return CompanionPlaces(kNotifierModule, RunningProgram(), KIRV_MODULE_FROM_BIN,
                         KIRV_MODULE_FOLDER);
}

void* LoadModuleEntry(const std::vector<std::string>& places, const char* entry, QString& reasons) {
  for (const std::string& place : places) {
    // Bound at once: a module that lacks a library fails here, not in the middle of a run.
    void* module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
      AddReason(reasons, place, QString::fromLocal8Bit(dlerror()));
      continue;
    }
    if (void* found = dlsym(module, entry)) return found;
    AddReason(reasons, place, QString::fromLocal8Bit(dlerror()));
    dlclose(module);
  }
  return nullptr;
}

int ExecLogProgram(const LoggerArguments& arguments) {
  std::vector<std::string> texts = arguments.ToArguments();
  texts.insert(texts.begin(), kLogProgram);
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  std::fflush(stdout);
  std::fflush(stderr);

  QString reasons;
  for (const std::string& place : LogProgramPlaces()) {
    execv(place.c_str(), argv.data());  // returns only when it failed
    AddReason(reasons, place, QString::fromLocal8Bit(std::strerror(errno)));
  }
  PrintError(
      QStringLiteral("log"),
      Labelled(CommandTexts::tr("le programme d'enregistrement ne peut pas être lancé"), reasons));
  return kExitFailure;
}

int RunDesktopModule(int argc, char** argv) {
  QString reasons;
  if (auto* entry = reinterpret_cast<int (*)(int, char**)>(
          LoadModuleEntry(DesktopModulePlaces(), kDesktopEntry, reasons))) {
    return entry(argc, argv);
  }
  // Before any application object: in French, the texts' source.
  PrintError(QString(),
             Labelled(CommandTexts::tr("le module de bureau ne peut pas être chargé"), reasons));
  return kExitFailure;
}

}  // namespace kirv
