#include "cli/module_loader.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "cli/cli_common.h"

namespace kirv {

namespace {

namespace fs = std::filesystem;

constexpr const char* kDesktopModule = "kirv-desktop.so";
constexpr const char* kDesktopEntry = "KirvDesktopMain";  // int (int argc, char** argv)
constexpr const char* kNotifierModule = "kirv-notify.so";

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

std::vector<std::string> CompanionPlaces(const std::string& file, const std::string& folderFromBin,
                                         const std::string& folder) {
  std::error_code unknown;
  return CompanionPlaces(file, fs::read_symlink("/proc/self/exe", unknown).string(), folderFromBin,
                         folder);
}

std::vector<std::string> DesktopModulePlaces() {
  return CompanionPlaces(kDesktopModule, KIRV_MODULE_FROM_BIN, KIRV_MODULE_FOLDER);
}

std::vector<std::string> NotifierModulePlaces() {
  return CompanionPlaces(kNotifierModule, KIRV_MODULE_FROM_BIN, KIRV_MODULE_FOLDER);
}

void AddFailedPlace(QString& reasons, const std::string& place, const QString& reason) {
  if (!reasons.isEmpty()) reasons += QStringLiteral(", ");
  reasons += QString::fromStdString(place) + QStringLiteral(" (") + reason + QLatin1Char(')');
}

void* LoadModuleEntry(const std::vector<std::string>& places, const char* entry, QString& reasons) {
  for (const std::string& place : places) {
    // Bound at once: a module that lacks a library fails here, not in the middle of a run.
    void* module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
      AddFailedPlace(reasons, place, QString::fromLocal8Bit(dlerror()));
      continue;
    }
    if (void* found = dlsym(module, entry)) return found;
    AddFailedPlace(reasons, place, QString::fromLocal8Bit(dlerror()));
    dlclose(module);
  }
  return nullptr;
}

int RunDesktopModule(int argc, char** argv) {
  QString reasons;
  if (auto* entry = reinterpret_cast<int (*)(int, char**)>(
          LoadModuleEntry(DesktopModulePlaces(), kDesktopEntry, reasons))) {
    return entry(argc, argv);
  }
  // Before any application object: in French, the texts' source.
  PrintError(Labelled(CommandTexts::tr("le module de bureau ne peut pas être chargé"), reasons));
  return kExitFailure;
}

}  // namespace kirv
