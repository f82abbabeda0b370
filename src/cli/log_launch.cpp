#include "cli/log_launch.h"

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

}  // namespace

std::vector<std::string> LogProgramPlaces(const std::string& runningProgram,
                                          const std::string& libexecFromBin,
                                          const std::string& libexecFolder) {
  std::vector<fs::path> places;
  if (!runningProgram.empty()) {
    const fs::path folder = fs::path(runningProgram).parent_path();
    places.push_back(folder / kLogProgram);
    places.push_back(folder / libexecFromBin / kLogProgram);
  }
  places.push_back(fs::path(libexecFolder) / kLogProgram);
  std::vector<std::string> unique;
  for (const fs::path& place : places) {
    const std::string clean = place.lexically_normal().string();
    if (std::find(unique.begin(), unique.end(), clean) == unique.end()) unique.push_back(clean);
  }
  return unique;
}

std::vector<std::string> LogProgramPlaces(const std::string& runningProgram) {
  return LogProgramPlaces(runningProgram, KIRV_LIBEXEC_FROM_BIN, KIRV_LIBEXEC_FOLDER);
}

int ExecLogProgram(const LoggerArguments& arguments) {
  std::vector<std::string> texts = arguments.ToArguments();
  texts.insert(texts.begin(), kLogProgram);
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  std::fflush(stdout);
  std::fflush(stderr);

  std::error_code unknown;
  const fs::path self = fs::read_symlink("/proc/self/exe", unknown);
  QString reasons;
  for (const std::string& place : LogProgramPlaces(self.string())) {
    execv(place.c_str(), argv.data());  // returns only when it failed
    const int error = errno;
    if (!reasons.isEmpty()) reasons += QStringLiteral(", ");
    reasons += QString::fromStdString(place) + QStringLiteral(" (") +
               QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char(')');
  }
  PrintError(QStringLiteral("log"),
             QStringLiteral("le programme d'enregistrement ne peut pas être lancé : ") + reasons);
  return kExitFailure;
}

}  // namespace kirv
