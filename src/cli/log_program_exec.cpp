#include "cli/log_program_exec.h"

#include <unistd.h>

#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/cli_common.h"
#include "cli/module_loader.h"

namespace kirv {

namespace {

constexpr const char* kLogProgram = "kirv-log";

}  // namespace

std::vector<std::string> LogProgramPlaces() {
  return CompanionPlaces(kLogProgram, KIRV_LIBEXEC_FROM_BIN, KIRV_LIBEXEC_FOLDER);
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
    AddFailedPlace(reasons, place, QString::fromLocal8Bit(std::strerror(errno)));
  }
  PrintError(
      Labelled(CommandTexts::tr("le programme d'enregistrement ne peut pas être lancé"), reasons));
  return kExitFailure;
}

}  // namespace kirv
